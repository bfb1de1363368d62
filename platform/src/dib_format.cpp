#include "dib_format.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "byte_reader.h"
#include "pictures/dib_format.h"

namespace win32 {

std::size_t BitmapData::StrideFor(int width, int bitsPerPixel) {
    return ((static_cast<std::size_t>(width) * bitsPerPixel + 15) / 16) * 2;
}

BitmapData BitmapData::Blank(int width, int height, int bitsPerPixel) {
    BitmapData data;
    data.width = width;
    data.height = height;
    data.bitsPerPixel = bitsPerPixel;
    data.bits.assign(StrideFor(width, bitsPerPixel) * height, 0);
    return data;
}

bool BitmapData::Bit(int x, int y) const { return (bits[y * Stride() + x / 8] >> (7 - x % 8)) & 1; }

void BitmapData::SetBit(int x, int y, bool on) {
    std::uint8_t& byte = bits[y * Stride() + x / 8];
    const std::uint8_t mask = static_cast<std::uint8_t>(0x80 >> (x % 8));
    byte = on ? (byte | mask) : (byte & ~mask);
}

std::uint32_t BitmapData::Pixel32(int x, int y) const { return ReadU32(&bits[y * Stride() + x * 4]); }

void BitmapData::SetPixel32(int x, int y, std::uint32_t value) {
    std::uint8_t* p = &bits[y * Stride() + x * 4];
    p[0] = static_cast<std::uint8_t>(value);
    p[1] = static_cast<std::uint8_t>(value >> 8);
    p[2] = static_cast<std::uint8_t>(value >> 16);
    p[3] = static_cast<std::uint8_t>(value >> 24);
}

const std::uint8_t* DibView::Row(int y) const {
    const int stored = topDown ? y : height - 1 - y;
    return bits + static_cast<std::size_t>(stored) * stride;
}

bool DibView::Bit(int x, int y) const { return (Row(y)[x / 8] >> (7 - x % 8)) & 1; }

std::uint32_t DibView::Pixel(int x, int y) const {
    const std::uint8_t* row = Row(y);
    auto fromTable = [this](unsigned index) -> std::uint32_t {
        if (index >= colors.size()) return 0;
        const RGBQUAD& c = colors[index];
        return (static_cast<std::uint32_t>(c.rgbRed) << 16) | (c.rgbGreen << 8) | c.rgbBlue;
    };
    switch (bitCount) {
        case 1: return fromTable((row[x / 8] >> (7 - x % 8)) & 1);
        case 4: return fromTable((row[x / 2] >> (x % 2 ? 0 : 4)) & 0x0F);
        case 8: return fromTable(row[x]);
        case 16: {
            const std::uint16_t v = ReadU16(row + x * 2);
            const std::uint32_t r = (v >> 10) & 0x1F, g = (v >> 5) & 0x1F, b = v & 0x1F;
            return (((r << 3) | (r >> 2)) << 16) | (((g << 3) | (g >> 2)) << 8) | ((b << 3) | (b >> 2));
        }
        case 24: {
            const std::uint8_t* p = row + x * 3;
            return (static_cast<std::uint32_t>(p[2]) << 16) | (p[1] << 8) | p[0];
        }
        default: return ReadU32(row + x * 4);
    }
}

bool ParseDibHeader(const std::uint8_t* data, std::size_t size, bool iconImage, DibView* view,
                    std::size_t* bitsOffset) {
    // The larger headers begin with the same 40 bytes; what they add changes
    // nothing for uncompressed pictures.
    const std::optional<dib::InfoHeader> header = dib::readAt<dib::InfoHeader>(data, size, 0);
    if (!header) return false;
    const std::uint32_t headerSize = header->size;
    if (headerSize != 40 && headerSize != 108 && headerSize != 124) return false;
    if (headerSize > size) return false;

    const std::int32_t width = header->width;
    const std::int32_t height = header->height;
    const std::uint16_t bitCount = header->bitCount;
    if (header->planes != 1 || header->compression != dib::kBiRgb) return false;
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32)
        return false;
    if (width <= 0 || height == 0 || height == INT32_MIN) return false;
    std::int64_t rows = std::llabs(static_cast<std::int64_t>(height));
    if (iconImage) {
        // Icon images are stored bottom-up with the mask below the colours.
        if (height < 0 || rows % 2 != 0) return false;
        rows /= 2;
    }
    if (rows == 0 || static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(rows) > kMaxPixels) return false;

    // The loaders read no more than 256 entries, whatever the header says.
    const std::uint32_t tableEntries =
        static_cast<std::uint32_t>(std::min<std::uint64_t>(dib::colourTableEntries(*header), 256));
    std::vector<RGBQUAD> colors;
    colors.reserve(tableEntries);
    for (std::uint32_t i = 0; i < tableEntries; ++i) {
        const std::optional<dib::RgbQuad> entry =
            dib::readAt<dib::RgbQuad>(data, size, headerSize + std::uint64_t{i} * sizeof(dib::RgbQuad));
        if (!entry) return false;
        colors.push_back(RGBQUAD{entry->blue, entry->green, entry->red, entry->reserved});
    }

    view->width = width;
    view->height = static_cast<int>(rows);
    view->topDown = height < 0;
    view->bitCount = bitCount;
    view->colors = std::move(colors);
    view->stride = static_cast<std::size_t>(dib::rowStride(static_cast<std::uint64_t>(width), bitCount));
    *bitsOffset = headerSize + static_cast<std::size_t>(tableEntries) * sizeof(dib::RgbQuad);
    view->bits = data + *bitsOffset;
    return true;
}

bool ParsePackedDib(const std::uint8_t* data, std::size_t size, DibView* view) {
    std::size_t bitsOffset = 0;
    if (!ParseDibHeader(data, size, false, view, &bitsOffset)) return false;
    return Fits(size, bitsOffset, static_cast<std::uint64_t>(view->stride) * view->height);
}

bool IsMonochromeDib(const DibView& view) {
    if (view.bitCount != 1 || view.colors.size() < 2) return false;
    const RGBQUAD& first = view.colors[0];
    const RGBQUAD& second = view.colors[1];
    return first.rgbRed == 0 && first.rgbGreen == 0 && first.rgbBlue == 0 && second.rgbRed == 0xFF &&
           second.rgbGreen == 0xFF && second.rgbBlue == 0xFF;
}

BitmapData DibToBitmap(const DibView& view) {
    if (IsMonochromeDib(view)) {
        BitmapData mono = BitmapData::Blank(view.width, view.height, 1);
        for (int y = 0; y < view.height; ++y)
            for (int x = 0; x < view.width; ++x) mono.SetBit(x, y, view.Bit(x, y));
        return mono;
    }
    // Only a 32-bit DIB brings a fourth byte of its own; the others leave it zero.
    BitmapData color = BitmapData::Blank(view.width, view.height, 32);
    for (int y = 0; y < view.height; ++y)
        for (int x = 0; x < view.width; ++x) color.SetPixel32(x, y, view.Pixel(x, y));
    return color;
}

}  // namespace win32
