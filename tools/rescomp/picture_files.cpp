#include "picture_files.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <optional>

#include "compile_error.h"

namespace rescomp {
namespace {

// Larger pictures than this have no place in a skin, and the limit keeps
// every size computed from header fields far from overflowing.
constexpr std::int64_t kMaxSide = 4096;

[[noreturn]] void fail(const std::string& what, const std::string& reason) {
    throw CompileError(what + ": " + reason);
}

template <class T>
T readAt(const std::uint8_t* data, std::size_t size, std::uint64_t offset, const std::string& what,
         const char* part) {
    const std::optional<T> value = dib::readAt<T>(data, size, offset);
    if (!value)
        fail(what, std::string("truncated ") + part + " (needs " + std::to_string(sizeof(T)) +
                       " bytes at offset " + std::to_string(offset) + ", " +
                       std::to_string(size) + " available)");
    return *value;
}

bool startsWith(const std::vector<std::uint8_t>& file, std::initializer_list<std::uint8_t> bytes) {
    if (file.size() < bytes.size()) return false;
    return std::equal(bytes.begin(), bytes.end(), file.begin());
}

bool looksLikeIconFile(const std::vector<std::uint8_t>& f) { return startsWith(f, {0, 0, 1, 0}); }
bool looksLikeCursorFile(const std::vector<std::uint8_t>& f) { return startsWith(f, {0, 0, 2, 0}); }
bool looksLikeBitmapFile(const std::vector<std::uint8_t>& f) { return startsWith(f, {'B', 'M'}); }

struct DibLayout {
    std::uint64_t colours;      // colour table entries
    std::uint64_t colourBytes;  // stored colour bits (the XOR image for icons)
};

// Checks a BITMAPINFOHEADER as the platform's loaders expect it and works out
// what follows it. rows is the number of colour rows (half the stored height
// for icon images).
DibLayout checkInfoHeader(const dib::InfoHeader& h, std::int64_t rows, const std::string& what) {
    if (h.size != sizeof(dib::InfoHeader))
        fail(what, "unsupported bitmap header size " + std::to_string(h.size) + " (expected 40)");
    if (h.width <= 0 || h.width > kMaxSide)
        fail(what, "width " + std::to_string(h.width) + " is outside 1.." + std::to_string(kMaxSide));
    if (rows <= 0 || rows > kMaxSide)
        fail(what, "height " + std::to_string(rows) + " is outside 1.." + std::to_string(kMaxSide));
    if (h.planes != 1) fail(what, "planes is " + std::to_string(h.planes) + " (expected 1)");
    if (h.compression != dib::kBiRgb)
        fail(what, "compression " + std::to_string(h.compression) + " is not supported (only uncompressed)");
    const unsigned bits = h.bitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        fail(what, "unsupported bit depth " + std::to_string(bits));
    DibLayout layout{};
    if (bits <= 8) {
        const std::uint64_t full = 1u << bits;
        if (h.clrUsed > full)
            fail(what, "colour table of " + std::to_string(h.clrUsed) + " entries exceeds " +
                           std::to_string(full) + " for " + std::to_string(bits) + " bits per pixel");
        layout.colours = h.clrUsed == 0 ? full : h.clrUsed;
    } else if (h.clrUsed != 0) {
        fail(what, "colour table given for " + std::to_string(bits) + " bits per pixel");
    }
    layout.colourBytes = dib::rowStride(static_cast<std::uint64_t>(h.width), bits) *
                         static_cast<std::uint64_t>(rows);
    return layout;
}

}  // namespace

std::vector<std::uint8_t> bitmapResourceData(const std::vector<std::uint8_t>& file,
                                             const std::string& what) {
    if (!looksLikeBitmapFile(file)) {
        if (looksLikeIconFile(file)) fail(what, "is an icon file, not a bitmap");
        fail(what, "is not a bitmap file (no \"BM\" signature)");
    }
    const std::uint8_t* data = file.data();
    const std::uint64_t size = file.size();
    const auto fh = readAt<dib::FileHeader>(data, size, 0, what, "file header");
    const auto ih = readAt<dib::InfoHeader>(data, size, sizeof fh, what, "bitmap header");
    if (fh.fileSize != 0 && fh.fileSize != size)
        fail(what, "file size field says " + std::to_string(fh.fileSize) + " bytes, the file has " +
                       std::to_string(size));
    if (ih.size == sizeof ih && ih.height < 0) fail(what, "top-down rows (negative height) are not supported");
    const DibLayout layout = checkInfoHeader(ih, ih.height, what);
    // The resource keeps no file header, so its pixels must follow the
    // colour table directly.
    const std::uint64_t expectedBits = sizeof fh + sizeof ih + layout.colours * sizeof(dib::RgbQuad);
    if (fh.bitsOffset != expectedBits)
        fail(what, "pixel data at offset " + std::to_string(fh.bitsOffset) +
                       ", expected right after the colour table at " + std::to_string(expectedBits));
    if (size < expectedBits || size - expectedBits < layout.colourBytes)
        fail(what, "truncated pixel data (needs " + std::to_string(expectedBits + layout.colourBytes) +
                       " bytes, the file has " + std::to_string(size) + ")");
    return std::vector<std::uint8_t>(file.begin() + sizeof fh, file.end());
}

std::vector<IconImage> iconFileImages(const std::vector<std::uint8_t>& file, const std::string& what) {
    if (looksLikeBitmapFile(file)) fail(what, "is a bitmap file, not an icon");
    if (looksLikeCursorFile(file)) fail(what, "is a cursor file, not an icon");
    const std::uint8_t* data = file.data();
    const std::uint64_t size = file.size();
    const auto dir = readAt<dib::IconDir>(data, size, 0, what, "icon directory");
    if (dir.reserved != 0 || dir.type != dib::kIconType) fail(what, "is not an icon file");
    if (dir.count == 0) fail(what, "icon file holds no images");
    const std::uint64_t dirEnd = sizeof dir + std::uint64_t{dir.count} * sizeof(dib::IconDirEntry);
    if (dirEnd > size)
        fail(what, "truncated icon directory (" + std::to_string(dir.count) + " entries need " +
                       std::to_string(dirEnd) + " bytes, the file has " + std::to_string(size) + ")");

    std::vector<IconImage> images;
    for (unsigned i = 0; i < dir.count; ++i) {
        const std::string image = what + ": image " + std::to_string(i + 1);
        const auto e = readAt<dib::IconDirEntry>(data, size, sizeof dir + i * sizeof(dib::IconDirEntry),
                                                 what, "icon directory");
        if (e.imageOffset < dirEnd)
            fail(image, "offset " + std::to_string(e.imageOffset) + " lies inside the directory");
        if (e.imageOffset > size || size - e.imageOffset < e.bytesInRes)
            fail(image, std::to_string(e.bytesInRes) + " bytes at offset " + std::to_string(e.imageOffset) +
                            " run past the end of the file (" + std::to_string(size) + " bytes)");
        const std::uint8_t* img = data + e.imageOffset;
        if (e.bytesInRes >= 4 && std::memcmp(img, "\x89PNG", 4) == 0)
            fail(image, "is stored as PNG; only uncompressed images are supported");
        const auto h = readAt<dib::InfoHeader>(img, e.bytesInRes, 0, image, "image header");
        if (h.height % 2 != 0)
            fail(image, "height " + std::to_string(h.height) + " is not twice the icon height");
        const DibLayout layout = checkInfoHeader(h, h.height / 2, image);
        const int width = e.width == 0 ? 256 : e.width;
        const int height = e.height == 0 ? 256 : e.height;
        if (h.width != width || h.height != 2 * height)
            fail(image, "directory says " + std::to_string(width) + "x" + std::to_string(height) +
                            ", image header says " + std::to_string(h.width) + "x" +
                            std::to_string(h.height / 2));
        if (e.bitCount != 0 && e.bitCount != h.bitCount)
            fail(image, "directory says " + std::to_string(e.bitCount) + " bits per pixel, image header says " +
                            std::to_string(h.bitCount));
        if (e.planes > 1) fail(image, "directory says " + std::to_string(e.planes) + " planes");
        const std::uint64_t maskBytes = dib::rowStride(static_cast<std::uint64_t>(h.width), 1) *
                                        static_cast<std::uint64_t>(height);
        const std::uint64_t needed = sizeof h + layout.colours * sizeof(dib::RgbQuad) +
                                     layout.colourBytes + maskBytes;
        if (needed > e.bytesInRes)
            fail(image, "needs " + std::to_string(needed) + " bytes for header, colours and masks, has " +
                            std::to_string(e.bytesInRes));
        images.push_back({e, std::vector<std::uint8_t>(img, img + e.bytesInRes)});
    }
    return images;
}

}  // namespace rescomp
