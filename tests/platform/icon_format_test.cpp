// Icon group directories, the choice of image, and icon image decoding.
#include "icon_format.h"

#include <gtest/gtest.h>

#include "byte_builder.h"

namespace {

using plattest::Bytes;
using plattest::DibHeader;
using win32::IconDirEntry;

struct Image {
    int width, height, bits;
};

std::vector<IconDirEntry> Entries(const std::vector<Image>& images) {
    std::vector<IconDirEntry> entries;
    WORD id = 1;
    for (const Image& image : images) entries.push_back(IconDirEntry{image.width, image.height, image.bits, id++});
    return entries;
}

struct ChoiceCase {
    const char* name;
    std::vector<Image> images;
    int expected;
};

TEST(IconChoice, NearestSizeThenNearestDepthFirstWins) {
    const ChoiceCase cases[] = {
        {"exact size beats depth", {{16, 16, 4}, {48, 48, 8}, {32, 32, 8}, {24, 24, 8}, {16, 16, 8}}, 2},
        {"deeper at the same size", {{16, 16, 4}, {16, 16, 8}, {32, 32, 4}, {32, 32, 8}}, 3},
        {"deepest not above the display",
         {{32, 32, 1}, {32, 32, 4}, {32, 32, 8}, {16, 16, 1}, {16, 16, 4}, {16, 16, 8}, {16, 16, 24}, {32, 32, 24}},
         7},
        {"thirty-two bits is closest to the display", {{32, 32, 24}, {32, 32, 32}}, 1},
        {"first of equals", {{32, 32, 8}, {32, 32, 8}}, 0},
        {"only image", {{20, 20, 8}}, 0},
        // 48 and 16 lie equally far from 32: the first one met sets the
        // distance, and both then compete on depth.
        {"larger and smaller equally near", {{48, 48, 8}, {16, 16, 24}}, 1},
        {"smaller and larger equally near", {{16, 16, 8}, {48, 48, 8}}, 0},
        {"nearest by the sum of both sides", {{24, 40, 24}, {28, 28, 8}}, 1},
        {"far larger image loses to a nearer one", {{256, 256, 32}, {64, 64, 4}}, 1},
        {"no image", {}, -1},
    };
    for (const ChoiceCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.expected, win32::ChooseIcon(Entries(c.images), 32, 32, 32));
    }
}

Bytes GroupDir(const std::vector<Image>& images, WORD type = 1) {
    Bytes b;
    b.U16(0).U16(type).U16(static_cast<std::uint16_t>(images.size()));
    WORD id = 1;
    for (const Image& image : images) {
        b.U8(static_cast<std::uint8_t>(image.width)).U8(static_cast<std::uint8_t>(image.height)).U8(0).U8(0);
        b.U16(1).U16(static_cast<std::uint16_t>(image.bits)).U32(1000).U16(id++);
    }
    return b;
}

TEST(IconGroupDir, ReadsTheEntries) {
    const Bytes dir = GroupDir({{32, 32, 8}, {0, 0, 32}});
    std::vector<IconDirEntry> entries;
    ASSERT_TRUE(win32::ParseGroupIconDir(dir.data().data(), dir.size(), &entries));
    ASSERT_EQ(2u, entries.size());
    EXPECT_EQ(32, entries[0].width);
    EXPECT_EQ(8, entries[0].bitCount);
    EXPECT_EQ(1, entries[0].id);
    EXPECT_EQ(256, entries[1].width);
    EXPECT_EQ(256, entries[1].height);
}

TEST(IconGroupDir, EntriesBeyondTheDataAreLeftOut) {
    Bytes dir = GroupDir({{32, 32, 8}, {16, 16, 8}});
    std::vector<std::uint8_t> cut(dir.data().begin(), dir.data().end() - 3);
    std::vector<IconDirEntry> entries;
    ASSERT_TRUE(win32::ParseGroupIconDir(cut.data(), cut.size(), &entries));
    EXPECT_EQ(1u, entries.size());
}

