#pragma once
// Pictures in memory: 8-bit RGB with an opacity per pixel, top row first.
// Bitmaps stay fully opaque; icons keep what their AND masks let through.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace pictures {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;

    friend bool operator==(Rgb a, Rgb b) { return a.r == b.r && a.g == b.g && a.b == b.b; }
    friend bool operator!=(Rgb a, Rgb b) { return !(a == b); }
    friend bool operator<(Rgb a, Rgb b) { return a.key() < b.key(); }
    // 0x00RRGGBB
    std::uint32_t key() const { return std::uint32_t{r} << 16 | std::uint32_t{g} << 8 | b; }
};

constexpr Rgb rgb(int r, int g, int b) {
    return Rgb{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b)};
}
constexpr Rgb grey(int v) { return rgb(v, v, v); }

struct Pixel {
    Rgb c;
    std::uint8_t a = 0;  // 0 transparent .. 255 opaque

    friend bool operator==(Pixel p, Pixel q) { return p.c == q.c && p.a == q.a; }
};

class Image {
public:
    Image() = default;
    Image(int width, int height, Pixel fill = {})
        : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {}

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return pixels_.empty(); }
    Pixel& at(int x, int y) { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
    const Pixel& at(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
    Rgb rgbAt(int x, int y) const { return at(x, y).c; }
    void set(int x, int y, Rgb c) { at(x, y) = Pixel{c, 255}; }
    bool opaqueAt(int x, int y) const { return at(x, y).a >= 128; }

    std::vector<Pixel>& pixels() { return pixels_; }
    const std::vector<Pixel>& pixels() const { return pixels_; }

    friend bool operator==(const Image& a, const Image& b) {
        return a.width_ == b.width_ && a.height_ == b.height_ && a.pixels_ == b.pixels_;
    }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Pixel> pixels_;
};

}  // namespace pictures
