#pragma once
// Device-independent bitmaps as they travel in resources (a BITMAPINFOHEADER,
// a colour table, the rows), and the device-dependent bitmaps the platform
// keeps: 32 bits per pixel like the display, or 1 bit per pixel.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace win32 {

static_assert(sizeof(BITMAPINFOHEADER) == 40, "BITMAPINFOHEADER is 40 bytes in every DIB");
static_assert(sizeof(RGBQUAD) == 4, "colour table entries are 4 bytes");

// Pixels of a device-dependent bitmap: rows top-down, each padded to 16 bits;
// 32-bit pixels are stored blue, green, red, reserved.
struct BitmapData {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;  // 1 or 32
    std::vector<std::uint8_t> bits;

    static std::size_t StrideFor(int width, int bitsPerPixel);
    std::size_t Stride() const { return StrideFor(width, bitsPerPixel); }
    static BitmapData Blank(int width, int height, int bitsPerPixel);
    bool Bit(int x, int y) const;
    void SetBit(int x, int y, bool on);
    std::uint32_t Pixel32(int x, int y) const;  // 0xXXRRGGBB as stored
    void SetPixel32(int x, int y, std::uint32_t value);
};

// The largest picture the decoders accept, so that hostile sizes cannot ask
// for absurd amounts of memory.
constexpr std::uint64_t kMaxPixels = 1u << 24;

// A parsed, bounds-checked DIB inside someone else's bytes.
struct DibView {
    int width = 0;
    int height = 0;  // rows of the picture (for icons: of the colour part only)
    bool topDown = false;
    int bitCount = 0;
    std::vector<RGBQUAD> colors;
    const std::uint8_t* bits = nullptr;  // first stored row
    std::size_t stride = 0;              // bytes per stored row

    // Pixel at (x, y), y counted from the top, as 0xAARRGGBB; palette pixels
    // beyond the colour table are black, as on the real platform.
    std::uint32_t Pixel(int x, int y) const;
    // The raw bit of a 1-bit-per-pixel picture.
    bool Bit(int x, int y) const;
    const std::uint8_t* Row(int y) const;
};

// Header, colour table and the offset of the first row, every size checked
// against `size`. `rows` is the number of rows the header stands for (icons
// store twice the picture height). Fails on anything but 40, 108 or 124-byte
// headers, one plane, BI_RGB and 1, 4, 8, 16, 24 or 32 bits per pixel.
bool ParseDibHeader(const std::uint8_t* data, std::size_t size, bool iconImage, DibView* view,
                    std::size_t* bitsOffset);

// A whole DIB resource: header, table and every row present.
bool ParsePackedDib(const std::uint8_t* data, std::size_t size, DibView* view);

// A 1-bit picture whose table is black then white: the real platform keeps
// such pictures as monochrome bitmaps.
bool IsMonochromeDib(const DibView& view);

// The bitmap the real platform makes of a DIB resource: monochrome for a
// black-and-white 1-bit DIB, otherwise at the display's 32 bits per pixel.
BitmapData DibToBitmap(const DibView& view);

}  // namespace win32
