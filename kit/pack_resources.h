#pragma once
// A pack's pictures cut into the resources its module carries, in the
// catalogue's order and numbering, as the resource compiler cuts them.
#include <string>
#include <vector>

#include "pack_module.h"
#include "resource_directory.h"

namespace kit {

class PackResources {
public:
    PackResources() = default;
    PackResources(const PackResources&) = delete;
    PackResources& operator=(const PackResources&) = delete;

    // `pictures` in platform form, one per catalogue entry. False, with the
    // reason, where a picture cannot be cut (a pack that passed its check
    // always can).
    bool Make(const std::vector<Bytes>& pictures, std::string& why);

    // Views into this object's own bytes.
    const std::vector<modfile::Resource>& resources() const { return resources_; }

private:
    std::vector<Bytes> data_;
    std::vector<modfile::Resource> resources_;
};

}  // namespace kit
