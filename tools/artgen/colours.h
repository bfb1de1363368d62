#pragma once
// Colour counting and reduction, and the fixed palettes of the small depths.
#include <map>
#include <vector>

#include "raster.h"

namespace art {

// Distinct colours of the opaque pixels, with how often each occurs.
std::map<Rgb, int> colourCounts(const Image& image);

// Merges colours until exactly `count` distinct colours remain: each step
// takes the rarest colour (not one of `keep`) and repaints it with the
// nearest remaining colour. Throws std::logic_error when the picture has
// fewer colours than asked for, so a drawing that falls short is noticed.
void fitColourCount(Image& image, int count, const std::vector<Rgb>& keep = {});

// At most `count` colours, the same way; fewer is left alone.
void limitColours(Image& image, int count, const std::vector<Rgb>& keep = {});

// The sixteen colours of the standard 4-bit palette, in index order.
const std::vector<Rgb>& standardPalette16();

// Index of the nearest palette colour (weighted RGB distance; the lower index
// wins a tie).
int nearestIndex(const std::vector<Rgb>& palette, Rgb c);

}  // namespace art
