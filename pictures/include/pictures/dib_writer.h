#pragma once
// Writes uncompressed, bottom-up device-independent bitmaps: .bmp files, and
// .ico files of DIB images with AND masks. The pixels come already at their
// stored depth; choosing a colour table is the caller's business.
#include <cstdint>
#include <vector>

#include "pictures/image.h"

namespace pictures {

using Bytes = std::vector<std::uint8_t>;

// Pixels as a DIB stores them. At 1, 4 and 8 bits per pixel each value is an
// index into the table; at 24 bits it is the colour itself, 0x00RRGGBB, and
// the table is empty.
struct StoredPixels {
    int width = 0;
    int height = 0;
    int bits = 24;
    std::vector<Rgb> table;
    std::vector<std::uint32_t> values;  // width x height, top row first

    friend bool operator==(const StoredPixels& a, const StoredPixels& b) {
        return a.width == b.width && a.height == b.height && a.bits == b.bits && a.table == b.table &&
               a.values == b.values;
    }
};

// The header counts every table entry; pixelsPerMetre is the resolution both
// ways, 0 for none given. Throws std::invalid_argument for pixels no DIB can
// hold (a depth other than 1, 4, 8 or 24, a table too long for its depth, an
// index past the table, a values count that is not width x height).
Bytes encodeBitmapFile(const StoredPixels& pixels, std::int32_t pixelsPerMetre = 0);

struct IconPixels {
    // Icon headers leave the table's length unsaid, so it must be the full
    // length for the depth. At most 256 pixels a side.
    StoredPixels colours;
    std::vector<bool> transparent;  // the AND mask, width x height, top row first

    friend bool operator==(const IconPixels& a, const IconPixels& b) {
        return a.colours == b.colours && a.transparent == b.transparent;
    }
};

// The directory, then the images in the given order. Throws
// std::invalid_argument as above.
Bytes encodeIconFile(const std::vector<IconPixels>& images);

}  // namespace pictures
