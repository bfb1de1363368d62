// Bitmaps and icons loaded by name from a module's resources, read back the
// way a host reads them. The resources are described in
// testlib/testlib_resources.S.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <vector>

#include "pictures/gdi_readback.h"

namespace {

// RGB of each pixel, top row first, as any host reads a bitmap back.
std::vector<COLORREF> ReadPixels(HBITMAP bitmap, int* width = nullptr, int* height = nullptr) {
    const pictures::Image image = pictures::readBitmap(bitmap);
    std::vector<COLORREF> pixels;
    for (const pictures::Pixel& p : image.pixels()) pixels.push_back(RGB(p.c.r, p.c.g, p.c.b));
    if (width) *width = image.width();
    if (height) *height = image.height();
    return pixels;
}

std::string Hex(COLORREF c) {
    char text[16];
    std::snprintf(text, sizeof text, "%06lX", static_cast<unsigned long>(c));
    return text;
}

class Resources : public testing::Test {
protected:
    void SetUp() override { module_ = LoadLibraryA(TESTLIB_FILE); }
    void TearDown() override {
        if (module_) FreeLibrary(module_);
    }
    HMODULE module_ = nullptr;
};

struct BitmapCase {
    const char* name;
    int width, height, bitsPerPixel;
    std::vector<COLORREF> pixels;  // top row first
};

TEST_F(Resources, BitmapsDecodeToTheirPixels) {
    ASSERT_NE(nullptr, module_);
    const BitmapCase cases[] = {
        {"RGB24", 3, 2, 32, {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 255), RGB(0, 0, 0),
                             RGB(10, 20, 30)}},
        {"PAL8", 2, 2, 32, {RGB(200, 100, 50), RGB(7, 8, 9), RGB(1, 2, 3), RGB(0, 0, 0)}},
        {"PAL4", 3, 1, 32, {RGB(1, 2, 3), RGB(15, 30, 45), RGB(8, 16, 24)}},
#ifndef _WIN32
        // Releases of the real platform disagree on top-down bitmap resources
        // (refused, loaded, loaded black), so the module's artwork is stored
        // bottom-up and only the portable platform's own reading is held here.
        {"TOPDOWN", 2, 2, 32, {RGB(1, 1, 1), RGB(2, 2, 2), RGB(3, 3, 3), RGB(4, 4, 4)}},
#endif
        {"BLUEWHITE", 2, 1, 32, {RGB(0, 0, 255), RGB(255, 255, 255)}},
        {"MONO", 10, 2, 1,
         {0xFFFFFF, 0, 0xFFFFFF, 0, 0xFFFFFF, 0, 0xFFFFFF, 0, 0xFFFFFF, 0, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
          0xFFFFFF, 0, 0, 0, 0, 0}},
        {"#7", 1, 1, 32, {RGB(9, 8, 7)}},
    };
    for (const BitmapCase& c : cases) {
        SCOPED_TRACE(c.name);
        HBITMAP bitmap = LoadBitmapA(module_, c.name);
        ASSERT_NE(nullptr, bitmap);
        BITMAP bm{};
        ASSERT_EQ(static_cast<int>(sizeof bm), GetObjectA(bitmap, sizeof bm, &bm));
        EXPECT_EQ(c.width, bm.bmWidth);
        EXPECT_EQ(c.height, bm.bmHeight);
        EXPECT_EQ(c.bitsPerPixel, bm.bmBitsPixel) << "display depth unless black-and-white";
        EXPECT_EQ(1, bm.bmPlanes);
        const std::vector<COLORREF> pixels = ReadPixels(bitmap);
        ASSERT_EQ(c.pixels.size(), pixels.size());
        for (size_t i = 0; i < pixels.size(); ++i)
            EXPECT_EQ(Hex(c.pixels[i]), Hex(pixels[i])) << "pixel " << i % c.width << "," << i / c.width;
        EXPECT_TRUE(DeleteObject(bitmap));
    }
}

TEST_F(Resources, EveryBitmapLoadMakesANewBitmap) {
    ASSERT_NE(nullptr, module_);
    HBITMAP first = LoadBitmapA(module_, "RGB24");
    HBITMAP second = LoadBitmapA(module_, "RGB24");
    ASSERT_NE(nullptr, first);
    ASSERT_NE(nullptr, second);
    EXPECT_NE(first, second);
    EXPECT_TRUE(DeleteObject(first));
    EXPECT_EQ(static_cast<DWORD>(OBJ_BITMAP), GetObjectType(second)) << "deleting one leaves the other";
    EXPECT_TRUE(DeleteObject(second));
}

