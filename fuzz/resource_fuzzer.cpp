// A module's resource section as the portable loader reads it: the compiled
// resource file, then every bitmap and icon group in it decoded the way
// LoadBitmapA and LoadIconA decode them. Malformed data must be refused
// (no entries, no picture), never read outside the input.
#include <cstdint>
#include <vector>

#include "dib_format.h"
#include "icon_format.h"
#include "res_format.h"

namespace {

const win32::ResEntry* FindIcon(const std::vector<win32::ResEntry>& entries, WORD id) {
    for (const win32::ResEntry& entry : entries)
        if (entry.type.isId && entry.type.id == 3 && entry.name.isId && entry.name.id == id) return &entry;
    return nullptr;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A copy of exactly the input's length, so that the sanitizer sees any read past it.
    const std::vector<uint8_t> image(data, data + size);
    std::vector<win32::ResEntry> entries;
    if (!win32::ParseResFile(image.data(), image.size(), &entries)) return 0;
    for (const win32::ResEntry& entry : entries) {
        if (!entry.type.isId) continue;
        const uint8_t* bytes = image.data() + entry.dataOffset;
        if (entry.type.id == 2) {
            win32::DibView view;
            if (win32::ParsePackedDib(bytes, entry.dataSize, &view)) win32::DibToBitmap(view);
        } else if (entry.type.id == 14) {
            std::vector<win32::IconDirEntry> icons;
            if (!win32::ParseGroupIconDir(bytes, entry.dataSize, &icons)) continue;
            for (int wanted : {16, 32}) {
                const int chosen = win32::ChooseIcon(icons, wanted, wanted, 32);
                if (chosen < 0) continue;
                if (const win32::ResEntry* icon = FindIcon(entries, icons[chosen].id))
                    win32::DecodeIconImage(image.data() + icon->dataOffset, icon->dataSize, wanted, wanted);
            }
        }
    }
    return 0;
}
