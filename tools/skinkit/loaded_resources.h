#pragma once
// The resources of a module loaded now, read through the platform's
// resource calls as any client can: the portable module keeps them where
// only its loader finds them.
#include <windows.h>

#include "module_pictures.h"

namespace skinkit {

class LoadedResources : public kit::ModuleResources {
public:
    explicit LoadedResources(HMODULE module) : module_(module) {}

    std::optional<modfile::ByteSpan> Named(std::uint16_t type, const std::string& name) const override;
    std::optional<modfile::ByteSpan> Icon(std::uint16_t number) const override;

private:
    std::optional<modfile::ByteSpan> Find(LPCSTR name, std::uint16_t type) const;

    HMODULE module_;
};

}  // namespace skinkit