TEST_F(Resources, NamesMatchWithoutRegardToCase) {
    ASSERT_NE(nullptr, module_);
    HBITMAP bitmap = LoadBitmapA(module_, "rgb24");
    EXPECT_NE(nullptr, bitmap);
    DeleteObject(bitmap);
    EXPECT_NE(nullptr, LoadIconA(module_, "small"));
}

TEST_F(Resources, MissingOrMalformedBitmapsAreNotLoaded) {
    ASSERT_NE(nullptr, module_);
    EXPECT_EQ(nullptr, LoadBitmapA(module_, "NO_SUCH_BITMAP"));
#ifndef _WIN32
    // The real platform reads on past the end of a short resource; the
    // portable one checks every length against the data and refuses.
    EXPECT_EQ(nullptr, LoadBitmapA(module_, "TRUNCATED"));
#endif
    EXPECT_EQ(nullptr, LoadBitmapA(module_, "SMALL")) << "an icon group is no bitmap";
    EXPECT_EQ(nullptr, LoadIconA(module_, "RGB24")) << "a bitmap is no icon group";
}

TEST_F(Resources, ResourcesAreFoundInTheirLanguage) {
    ASSERT_NE(nullptr, module_);
    HRSRC chinese = FindResourceExA(module_, RT_BITMAP, "LANGS", MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED));
    HRSRC english = FindResourceExA(module_, RT_BITMAP, "LANGS", 0x0409);
    ASSERT_NE(nullptr, chinese);
    ASSERT_NE(nullptr, english);
    EXPECT_NE(chinese, english);
    EXPECT_EQ(nullptr, FindResourceExA(module_, RT_BITMAP, "LANGS", 0x0407));
    EXPECT_EQ(nullptr, FindResourceExA(module_, RT_BITMAP, "RGB24", 0x0409));
    const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(module_, chinese)));
    ASSERT_NE(nullptr, data);
    ASSERT_EQ(44u, SizeofResource(module_, chinese));
    EXPECT_EQ(2, data[42]) << "the Chinese one is RGB(2,0,0)";
    EXPECT_NE(nullptr, FindResourceA(module_, "LANGS", RT_BITMAP)) << "found in some language";
}

TEST_F(Resources, IconsAreSharedPerModuleAndName) {
    ASSERT_NE(nullptr, module_);
    HICON first = LoadIconA(module_, "SMALL");
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(first, LoadIconA(module_, "SMALL"));
    EXPECT_FALSE(DeleteObject(first)) << "an icon is not a graphics object";
    EXPECT_EQ(0u, GetObjectType(first));
    EXPECT_TRUE(DestroyIcon(first)) << "a shared icon survives DestroyIcon";
    EXPECT_EQ(first, LoadIconA(module_, "SMALL"));
    ICONINFO info{};
    EXPECT_TRUE(GetIconInfo(first, &info)) << "and can still be used";
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    EXPECT_NE(first, LoadIconA(module_, "MULTI"));
}

TEST_F(Resources, IconInfoGivesNewBitmapsAtIconSize) {
    ASSERT_NE(nullptr, module_);
    HICON icon = LoadIconA(module_, "MULTI");
    ASSERT_NE(nullptr, icon);
    ICONINFO first{};
    ICONINFO second{};
    ASSERT_TRUE(GetIconInfo(icon, &first));
    ASSERT_TRUE(GetIconInfo(icon, &second));
    EXPECT_TRUE(first.fIcon);
    EXPECT_EQ(16u, first.xHotspot);
    EXPECT_EQ(16u, first.yHotspot);
    EXPECT_NE(first.hbmColor, second.hbmColor) << "each call makes bitmaps of its own";
    BITMAP color{};
    BITMAP mask{};
    ASSERT_EQ(static_cast<int>(sizeof color), GetObjectA(first.hbmColor, sizeof color, &color));
    ASSERT_EQ(static_cast<int>(sizeof mask), GetObjectA(first.hbmMask, sizeof mask, &mask));
    EXPECT_EQ(32, color.bmWidth);
    EXPECT_EQ(32, color.bmHeight);
    EXPECT_EQ(32, color.bmBitsPixel);
    EXPECT_EQ(32, mask.bmWidth);
    EXPECT_EQ(32, mask.bmHeight);
    EXPECT_EQ(1, mask.bmBitsPixel);
    for (HBITMAP bitmap : {first.hbmColor, first.hbmMask, second.hbmColor, second.hbmMask})
        EXPECT_TRUE(DeleteObject(bitmap)) << "the caller owns them";
}

