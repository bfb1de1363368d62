// The default skin's preview against the committed reference pictures: a
// change to the artwork or to how the preview paints shows up here, to be
// reviewed as a picture. The same references serve the portable build and
// the Windows build under Wine.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "hall_painter.h"
#include "image_reader.h"
#include "picture_compare.h"
#include "picture_file.h"
#include "skin_module.h"
#include "tree_painter.h"

namespace {

using preview::Canvas;
using preview::SkinModule;
using preview_test::Image;

// Both builds read the same pixels out of the same resources and paint
// them with the same code, so every pixel agrees; the tolerance only absorbs
// a colour a platform might round differently.
constexpr int kChannelTolerance = 2;
constexpr int kDifferingPixelsAllowed = 0;

// The references were painted under the portable platform's desktop scheme.
// A Windows desktop has a scheme of its own, and the skin takes some colours
// from it: there a pixel in one of these colours may be the same system
// colour of this desktop instead.
struct SchemeColour {
    int index;
    std::uint32_t reference;  // 0x00RRGGBB
};
constexpr SchemeColour kReferenceScheme[] = {
    {COLOR_CAPTIONTEXT, 0xFFFFFF}, {COLOR_HIGHLIGHT, 0x0A246A}, {COLOR_HIGHLIGHTTEXT, 0xFFFFFF},
    {COLOR_BTNFACE, 0xD4D0C8},     {COLOR_BTNTEXT, 0x000000},   {COLOR_INACTIVECAPTIONTEXT, 0xD4D0C8},
};

std::vector<preview_test::ColourSwap> DesktopSchemeSwaps() {
    std::vector<preview_test::ColourSwap> swaps;
#if defined(_WIN32)
    for (const SchemeColour& colour : kReferenceScheme) {
        const std::uint32_t here = preview::FromColorRef(GetSysColor(colour.index));
        if (here != colour.reference) swaps.push_back({colour.reference, here});
    }
#endif
    return swaps;
}

const SkinModule& Module() {
    static const SkinModule module(SKIN_MODULE_FILE);
    return module;
}

struct PictureCase {
    const char* name;
    std::function<Canvas(const SkinModule&)> paint;
};

const PictureCase kCases[] = {
    {"hall", [](const SkinModule& m) { return preview::PaintHall(*m.HallFace()); }},
    {"tree", [](const SkinModule& m) { return preview::PaintTreeFace(*m.TreeFace()); }},
};

void PrintTo(const PictureCase& c, std::ostream* os) { *os << c.name; }

class PreviewPictureTest : public ::testing::TestWithParam<PictureCase> {};

TEST_P(PreviewPictureTest, MatchesTheCommittedReference) {
    const PictureCase& c = GetParam();
    ASSERT_TRUE(Module().Loaded()) << Module().Error();
    const Canvas actual = c.paint(Module());

    const std::string referencePath = std::string(SKIN_PREVIEW_REFERENCE_DIR) + "/" + c.name + ".png";
    Image reference;
    std::string error;
    ASSERT_TRUE(preview_test::ReadImageFile(referencePath, &reference, &error)) << error;

    const preview_test::PictureDifference difference =
        preview_test::ComparePictures(actual, reference, kChannelTolerance, DesktopSchemeSwaps());
    if (difference.sameSize && difference.differingPixels <= kDifferingPixelsAllowed) return;

    const std::string written = preview::WritePicture(".", std::string(c.name) + "-actual", actual);
    ADD_FAILURE() << c.name << " preview differs from " << referencePath << ": "
                  << preview_test::Describe(difference, actual, reference) << " (tolerance " << kChannelTolerance
                  << " per channel, " << kDifferingPixelsAllowed << " pixels).\n"
                  << "The picture painted now is " << (written.empty() ? "(not written)" : written)
                  << " in the test's folder. If the change is intended, regenerate the references with\n"
                  << "  skinpreview --out tests/preview/reference\n"
                  << "from the portable build (build/linux/skinpreview), look at both pictures, and commit them.";
}

INSTANTIATE_TEST_SUITE_P(Faces, PreviewPictureTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<PictureCase>& info) {
                             return std::string(info.param.name);
                         });

// The preview's own pictures, read back by the same reader the comparison uses.
TEST(PreviewPictureFile, WrittenPictureReadsBackPixelForPixel) {
    Canvas canvas(7, 3, 0x102030);
    canvas.Put(0, 0, 0xFF0000);
    canvas.Put(6, 0, 0x00FF00);
    canvas.Put(0, 2, 0x0000FF);
    canvas.Put(6, 2, 0xFFFFFF);
    const std::string path = preview::WritePicture(".", "preview-file-test", canvas);
    ASSERT_FALSE(path.empty()) << "cannot write a PNG into the test's folder";

    Image image;
    std::string error;
    ASSERT_TRUE(preview_test::ReadImageFile(path, &image, &error)) << error;
    ASSERT_EQ(image.width, 7);
    ASSERT_EQ(image.height, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(image.pixels[static_cast<std::size_t>(y) * 7 + x], canvas.At(x, y)) << "pixel " << x << "," << y;
    std::remove(path.c_str());
}

}  // namespace
