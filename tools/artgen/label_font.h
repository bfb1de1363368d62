#pragma once
// A 5x7 pixel font for the labels of the contact sheet: upper-case letters,
// digits, '_', 'x' and '@'.
#include <string>

#include "raster.h"

namespace art {

constexpr int kGlyphWidth = 6;   // with one column of spacing
constexpr int kGlyphHeight = 7;

// Draws text with its top left at (x, y), each font pixel scale x scale.
void drawLabel(Image& image, int x, int y, const std::string& text, Rgb colour, int scale);

}  // namespace art
