#pragma once
// The painter of every bitmap and the pictogram of every icon group of the
// skin catalogue; names, sizes, depths and images come from the catalogue.
#include <vector>

#include "canvas.h"
#include "raster.h"
#include "skin_catalogue.h"

namespace art {

// Paints a whole bitmap of the given size.
using BitmapPainter = Image (*)(int width, int height);

struct IconStyle {
    int size;  // pixels across (icons are square)
    int bits;
    // The 16-colour and black-and-white images get hard edges and plain fills.
    bool plain() const { return bits <= 4; }
};

// Draws a pictogram on a canvas 256 design units across.
using Pictogram = void (*)(Canvas& canvas, const IconStyle& style);

struct PaintedBitmap {
    const catalogue::Entry& entry;
    BitmapPainter paint;
};

struct DrawnIconGroup {
    const catalogue::Entry& entry;
    Pictogram draw;
};

// In catalogue order. Throws std::logic_error unless every entry of the kind
// has exactly one painter and every painter names an entry of the kind.
const std::vector<PaintedBitmap>& bitmapCatalogue();
const std::vector<DrawnIconGroup>& iconCatalogue();

constexpr int kIconDesignUnits = 256;

}  // namespace art
