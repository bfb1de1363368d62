#pragma once
// The artwork at its stored depths: bitmaps with the colour tables the skin
// relies on, icons reduced to their palettes with opacity as the AND mask,
// written as .bmp and .ico files.
#include "pictures/dib_writer.h"
#include "raster.h"

namespace art {

using pictures::Bytes;

// An opaque picture at 1, 8 or 24 bits per pixel. For 1 and 8 bits the colour
// table has exactly tableEntries entries and the header says so; a grey
// picture with a full 8-bit table gets the grey ramp (index = grey level),
// any other table lists the colours from the top row down, then fills up
// with black, white and the unused greys.
Bytes encodeBitmapFile(const Image& image, int bits, int tableEntries);

struct IconImage {
    Image image;  // square; opacity decides the AND mask
    int bits;     // 1 (black and white), 4 (standard palette), 8 or 24
};

// What an icon image holds once stored at its depth: every opaque pixel in
// the colour it will show, the mask in the opacity (0 or 255).
Image storedIcon(const IconImage& icon);

// The images in the given order. Transparent pixels are black in the colour
// bitmap so that the mask alone decides what shows.
Bytes encodeIconFile(const std::vector<IconImage>& images);

// Threshold of the 1-bit images: luma at or above it is white.
constexpr int kWhiteLuma = 128;

}  // namespace art
