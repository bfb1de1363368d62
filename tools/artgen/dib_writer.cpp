#include "dib_writer.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "colours.h"
#include "pictures/dib_format.h"

namespace art {

namespace {

template <class T>
void append(Bytes& out, const T& value) {
    const auto* p = reinterpret_cast<const std::uint8_t*>(&value);
    out.insert(out.end(), p, p + sizeof value);
}

dib::InfoHeader infoHeader(int width, int storedHeight, int bits, std::uint32_t sizeImage, std::uint32_t clrUsed) {
    dib::InfoHeader h{};
    h.size = sizeof h;
    h.width = width;
    h.height = storedHeight;
    h.planes = 1;
    h.bitCount = static_cast<std::uint16_t>(bits);
    h.compression = dib::kBiRgb;
    h.sizeImage = sizeImage;
    h.clrUsed = clrUsed;
    return h;
}

void appendTable(Bytes& out, const std::vector<Rgb>& table) {
    for (Rgb c : table) append(out, dib::RgbQuad{c.b, c.g, c.r, 0});
}

// Packs per-pixel values (palette indices or RGB) into bottom-up rows.
template <class Value>
void appendRows(Bytes& out, int width, int height, int bits, Value value) {
    const auto stride = static_cast<std::size_t>(dib::rowStride(width, bits));
    for (int y = height - 1; y >= 0; --y) {
        Bytes row(stride, 0);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t v = value(x, y);
            if (bits == 24) {
                row[3 * x] = static_cast<std::uint8_t>(v);
                row[3 * x + 1] = static_cast<std::uint8_t>(v >> 8);
                row[3 * x + 2] = static_cast<std::uint8_t>(v >> 16);
            } else {
                const int bit = x * bits;
                row[bit / 8] |= static_cast<std::uint8_t>(v << (8 - bits - bit % 8));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
}

std::uint32_t bgr(Rgb c) { return std::uint32_t{c.r} << 16 | std::uint32_t{c.g} << 8 | c.b; }

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

int indexOf(const std::vector<Rgb>& table, Rgb c) {
    return static_cast<int>(std::find(table.begin(), table.end(), c) - table.begin());
}

}  // namespace

Bytes encodeBitmapFile(const Image& image, int bits, int tableEntries) {
    const int w = image.width(), h = image.height();
    const auto pixelBytes = static_cast<std::uint32_t>(dib::rowStride(w, bits) * h);
    const std::vector<Rgb> table = bits <= 8 ? bitmapTable(image, bits, tableEntries) : std::vector<Rgb>{};
    dib::FileHeader fh{{'B', 'M'}, 0, 0, 0, 0};
    fh.bitsOffset = static_cast<std::uint32_t>(sizeof fh + sizeof(dib::InfoHeader) + 4 * table.size());
    fh.fileSize = fh.bitsOffset + pixelBytes;
    Bytes out;
    append(out, fh);
    append(out, infoHeader(w, h, bits, pixelBytes, static_cast<std::uint32_t>(table.size())));
    appendTable(out, table);
    if (bits == 24)
        appendRows(out, w, h, 24, [&](int x, int y) { return bgr(image.rgbAt(x, y)); });
    else
        appendRows(out, w, h, bits, [&](int x, int y) { return static_cast<std::uint32_t>(indexOf(table, image.rgbAt(x, y))); });
    return out;
}

namespace {

// An icon image reduced to its depth: the colour table (none for 24 bits)
// and per pixel a table index or, for 24 bits, the colour; transparent
// pixels hold index 0 or black.
struct Quantised {
    std::vector<Rgb> table;
    std::vector<std::uint32_t> values;
    std::vector<bool> opaque;
};

Quantised quantise(const IconImage& icon) {
    Image work = icon.image;
    const int w = work.width(), h = work.height(), bits = icon.bits;
    Quantised q;
    if (bits == 1) {
        q.table = {grey(0), grey(255)};
    } else if (bits == 4) {
        q.table = standardPalette16();
    } else if (bits == 8) {
        limitColours(work, 255);
        q.table = {grey(0)};
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (work.opaqueAt(x, y) && std::find(q.table.begin(), q.table.end(), work.rgbAt(x, y)) == q.table.end())
                    q.table.push_back(work.rgbAt(x, y));
        q.table.resize(256, grey(0));
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool opaque = work.opaqueAt(x, y);
            const Rgb c = work.rgbAt(x, y);
            std::uint32_t v = 0;
            if (opaque) {
                if (bits == 1) v = luma(c) >= kWhiteLuma ? 1 : 0;
                else if (bits == 4) v = static_cast<std::uint32_t>(nearestIndex(q.table, c));
                else if (bits == 8) v = static_cast<std::uint32_t>(indexOf(q.table, c));
                else v = bgr(c);
            }
            q.values.push_back(v);
            q.opaque.push_back(opaque);
        }
    return q;
}

Bytes iconImageData(const IconImage& icon) {
    const Quantised q = quantise(icon);
    const int w = icon.image.width(), h = icon.image.height(), bits = icon.bits;
    const auto colourBytes = dib::rowStride(w, bits) * h;
    const auto maskBytes = dib::rowStride(w, 1) * h;
    Bytes out;
    append(out, infoHeader(w, 2 * h, bits, static_cast<std::uint32_t>(colourBytes + maskBytes), 0));
    appendTable(out, q.table);
    const auto at = [w](int x, int y) { return static_cast<std::size_t>(y) * w + x; };
    appendRows(out, w, h, bits, [&](int x, int y) { return q.values[at(x, y)]; });
    appendRows(out, w, h, 1, [&](int x, int y) { return q.opaque[at(x, y)] ? 0u : 1u; });
    return out;
}

}  // namespace

Image storedIcon(const IconImage& icon) {
    const Quantised q = quantise(icon);
    Image shown(icon.image.width(), icon.image.height());
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * shown.width() + x;
            if (!q.opaque[i]) continue;
            const std::uint32_t v = q.values[i];
            shown.set(x, y, q.table.empty() ? rgb(v >> 16 & 0xFF, v >> 8 & 0xFF, v & 0xFF) : q.table[v]);
        }
    return shown;
}

Bytes encodeIconFile(const std::vector<IconImage>& images) {
    std::vector<Bytes> bodies;
    for (const IconImage& icon : images) bodies.push_back(iconImageData(icon));
    Bytes out;
    append(out, dib::IconDir{0, dib::kIconType, static_cast<std::uint16_t>(images.size())});
    auto offset = static_cast<std::uint32_t>(sizeof(dib::IconDir) + images.size() * sizeof(dib::IconDirEntry));
    for (std::size_t i = 0; i < images.size(); ++i) {
        const IconImage& icon = images[i];
        dib::IconDirEntry e{};
        e.width = static_cast<std::uint8_t>(icon.image.width());
        e.height = static_cast<std::uint8_t>(icon.image.height());
        e.colorCount = static_cast<std::uint8_t>(icon.bits < 8 ? 1 << icon.bits : 0);
        e.planes = 1;
        e.bitCount = static_cast<std::uint16_t>(icon.bits);
        e.bytesInRes = static_cast<std::uint32_t>(bodies[i].size());
        e.imageOffset = offset;
        offset += e.bytesInRes;
        append(out, e);
    }
    for (const Bytes& b : bodies) out.insert(out.end(), b.begin(), b.end());
    return out;
}

}  // namespace art
