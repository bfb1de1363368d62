#pragma once
// The fixed colours of the skin that several pictures share.
#include "raster.h"

namespace art {

constexpr Rgb kCaption = rgb(157, 165, 195);
constexpr Rgb kTitle = rgb(115, 127, 170);
constexpr Rgb kFrameSide = rgb(119, 131, 172);
constexpr Rgb kFrameEdge = rgb(123, 134, 175);
constexpr Rgb kBar = rgb(164, 171, 196);       // bar under the title, main tab strip
constexpr Rgb kBarPanel = rgb(152, 161, 192);
constexpr Rgb kStripeDark = rgb(142, 148, 170);
constexpr Rgb kStripeLight = rgb(163, 168, 186);
constexpr Rgb kSplitter = rgb(213, 215, 214);
constexpr Rgb kSplitterEdge = rgb(166, 167, 168);

}  // namespace art
