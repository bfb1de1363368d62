#include "icon_format.h"

#include <climits>
#include <cstdlib>

#include "byte_reader.h"
#include "pictures/dib_format.h"
#include "stretch.h"

namespace win32 {

bool ParseGroupIconDir(const std::uint8_t* data, std::size_t size, std::vector<IconDirEntry>* entries) {
    entries->clear();
    const std::optional<dib::IconDir> dir = dib::readAt<dib::IconDir>(data, size, 0);
    if (!dir || dir->reserved != 0 || (dir->type & 3) == 0) return false;
    for (std::uint16_t i = 0; i < dir->count; ++i) {
        const std::optional<dib::GroupIconEntry> e = dib::readAt<dib::GroupIconEntry>(
            data, size, sizeof(dib::IconDir) + std::uint64_t{i} * sizeof(dib::GroupIconEntry));
        if (!e) break;
        IconDirEntry entry;
        entry.width = e->width;
        entry.height = e->height;
        if (entry.width == 0 && entry.height == 0) entry.width = entry.height = 256;
        entry.bitCount = e->bitCount;
        entry.id = e->id;
        entries->push_back(entry);
    }
    return true;
}

int ChooseIcon(const std::vector<IconDirEntry>& entries, int width, int height, int depth) {
    unsigned bestTotal = UINT_MAX;
    unsigned xDiff = 0;
    unsigned yDiff = 0;
    for (const IconDirEntry& entry : entries) {
        const unsigned dx = static_cast<unsigned>(std::abs(width - entry.width));
        const unsigned dy = static_cast<unsigned>(std::abs(height - entry.height));
        if (bestTotal > dx + dy) {
            xDiff = dx;
            yDiff = dy;
            bestTotal = dx + dy;
        }
        if (bestTotal == 0) break;
    }
    int best = -1;
    unsigned bestColorDiff = UINT_MAX;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const IconDirEntry& entry = entries[i];
        if (static_cast<unsigned>(std::abs(width - entry.width)) != xDiff ||
            static_cast<unsigned>(std::abs(height - entry.height)) != yDiff)
            continue;
        const unsigned colorDiff = static_cast<unsigned>(std::abs(depth - entry.bitCount));
        if (bestColorDiff > colorDiff) {
            best = static_cast<int>(i);
            bestColorDiff = colorDiff;
        }
    }
    return best;
}

namespace {

// One target pixel from its source spans: shrinking combines with AND.
template <class Read>
std::uint32_t Combine(const Span& sx, const Span& sy, Read read) {
    std::uint32_t value = 0xFFFFFFFFu;
    for (int y = sy.first; y < sy.first + sy.count; ++y)
        for (int x = sx.first; x < sx.first + sx.count; ++x) value &= read(x, y);
    return value;
}

}  // namespace

std::optional<IconPicture> DecodeIconImage(const std::uint8_t* data, std::size_t size, int width, int height) {
    DibView view;
    std::size_t bitsOffset = 0;
    if (width <= 0 || height <= 0) return std::nullopt;
    if (!ParseDibHeader(data, size, true, &view, &bitsOffset)) return std::nullopt;
    const std::uint64_t colorBytes = static_cast<std::uint64_t>(view.stride) * view.height;
    if (!Fits(size, bitsOffset, colorBytes)) return std::nullopt;

    // The mask is optional: a truncated one counts as absent, leaving every pixel opaque.
    DibView mask = view;
    mask.bitCount = 1;
    mask.colors.clear();
    mask.stride = static_cast<std::size_t>(dib::rowStride(static_cast<std::uint64_t>(view.width), 1));
    mask.bits = data + bitsOffset + colorBytes;
    const bool hasMask = Fits(size, bitsOffset + colorBytes, static_cast<std::uint64_t>(mask.stride) * view.height);

    const std::vector<Span> spansX = StretchSpans(view.width, width);
    const std::vector<Span> spansY = StretchSpans(view.height, height);
    IconPicture picture;
    picture.width = width;
    picture.height = height;

    auto maskBit = [&](int x, int y) -> std::uint32_t { return mask.Bit(x, y) ? 1u : 0u; };

    if (IsMonochromeDib(view)) {
        picture.mask = BitmapData::Blank(width, height * 2, 1);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const bool colorBit =
                    Combine(spansX[x], spansY[y], [&](int sx, int sy) { return view.Bit(sx, sy) ? 1u : 0u; }) & 1;
                picture.mask.SetBit(x, height + y, colorBit);
                if (hasMask) picture.mask.SetBit(x, y, Combine(spansX[x], spansY[y], maskBit) & 1);
            }
        return picture;
    }

    BitmapData color = BitmapData::Blank(width, height, 32);
    picture.mask = BitmapData::Blank(width, height, 1);
    bool hasAlpha = false;
    if (view.bitCount == 32)
        for (int y = 0; y < view.height && !hasAlpha; ++y)
            for (int x = 0; x < view.width && !hasAlpha; ++x) hasAlpha = (view.Pixel(x, y) >> 24) != 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            color.SetPixel32(x, y, Combine(spansX[x], spansY[y], [&](int sx, int sy) { return view.Pixel(sx, sy); }));
            if (hasMask) {
                picture.mask.SetBit(x, y, Combine(spansX[x], spansY[y], maskBit) & 1);
            } else if (hasAlpha) {
                // Without a mask, whatever is not fully opaque shows through.
                const std::uint32_t transparent = Combine(spansX[x], spansY[y], [&](int sx, int sy) {
                    return (view.Pixel(sx, sy) >> 24) != 0xFF ? 1u : 0u;
                });
                picture.mask.SetBit(x, y, transparent & 1);
            }
        }
    picture.color = std::move(color);
    return picture;
}

}  // namespace win32
