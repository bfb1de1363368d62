#pragma once
// One colour transform for a whole pack: a hue rotation, a saturation scale
// and a lightness curve, worked in HSL held in integers. Hue, saturation and
// lightness keep 16 fractional bits or more, enough that the identity gives
// every colour back exactly; there is no floating point in it, so a recipe
// gives the same bytes on every machine.
#include <cstdint>
#include <vector>

#include "pictures/image.h"

namespace kit {

struct LightnessPoint {
    int in, out;  // 0 to 255

    friend bool operator==(LightnessPoint a, LightnessPoint b) { return a.in == b.in && a.out == b.out; }
};

struct ColourTransform {
    int hue = 0;          // degrees, 0 to 359
    int saturation = 100;  // percent, 0 to 400; the result is held to full saturation
    // Piecewise linear through the points, IN strictly increasing, level
    // before the first and after the last; none leaves lightness alone.
    std::vector<LightnessPoint> lightness;

    pictures::Rgb Apply(pictures::Rgb colour) const;
    // The same for a COLORREF's 0x00BBGGRR.
    std::uint32_t ApplyColorRef(std::uint32_t colorref) const;

    friend bool operator==(const ColourTransform& a, const ColourTransform& b) {
        return a.hue == b.hue && a.saturation == b.saturation && a.lightness == b.lightness;
    }
};

}  // namespace kit
