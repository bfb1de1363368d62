#include "colour_transform.h"

#include <algorithm>

namespace kit {
namespace {

// A sixth of the hue circle, in units that make a degree a whole number of them.
constexpr std::int64_t kDegree = 1024;
constexpr std::int64_t kSector = 60 * kDegree;
constexpr std::int64_t kTurn = 6 * kSector;
// Saturation's one, and a channel's step from 0 to 255.
constexpr std::int64_t kOne = 1 << 16;
constexpr std::int64_t kWhite = 255 * kOne;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {  // b > 0
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// a / b to the nearest, halves up; b > 0.
std::int64_t RoundDiv(std::int64_t a, std::int64_t b) { return FloorDiv(2 * a + b, 2 * b); }

struct Hsl {
    std::int64_t hue;         // 0 to kTurn - 1; 0 for greys
    std::int64_t saturation;  // 0 to kOne
    std::int64_t lightness;   // 0 to kWhite
};

Hsl ToHsl(pictures::Rgb c) {
    const std::int64_t r = c.r, g = c.g, b = c.b;
    const std::int64_t max = std::max({r, g, b}), min = std::min({r, g, b});
    const std::int64_t chroma = max - min;
    Hsl hsl{0, 0, (max + min) * (kOne / 2)};
    if (chroma == 0) return hsl;
    // Chroma over its most at this lightness, which is never zero where chroma is not.
    hsl.saturation = RoundDiv(chroma * kOne, 255 - std::abs(max + min - 255));
    std::int64_t sixths;
    if (max == r)
        sixths = RoundDiv((g - b) * kSector, chroma);
    else if (max == g)
        sixths = 2 * kSector + RoundDiv((b - r) * kSector, chroma);
    else
        sixths = 4 * kSector + RoundDiv((r - g) * kSector, chroma);
    hsl.hue = (sixths + kTurn) % kTurn;
    return hsl;
}

// Channels come back at twice kOne's scale, so that max and min, lightness
// plus and minus half the chroma, stay whole.
pictures::Rgb FromHsl(const Hsl& hsl) {
    const std::int64_t most = kWhite - std::abs(2 * hsl.lightness - kWhite);
    const std::int64_t chroma = RoundDiv(hsl.saturation * most, kOne);
    const std::int64_t max = 2 * hsl.lightness + chroma, min = 2 * hsl.lightness - chroma;
    const std::int64_t sector = hsl.hue / kSector, along = hsl.hue % kSector;
    const std::int64_t rising = min + RoundDiv(2 * chroma * along, kSector);
    const std::int64_t falling = min + RoundDiv(2 * chroma * (kSector - along), kSector);
    std::int64_t r = 0, g = 0, b = 0;
    switch (sector) {
        case 0: r = max, g = rising, b = min; break;
        case 1: r = falling, g = max, b = min; break;
        case 2: r = min, g = max, b = rising; break;
        case 3: r = min, g = falling, b = max; break;
        case 4: r = rising, g = min, b = max; break;
        default: r = max, g = min, b = falling; break;
    }
    // max is at most 2 * kWhite and min at least 0, give or take the roundings
    // above, which the last one takes back.
    const auto channel = [](std::int64_t v) { return static_cast<std::uint8_t>(RoundDiv(v, 2 * kOne)); };
    return pictures::Rgb{channel(r), channel(g), channel(b)};
}

std::int64_t Curve(const std::vector<LightnessPoint>& points, std::int64_t lightness) {
    if (points.empty()) return lightness;
    if (lightness <= points.front().in * kOne) return points.front().out * kOne;
    for (std::size_t i = 1; i < points.size(); ++i) {
        const LightnessPoint from = points[i - 1], to = points[i];
        if (lightness > to.in * kOne) continue;
        return from.out * kOne + RoundDiv((lightness - from.in * kOne) * (to.out - from.out), to.in - from.in);
    }
    return points.back().out * kOne;
}

}  // namespace

pictures::Rgb ColourTransform::Apply(pictures::Rgb colour) const {
    Hsl hsl = ToHsl(colour);
    hsl.hue = (hsl.hue + hue * kDegree) % kTurn;
    hsl.saturation = std::min(kOne, RoundDiv(hsl.saturation * saturation, 100));
    hsl.lightness = Curve(lightness, hsl.lightness);
    return FromHsl(hsl);
}

std::uint32_t ColourTransform::ApplyColorRef(std::uint32_t colorref) const {
    const pictures::Rgb out = Apply(pictures::rgb(colorref & 0xFF, colorref >> 8 & 0xFF, colorref >> 16 & 0xFF));
    return std::uint32_t{out.r} | std::uint32_t{out.g} << 8 | std::uint32_t{out.b} << 16;
}

}  // namespace kit