TEST(IconGroupDir, MalformedHeadersAreRefused) {
    std::vector<IconDirEntry> entries;
    const Bytes reserved = Bytes().U16(1).U16(1).U16(0);
    const Bytes noType = Bytes().U16(0).U16(0).U16(0);
    const Bytes shortHeader = Bytes().U16(0).U16(1);
    EXPECT_FALSE(win32::ParseGroupIconDir(reserved.data().data(), reserved.size(), &entries));
    EXPECT_FALSE(win32::ParseGroupIconDir(noType.data().data(), noType.size(), &entries));
    EXPECT_FALSE(win32::ParseGroupIconDir(shortHeader.data().data(), shortHeader.size(), &entries));
    EXPECT_FALSE(win32::ParseGroupIconDir(nullptr, 0, &entries));
}

// A 2 x 2 icon image at 24 bits: colours bottom-up, then the mask.
Bytes TwoByTwoImage(bool withMask) {
    Bytes b = DibHeader(2, 4, 24);
    b.U8(1).U8(1).U8(1).U8(2).U8(2).U8(2).Fill(2, 0);  // bottom row
    b.U8(3).U8(3).U8(3).U8(4).U8(4).U8(4).Fill(2, 0);  // top row
    if (withMask) b.U32(0x00000040).U32(0x00000080);   // bottom row: pixel 1 clear... see below
    return b;
}

TEST(IconImage, DecodesColoursAndMaskAtTheirOwnSize) {
    const Bytes image = TwoByTwoImage(true);
    const auto picture = win32::DecodeIconImage(image.data().data(), image.size(), 2, 2);
    ASSERT_TRUE(picture.has_value());
    ASSERT_TRUE(picture->color.has_value());
    EXPECT_EQ(0x030303u, picture->color->Pixel32(0, 0));
    EXPECT_EQ(0x040404u, picture->color->Pixel32(1, 0));
    EXPECT_EQ(0x010101u, picture->color->Pixel32(0, 1));
    // Mask rows bottom-up: bottom 0x40 (pixel 1 transparent), top 0x80 (pixel 0).
    EXPECT_TRUE(picture->mask.Bit(0, 0));
    EXPECT_FALSE(picture->mask.Bit(1, 0));
    EXPECT_FALSE(picture->mask.Bit(0, 1));
    EXPECT_TRUE(picture->mask.Bit(1, 1));
}

TEST(IconImage, MissingMaskLeavesEveryPixelOpaque) {
    const Bytes image = TwoByTwoImage(false);
    const auto picture = win32::DecodeIconImage(image.data().data(), image.size(), 2, 2);
    ASSERT_TRUE(picture.has_value());
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x) EXPECT_FALSE(picture->mask.Bit(x, y)) << x << "," << y;
}

TEST(IconImage, AlphaWithoutMaskMakesTheMask) {
    Bytes b = DibHeader(2, 2, 32);
    b.U32(0xFF102030).U32(0x80405060);
    const auto picture = win32::DecodeIconImage(b.data().data(), b.size(), 2, 1);
    ASSERT_TRUE(picture.has_value());
    EXPECT_FALSE(picture->mask.Bit(0, 0)) << "fully opaque";
    EXPECT_TRUE(picture->mask.Bit(1, 0)) << "partly transparent shows through";
    EXPECT_EQ(0x80405060u, picture->color->Pixel32(1, 0)) << "the alpha byte is kept";
}

TEST(IconImage, MalformedImagesAreRefused) {
    struct Case {
        const char* name;
        Bytes bytes;
    };
    const Case cases[] = {
        {"odd doubled height", DibHeader(2, 3, 24).Fill(64, 0)},
        {"top-down", DibHeader(2, -4, 24).Fill(64, 0)},
        {"colours cut short", DibHeader(2, 4, 24).Fill(10, 0)},
        {"compressed", DibHeader(2, 4, 8, 0, 2).Fill(2000, 0)},
        {"header size", DibHeader(2, 4, 24, 0, 0, 1, 39).Fill(64, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(win32::DecodeIconImage(c.bytes.data().data(), c.bytes.size(), 32, 32).has_value());
    }
}

}  // namespace
