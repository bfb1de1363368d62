#include "contact_sheet.h"

#include <algorithm>
#include <string>

#include "artwork.h"
#include "pictures/font.h"

namespace art {

namespace {

using pictures::drawText;
using pictures::kGlyphAdvance;
using pictures::kGlyphAscent;

constexpr int kWidth = 1000;
constexpr int kMargin = 16;
constexpr int kLabelColumn = 250;
constexpr int kIconZoom = 3;
constexpr Rgb kPaper = rgb(246, 246, 246);
constexpr Rgb kText = rgb(30, 30, 40);

void blit(Image& sheet, const Image& picture, int x0, int y0, int zoom, bool checker) {
    for (int y = 0; y < picture.height() * zoom; ++y)
        for (int x = 0; x < picture.width() * zoom; ++x) {
            const int sx = x0 + x, sy = y0 + y;
            if (sx >= sheet.width() || sy >= sheet.height()) continue;
            const Pixel& p = picture.at(x / zoom, y / zoom);
            if (p.a >= 128) sheet.set(sx, sy, p.c);
            else if (checker) sheet.set(sx, sy, ((x / 6 + y / 6) % 2) ? grey(255) : grey(204));
        }
}

std::string formatLabel(int size, int bits) {
    return std::to_string(size) + "x" + std::to_string(size) + "@" + std::to_string(bits);
}

}  // namespace

Image contactSheet() {
    // Measure first: icon rows, then bitmaps flowed into lines.
    int height = kMargin;
    for (const DrawnIconGroup& group : iconCatalogue()) {
        int tallest = 0;
        for (const catalogue::IconImage& i : group.entry.images) tallest = std::max(tallest, i.size);
        height += tallest * kIconZoom + 2 * kGlyphAscent + 14;
    }
    struct Placed { const PaintedBitmap* item; int x, y, zoom; };
    std::vector<Placed> bitmaps;
    int x = kMargin, lineHeight = 0;
    height += kMargin;
    for (const PaintedBitmap& item : bitmapCatalogue()) {
        const catalogue::Entry& entry = item.entry;
        const int zoom = entry.width >= 100 ? 2 : 4;
        const int w = std::max(entry.width * zoom, static_cast<int>(std::string(entry.name).size()) * kGlyphAdvance * 2);
        if (x + w > kWidth - kMargin) {
            x = kMargin;
            height += lineHeight;
            lineHeight = 0;
        }
        bitmaps.push_back({&item, x, height, zoom});
        x += w + kMargin;
        lineHeight = std::max(lineHeight, entry.height * zoom + 2 * kGlyphAscent + 4 + kMargin);
    }
    height += lineHeight + kMargin;

    Image sheet(kWidth, height, Pixel{kPaper, 255});
    int y = kMargin;
    for (const DrawnIconGroup& group : iconCatalogue()) {
        int tallest = 0;
        for (const catalogue::IconImage& i : group.entry.images) tallest = std::max(tallest, i.size);
        drawText(sheet, kMargin, y + tallest * kIconZoom / 2 - kGlyphAscent, group.entry.name, kText, 2);
        int ix = kLabelColumn;
        for (const catalogue::IconImage& item : group.entry.images) {
            blit(sheet, storedIcon(renderIconImage(group, item)), ix, y, kIconZoom, true);
            drawText(sheet, ix, y + item.size * kIconZoom + 4, formatLabel(item.size, item.bits), kText, 1);
            ix += std::max(item.size * kIconZoom, 8 * kGlyphAdvance) + 12;
        }
        y += tallest * kIconZoom + 2 * kGlyphAscent + 14;
    }
    for (const Placed& p : bitmaps) {
        drawText(sheet, p.x, p.y, p.item->entry.name, kText, 2);
        blit(sheet, renderBitmap(*p.item), p.x, p.y + 2 * kGlyphAscent + 4, p.zoom, false);
    }
    return sheet;
}

}  // namespace art
