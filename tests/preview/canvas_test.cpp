// The preview's own drawing: where stretched, tiled, masked and turned
// pictures land, that nothing is painted outside the clip, and the labels in
// the shared font. The pictures of both builds rest on these.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "canvas.h"
#include "paint_kit.h"

namespace {

using preview::Canvas;
using preview::Colour;
using preview::Picture;
using preview::Rect;

constexpr Colour kA = 0x112233;
constexpr Colour kB = 0x445566;
constexpr Colour kC = 0x778899;
constexpr Colour kD = 0xAABBCC;
constexpr Colour kBack = 0x010101;

Picture MakePicture(int width, int height, std::vector<Colour> colours, std::vector<std::uint8_t> mask = {}) {
    Picture picture;
    picture.width = width;
    picture.height = height;
    picture.colour = std::move(colours);
    picture.andMask = std::move(mask);
    return picture;
}

std::vector<Colour> Row(const Canvas& canvas, int y) {
    std::vector<Colour> row;
    for (int x = 0; x < canvas.Width(); ++x) row.push_back(canvas.At(x, y));
    return row;
}

struct StretchCase {
    const char* name;
    Picture picture;
    int width;
    std::vector<Colour> row;  // the canvas's only row afterwards
};

void PrintTo(const StretchCase& c, std::ostream* os) { *os << c.name; }

class StretchTest : public ::testing::TestWithParam<StretchCase> {};

TEST_P(StretchTest, EachPixelTakesTheSourcePixelUnderItsCentre) {
    const StretchCase& c = GetParam();
    Canvas canvas(c.width, 1, kBack);
    canvas.DrawStretched(c.picture, Rect{0, 0, c.width, 1});
    EXPECT_EQ(Row(canvas, 0), c.row);
}

INSTANTIATE_TEST_SUITE_P(
    Widths, StretchTest,
    ::testing::Values(StretchCase{"Same", MakePicture(2, 1, {kA, kB}), 2, {kA, kB}},
                      StretchCase{"Doubled", MakePicture(2, 1, {kA, kB}), 4, {kA, kA, kB, kB}},
                      StretchCase{"Halved", MakePicture(4, 1, {kA, kB, kC, kD}), 2, {kB, kD}},
                      StretchCase{"Thirds", MakePicture(3, 1, {kA, kB, kC}), 5, {kA, kA, kB, kC, kC}},
                      StretchCase{"OneFromMany", MakePicture(4, 1, {kA, kB, kC, kD}), 1, {kC}}),
    [](const ::testing::TestParamInfo<StretchCase>& info) { return std::string(info.param.name); });

TEST(Canvas, MaskedPixelsKeepWhatIsBelowAndXorTheirColour) {
    // Mask set and black: transparent; mask set and coloured: inverted
    // against the background; mask clear: the colour itself.
    Canvas canvas(3, 1, 0x0F0F0F);
    canvas.Draw(MakePicture(3, 1, {0x000000, 0xFFFFFF, kA}, {1, 1, 0}), 0, 0);
    EXPECT_EQ(Row(canvas, 0), (std::vector<Colour>{0x0F0F0F, 0xF0F0F0, kA}));
}

TEST(Canvas, NothingIsPaintedOutsideTheClipOrTheCanvas) {
    Canvas canvas(4, 4, kBack);
    canvas.SetClip(Rect{1, 1, 2, 2});
    canvas.Fill(Rect{-10, -10, 30, 30}, kA);
    canvas.DrawStretched(MakePicture(1, 1, {kB}), Rect{-5, 0, 20, 1});
    canvas.Put(0, 0, kC);
    canvas.Put(5, 5, kC);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            const bool inside = x >= 1 && x <= 2 && y >= 1 && y <= 2;
            EXPECT_EQ(canvas.At(x, y), inside ? kA : kBack) << "pixel " << x << "," << y;
        }
    }
}

