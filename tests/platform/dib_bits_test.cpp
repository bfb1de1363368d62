// GetDIBits: reading a bitmap back as a DIB of the caller's format.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <vector>

namespace {

// A BITMAPINFO with room for a two-entry colour table.
struct Info {
    BITMAPINFOHEADER header;
    RGBQUAD colors[2];
};

Info Request(LONG width, LONG height, WORD bits) {
    Info info{};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = width;
    info.header.biHeight = height;
    info.header.biPlanes = 1;
    info.header.biBitCount = bits;
    info.header.biCompression = BI_RGB;
    return info;
}

class DibBits : public testing::Test {
protected:
    void SetUp() override {
        dc_ = CreateCompatibleDC(nullptr);
        // 3 x 2 at 32 bits, rows top-down, blue-green-red-zero: top row red,
        // green, blue; bottom row white, black, RGB(10,20,30).
        const BYTE pixels[] = {0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0,
                               0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 30, 20, 10, 0};
        color_ = CreateBitmap(3, 2, 1, 32, pixels);
    }
    void TearDown() override {
        DeleteObject(color_);
        DeleteDC(dc_);
    }
    LPBITMAPINFO Bmi(Info& info) { return reinterpret_cast<LPBITMAPINFO>(&info); }

    HDC dc_ = nullptr;
    HBITMAP color_ = nullptr;
};

TEST_F(DibBits, BottomUpRowsStartWithTheLowestRow) {
    Info info = Request(3, 2, 24);
    std::vector<BYTE> bits(24, 0xCC);
    ASSERT_EQ(2, GetDIBits(dc_, color_, 0, 2, bits.data(), Bmi(info), DIB_RGB_COLORS));
    const std::vector<BYTE> expected = {0xFF, 0xFF, 0xFF, 0, 0, 0, 30, 20, 10, 0, 0, 0,
                                        0, 0, 0xFF, 0, 0xFF, 0, 0xFF, 0, 0, 0, 0, 0};
    EXPECT_EQ(expected, bits) << "blue, green, red per pixel; row padding zeroed";
    EXPECT_EQ(24u, info.header.biSizeImage);
}

TEST_F(DibBits, TopDownRowsStartWithTheTopRow) {
    Info info = Request(3, -2, 32);
    std::vector<BYTE> bits(24, 0xCC);
    ASSERT_EQ(2, GetDIBits(dc_, color_, 0, 2, bits.data(), Bmi(info), DIB_RGB_COLORS));
    const std::vector<BYTE> expected = {0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0,
                                        0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 30, 20, 10, 0};
    EXPECT_EQ(expected, bits);
}

TEST_F(DibBits, ScanLinesAreCountedFromTheBottom) {
    Info info = Request(3, 2, 32);
    std::vector<BYTE> bits(12, 0xCC);
    ASSERT_EQ(1, GetDIBits(dc_, color_, 1, 1, bits.data(), Bmi(info), DIB_RGB_COLORS));
    const std::vector<BYTE> top = {0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0};
    EXPECT_EQ(top, bits) << "scan line 1 of a two-row bitmap is its top row";
}

TEST_F(DibBits, NoBufferFillsInTheSizes) {
    Info info = Request(3, 2, 24);
    EXPECT_NE(0, GetDIBits(dc_, color_, 0, 2, nullptr, Bmi(info), DIB_RGB_COLORS));
    EXPECT_EQ(24u, info.header.biSizeImage);
    EXPECT_EQ(3, info.header.biWidth);
    EXPECT_EQ(2, info.header.biHeight);
}

TEST_F(DibBits, ZeroBitCountAsksWhatTheBitmapIs) {
    Info info = Request(0, 0, 0);
    EXPECT_NE(0, GetDIBits(dc_, color_, 0, 0, nullptr, Bmi(info), DIB_RGB_COLORS));
    EXPECT_EQ(3, info.header.biWidth);
    EXPECT_EQ(2, info.header.biHeight);
    EXPECT_EQ(32, info.header.biBitCount);
    EXPECT_EQ(24u, info.header.biSizeImage);
}

TEST_F(DibBits, ColoursBecomeTheNearerOfBlackAndWhite) {
    const BYTE pixels[] = {200, 200, 200, 0, 100, 100, 100, 0, 128, 128, 128, 0};
    HBITMAP greys = CreateBitmap(3, 1, 1, 32, pixels);
    Info info = Request(3, 1, 1);
    std::vector<BYTE> bits(4, 0);
    ASSERT_EQ(1, GetDIBits(dc_, greys, 0, 1, bits.data(), Bmi(info), DIB_RGB_COLORS));
    EXPECT_EQ(0xA0, bits[0] & 0xE0) << "200 white, 100 black, 128 white";
    EXPECT_EQ(0, info.colors[0].rgbRed);
    EXPECT_EQ(0xFF, info.colors[1].rgbRed) << "the table is black then white";
    DeleteObject(greys);
}

TEST_F(DibBits, MonochromeBitmapReadsBackAsBlackAndWhite) {
    const BYTE rows[] = {0xA0, 0x00, 0x50, 0x00};  // 4 x 2, rows padded to 16 bits
    HBITMAP mono = CreateBitmap(4, 2, 1, 1, rows);
    Info one = Request(4, -2, 1);
    std::vector<BYTE> bits(8, 0);
    ASSERT_EQ(2, GetDIBits(dc_, mono, 0, 2, bits.data(), Bmi(one), DIB_RGB_COLORS));
    EXPECT_EQ(0xA0, bits[0] & 0xF0);
    EXPECT_EQ(0x50, bits[4] & 0xF0);
    Info rgb = Request(4, -2, 24);
    std::vector<BYTE> colour(24, 0x11);
    ASSERT_EQ(2, GetDIBits(dc_, mono, 0, 2, colour.data(), Bmi(rgb), DIB_RGB_COLORS));
    EXPECT_EQ(0xFF, colour[0]) << "a set bit is white";
    EXPECT_EQ(0x00, colour[3]) << "a clear bit is black";
    DeleteObject(mono);
}

TEST_F(DibBits, NeedsADeviceContextAndABitmap) {
    Info info = Request(3, 2, 24);
    std::vector<BYTE> bits(24, 0);
    EXPECT_EQ(0, GetDIBits(nullptr, color_, 0, 2, bits.data(), Bmi(info), DIB_RGB_COLORS));
    HBRUSH brush = CreateSolidBrush(0);
    EXPECT_EQ(0, GetDIBits(dc_, reinterpret_cast<HBITMAP>(brush), 0, 2, bits.data(), Bmi(info), DIB_RGB_COLORS));
    DeleteObject(brush);
}

}  // namespace
