#include "pictures/gdi_readback.h"

#include <cstdint>
#include <vector>

namespace pictures {
namespace {

// Larger than any picture a skin carries; guards the buffer size computation.
constexpr long long kMaxPixels = 1LL << 24;

}  // namespace

Image readBitmap(HBITMAP bitmap) {
    BITMAP info{};
    if (bitmap == nullptr || GetObjectA(bitmap, sizeof info, &info) == 0) return {};
    const int width = info.bmWidth;
    const int height = info.bmHeight;
    if (width <= 0 || height <= 0 || static_cast<long long>(width) * height > kMaxPixels) return {};

    // 32 bits per pixel, top row first: blue, green, red and a byte the
    // system leaves undefined.
    BITMAPINFO request{};
    request.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    request.bmiHeader.biWidth = width;
    request.bmiHeader.biHeight = -height;
    request.bmiHeader.biPlanes = 1;
    request.bmiHeader.biBitCount = 32;
    request.bmiHeader.biCompression = BI_RGB;
    std::vector<RGBQUAD> bits(static_cast<std::size_t>(width) * height);
    HDC dc = CreateCompatibleDC(nullptr);
    if (dc == nullptr) return {};
    const int lines = GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), bits.data(), &request, DIB_RGB_COLORS);
    DeleteDC(dc);
    if (lines != height) return {};

    Image image(width, height);
    for (std::size_t i = 0; i < bits.size(); ++i)
        image.pixels()[i] = Pixel{Rgb{bits[i].rgbRed, bits[i].rgbGreen, bits[i].rgbBlue}, 255};
    return image;
}

}  // namespace pictures
