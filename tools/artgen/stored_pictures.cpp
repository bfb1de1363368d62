#include "stored_pictures.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "colours.h"

namespace art {

namespace {

std::vector<Rgb> bitmapTable(const Image& image, int bits, int entries) {
    std::vector<Rgb> used;
    bool allGrey = true;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const Rgb c = image.rgbAt(x, y);
            if (std::find(used.begin(), used.end(), c) == used.end()) used.push_back(c);
            allGrey = allGrey && c.r == c.g && c.g == c.b;
        }
    if (static_cast<int>(used.size()) > entries)
        throw std::logic_error(std::to_string(used.size()) + " colours do not fit a table of " +
                               std::to_string(entries));
    std::vector<Rgb> table;
    if (bits == 8 && entries == 256 && allGrey) {
        for (int i = 0; i < 256; ++i) table.push_back(grey(i));
        return table;
    }
    table = used;
    std::vector<Rgb> fillers = {grey(0), grey(255)};
    for (int i = 1; i < 255; ++i) fillers.push_back(grey(i));
    for (Rgb f : fillers) {
        if (static_cast<int>(table.size()) == entries) break;
        if (std::find(table.begin(), table.end(), f) == table.end()) table.push_back(f);
    }
    return table;
}

std::uint32_t indexOf(const std::vector<Rgb>& table, Rgb c) {
    return static_cast<std::uint32_t>(std::find(table.begin(), table.end(), c) - table.begin());
}

}  // namespace

Bytes encodeBitmapFile(const Image& image, int bits, int tableEntries) {
    pictures::StoredPixels stored{image.width(), image.height(), bits, {}, {}};
    if (bits <= 8) stored.table = bitmapTable(image, bits, tableEntries);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const Rgb c = image.rgbAt(x, y);
            stored.values.push_back(bits == 24 ? c.key() : indexOf(stored.table, c));
        }
    return pictures::encodeBitmapFile(stored);
}

namespace {

// An icon image reduced to its depth: the colour table (none for 24 bits)
// and per pixel a table index or, for 24 bits, the colour; transparent
// pixels hold index 0 or black.
pictures::IconPixels quantise(const IconImage& icon) {
    Image work = icon.image;
    const int w = work.width(), h = work.height(), bits = icon.bits;
    pictures::IconPixels q{{w, h, bits, {}, {}}, {}};
    std::vector<Rgb>& table = q.colours.table;
    if (bits == 1) {
        table = {grey(0), grey(255)};
    } else if (bits == 4) {
        table = standardPalette16();
    } else if (bits == 8) {
        limitColours(work, 255);
        table = {grey(0)};
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (work.opaqueAt(x, y) && std::find(table.begin(), table.end(), work.rgbAt(x, y)) == table.end())
                    table.push_back(work.rgbAt(x, y));
        table.resize(256, grey(0));
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool opaque = work.opaqueAt(x, y);
            const Rgb c = work.rgbAt(x, y);
            std::uint32_t v = 0;
            if (opaque) {
                if (bits == 1) v = luma(c) >= kWhiteLuma ? 1 : 0;
                else if (bits == 4) v = static_cast<std::uint32_t>(nearestIndex(table, c));
                else if (bits == 8) v = indexOf(table, c);
                else v = c.key();
            }
            q.colours.values.push_back(v);
            q.transparent.push_back(!opaque);
        }
    return q;
}

}  // namespace

Image storedIcon(const IconImage& icon) {
    const pictures::IconPixels q = quantise(icon);
    const std::vector<Rgb>& table = q.colours.table;
    Image shown(icon.image.width(), icon.image.height());
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * shown.width() + x;
            if (q.transparent[i]) continue;
            const std::uint32_t v = q.colours.values[i];
            shown.set(x, y, table.empty() ? rgb(v >> 16 & 0xFF, v >> 8 & 0xFF, v & 0xFF) : table[v]);
        }
    return shown;
}

Bytes encodeIconFile(const std::vector<IconImage>& images) {
    std::vector<pictures::IconPixels> stored;
    for (const IconImage& icon : images) stored.push_back(quantise(icon));
    return pictures::encodeIconFile(stored);
}

}  // namespace art
