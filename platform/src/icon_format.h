#pragma once
// Icon groups (the directory that lists a group's images) and icon images
// (a DIB of twice the icon's height: colours, then the AND mask).
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "dib_format.h"

namespace win32 {

struct IconDirEntry {
    int width = 0;
    int height = 0;
    int bitCount = 0;
    WORD id = 0;
};

// The entries of a group directory that lie inside the data; fails when the
// header is missing or marks no icon group.
bool ParseGroupIconDir(const std::uint8_t* data, std::size_t size, std::vector<IconDirEntry>* entries);

// The entry the real platform's icon loader picks: the least distance from
// the wanted size (width plus height difference, first such entry setting the
// two differences), then among entries with those differences the least
// distance from the wanted depth, first wins. -1 when there is no entry.
int ChooseIcon(const std::vector<IconDirEntry>& entries, int width, int height, int depth);

// A decoded icon at its final size. A monochrome icon has no colour bitmap
// and a mask of twice the height, with the colours below the AND mask.
struct IconPicture {
    int width = 0;
    int height = 0;
    std::optional<BitmapData> color;  // 32 bits per pixel
    BitmapData mask;                  // 1 bit per pixel; set = transparent
};

// Decodes an icon image resource and brings it to width x height the way the
// real platform does; nothing when the data is malformed.
std::optional<IconPicture> DecodeIconImage(const std::uint8_t* data, std::size_t size, int width, int height);

}  // namespace win32
