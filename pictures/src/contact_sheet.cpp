#include "pictures/contact_sheet.h"

#include <algorithm>

#include "pictures/font.h"

namespace pictures {
namespace {

constexpr int kSheetWidth = 1000;
constexpr int kMargin = 16;
constexpr int kCellGap = 12;
constexpr int kLabelGap = 4;
constexpr int kIconZoom = 4;
constexpr int kBitmapZoom = 2;

int TextSpan(const std::string& text, int scale) { return static_cast<int>(text.size()) * kGlyphAdvance * scale; }

// As large as the entry's kind asks, yet inside the sheet where it can be.
int ZoomFor(const SheetEntry& entry, const Image& image) {
    const int wanted = entry.icon ? kIconZoom : kBitmapZoom;
    const int room = (kSheetWidth - 2 * kMargin) / std::max(image.width(), 1);
    return std::max(1, std::min(wanted, room));
}

struct Measured {
    SheetBlock block;  // placed at (0, 0)
    int width = 0, height = 0;
};

Measured Measure(const SheetEntry& entry) {
    Measured m;
    const int picturesTop = kSheetNameScale * kLineHeight + kLabelGap;
    m.width = TextSpan(entry.name, kSheetNameScale);
    m.height = picturesTop;
    int x = 0;
    for (const SheetPicture& picture : entry.pictures) {
        SheetCell cell;
        cell.zoom = ZoomFor(entry, picture.image);
        cell.x = x;
        cell.y = picturesTop;
        cell.labelX = x;
        cell.labelY = picturesTop + picture.image.height() * cell.zoom + kLabelGap;
        m.block.cells.push_back(cell);
        const int w = std::max(picture.image.width() * cell.zoom, TextSpan(picture.label, kSheetLabelScale));
        m.width = std::max(m.width, x + w);
        m.height = std::max(m.height, cell.labelY + kSheetLabelScale * kLineHeight);
        x += w + kCellGap;
    }
    return m;
}

void Shift(SheetBlock& block, int dx, int dy) {
    block.nameX += dx;
    block.nameY += dy;
    for (SheetCell& cell : block.cells) {
        cell.x += dx;
        cell.y += dy;
        cell.labelX += dx;
        cell.labelY += dy;
    }
}

void Blit(Image& sheet, const Image& picture, const SheetCell& cell, bool checker) {
    for (int y = 0; y < picture.height() * cell.zoom; ++y)
        for (int x = 0; x < picture.width() * cell.zoom; ++x) {
            const int sx = cell.x + x, sy = cell.y + y;
            if (sx >= sheet.width() || sy >= sheet.height()) continue;
            const Pixel& p = picture.at(x / cell.zoom, y / cell.zoom);
            if (p.a >= 128)
                sheet.set(sx, sy, p.c);
            else if (checker)
                sheet.set(sx, sy, checkerAt(x, y));
        }
}

}  // namespace

std::string sizeLabel(int width, int height, int bits) {
    return std::to_string(width) + "x" + std::to_string(height) + "@" + std::to_string(bits);
}

Rgb checkerAt(int dx, int dy) { return (dx / 6 + dy / 6) % 2 ? grey(255) : grey(204); }

SheetLayout layOutSheet(const std::vector<SheetEntry>& entries) {
    std::vector<Measured> measured;
    int width = kSheetWidth;
    for (const SheetEntry& entry : entries) {
        measured.push_back(Measure(entry));
        width = std::max(width, measured.back().width + 2 * kMargin);
    }
    SheetLayout layout;
    layout.width = width;
    int x = kMargin, y = kMargin, lineHeight = 0;
    for (Measured& m : measured) {
        if (x > kMargin && x + m.width > width - kMargin) {
            x = kMargin;
            y += lineHeight + kMargin;
            lineHeight = 0;
        }
        Shift(m.block, x, y);
        layout.blocks.push_back(std::move(m.block));
        x += m.width + 2 * kCellGap;
        lineHeight = std::max(lineHeight, m.height);
    }
    layout.height = y + lineHeight + kMargin;
    return layout;
}

Image drawSheet(const std::vector<SheetEntry>& entries, const SheetLayout& layout) {
    Image sheet(layout.width, layout.height, Pixel{kSheetPaper, 255});
    for (std::size_t i = 0; i < entries.size() && i < layout.blocks.size(); ++i) {
        const SheetEntry& entry = entries[i];
        const SheetBlock& block = layout.blocks[i];
        drawText(sheet, block.nameX, block.nameY, entry.name, kSheetInk, kSheetNameScale);
        for (std::size_t k = 0; k < entry.pictures.size() && k < block.cells.size(); ++k) {
            const SheetCell& cell = block.cells[k];
            Blit(sheet, entry.pictures[k].image, cell, entry.icon);
            drawText(sheet, cell.labelX, cell.labelY, entry.pictures[k].label, kSheetInk, kSheetLabelScale);
        }
    }
    return sheet;
}

}  // namespace pictures
