#include "gdi_pictures.h"

namespace preview {
namespace {

// Larger than any picture a skin carries; guards the buffer size computation.
constexpr long long kMaxPixels = 1LL << 24;

}  // namespace

bool BitmapSize(HBITMAP bitmap, int* width, int* height) {
    BITMAP info{};
    if (bitmap == nullptr || GetObjectA(bitmap, sizeof info, &info) == 0) return false;
    *width = info.bmWidth;
    *height = info.bmHeight;
    return true;
}

Picture ReadBitmap(HBITMAP bitmap) {
    int width = 0;
    int height = 0;
    if (!BitmapSize(bitmap, &width, &height)) return {};
    if (width <= 0 || height <= 0 || static_cast<long long>(width) * height > kMaxPixels) return {};

    Picture picture;
    picture.width = width;
    picture.height = height;
    picture.colour.resize(static_cast<std::size_t>(picture.width) * picture.height);

    // 32 bits per pixel, top row first: blue, green, red and an unused byte,
    // which on a little-endian machine reads as 0x??RRGGBB.
    BITMAPINFO request{};
    request.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    request.bmiHeader.biWidth = picture.width;
    request.bmiHeader.biHeight = -picture.height;
    request.bmiHeader.biPlanes = 1;
    request.bmiHeader.biBitCount = 32;
    request.bmiHeader.biCompression = BI_RGB;
    HDC dc = CreateCompatibleDC(nullptr);
    if (dc == nullptr) return {};
    const int lines = GetDIBits(dc, bitmap, 0, static_cast<UINT>(picture.height), picture.colour.data(), &request,
                                DIB_RGB_COLORS);
    DeleteDC(dc);
    if (lines != picture.height) return {};
    for (Colour& pixel : picture.colour) pixel &= 0x00FFFFFFu;
    return picture;
}

Picture ReadIcon(HICON icon) {
    ICONINFO info{};
    if (icon == nullptr || !GetIconInfo(icon, &info)) return {};
    // The caller owns both bitmaps that GetIconInfo hands out.
    Picture mask = ReadBitmap(info.hbmMask);
    Picture colour = ReadBitmap(info.hbmColor);
    if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
    if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
    if (mask.Empty()) return {};

    Picture picture;
    picture.width = mask.width;
    std::size_t xorOffset = 0;
    if (colour.Empty()) {
        // A monochrome icon: the AND mask above, the XOR picture below it.
        picture.height = mask.height / 2;
        xorOffset = static_cast<std::size_t>(picture.width) * picture.height;
    } else {
        if (colour.width != mask.width || colour.height != mask.height) return {};
        picture.height = mask.height;
    }
    if (picture.height <= 0) return {};
    const std::size_t count = static_cast<std::size_t>(picture.width) * picture.height;
    picture.andMask.resize(count);
    picture.colour.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        picture.andMask[i] = mask.colour[i] != 0 ? 1 : 0;
        picture.colour[i] = colour.Empty() ? mask.colour[xorOffset + i] : colour.colour[i];
    }
    return picture;
}

}  // namespace preview
