#pragma once
// Every bitmap and icon group of the skin, in the order the resource script
// lists them, with the formats the module and its host rely on.
#include <vector>

#include "canvas.h"
#include "raster.h"

namespace art {

// Paints a whole bitmap of the given size.
using BitmapPainter = Image (*)(int width, int height);

struct BitmapSpec {
    const char* name;
    int width;
    int height;
    int bits;          // 1, 8 or 24
    int tableEntries;  // colour table entries; 0 for 24 bits
    BitmapPainter paint;
};

struct IconStyle {
    int size;  // pixels across (icons are square)
    int bits;
    // The 16-colour and black-and-white images get hard edges and plain fills.
    bool plain() const { return bits <= 4; }
};

// Draws a pictogram on a canvas 256 design units across.
using Pictogram = void (*)(Canvas& canvas, const IconStyle& style);

struct IconImageSpec {
    int size;
    int bits;
};

struct IconGroupSpec {
    const char* name;
    std::vector<IconImageSpec> images;  // in the group directory's order
    Pictogram draw;
};

const std::vector<BitmapSpec>& bitmapCatalogue();
const std::vector<IconGroupSpec>& iconCatalogue();

constexpr int kIconDesignUnits = 256;

}  // namespace art
