#include "resource_catalogue.h"

#include "gdi_pictures.h"
#include "skin_catalogue.h"

namespace preview {

ResourceCatalogue::ResourceCatalogue(HMODULE module) {
    for (const catalogue::Entry& entry : catalogue::Entries()) {
        if (entry.kind == catalogue::Kind::Bitmap) {
            HBITMAP bitmap = LoadBitmapA(module, entry.name);
            Picture picture = ReadBitmap(bitmap);
            if (bitmap != nullptr) DeleteObject(bitmap);
            if (picture.Empty())
                missing_.push_back(entry.name);
            else
                bitmaps_.push_back(NamedPicture{entry.name, std::move(picture)});
        } else {
            // Shared icons stay with the module: nothing to give back.
            HICON icon = LoadIconA(module, entry.name);
            if (icon == nullptr)
                missing_.push_back(entry.name);
            else
                icons_.emplace_back(icon, entry.name);
        }
    }
}

std::string ResourceCatalogue::NameOfBitmap(HBITMAP bitmap) const {
    if (bitmap == nullptr) return "null";
    const Picture picture = ReadBitmap(bitmap);
    std::string names;
    if (!picture.Empty()) {
        for (const NamedPicture& known : bitmaps_) {
            if (known.picture.width != picture.width || known.picture.height != picture.height ||
                known.picture.colour != picture.colour)
                continue;
            if (!names.empty()) names += '|';
            names += known.name;
        }
    }
    return names.empty() ? "host" : names;
}

std::string ResourceCatalogue::NameOfIcon(HICON icon) const {
    if (icon == nullptr) return "null";
    for (const auto& [handle, name] : icons_)
        if (handle == icon) return name;
    return "host";
}

std::string ResourceCatalogue::NameOfObject(HGDIOBJ object) const {
    if (object == nullptr) return "null";
    if (GetObjectType(object) != OBJ_BITMAP) return "host";
    return NameOfBitmap(static_cast<HBITMAP>(object));
}

}  // namespace preview
