// The labels' font: how wide a text is, and what it inks, at a scale and
// against the edges of the picture.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pictures/font.h"

namespace {

using pictures::Image;

constexpr pictures::Rgb kInk = pictures::rgb(9, 8, 7);

// '#' for an inked pixel, '.' for one left alone.
std::string ascii(const Image& image) {
    std::string text;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) text += image.at(x, y) == pictures::Pixel{kInk, 255} ? '#' : '.';
        text += '\n';
    }
    return text;
}

std::string joined(const std::vector<std::string>& rows) {
    std::string text;
    for (const std::string& row : rows) text += row + '\n';
    return text;
}

TEST(Font, WidthIsSixPerCharacterLessTheLastGap) {
    EXPECT_EQ(pictures::textWidth(""), 0);
    EXPECT_EQ(pictures::textWidth("A"), 5);
    EXPECT_EQ(pictures::textWidth("Lobby"), 29);
}

TEST(Font, GlyphsStandSideBySideWithOneColumnBetween) {
    Image image(pictures::textWidth("A@"), pictures::kGlyphAscent);
    pictures::drawText(image, 0, 0, "A@", kInk);
    EXPECT_EQ(joined({".###...###.",
                      "#...#.#...#",
                      "#...#.#.###",
                      "#####.#.#.#",
                      "#...#.#.###",
                      "#...#.#....",
                      "#...#..####"}),
              ascii(image));
}

TEST(Font, ScaledPixelsAreSquaresCutAtEveryEdge) {
    // 'I' two pixels to a font pixel, from one font pixel above and to the
    // left of the picture, which is too narrow and too short for it.
    Image image(4, 12);
    pictures::drawText(image, -3, -1, "I", kInk, 2);
    EXPECT_EQ(joined({"####", ".##.", ".##.", ".##.", ".##.", ".##.", ".##.", ".##.", ".##.", ".##.", ".##.", "####"}),
              ascii(image));
}

}  // namespace
