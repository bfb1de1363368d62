#include "pictures/dib_writer.h"

#include <stdexcept>
#include <string>

#include "pictures/dib_format.h"

namespace pictures {

namespace {

// Far larger than any skin picture; keeps every size below well inside 32 bits.
constexpr int kMaxSide = 4096;

[[noreturn]] void refuse(const std::string& reason) { throw std::invalid_argument(reason); }

std::size_t pixelCount(const StoredPixels& p) { return static_cast<std::size_t>(p.width) * p.height; }

void check(const StoredPixels& p) {
    if (p.width <= 0 || p.height <= 0 || p.width > kMaxSide || p.height > kMaxSide)
        refuse("size " + std::to_string(p.width) + "x" + std::to_string(p.height) + " is outside 1.." +
               std::to_string(kMaxSide));
    if (p.bits != 1 && p.bits != 4 && p.bits != 8 && p.bits != 24)
        refuse("a depth of " + std::to_string(p.bits) + " is not written");
    const std::size_t longest = p.bits == 24 ? 0 : std::size_t{1} << p.bits;
    if (p.table.size() > longest || (p.bits != 24 && p.table.empty()))
        refuse("a table of " + std::to_string(p.table.size()) + " for a depth of " + std::to_string(p.bits));
    if (p.values.size() != pixelCount(p))
        refuse(std::to_string(p.values.size()) + " values for " + std::to_string(pixelCount(p)) + " pixels");
    if (p.bits != 24)
        for (const std::uint32_t v : p.values)
            if (v >= p.table.size())
                refuse("index " + std::to_string(v) + " past a table of " + std::to_string(p.table.size()));
}

dib::InfoHeader infoHeader(int width, int storedHeight, int bits, std::uint64_t sizeImage, std::size_t clrUsed,
                           std::int32_t pixelsPerMetre) {
    dib::InfoHeader h{};
    h.size = sizeof h;
    h.width = width;
    h.height = storedHeight;
    h.planes = 1;
    h.bitCount = static_cast<std::uint16_t>(bits);
    h.compression = dib::kBiRgb;
    h.sizeImage = static_cast<std::uint32_t>(sizeImage);
    h.xPelsPerMeter = pixelsPerMetre;
    h.yPelsPerMeter = pixelsPerMetre;
    h.clrUsed = static_cast<std::uint32_t>(clrUsed);
    return h;
}

void appendTable(Bytes& out, const std::vector<Rgb>& table) {
    for (const Rgb c : table) dib::appendRaw(out, dib::RgbQuad{c.b, c.g, c.r, 0});
}

// Packs per-pixel values (table indices, colours, or mask bits) into
// bottom-up rows, each filled out to whole 32-bit words.
template <class Value>
void appendRows(Bytes& out, int width, int height, int bits, Value value) {
    const auto stride = static_cast<std::size_t>(dib::rowStride(width, bits));
    for (int y = height - 1; y >= 0; --y) {
        const std::size_t row = out.size();
        out.resize(row + stride, 0);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t v = value(x, y);
            std::uint8_t* p = out.data() + row;
            if (bits == 24) {
                p[3 * x] = static_cast<std::uint8_t>(v);
                p[3 * x + 1] = static_cast<std::uint8_t>(v >> 8);
                p[3 * x + 2] = static_cast<std::uint8_t>(v >> 16);
            } else {
                const int bit = x * bits;
                p[bit / 8] |= static_cast<std::uint8_t>(v << (8 - bits - bit % 8));
            }
        }
    }
}

void appendColourRows(Bytes& out, const StoredPixels& p) {
    appendRows(out, p.width, p.height, p.bits,
               [&](int x, int y) { return p.values[static_cast<std::size_t>(y) * p.width + x]; });
}

Bytes iconImageData(const IconPixels& icon) {
    const StoredPixels& c = icon.colours;
    const auto colourBytes = dib::rowStride(c.width, c.bits) * c.height;
    const auto maskBytes = dib::rowStride(c.width, 1) * c.height;
    Bytes out;
    dib::appendRaw(out, infoHeader(c.width, 2 * c.height, c.bits, colourBytes + maskBytes, 0, 0));
    appendTable(out, c.table);
    appendColourRows(out, c);
    appendRows(out, c.width, c.height, 1, [&](int x, int y) {
        return icon.transparent[static_cast<std::size_t>(y) * c.width + x] ? 1u : 0u;
    });
    return out;
}

}  // namespace

Bytes encodeBitmapFile(const StoredPixels& pixels, std::int32_t pixelsPerMetre) {
    check(pixels);
    const auto pixelBytes = dib::rowStride(pixels.width, pixels.bits) * pixels.height;
    dib::FileHeader fh{{'B', 'M'}, 0, 0, 0, 0};
    fh.bitsOffset = static_cast<std::uint32_t>(sizeof fh + sizeof(dib::InfoHeader) +
                                               sizeof(dib::RgbQuad) * pixels.table.size());
    fh.fileSize = static_cast<std::uint32_t>(fh.bitsOffset + pixelBytes);
    Bytes out;
    out.reserve(fh.fileSize);
    dib::appendRaw(out, fh);
    dib::appendRaw(out,
                   infoHeader(pixels.width, pixels.height, pixels.bits, pixelBytes, pixels.table.size(), pixelsPerMetre));
    appendTable(out, pixels.table);
    appendColourRows(out, pixels);
    return out;
}

Bytes encodeIconFile(const std::vector<IconPixels>& images) {
    if (images.empty() || images.size() > 0xFFFF) refuse(std::to_string(images.size()) + " images in one icon file");
    std::vector<Bytes> bodies;
    for (const IconPixels& icon : images) {
        const StoredPixels& c = icon.colours;
        check(c);
        if (c.width > 256 || c.height > 256)
            refuse("an icon of " + std::to_string(c.width) + "x" + std::to_string(c.height) + " pixels");
        if (c.bits != 24 && c.table.size() != std::size_t{1} << c.bits)
            refuse("an icon table of " + std::to_string(c.table.size()) + " for a depth of " +
                   std::to_string(c.bits) + ", not the full " + std::to_string(1u << c.bits));
        if (icon.transparent.size() != pixelCount(c))
            refuse(std::to_string(icon.transparent.size()) + " mask bits for " + std::to_string(pixelCount(c)) +
                   " pixels");
        bodies.push_back(iconImageData(icon));
    }
    Bytes out;
    dib::appendRaw(out, dib::IconDir{0, dib::kIconType, static_cast<std::uint16_t>(images.size())});
    auto offset = static_cast<std::uint32_t>(sizeof(dib::IconDir) + images.size() * sizeof(dib::IconDirEntry));
    for (std::size_t i = 0; i < images.size(); ++i) {
        const StoredPixels& c = images[i].colours;
        dib::IconDirEntry e{};
        e.width = static_cast<std::uint8_t>(c.width);  // 256 is stored as 0
        e.height = static_cast<std::uint8_t>(c.height);
        e.colorCount = static_cast<std::uint8_t>(c.bits < 8 ? 1 << c.bits : 0);
        e.planes = 1;
        e.bitCount = static_cast<std::uint16_t>(c.bits);
        e.bytesInRes = static_cast<std::uint32_t>(bodies[i].size());
        e.imageOffset = offset;
        offset += e.bytesInRes;
        dib::appendRaw(out, e);
    }
    for (const Bytes& b : bodies) out.insert(out.end(), b.begin(), b.end());
    return out;
}

}  // namespace pictures
