// Backgrounds of the toolbar buttons, the lists and the splitter bars.
#include <algorithm>

#include "bitmaps.h"
#include "skin_colours.h"

namespace art {

Image paintButtonBack(int w, int h) {
    // Near-white, a little darker towards the bottom, faintly mottled.
    Image img(w, h);
    Noise noise(0x42544E42u);
    for (int y = 0; y < h; ++y) {
        const int base = 252 - (17 * y + (h - 1) / 2) / (h - 1);
        for (int x = 0; x < w; ++x) {
            const int v = y == 0 ? base : std::min(252, base + noise.between(-1, 1));
            img.set(x, y, grey(v));
        }
    }
    return img;
}

Image paintListStripes(int w, int h) {
    return byRows(w, h, [](int y) { return y % 2 == 0 ? kStripeDark : kStripeLight; });
}

Image paintSplitterRow(int w, int h) { return flat(w, h, kSplitter); }

Image paintSplitterCol(int w, int h) {
    return byRows(w, h, [h](int y) { return y == h - 1 ? kSplitterEdge : kSplitter; });
}

}  // namespace art
