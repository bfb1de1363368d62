// GetDIBits: a bitmap's pixels as a DIB of the caller's choosing, with the
// real platform's rules for which scan lines go where.
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "gdi_objects.h"
#include "last_error.h"
#include "pictures/dib_format.h"

namespace win32 {
namespace {

std::size_t DibStride(LONG width, WORD bitCount) {
    return static_cast<std::size_t>(dib::rowStride(static_cast<std::uint64_t>(width), bitCount));
}

DWORD DibImageSize(LONG width, LONG height, WORD bitCount) {
    return static_cast<DWORD>(DibStride(width, bitCount) * static_cast<std::size_t>(std::labs(height)));
}

// A stored pixel as blue, green, red and the fourth byte.
std::uint32_t SourcePixel(const BitmapData& data, int x, int y) {
    if (data.bitsPerPixel == 1) return data.Bit(x, y) ? 0x00FFFFFFu : 0u;
    return data.Pixel32(x, y);
}

// The nearer of black and white, black on a tie.
bool NearerWhite(std::uint32_t pixel) {
    const long r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
    const long toBlack = r * r + g * g + b * b;
    const long toWhite = (255 - r) * (255 - r) + (255 - g) * (255 - g) + (255 - b) * (255 - b);
    return toWhite < toBlack;
}

// One row of the DIB; whatever of the row the bitmap does not cover is zero.
void WriteRow(const BitmapData& data, int sourceRow, LONG width, WORD bitCount, std::size_t stride, std::uint8_t* out) {
    std::memset(out, 0, stride);
    const int columns = std::min<int>(width, data.width);
    for (int x = 0; x < columns; ++x) {
        switch (bitCount) {
            case 1: {
                const bool on = data.bitsPerPixel == 1 ? data.Bit(x, sourceRow) : NearerWhite(data.Pixel32(x, sourceRow));
                if (on) out[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
                break;
            }
            case 24: {
                const std::uint32_t p = SourcePixel(data, x, sourceRow);
                out[x * 3] = static_cast<std::uint8_t>(p);
                out[x * 3 + 1] = static_cast<std::uint8_t>(p >> 8);
                out[x * 3 + 2] = static_cast<std::uint8_t>(p >> 16);
                break;
            }
            default: {
                const std::uint32_t p = SourcePixel(data, x, sourceRow);
                out[x * 4] = static_cast<std::uint8_t>(p);
                out[x * 4 + 1] = static_cast<std::uint8_t>(p >> 8);
                out[x * 4 + 2] = static_cast<std::uint8_t>(p >> 16);
                out[x * 4 + 3] = static_cast<std::uint8_t>(p >> 24);
                break;
            }
        }
    }
}

}  // namespace
}  // namespace win32

using namespace win32;

extern "C" int WINAPI GetDIBits(HDC hdc, HBITMAP hbm, UINT start, UINT cLines, LPVOID lpvBits, LPBITMAPINFO lpbmi,
                                UINT usage) {
    if (!lpbmi || lpbmi->bmiHeader.biSize < sizeof(BITMAPINFOHEADER) || usage != DIB_RGB_COLORS)
        return Fail(ERROR_INVALID_PARAMETER, 0);
    Guard guard(GlobalLock());
    std::shared_ptr<Object> dc = FindObject(HandleValue(hdc));
    if (!dc || (dc->kind != Kind::WindowDc && dc->kind != Kind::MemoryDc)) return Fail(ERROR_INVALID_PARAMETER, 0);
    std::shared_ptr<Bitmap> bitmap = FindAs<Bitmap>(HandleValue(hbm), Kind::Bitmap);
    if (!bitmap) return 0;
    const BitmapData& data = bitmap->data;
    BITMAPINFOHEADER& header = lpbmi->bmiHeader;

    const LONG width = header.biWidth;
    const LONG height = std::labs(header.biHeight);
    std::uint8_t* bits = static_cast<std::uint8_t*>(lpvBits);
    if (cLines == 0 || static_cast<LONG>(start) >= height) bits = nullptr;

    if (!bits && header.biBitCount == 0) {
        // Asked only what the bitmap is.
        header.biWidth = data.width;
        header.biHeight = data.height;
        header.biPlanes = 1;
        header.biBitCount = static_cast<WORD>(data.bitsPerPixel);
        header.biCompression = data.bitsPerPixel == 32 ? BI_BITFIELDS : BI_RGB;
        header.biSizeImage = DibImageSize(data.width, data.height, header.biBitCount);
        header.biXPelsPerMeter = header.biYPelsPerMeter = 0;
        header.biClrUsed = header.biClrImportant = 0;
        return 1;
    }

    // Only the formats the module's hosts read back are delivered here.
    if (width <= 0 || header.biHeight == 0 || header.biCompression != BI_RGB) return 0;
    if (header.biBitCount != 1 && header.biBitCount != 24 && header.biBitCount != 32) return 0;
    if (static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) > kMaxPixels) return 0;
    const std::size_t stride = DibStride(width, header.biBitCount);

    int copied = 1;
    if (bits) {
        // Scan lines are counted from the bottom of the bitmap either way; a
        // bottom-up buffer starts with the lowest requested line, a top-down
        // one with the highest.
        long lines = static_cast<long>(cLines);
        long first = 0;  // first bitmap row (from the top) to copy
        long last = 0;   // one past the last
        if (header.biHeight > 0) {
            lines = std::min<long>(lines, height - static_cast<long>(start));
            first = std::max<long>(height - lines - static_cast<long>(start), 0);
            last = std::min<long>(height - static_cast<long>(start), data.height);
            if (last < first) last = first;
            const long targetBottom = last + static_cast<long>(start);
            if (targetBottom < header.biHeight) {
                const long padLines = std::min<long>(header.biHeight - targetBottom, lines);
                std::memset(bits, 0, static_cast<std::size_t>(padLines) * stride);
                bits += static_cast<std::size_t>(padLines) * stride;
            }
            for (long row = last - 1, line = 0; row >= first; --row, ++line)
                WriteRow(data, static_cast<int>(row), width, header.biBitCount, stride, bits + line * stride);
        } else {
            long offset = height - lines - static_cast<long>(start);
            if (offset < 0) {
                offset = 0;
                lines = height - static_cast<long>(start);
            }
            first = offset;
            last = std::min<long>(offset + lines, data.height);
            if (last < first) last = first;
            const long filled = last - offset;
            if (filled < lines)
                std::memset(bits + filled * stride, 0, static_cast<std::size_t>(lines - filled) * stride);
            for (long row = first, line = 0; row < last; ++row, ++line)
                WriteRow(data, static_cast<int>(row), width, header.biBitCount, stride, bits + line * stride);
        }
        copied = static_cast<int>(last - first);
    }

    if (header.biBitCount == 1) {
        // The caller provides room for the two entries of a 1-bit table.
        const RGBQUAD table[2] = {{0, 0, 0, 0}, {0xFF, 0xFF, 0xFF, 0}};
        std::memcpy(reinterpret_cast<std::uint8_t*>(lpbmi) + header.biSize, table, sizeof table);
    }
    header.biClrUsed = 0;
    header.biSizeImage = DibImageSize(width, header.biHeight, header.biBitCount);
    return copied;
}
