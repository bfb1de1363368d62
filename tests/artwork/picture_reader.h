#pragma once
// Reads the skin's .bmp and .ico files back into pixels, independently of
// the generator, so that tests can hold the files to the catalogue. Every
// offset and size is checked against the file; a malformed file throws
// std::runtime_error. It shares no code with pictures/ on purpose: it is the
// second opinion the picture library's writer is checked against.
#include <cstdint>
#include <string>
#include <vector>

namespace artwork_test {

struct Colour {
    int r = 0, g = 0, b = 0;
    friend bool operator==(Colour a, Colour b) { return a.r == b.r && a.g == b.g && a.b == b.b; }
    friend bool operator!=(Colour a, Colour b) { return !(a == b); }
    friend bool operator<(Colour a, Colour b) {
        return (a.r << 16 | a.g << 8 | a.b) < (b.r << 16 | b.g << 8 | b.b);
    }
};
std::string describe(Colour c);  // "RGB 1,2,3"

struct Picture {
    int width = 0, height = 0;
    std::vector<Colour> pixels;  // top row first
    Colour at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

struct BitmapFile {
    int width = 0, height = 0;  // height as stored: positive for bottom-up
    int bits = 0;
    std::uint32_t headerSize = 0, compression = 0, planes = 0, clrUsed = 0;
    std::vector<Colour> table;
    Picture picture;
};

struct IconImage {
    // From the directory entry.
    int entryWidth = 0, entryHeight = 0, entryColours = 0, entryPlanes = 0, entryBits = 0;
    // From the image's own header.
    std::uint32_t headerSize = 0, compression = 0;
    int width = 0, storedHeight = 0, bits = 0;
    std::vector<Colour> table;
    Picture colours;                // the XOR image
    std::vector<bool> transparent;  // the AND mask, top row first
    bool png = false;
};

std::vector<std::uint8_t> readFile(const std::string& path);
BitmapFile readBitmap(const std::vector<std::uint8_t>& file);
// The directory's type (1 for icons) goes to *type.
std::vector<IconImage> readIcon(const std::vector<std::uint8_t>& file, int* type);

}  // namespace artwork_test