TEST_F(Resources, IconTakesTheImageNearestThirtyTwoPixels) {
    ASSERT_NE(nullptr, module_);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(LoadIconA(module_, "MULTI"), &info));
    const std::vector<COLORREF> color = ReadPixels(info.hbmColor);
    const std::vector<COLORREF> mask = ReadPixels(info.hbmMask);
    ASSERT_EQ(32u * 32u, color.size());
    ASSERT_EQ(32u * 32u, mask.size());
    EXPECT_EQ(Hex(RGB(255, 0, 0)), Hex(color[0])) << "left half red";
    EXPECT_EQ(Hex(RGB(0, 0, 255)), Hex(color[31])) << "right half blue";
    EXPECT_EQ(Hex(0), Hex(mask[31 * 32])) << "bottom-left opaque";
    EXPECT_EQ(Hex(0xFFFFFF), Hex(mask[31 * 32 + 31])) << "bottom-right transparent";
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

TEST_F(Resources, SmallImageGrowsByRepeatingPixels) {
    ASSERT_NE(nullptr, module_);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(LoadIconA(module_, "SMALL"), &info));
    const std::vector<COLORREF> color = ReadPixels(info.hbmColor);
    const std::vector<COLORREF> mask = ReadPixels(info.hbmMask);
    ASSERT_EQ(32u * 32u, color.size());
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const COLORREF expected = RGB(16 * (x / 2), 16 * (y / 2), 0x80);
            ASSERT_EQ(Hex(expected), Hex(color[y * 32 + x])) << "pixel " << x << "," << y;
            const COLORREF transparent = (x < 2 && y < 2) ? 0xFFFFFF : 0;
            ASSERT_EQ(Hex(transparent), Hex(mask[y * 32 + x])) << "mask " << x << "," << y;
        }
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

TEST_F(Resources, LargeImageShrinksCombiningPixels) {
    ASSERT_NE(nullptr, module_);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(LoadIconA(module_, "BIG"), &info));
    const std::vector<COLORREF> color = ReadPixels(info.hbmColor);
    ASSERT_EQ(32u * 32u, color.size());
    // 48 to 32 takes source pixels 0 and 1 into the first target pixel, 2
    // alone into the second; pixels taken together are combined with AND.
    EXPECT_EQ(Hex(RGB(0xFF & 0x0F, 0xFF & 0xF0, 0 & 5)), Hex(color[0]));
    EXPECT_EQ(Hex(RGB(0xFF, 0xFF, 10)), Hex(color[1 * 32 + 1]));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

TEST_F(Resources, MonochromeIconHasOnlyAMaskOfTwiceTheHeight) {
    ASSERT_NE(nullptr, module_);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(LoadIconA(module_, "MONOICON"), &info));
    EXPECT_EQ(nullptr, info.hbmColor);
    int width = 0;
    int height = 0;
    const std::vector<COLORREF> mask = ReadPixels(info.hbmMask, &width, &height);
    EXPECT_EQ(32, width);
    ASSERT_EQ(64, height);
    EXPECT_EQ(Hex(0), Hex(mask[0])) << "AND mask above: opaque";
    EXPECT_EQ(Hex(0xFFFFFF), Hex(mask[32 * 32])) << "colours below: white top half";
    EXPECT_EQ(Hex(0), Hex(mask[63 * 32])) << "black bottom half";
    DeleteObject(info.hbmMask);
}

TEST_F(Resources, BrokenIconGroupsGiveNoIcon) {
    ASSERT_NE(nullptr, module_);
    EXPECT_EQ(nullptr, LoadIconA(module_, "DANGLING")) << "names an image that is not there";
    EXPECT_EQ(nullptr, LoadIconA(module_, "BADIMAGE")) << "the image is malformed";
    EXPECT_EQ(nullptr, LoadIconA(module_, "NO_SUCH_ICON"));
}

}  // namespace
