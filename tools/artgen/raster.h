#pragma once
// What the generator draws on: the shared picture type, colour arithmetic and
// the noise of mottled surfaces.
#include <cstdint>

#include "pictures/image.h"

namespace art {

using pictures::grey;
using pictures::Image;
using pictures::Pixel;
using pictures::Rgb;
using pictures::rgb;

// a + (b - a) * num / den, rounded to nearest; num in 0..den.
Rgb mix(Rgb a, Rgb b, int num, int den);
// Luma in 0..255 (integer Rec. 601 weights).
int luma(Rgb c);

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
