#pragma once
// Pictures in memory: 8-bit RGB with an opacity per pixel. Bitmaps stay fully
// opaque; icons use the opacity for their AND masks.
#include <cstdint>
#include <vector>

namespace art {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;

    friend bool operator==(Rgb a, Rgb b) { return a.r == b.r && a.g == b.g && a.b == b.b; }
    friend bool operator!=(Rgb a, Rgb b) { return !(a == b); }
    friend bool operator<(Rgb a, Rgb b) { return a.key() < b.key(); }
    std::uint32_t key() const { return std::uint32_t{r} << 16 | std::uint32_t{g} << 8 | b; }
};

constexpr Rgb rgb(int r, int g, int b) {
    return Rgb{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b)};
}
constexpr Rgb grey(int v) { return rgb(v, v, v); }

// a + (b - a) * num / den, rounded to nearest; num in 0..den.
Rgb mix(Rgb a, Rgb b, int num, int den);
// Luma in 0..255 (integer Rec. 601 weights).
int luma(Rgb c);

struct Pixel {
    Rgb c;
    std::uint8_t a = 0;  // 0 transparent .. 255 opaque
};

class Image {
public:
    Image() = default;
    Image(int width, int height, Pixel fill = {});

    int width() const { return width_; }
    int height() const { return height_; }
    Pixel& at(int x, int y) { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
    const Pixel& at(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
    Rgb rgbAt(int x, int y) const { return at(x, y).c; }
    void set(int x, int y, Rgb c) { at(x, y) = Pixel{c, 255}; }
    bool opaqueAt(int x, int y) const { return at(x, y).a >= 128; }

    std::vector<Pixel>& pixels() { return pixels_; }
    const std::vector<Pixel>& pixels() const { return pixels_; }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Pixel> pixels_;
};

// Deterministic noise for mottled surfaces (xorshift32).
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}
    std::uint32_t next();
    // Uniform in lo..hi inclusive.
    int between(int lo, int hi);

private:
    std::uint32_t state_;
};

// Integer square root, rounded down.
std::int64_t isqrt(std::int64_t v);

}  // namespace art
