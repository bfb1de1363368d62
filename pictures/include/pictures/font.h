#pragma once
// A 5x7 pixel font for labels: letters, digits and a little punctuation.
// Characters it lacks are drawn as a box.
#include <string_view>

#include "pictures/image.h"

namespace pictures {

constexpr int kGlyphAdvance = 6;  // five columns and one of spacing
constexpr int kGlyphAscent = 7;   // capitals and digits
constexpr int kLineHeight = 10;   // with room for the two rows of descenders

// The glyph as rows of five columns separated by spaces, '#' for ink: seven
// rows stand on the baseline, descenders add two more below it.
const char* glyphRows(char ch);

// From the first column of ink to the last.
int textWidth(std::string_view text);

// Calls plot(x, y) for every inked pixel of the text, (0, 0) being the top
// left of its first capital.
template <class Plot>
void forEachInkedPixel(std::string_view text, Plot&& plot) {
    int left = 0;
    for (const char ch : text) {
        int column = 0;
        int row = 0;
        for (const char* p = glyphRows(ch); *p != '\0'; ++p) {
            if (*p == ' ') {
                ++row;
                column = 0;
                continue;
            }
            if (*p == '#') plot(left + column, row);
            ++column;
        }
        left += kGlyphAdvance;
    }
}

// The text in colour with its top left at (x, y), each font pixel a square of
// scale x scale; whatever falls outside the image is left out.
void drawText(Image& image, int x, int y, std::string_view text, Rgb colour, int scale = 1);

}  // namespace pictures
