#include "pictures/dib_reader.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <utility>

namespace pictures {
namespace {

// Larger pictures than this have no place in a skin, and the limit keeps
// every size computed from header fields far from overflowing.
constexpr std::int64_t kMaxSide = 4096;

template <class T>
std::optional<T> readPart(const std::uint8_t* data, std::size_t size, std::uint64_t offset, const char* part,
                          std::string& why) {
    const std::optional<T> value = dib::readAt<T>(data, size, offset);
    if (!value)
        why = std::string("truncated ") + part + " (needs " + std::to_string(sizeof(T)) + " bytes at offset " +
              std::to_string(offset) + ", " + std::to_string(size) + " available)";
    return value;
}

bool startsWith(const Bytes& file, std::initializer_list<std::uint8_t> bytes) {
    return file.size() >= bytes.size() && std::equal(bytes.begin(), bytes.end(), file.begin());
}

bool looksLikeIconFile(const Bytes& f) { return startsWith(f, {0, 0, 1, 0}); }
bool looksLikeCursorFile(const Bytes& f) { return startsWith(f, {0, 0, 2, 0}); }
bool looksLikeBitmapFile(const Bytes& f) { return startsWith(f, {'B', 'M'}); }

template <class T>
std::optional<T> refuse(std::string& why, std::string reason) {
    why = std::move(reason);
    return std::nullopt;
}

// What follows a DIB header the loaders take.
struct DibLayout {
    std::uint64_t colours;      // table entries
    std::uint64_t colourBytes;  // the colour rows; an icon image's mask follows them
};

struct CheckedDib {
    dib::InfoHeader info;
    DibLayout layout;
};

struct CheckedIconImage {
    dib::IconDirEntry entry;
    CheckedDib dib;
};

// rows is the number of colour rows: half the stored height of an icon image.
std::optional<DibLayout> checkInfoHeader(const dib::InfoHeader& h, std::int64_t rows, std::string& why) {
    using Layout = DibLayout;
    if (h.size != sizeof(dib::InfoHeader))
        return refuse<Layout>(why, "unsupported bitmap header size " + std::to_string(h.size) + " (expected 40)");
    if (h.width <= 0 || h.width > kMaxSide)
        return refuse<Layout>(why, "width " + std::to_string(h.width) + " is outside 1.." + std::to_string(kMaxSide));
    if (rows <= 0 || rows > kMaxSide)
        return refuse<Layout>(why, "height " + std::to_string(rows) + " is outside 1.." + std::to_string(kMaxSide));
    if (h.planes != 1) return refuse<Layout>(why, "planes is " + std::to_string(h.planes) + " (expected 1)");
    if (h.compression != dib::kBiRgb)
        return refuse<Layout>(why, "compression " + std::to_string(h.compression) +
                                       " is not supported (only uncompressed)");
    const unsigned bits = h.bitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        return refuse<Layout>(why, "unsupported bit depth " + std::to_string(bits));
    DibLayout layout{};
    if (bits <= 8) {
        const std::uint64_t full = 1u << bits;
        if (h.clrUsed > full)
            return refuse<Layout>(why, "colour table of " + std::to_string(h.clrUsed) + " entries exceeds " +
                                           std::to_string(full) + " for " + std::to_string(bits) + " bits per pixel");
    } else if (h.clrUsed != 0) {
        return refuse<Layout>(why, "colour table given for " + std::to_string(bits) + " bits per pixel");
    }
    layout.colours = dib::colourTableEntries(h);
    layout.colourBytes = dib::rowStride(static_cast<std::uint64_t>(h.width), bits) * static_cast<std::uint64_t>(rows);
    return layout;
}

std::uint64_t directoryEnd(const dib::IconDir& dir) {
    return sizeof dir + std::uint64_t{dir.count} * sizeof(dib::IconDirEntry);
}

std::optional<CheckedIconImage> checkIconImage(const Bytes& file, const dib::IconDir& dir, std::size_t index,
                                               std::string& why) {
    using Layout = CheckedIconImage;
    const std::optional<dib::IconDirEntry> e = readIconDirEntry(file, index, why);
    if (!e) return std::nullopt;
    const std::optional<dib::InfoHeader> h = readIconImageHeader(file, dir, *e, why);
    if (!h) return std::nullopt;
    if (h->height % 2 != 0)
        return refuse<Layout>(why, "height " + std::to_string(h->height) + " is not twice the icon height");
    const std::optional<DibLayout> layout = checkInfoHeader(*h, h->height / 2, why);
    if (!layout) return std::nullopt;
    const int width = e->width == 0 ? 256 : e->width;
    const int height = e->height == 0 ? 256 : e->height;
    if (h->width != width || h->height != 2 * height)
        return refuse<Layout>(why, "directory says " + std::to_string(width) + "x" + std::to_string(height) +
                                       ", image header says " + std::to_string(h->width) + "x" +
                                       std::to_string(h->height / 2));
    if (e->bitCount != 0 && e->bitCount != h->bitCount)
        return refuse<Layout>(why, "directory says " + std::to_string(e->bitCount) +
                                       " bits per pixel, image header says " + std::to_string(h->bitCount));
    if (e->planes > 1) return refuse<Layout>(why, "directory says " + std::to_string(e->planes) + " planes");
    const std::uint64_t maskBytes =
        dib::rowStride(static_cast<std::uint64_t>(h->width), 1) * static_cast<std::uint64_t>(height);
    const std::uint64_t needed =
        sizeof *h + layout->colours * sizeof(dib::RgbQuad) + layout->colourBytes + maskBytes;
    if (needed > e->bytesInRes)
        return refuse<Layout>(why, "needs " + std::to_string(needed) + " bytes for header, colours and masks, has " +
                                       std::to_string(e->bytesInRes));
    return CheckedIconImage{*e, {*h, *layout}};
}

// The value of pixel x of a stored row: a table index, or 0x00RRGGBB.
std::uint32_t storedValue(const std::uint8_t* row, int x, int bits) {
    if (bits == 24) {
        const std::uint8_t* p = row + 3 * x;
        return std::uint32_t{p[2]} << 16 | std::uint32_t{p[1]} << 8 | p[0];
    }
    const int bit = x * bits;
    return (row[bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
}

// The table and rows of a checked DIB, which lie at `table` and `rows` of
// `data`: its check found them inside.
std::optional<StoredPixels> readPixels(const std::uint8_t* data, std::uint64_t table, std::uint64_t rows,
                                       const CheckedDib& dib, int height, std::string& why) {
    using Pixels = StoredPixels;
    if (dib.info.bitCount == 32) return refuse<Pixels>(why, "32 bits per pixel are not read");
    StoredPixels p{dib.info.width, height, dib.info.bitCount, {}, {}};
    for (std::uint64_t i = 0; i < dib.layout.colours; ++i) {
        const std::uint8_t* q = data + table + i * sizeof(dib::RgbQuad);
        p.table.push_back(Rgb{q[2], q[1], q[0]});
    }
    const auto stride = dib::rowStride(static_cast<std::uint64_t>(p.width), p.bits);
    p.values.reserve(static_cast<std::size_t>(p.width) * p.height);
    for (int y = 0; y < p.height; ++y) {
        const std::uint8_t* row = data + rows + stride * static_cast<std::uint64_t>(p.height - 1 - y);
        for (int x = 0; x < p.width; ++x) {
            const std::uint32_t v = storedValue(row, x, p.bits);
            if (p.bits != 24 && v >= p.table.size())
                return refuse<Pixels>(why, "pixel " + std::to_string(x) + "," + std::to_string(y) + " is index " +
                                               std::to_string(v) + ", past a table of " +
                                               std::to_string(p.table.size()));
            p.values.push_back(v);
        }
    }
    return p;
}

std::optional<CheckedDib> checkedBitmap(const Bytes& file, std::string& why) {
    using Checked = CheckedDib;
    const std::optional<BitmapHeaders> headers = readBitmapHeaders(file, why);
    if (!headers) return std::nullopt;
    const dib::FileHeader& fh = headers->file;
    const dib::InfoHeader& ih = headers->info;
    const std::uint64_t size = file.size();
    if (fh.fileSize != 0 && fh.fileSize != size)
        return refuse<Checked>(why, "file size field says " + std::to_string(fh.fileSize) + " bytes, the file has " +
                                        std::to_string(size));
    if (ih.size == sizeof ih && ih.height < 0)
        return refuse<Checked>(why, "top-down rows (negative height) are not supported");
    const std::optional<DibLayout> layout = checkInfoHeader(ih, ih.height, why);
    if (!layout) return std::nullopt;
    // A bitmap resource is the file without its file header, so its pixels
    // must follow the colour table directly.
    const std::uint64_t expectedBits = sizeof fh + sizeof ih + layout->colours * sizeof(dib::RgbQuad);
    if (fh.bitsOffset != expectedBits)
        return refuse<Checked>(why, "pixel data at offset " + std::to_string(fh.bitsOffset) +
                                        ", expected right after the colour table at " + std::to_string(expectedBits));
    if (size < expectedBits || size - expectedBits < layout->colourBytes)
        return refuse<Checked>(why, "truncated pixel data (needs " +
                                        std::to_string(expectedBits + layout->colourBytes) + " bytes, the file has " +
                                        std::to_string(size) + ")");
    return CheckedDib{ih, *layout};
}

std::optional<std::vector<CheckedIconImage>> checkedIcon(const Bytes& file, std::string& why) {
    using Images = std::vector<CheckedIconImage>;
    const std::optional<dib::IconDir> dir = readIconDir(file, why);
    if (!dir) return std::nullopt;
    if (dir->count == 0) return refuse<Images>(why, "icon file holds no images");
    if (directoryEnd(*dir) > file.size())
        return refuse<Images>(why, "truncated icon directory (" + std::to_string(dir->count) + " entries need " +
                                       std::to_string(directoryEnd(*dir)) + " bytes, the file has " +
                                       std::to_string(file.size()) + ")");
    Images images;
    for (std::size_t i = 0; i < dir->count; ++i) {
        const std::optional<CheckedIconImage> image = checkIconImage(file, *dir, i, why);
        if (!image) return refuse<Images>(why, "image " + std::to_string(i + 1) + ": " + why);
        images.push_back(*image);
    }
    return images;
}

}  // namespace

std::optional<BitmapHeaders> readBitmapHeaders(const Bytes& file, std::string& why) {
    if (!looksLikeBitmapFile(file))
        return refuse<BitmapHeaders>(why, looksLikeIconFile(file) ? "is an icon file, not a bitmap"
                                                                  : "is not a bitmap file (no \"BM\" signature)");
    const auto fh = readPart<dib::FileHeader>(file.data(), file.size(), 0, "file header", why);
    if (!fh) return std::nullopt;
    const auto ih = readPart<dib::InfoHeader>(file.data(), file.size(), sizeof *fh, "bitmap header", why);
    if (!ih) return std::nullopt;
    return BitmapHeaders{*fh, *ih};
}

std::optional<dib::IconDir> readIconDir(const Bytes& file, std::string& why) {
    if (looksLikeBitmapFile(file)) return refuse<dib::IconDir>(why, "is a bitmap file, not an icon");
    if (looksLikeCursorFile(file)) return refuse<dib::IconDir>(why, "is a cursor file, not an icon");
    const auto dir = readPart<dib::IconDir>(file.data(), file.size(), 0, "icon directory", why);
    if (dir && (dir->reserved != 0 || dir->type != dib::kIconType))
        return refuse<dib::IconDir>(why, "is not an icon file");
    return dir;
}

std::optional<dib::IconDirEntry> readIconDirEntry(const Bytes& file, std::size_t index, std::string& why) {
    return readPart<dib::IconDirEntry>(file.data(), file.size(),
                                       sizeof(dib::IconDir) + std::uint64_t{index} * sizeof(dib::IconDirEntry),
                                       "icon directory", why);
}

std::optional<dib::InfoHeader> readIconImageHeader(const Bytes& file, const dib::IconDir& dir,
                                                   const dib::IconDirEntry& e, std::string& why) {
    using Header = dib::InfoHeader;
    const std::uint64_t size = file.size();
    if (e.imageOffset < directoryEnd(dir))
        return refuse<Header>(why, "offset " + std::to_string(e.imageOffset) + " lies inside the directory");
    if (e.imageOffset > size || size - e.imageOffset < e.bytesInRes)
        return refuse<Header>(why, std::to_string(e.bytesInRes) + " bytes at offset " + std::to_string(e.imageOffset) +
                                       " run past the end of the file (" + std::to_string(size) + " bytes)");
    const std::uint8_t* image = file.data() + e.imageOffset;
    if (e.bytesInRes >= 4 && std::memcmp(image, "\x89PNG", 4) == 0)
        return refuse<Header>(why, "is stored as PNG; only uncompressed images are supported");
    return readPart<dib::InfoHeader>(image, e.bytesInRes, 0, "image header", why);
}

bool checkBitmapFile(const Bytes& file, std::string& why) { return checkedBitmap(file, why).has_value(); }

std::optional<std::vector<dib::IconDirEntry>> checkIconFile(const Bytes& file, std::string& why) {
    const std::optional<std::vector<CheckedIconImage>> images = checkedIcon(file, why);
    if (!images) return std::nullopt;
    std::vector<dib::IconDirEntry> entries;
    for (const CheckedIconImage& image : *images) entries.push_back(image.entry);
    return entries;
}

std::optional<StoredPixels> readBitmapFile(const Bytes& file, std::string& why) {
    const std::optional<CheckedDib> bitmap = checkedBitmap(file, why);
    if (!bitmap) return std::nullopt;
    const std::uint64_t table = sizeof(dib::FileHeader) + sizeof(dib::InfoHeader);
    return readPixels(file.data(), table, table + bitmap->layout.colours * sizeof(dib::RgbQuad), *bitmap,
                      bitmap->info.height, why);
}

std::optional<std::vector<IconPixels>> readIconFile(const Bytes& file, std::string& why) {
    using Icons = std::vector<IconPixels>;
    const std::optional<std::vector<CheckedIconImage>> images = checkedIcon(file, why);
    if (!images) return std::nullopt;
    Icons icons;
    for (const CheckedIconImage& image : *images) {
        const std::string name = "image " + std::to_string(icons.size() + 1) + ": ";
        const std::uint8_t* data = file.data() + image.entry.imageOffset;
        const std::uint64_t rows = sizeof(dib::InfoHeader) + image.dib.layout.colours * sizeof(dib::RgbQuad);
        std::optional<StoredPixels> colours =
            readPixels(data, sizeof(dib::InfoHeader), rows, image.dib, image.dib.info.height / 2, why);
        if (!colours) return refuse<Icons>(why, name + why);
        // Icon headers leave the table's length unsaid: the loaders take the full one.
        if (colours->bits != 24) colours->table.resize(std::size_t{1} << colours->bits);
        IconPixels icon{std::move(*colours), {}};
        const StoredPixels& c = icon.colours;
        const std::uint64_t mask = rows + image.dib.layout.colourBytes;
        const auto stride = dib::rowStride(static_cast<std::uint64_t>(c.width), 1);
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x)
                icon.transparent.push_back(
                    storedValue(data + mask + stride * static_cast<std::uint64_t>(c.height - 1 - y), x, 1) != 0);
        icons.push_back(std::move(icon));
    }
    return icons;
}

Image toImage(const StoredPixels& p) {
    Image image(p.width, p.height);
    for (std::size_t i = 0; i < p.values.size(); ++i) {
        const std::uint32_t v = p.values[i];
        image.pixels()[i] = Pixel{p.bits == 24 ? rgb(v >> 16 & 0xFF, v >> 8 & 0xFF, v & 0xFF) : p.table[v], 255};
    }
    return image;
}

Image toImage(const IconPixels& icon) {
    Image image = toImage(icon.colours);
    for (std::size_t i = 0; i < icon.transparent.size(); ++i)
        if (icon.transparent[i]) image.pixels()[i].a = 0;
    return image;
}

}  // namespace pictures
