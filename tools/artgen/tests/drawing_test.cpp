// The generator's building blocks: inside tests, compositing, colour
// fitting and the file writer's colour tables.
#include <gtest/gtest.h>

#include <stdexcept>

#include "canvas.h"
#include "colours.h"
#include "pictures/dib_format.h"
#include "stored_pictures.h"

namespace art {
namespace {

// Inside test at the centre of design unit (x, y).
bool at(const Shape& s, int x, int y) { return s(x * kFine + kFine / 2, y * kFine + kFine / 2); }

TEST(Shapes, RectanglesIncludeTheirStartAndExcludeTheirEnd) {
    const Shape r = rect(2, 3, 5, 7);
    EXPECT_TRUE(at(r, 2, 3));
    EXPECT_TRUE(at(r, 4, 6));
    EXPECT_FALSE(at(r, 5, 6));
    EXPECT_FALSE(at(r, 4, 7));
    EXPECT_FALSE(at(r, 1, 3));
}

TEST(Shapes, PolygonsFollowTheEvenOddRule) {
    // A square with a square hole, as one outline going round twice.
    const Shape frame = polygon({{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}, {3, 3}, {3, 7}, {7, 7}, {7, 3}, {3, 3}});
    EXPECT_TRUE(at(frame, 1, 1));
    EXPECT_FALSE(at(frame, 5, 5)) << "the hole";
    EXPECT_FALSE(at(frame, 11, 5));
    const Shape triangle = polygon({{0, 0}, {8, 0}, {0, 8}});
    EXPECT_TRUE(at(triangle, 2, 2));
    EXPECT_FALSE(at(triangle, 6, 6));
}

TEST(Shapes, SegmentsHaveRoundEnds) {
    const Shape s = segment({10, 10}, {30, 10}, 4);
    EXPECT_TRUE(at(s, 20, 13));
    EXPECT_FALSE(at(s, 20, 15));
    EXPECT_TRUE(at(s, 7, 10)) << "inside the round cap";
    EXPECT_FALSE(at(s, 7, 13)) << "outside the round cap, inside its bounding box";
}

TEST(Canvas, CoverageBlendsEdgesAndHardEdgesDoNot) {
    Image img(4, 1);
    Canvas c(img, 4);
    c.fill(rect(0, 0, 2, 1), rgb(200, 0, 0));
    c.fill(polygon({{2, 0}, {3, 0}, {3, 1}}), rgb(0, 0, 200));  // half of pixel 2
    EXPECT_EQ(255, img.at(0, 0).a);
    EXPECT_EQ(rgb(200, 0, 0), img.rgbAt(1, 0));
    EXPECT_GT(img.at(2, 0).a, 64);
    EXPECT_LT(img.at(2, 0).a, 192);
    EXPECT_EQ(0, img.at(3, 0).a);

    Image hard(4, 1);
    Canvas h(hard, 4);
    h.setAntialias(false);
    h.fill(polygon({{2, 0}, {3, 0}, {3, 1}}), rgb(0, 0, 200));
    EXPECT_TRUE(hard.at(2, 0).a == 0 || hard.at(2, 0).a == 255) << "got " << int(hard.at(2, 0).a);
}

Image ramp(int levels) {
    Image img(levels, 2);
    for (int x = 0; x < levels; ++x) {
        img.set(x, 0, grey(100 + x));
        img.set(x, 1, grey(100 + x));
    }
    img.set(0, 1, grey(100));  // grey 100 is the most frequent
    return img;
}

TEST(Colours, FittingMergesDownToExactlyTheCountAndKeepsWhatItIsTold) {
    Image img = ramp(30);
    fitColourCount(img, 7, {grey(129), grey(115)});
    const auto counts = colourCounts(img);
    EXPECT_EQ(7u, counts.size());
    EXPECT_EQ(1u, counts.count(grey(129))) << "kept";
    EXPECT_EQ(1u, counts.count(grey(115))) << "kept";
    int pixels = 0;
    for (const auto& [c, n] : counts) pixels += n;
    EXPECT_EQ(60, pixels);
}

TEST(Colours, FittingRefusesPicturesWithTooFewColours) {
    Image img = ramp(5);
    EXPECT_THROW(fitColourCount(img, 6), std::logic_error);
}

TEST(Colours, NearestStandardColour) {
    EXPECT_EQ(9, nearestIndex(standardPalette16(), rgb(230, 40, 30)));
    EXPECT_EQ(8, nearestIndex(standardPalette16(), rgb(120, 135, 180)));
    EXPECT_EQ(15, nearestIndex(standardPalette16(), rgb(250, 250, 250)));
}

// Colour table of an encoded bitmap file, as far as the file holds it.
std::vector<Rgb> tableOf(const Bytes& file) {
    std::vector<Rgb> table;
    const auto h = dib::readAt<dib::InfoHeader>(file.data(), file.size(), sizeof(dib::FileHeader));
    const std::size_t at = sizeof(dib::FileHeader) + sizeof(dib::InfoHeader);
    for (std::uint32_t i = 0; h && i < h->clrUsed; ++i) {
        const auto quad = dib::readAt<dib::RgbQuad>(file.data(), file.size(), at + sizeof(dib::RgbQuad) * i);
        if (!quad) break;
        table.push_back(rgb(quad->red, quad->green, quad->blue));
    }
    return table;
}

TEST(DibWriter, GreyPicturesWithAFullTableGetTheGreyRamp) {
    Image img(3, 1);
    img.set(0, 0, grey(7));
    img.set(1, 0, grey(200));
    img.set(2, 0, grey(7));
    const auto table = tableOf(encodeBitmapFile(img, 8, 256));
    ASSERT_EQ(256u, table.size());
    for (int i = 0; i < 256; ++i) EXPECT_EQ(grey(i), table[i]) << "entry " << i;
}

TEST(DibWriter, ShortTablesListTheColoursTopDownThenFillers) {
    Image img(2, 2);
    img.set(0, 0, rgb(142, 148, 170));
    img.set(1, 0, rgb(142, 148, 170));
    img.set(0, 1, rgb(163, 168, 186));
    img.set(1, 1, rgb(163, 168, 186));
    EXPECT_EQ((std::vector<Rgb>{rgb(142, 148, 170), rgb(163, 168, 186)}), tableOf(encodeBitmapFile(img, 1, 2)));
    EXPECT_EQ((std::vector<Rgb>{rgb(142, 148, 170), rgb(163, 168, 186), grey(0), grey(255), grey(1)}),
              tableOf(encodeBitmapFile(img, 8, 5)));
    EXPECT_THROW(encodeBitmapFile(img, 8, 1), std::logic_error) << "two colours in a one-entry table";
}

TEST(DibWriter, StoredIconsShowTheirDepth) {
    Image img(2, 1);
    img.set(0, 0, rgb(230, 40, 30));
    const Image four = storedIcon(IconImage{img, 4});
    EXPECT_EQ(rgb(255, 0, 0), four.rgbAt(0, 0));
    EXPECT_EQ(255, four.at(0, 0).a);
    EXPECT_EQ(0, four.at(1, 0).a) << "transparent stays transparent";
    EXPECT_EQ(grey(0), storedIcon(IconImage{img, 1}).rgbAt(0, 0)) << "dark red is black in black and white";
}

}  // namespace
}  // namespace art
