// Parsing and decoding DIBs, malformed ones included.
#include "dib_format.h"

#include <gtest/gtest.h>

#include "byte_builder.h"

namespace {

using plattest::Bytes;
using plattest::DibHeader;
using win32::BitmapData;
using win32::DibView;

std::vector<std::uint8_t> Rgb24TwoByOne() {
    Bytes b = DibHeader(2, 1, 24);
    b.U8(3).U8(2).U8(1).U8(6).U8(5).U8(4).Fill(2, 0);  // RGB(1,2,3), RGB(4,5,6)
    return b.data();
}

TEST(DibFormat, DecodesTwentyFourBitPixels) {
    const std::vector<std::uint8_t> dib = Rgb24TwoByOne();
    DibView view;
    ASSERT_TRUE(win32::ParsePackedDib(dib.data(), dib.size(), &view));
    EXPECT_EQ(2, view.width);
    EXPECT_EQ(1, view.height);
    EXPECT_EQ(0x010203u, view.Pixel(0, 0));
    EXPECT_EQ(0x040506u, view.Pixel(1, 0));
    const BitmapData bitmap = win32::DibToBitmap(view);
    EXPECT_EQ(32, bitmap.bitsPerPixel);
    EXPECT_EQ(0x010203u, bitmap.Pixel32(0, 0));
}

TEST(DibFormat, BlackThenWhiteOneBitPictureStaysMonochrome) {
    Bytes black_white = DibHeader(3, 1, 1, 2);
    black_white.U32(0).U32(0x00FFFFFF).U8(0xA0).Fill(3, 0);
    Bytes white_black = DibHeader(3, 1, 1, 2);
    white_black.U32(0x00FFFFFF).U32(0).U8(0xA0).Fill(3, 0);
    DibView view;
    ASSERT_TRUE(win32::ParsePackedDib(black_white.data().data(), black_white.size(), &view));
    EXPECT_TRUE(win32::IsMonochromeDib(view));
    const BitmapData mono = win32::DibToBitmap(view);
    EXPECT_EQ(1, mono.bitsPerPixel);
    EXPECT_TRUE(mono.Bit(0, 0));
    EXPECT_FALSE(mono.Bit(1, 0));
    ASSERT_TRUE(win32::ParsePackedDib(white_black.data().data(), white_black.size(), &view));
    EXPECT_FALSE(win32::IsMonochromeDib(view)) << "the order of the table matters";
    const BitmapData color = win32::DibToBitmap(view);
    EXPECT_EQ(32, color.bitsPerPixel);
    EXPECT_EQ(0u, color.Pixel32(0, 0)) << "bit set: second entry, black";
}

TEST(DibFormat, SixteenBitPixelsWidenEachChannel) {
    Bytes b = DibHeader(1, 1, 16);
    b.U16(0x7C1F).Fill(2, 0);  // red 31, green 0, blue 31
    DibView view;
    ASSERT_TRUE(win32::ParsePackedDib(b.data().data(), b.size(), &view));
    EXPECT_EQ(0xFF00FFu, view.Pixel(0, 0));
}

struct Malformed {
    const char* name;
    std::vector<std::uint8_t> bytes;
};

std::vector<Malformed> MalformedDibs() {
    std::vector<Malformed> cases;
    cases.push_back({"empty", {}});
    cases.push_back({"three bytes", {40, 0, 0}});
    const std::vector<std::uint8_t> header = DibHeader(1, 1, 24).data();
    cases.push_back({"header cut short", std::vector<std::uint8_t>(header.begin(), header.begin() + 30)});
    cases.push_back({"core header", DibHeader(1, 1, 24, 0, 0, 1, 12).Fill(4, 0).data()});
    cases.push_back({"unknown header size", DibHeader(1, 1, 24, 0, 0, 1, 44).Fill(8, 0).data()});
    cases.push_back({"compressed", DibHeader(1, 1, 8, 0, 1).Fill(1024 + 4, 0).data()});
    cases.push_back({"two planes", DibHeader(1, 1, 24, 0, 0, 2).Fill(4, 0).data()});
    cases.push_back({"odd depth", DibHeader(1, 1, 7).Fill(4, 0).data()});
    cases.push_back({"zero width", DibHeader(0, 1, 24).Fill(4, 0).data()});
    cases.push_back({"negative width", DibHeader(-1, 1, 24).Fill(4, 0).data()});
    cases.push_back({"zero height", DibHeader(1, 0, 24).Fill(4, 0).data()});
    cases.push_back({"most negative height", DibHeader(1, INT32_MIN, 24).Fill(4, 0).data()});
    cases.push_back({"rows missing", DibHeader(2, 2, 24).Fill(8, 0).data()});
    cases.push_back({"table cut short", DibHeader(1, 1, 8).Fill(100, 0).data()});
    cases.push_back({"table larger than data", DibHeader(1, 1, 24, 0x40000000).Fill(4, 0).data()});
    cases.push_back({"overflowing size", DibHeader(0x7FFFFFFF, 0x7FFFFFFF, 32).Fill(16, 0).data()});
    cases.push_back({"too many pixels", DibHeader(1 << 13, 1 << 13, 1).Fill(16, 0).data()});
    return cases;
}

TEST(DibFormat, MalformedDibsAreRefused) {
    for (const Malformed& c : MalformedDibs()) {
        SCOPED_TRACE(c.name);
        DibView view;
        EXPECT_FALSE(win32::ParsePackedDib(c.bytes.empty() ? nullptr : c.bytes.data(), c.bytes.size(), &view));
    }
}

TEST(DibFormat, PaletteIndexBeyondTheTableIsBlack) {
    Bytes b = DibHeader(2, 1, 8, 1);
    b.U32(0x00112233).U8(0).U8(200).Fill(2, 0);
    DibView view;
    ASSERT_TRUE(win32::ParsePackedDib(b.data().data(), b.size(), &view));
    EXPECT_EQ(0x112233u, view.Pixel(0, 0));
    EXPECT_EQ(0u, view.Pixel(1, 0));
}

TEST(DibFormat, ColourTableBeforeTrueColourRowsIsSkipped) {
    Bytes b = DibHeader(1, 1, 24, 2);
    b.U32(0x00AAAAAA).U32(0x00BBBBBB).U8(9).U8(8).U8(7).U8(0);
    DibView view;
    ASSERT_TRUE(win32::ParsePackedDib(b.data().data(), b.size(), &view));
    EXPECT_EQ(0x070809u, view.Pixel(0, 0));
}

}  // namespace
