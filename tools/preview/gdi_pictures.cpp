#include "gdi_pictures.h"

#include "pictures/gdi_readback.h"

namespace preview {

bool BitmapSize(HBITMAP bitmap, int* width, int* height) {
    BITMAP info{};
    if (bitmap == nullptr || GetObjectA(bitmap, sizeof info, &info) == 0) return false;
    *width = info.bmWidth;
    *height = info.bmHeight;
    return true;
}

Picture ReadBitmap(HBITMAP bitmap) {
    const pictures::Image image = pictures::readBitmap(bitmap);
    Picture picture;
    picture.width = image.width();
    picture.height = image.height();
    picture.colour.reserve(image.pixels().size());
    for (const pictures::Pixel& pixel : image.pixels()) picture.colour.push_back(pixel.c.key());
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