TEST(Canvas, TilesRepeatFromTheTargetsCornerAndStopAtItsEdge) {
    Canvas canvas(4, 3, kBack);
    canvas.DrawTiled(MakePicture(2, 2, {kA, kB, kC, kD}), Rect{1, 0, 3, 3});
    EXPECT_EQ(Row(canvas, 0), (std::vector<Colour>{kBack, kA, kB, kA}));
    EXPECT_EQ(Row(canvas, 1), (std::vector<Colour>{kBack, kC, kD, kC}));
    EXPECT_EQ(Row(canvas, 2), (std::vector<Colour>{kBack, kA, kB, kA}));
}

TEST(Canvas, TurningClockwiseBringsTheLeftColumnToTheTop) {
    // A B C      D A
    // D E F  ->  E B
    //            F C
    const Picture turned =
        preview::TurnClockwise(MakePicture(3, 2, {kA, kB, kC, kD, 0x000000, 0xFFFFFF}, {0, 0, 0, 1, 1, 0}));
    ASSERT_EQ(turned.width, 2);
    ASSERT_EQ(turned.height, 3);
    EXPECT_EQ(turned.colour, (std::vector<Colour>{kD, kA, 0x000000, kB, 0xFFFFFF, kC}));
    EXPECT_EQ(turned.andMask, (std::vector<std::uint8_t>{1, 0, 1, 0, 0, 0}));
}

TEST(Canvas, EllipseFillsItsMiddleAndLeavesItsCorners) {
    Canvas canvas(8, 6, kBack);
    canvas.FillEllipse(Rect{0, 0, 8, 6}, kA);
    EXPECT_EQ(canvas.At(0, 0), kBack);
    EXPECT_EQ(canvas.At(7, 0), kBack);
    EXPECT_EQ(canvas.At(0, 5), kBack);
    EXPECT_EQ(canvas.At(7, 5), kBack);
    EXPECT_EQ(canvas.At(0, 2), kA);
    EXPECT_EQ(canvas.At(7, 3), kA);
    EXPECT_EQ(canvas.At(3, 0), kA);
    EXPECT_EQ(canvas.At(4, 5), kA);
}

TEST(Canvas, FrameOutlinesJustInsideTheRectangle) {
    Canvas canvas(4, 3, kBack);
    canvas.Frame(Rect{0, 0, 4, 3}, kA);
    EXPECT_EQ(Row(canvas, 0), (std::vector<Colour>{kA, kA, kA, kA}));
    EXPECT_EQ(Row(canvas, 1), (std::vector<Colour>{kA, kBack, kBack, kA}));
    EXPECT_EQ(Row(canvas, 2), (std::vector<Colour>{kA, kA, kA, kA}));
}

TEST(PaintKit, MixGoesFromTheFirstColourToTheSecond) {
    EXPECT_EQ(preview::Mix(0x000000, 0xFFFFFF, 0), 0x000000u);
    EXPECT_EQ(preview::Mix(0x204060, 0xFFFFFF, 128), 0x8F9FAFu);
    EXPECT_EQ(preview::Mix(0x008000, 0x000000, 96), 0x005000u);
}

TEST(Labels, LettersInkTheirShapeAndUnknownCharactersABox) {
    Canvas canvas(11, 9, kBack);
    // 'I': a bar across the top and bottom with a stem; '~' is not in the font.
    preview::DrawLabel(canvas, 0, 0, "I~", kA);
    EXPECT_EQ(canvas.At(1, 0), kA);
    EXPECT_EQ(canvas.At(0, 0), kBack);
    EXPECT_EQ(canvas.At(2, 3), kA);
    EXPECT_EQ(canvas.At(1, 3), kBack);
    for (int y = 0; y < 7; ++y) {
        EXPECT_EQ(canvas.At(6, y), kA) << "box left edge, row " << y;
        EXPECT_EQ(canvas.At(10, y), kA) << "box right edge, row " << y;
    }
    EXPECT_EQ(canvas.At(8, 3), kBack);
}

TEST(Labels, TextPictureIsTransparentAroundItsInk) {
    const Picture text = preview::TextPicture("I", kB);
    Canvas canvas(text.width, text.height, kC);
    canvas.Draw(text, 0, 0);
    EXPECT_EQ(canvas.At(0, 0), kC);
    EXPECT_EQ(canvas.At(1, 0), kB);
}

}  // namespace
