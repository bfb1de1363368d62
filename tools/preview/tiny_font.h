#pragma once
// A 5x7 pixel font for the preview's labels: letters, digits and a little
// punctuation. Characters it lacks are drawn as a small box.
#include <string_view>

#include "canvas.h"

namespace preview {

constexpr int kGlyphAdvance = 6;   // five columns and one of spacing
constexpr int kGlyphAscent = 7;    // capitals and digits
constexpr int kTextLineHeight = 10;  // with room for descenders

int TextWidth(std::string_view text);
// Draws text with the top of its capitals at y.
void DrawLabel(Canvas& canvas, int x, int y, std::string_view text, Colour colour);

}  // namespace preview
