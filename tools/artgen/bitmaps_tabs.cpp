// The two tab strips. Tabs are grey so that the host can use them on any
// strip colour; they have a rounded top, a dark rim and a light top line.
#include <algorithm>

#include "bitmaps.h"
#include "canvas.h"
#include "colours.h"
#include "skin_colours.h"

namespace art {

namespace {

struct TabLook {
    int outside;        // grey around the rounded corners
    int rim;            // darkest grey: the outline
    int highlight;      // lightest grey: the top line
    int shineFrom;      // gradient under the top line ...
    int body;           // ... down to the body grey
    int shineRows;
    bool bottomLine;    // unselected tabs stand behind the strip's edge
};

Image tab(int w, int h, const TabLook& look, int colours) {
    Image img = flat(w, h, grey(look.outside));
    Canvas c(img, w);
    const int bottom = look.bottomLine ? h : h + 8;  // selected tabs run on into the page
    c.fill(roundRect(0, 0, w, bottom, 7), grey(look.rim));
    const Shape inside = roundRect(1, 1, w - 1, bottom - 1, 6);
    c.fill(inside, grey(look.body));
    c.fill(intersect(inside, rect(0, 2, w, 2 + look.shineRows)),
           Paint::linear({0, 2}, grey(look.shineFrom), {0, 2 + look.shineRows}, grey(look.body)));
    c.fill(intersect(inside, rect(0, 1, w, 2)), grey(look.highlight));
    fitColourCount(img, colours, {grey(look.rim), grey(look.highlight), grey(look.body)});
    return img;
}

// The "_90" tabs: glassy, a light upper half over a darker lower half.
struct GlassLook {
    int outside, rim, top, middleTop, middleBottom, bottom;
    int roundness;  // how much darker the ends are
};

Image glassTab(int w, int h, const GlassLook& look, int colours) {
    Image img = flat(w, h, grey(look.outside));
    Canvas c(img, w);
    c.fill(roundRect(0, 0, w, h, 6), grey(look.rim));
    const Shape inside = roundRect(1, 1, w - 1, h - 1, 5);
    const int mid = h / 2;
    c.fill(intersect(inside, rect(0, 0, w, mid)), Paint::linear({0, 1}, grey(look.top), {0, mid}, grey(look.middleTop)));
    c.fill(intersect(inside, rect(0, mid, w, h)),
           Paint::linear({0, mid}, grey(look.middleBottom), {0, h - 1}, grey(look.bottom)));
    c.fill(intersect(inside, rect(0, 1, w, 2)), grey(look.top));
    // Rounded like a cylinder: the ends turn away from the light.
    for (int y = 2; y < h - 1; ++y)
        for (int x = 1; x < w - 1; ++x) {
            const int d = 2 * x - (w - 1);
            const int dim = look.roundness * d * d / ((w - 1) * (w - 1));
            const int v = img.rgbAt(x, y).r;
            if (v != look.rim) img.set(x, y, grey(std::max(look.rim + 1, v - dim)));
        }
    fitColourCount(img, colours, {grey(look.rim), grey(look.top)});
    return img;
}

}  // namespace

Image paintMainTabBack(int w, int h) { return flat(w, h, kBar); }

Image paintMainTabSelected(int w, int h) {
    return tab(w, h, {176, 128, 231, 214, 164, 8, false}, 19);
}

Image paintMainTabUnselected(int w, int h) {
    return tab(w, h, {176, 128, 231, 196, 153, 8, true}, 19);
}

Image paintTabBack(int w, int h) {
    Image img(w, h);
    for (int x = 0; x < w; ++x) {
        const Rgb c = x < w - 1 ? mix(rgb(112, 124, 168), rgb(205, 209, 224), x, w - 2) : rgb(232, 234, 241);
        for (int y = 0; y < h; ++y) img.set(x, y, c);
    }
    return img;
}

Image paintTabSelected(int w, int h) { return flat(w, h, grey(184)); }
Image paintTabUnselected(int w, int h) { return flat(w, h, grey(192)); }

Image paintTabBack90(int w, int h) {
    // Lit from the top left, shaded towards the bottom right.
    Image img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.set(x, y, grey(244 - (y * 62) / (h - 1) - (x * 37) / (w - 1)));
    fitColourCount(img, 45, {grey(145), grey(244)});
    return img;
}

Image paintTabSelected90(int w, int h) {
    return glassTab(w, h, {200, 145, 243, 214, 198, 168, 22}, 59);
}

Image paintTabUnselected90(int w, int h) {
    return glassTab(w, h, {186, 129, 230, 196, 180, 148, 18}, 48);
}

}  // namespace art
