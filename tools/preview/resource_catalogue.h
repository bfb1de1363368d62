#pragma once
// Tells a face's handles by the resource they were loaded from. Every bitmap
// and icon group of the module is loaded by name from the module itself:
// icons are shared, so a face holds the very handle the loader returns;
// bitmaps are new objects on every load, so they are matched by size and
// pixels.
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "canvas.h"

namespace preview {

class ResourceCatalogue {
public:
    // Loads every bitmap and icon group of the skin catalogue from the module.
    explicit ResourceCatalogue(HMODULE module);
    ResourceCatalogue(const ResourceCatalogue&) = delete;
    ResourceCatalogue& operator=(const ResourceCatalogue&) = delete;

    // "null" for a null handle; otherwise every bitmap resource with the same
    // size and pixels, in the catalogue's order, joined by '|' (several
    // resources share their pixels); "host" when none matches.
    std::string NameOfBitmap(HBITMAP bitmap) const;
    // "null", the icon group the shared handle was loaded from, or "host".
    std::string NameOfIcon(HICON icon) const;
    // A handle of unknown kind: a bitmap is named as above, anything else is "host".
    std::string NameOfObject(HGDIOBJ object) const;

    // Names that failed to load from the module.
    const std::vector<std::string>& Missing() const { return missing_; }

private:
    struct NamedPicture {
        std::string name;
        Picture picture;
    };
    std::vector<NamedPicture> bitmaps_;
    std::vector<std::pair<HICON, std::string>> icons_;
    std::vector<std::string> missing_;
};

}  // namespace preview
