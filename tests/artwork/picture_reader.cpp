#include "picture_reader.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace artwork_test {

namespace {

class Reader {
public:
    Reader(const std::vector<std::uint8_t>& data, std::size_t begin, std::size_t end)
        : data_(data), begin_(begin), end_(end) {
        if (begin > end || end > data.size()) throw std::runtime_error("range outside the file");
    }
    std::uint32_t u(std::size_t offset, int bytes) const {
        if (offset > end_ - begin_ || end_ - begin_ - offset < static_cast<std::size_t>(bytes))
            throw std::runtime_error("read past the end at offset " + std::to_string(offset));
        std::uint32_t v = 0;
        for (int i = bytes - 1; i >= 0; --i) v = v << 8 | data_[begin_ + offset + i];
        return v;
    }
    std::int32_t s32(std::size_t offset) const { return static_cast<std::int32_t>(u(offset, 4)); }
    std::size_t size() const { return end_ - begin_; }

private:
    const std::vector<std::uint8_t>& data_;
    std::size_t begin_, end_;
};

std::size_t stride(int width, int bits) { return (static_cast<std::size_t>(width) * bits + 31) / 32 * 4; }

std::vector<Colour> readTable(const Reader& r, std::size_t at, std::size_t count) {
    std::vector<Colour> table;
    for (std::size_t i = 0; i < count; ++i)
        table.push_back({static_cast<int>(r.u(at + 4 * i + 2, 1)), static_cast<int>(r.u(at + 4 * i + 1, 1)),
                         static_cast<int>(r.u(at + 4 * i, 1))});
    return table;
}

// Bottom-up rows of width x height at bits per pixel starting at `at`.
Picture readPixels(const Reader& r, std::size_t at, int width, int height, int bits, const std::vector<Colour>& table) {
    if (width <= 0 || height <= 0 || width > 4096 || height > 4096) throw std::runtime_error("bad dimensions");
    Picture p;
    p.width = width;
    p.height = height;
    p.pixels.resize(static_cast<std::size_t>(width) * height);
    const std::size_t rowBytes = stride(width, bits);
    for (int row = 0; row < height; ++row) {
        const std::size_t base = at + static_cast<std::size_t>(height - 1 - row) * rowBytes;
        for (int x = 0; x < width; ++x) {
            Colour c;
            if (bits == 24) {
                c = {static_cast<int>(r.u(base + 3 * x + 2, 1)), static_cast<int>(r.u(base + 3 * x + 1, 1)),
                     static_cast<int>(r.u(base + 3 * x, 1))};
            } else {
                const std::size_t bit = static_cast<std::size_t>(x) * bits;
                const std::uint32_t byte = r.u(base + bit / 8, 1);
                const std::uint32_t index = byte >> (8 - bits - bit % 8) & ((1u << bits) - 1);
                if (index >= table.size()) throw std::runtime_error("index past the colour table");
                c = table[index];
            }
            p.pixels[static_cast<std::size_t>(row) * width + x] = c;
        }
    }
    return p;
}

}  // namespace

std::string describe(Colour c) {
    return "RGB " + std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
}

std::vector<std::uint8_t> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + path);
    return std::vector<std::uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

BitmapFile readBitmap(const std::vector<std::uint8_t>& file) {
    const Reader r(file, 0, file.size());
    if (r.u(0, 2) != 0x4D42) throw std::runtime_error("no BM signature");
    if (r.u(2, 4) != file.size()) throw std::runtime_error("file size field is wrong");
    BitmapFile b;
    b.headerSize = r.u(14, 4);
    b.width = r.s32(18);
    b.height = r.s32(22);
    b.planes = r.u(26, 2);
    b.bits = static_cast<int>(r.u(28, 2));
    b.compression = r.u(30, 4);
    b.clrUsed = r.u(46, 4);
    const std::size_t tableEntries = b.bits <= 8 ? (b.clrUsed ? b.clrUsed : 1u << b.bits) : 0;
    if (tableEntries > 256) throw std::runtime_error("colour table too long");
    b.table = readTable(r, 14 + b.headerSize, tableEntries);
    const std::size_t bitsAt = r.u(10, 4);
    if (bitsAt != 14 + b.headerSize + 4 * tableEntries) throw std::runtime_error("pixels do not follow the colour table");
    if (b.height <= 0) throw std::runtime_error("not bottom-up");
    b.picture = readPixels(r, bitsAt, b.width, b.height, b.bits, b.table);
    if (bitsAt + stride(b.width, b.bits) * b.height != file.size()) throw std::runtime_error("bytes after the pixels");
    return b;
}

std::vector<IconImage> readIcon(const std::vector<std::uint8_t>& file, int* type) {
    const Reader dir(file, 0, file.size());
    *type = static_cast<int>(dir.u(2, 2));
    const std::size_t count = dir.u(4, 2);
    std::vector<IconImage> images;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t e = 6 + 16 * i;
        IconImage img;
        img.entryWidth = static_cast<int>(dir.u(e, 1));
        img.entryHeight = static_cast<int>(dir.u(e + 1, 1));
        img.entryColours = static_cast<int>(dir.u(e + 2, 1));
        img.entryPlanes = static_cast<int>(dir.u(e + 4, 2));
        img.entryBits = static_cast<int>(dir.u(e + 6, 2));
        const std::size_t bytes = dir.u(e + 8, 4), offset = dir.u(e + 12, 4);
        if (offset > file.size() || file.size() - offset < bytes) throw std::runtime_error("image outside the file");
        const Reader r(file, offset, offset + bytes);
        if (r.u(0, 4) == 0x474E5089) {  // "\x89PNG"
            img.png = true;
            images.push_back(img);
            continue;
        }
        img.headerSize = r.u(0, 4);
        img.width = r.s32(4);
        img.storedHeight = r.s32(8);
        img.bits = static_cast<int>(r.u(14, 2));
        img.compression = r.u(16, 4);
        const std::size_t clrUsed = r.u(32, 4);
        const std::size_t tableEntries = img.bits <= 8 ? (clrUsed ? clrUsed : 1u << img.bits) : 0;
        if (tableEntries > 256) throw std::runtime_error("colour table too long");
        img.table = readTable(r, img.headerSize, tableEntries);
        const int h = img.storedHeight / 2;
        const std::size_t colourAt = img.headerSize + 4 * tableEntries;
        img.colours = readPixels(r, colourAt, img.width, h, img.bits, img.table);
        const std::vector<Colour> maskTable = {{0, 0, 0}, {255, 255, 255}};
        const std::size_t maskAt = colourAt + stride(img.width, img.bits) * h;
        const Picture mask = readPixels(r, maskAt, img.width, h, 1, maskTable);
        for (const Colour& c : mask.pixels) img.transparent.push_back(c.r != 0);
        if (maskAt + stride(img.width, 1) * h != bytes) throw std::runtime_error("image size does not add up");
        images.push_back(img);
    }
    return images;
}

}  // namespace artwork_test
