#include "picture_compare.h"

#include <algorithm>
#include <cstdlib>

namespace preview_test {

namespace {

bool Swapped(std::uint32_t actual, std::uint32_t expected, const std::vector<ColourSwap>& swaps) {
    for (const ColourSwap& swap : swaps)
        if (expected == swap.reference && actual == swap.here) return true;
    return false;
}

}  // namespace

PictureDifference ComparePictures(const preview::Canvas& actual, const Image& expected, int channelTolerance,
                                  const std::vector<ColourSwap>& swaps) {
    PictureDifference difference;
    difference.sameSize = actual.Width() == expected.width && actual.Height() == expected.height;
    if (!difference.sameSize) return difference;
    for (int y = 0; y < expected.height; ++y) {
        for (int x = 0; x < expected.width; ++x) {
            const std::uint32_t a = actual.At(x, y);
            const std::uint32_t e = expected.pixels[static_cast<std::size_t>(y) * expected.width + x];
            int largest = 0;
            for (int shift = 0; shift <= 16; shift += 8)
                largest = std::max(largest, std::abs(static_cast<int>((a >> shift) & 0xFF) -
                                                     static_cast<int>((e >> shift) & 0xFF)));
            if (largest <= channelTolerance) continue;
            if (Swapped(a, e, swaps)) {
                ++difference.swappedPixels;
                continue;
            }
            difference.largestChannel = std::max(difference.largestChannel, largest);
            if (difference.differingPixels++ == 0) {
                difference.firstX = x;
                difference.firstY = y;
            }
        }
    }
    return difference;
}

std::string Describe(const PictureDifference& difference, const preview::Canvas& actual, const Image& expected) {
    if (!difference.sameSize)
        return "size " + std::to_string(actual.Width()) + "x" + std::to_string(actual.Height()) + ", expected " +
               std::to_string(expected.width) + "x" + std::to_string(expected.height);
    return std::to_string(difference.differingPixels) + " pixels differ (first at " +
           std::to_string(difference.firstX) + "," + std::to_string(difference.firstY) +
           "), largest channel difference " + std::to_string(difference.largestChannel) + "; " +
           std::to_string(difference.swappedPixels) + " pixels in this desktop's system colours";
}

}  // namespace preview_test
