#pragma once
// How far a painted picture is from a reference.
#include <cstdint>
#include <string>
#include <vector>

#include "canvas.h"
#include "image_reader.h"

namespace preview_test {

// A colour of the reference that this platform paints as another: a system
// colour of the desktop scheme the reference was painted under, and the same
// system colour here.
struct ColourSwap {
    std::uint32_t reference;
    std::uint32_t here;
};

struct PictureDifference {
    bool sameSize = false;
    int swappedPixels = 0;    // pixels that differ by one of the swaps only
    int differingPixels = 0;  // pixels with a channel further off than the tolerance
    int largestChannel = 0;   // the largest channel difference among those
    int firstX = -1;          // the first differing pixel, top row first
    int firstY = -1;
};

PictureDifference ComparePictures(const preview::Canvas& actual, const Image& expected, int channelTolerance,
                                  const std::vector<ColourSwap>& swaps);

// One line for a failure message.
std::string Describe(const PictureDifference& difference, const preview::Canvas& actual, const Image& expected);

}  // namespace preview_test
