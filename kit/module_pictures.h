#pragma once
// A module's pictures rebuilt from its resources: every picture of the
// catalogue as the .bmp or .ico file its resources were cut from, whether the
// resources are read from a module's file or from a module loaded now.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "byte_span.h"
#include "file_bytes.h"
#include "problems.h"

namespace kit {

class ModuleResources {
public:
    virtual ~ModuleResources() = default;
    // The resource of that type (modfile::kRtBitmap, kRtGroupIcon) and name, if the module has it.
    virtual std::optional<modfile::ByteSpan> Named(std::uint16_t type, const std::string& name) const = 0;
    // The icon image (modfile::kRtIcon) of that number, if the module has it.
    virtual std::optional<modfile::ByteSpan> Icon(std::uint16_t number) const = 0;
};

// One file per catalogue entry, in its order, an empty one where a problem
// (naming `shownAs`) is reported. False where there is any.
bool ReadModulePictures(const ModuleResources& resources, const std::string& shownAs, std::vector<Bytes>& pictures,
                        Problems& problems);

}  // namespace kit
