#include "raster.h"

#include <algorithm>

namespace art {

namespace {
std::uint8_t mixChannel(int a, int b, int num, int den) {
    const int v = a * den + (b - a) * num;
    // Round half away from the start colour, the same on every machine.
    return static_cast<std::uint8_t>((2 * v + den) / (2 * den));
}
}  // namespace

Rgb mix(Rgb a, Rgb b, int num, int den) {
    num = std::clamp(num, 0, den);
    return Rgb{mixChannel(a.r, b.r, num, den), mixChannel(a.g, b.g, num, den), mixChannel(a.b, b.b, num, den)};
}

int luma(Rgb c) { return (299 * c.r + 587 * c.g + 114 * c.b + 500) / 1000; }

std::uint32_t Noise::next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

int Noise::between(int lo, int hi) {
    return lo + static_cast<int>(next() % static_cast<std::uint32_t>(hi - lo + 1));
}

std::int64_t isqrt(std::int64_t v) {
    if (v <= 0) return 0;
    std::int64_t x = v, y = (x + 1) / 2;
    while (y < x) {
        x = y;
        y = (x + v / x) / 2;
    }
    return x;
}

}  // namespace art
