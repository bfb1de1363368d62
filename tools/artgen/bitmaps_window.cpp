// The window's own pieces: title bar, frame, the bar under the title, the
// menu bar and the status bar. The pieces of one strip share their row
// colours so that they join without a seam when the host puts them side by
// side and stretches the middle piece.
#include <vector>

#include "bitmaps.h"
#include "canvas.h"
#include "colours.h"
#include "skin_colours.h"

namespace art {

namespace {

// Title strip: a highlight line, a soft gradient, then the flat title colour.
Rgb titleRow(int y) {
    if (y == 0) return rgb(201, 208, 229);
    if (y <= 35) return mix(rgb(172, 181, 212), kTitle, y - 1, 35);
    return kTitle;
}

// Bar under the title: the title's foot with its dark edge, then the bar.
Rgb barRow(int y) {
    if (y < 6) return mix(rgb(121, 132, 174), rgb(114, 125, 167), y, 5);
    if (y == 6) return rgb(94, 104, 140);
    if (y == 7) return rgb(57, 63, 85);
    return kBar;
}

// Status strip: grey top line, two light lines, gradient, darker foot.
Rgb statusRow(int y) {
    if (y == 0) return grey(178);
    if (y == 1) return rgb(238, 240, 246);
    if (y == 2) return rgb(214, 219, 232);
    if (y <= 26) return mix(rgb(118, 129, 171), rgb(161, 169, 197), y - 3, 23);
    if (y == 27) return rgb(142, 150, 182);
    if (y == 28) return rgb(112, 122, 160);
    return rgb(84, 93, 126);
}

template <class Row>
std::vector<Rgb> rowColours(int h, Row row) {
    std::vector<Rgb> colours;
    for (int y = 0; y < h; ++y) colours.push_back(row(y));
    return colours;
}

// A card-suit spade centred on (cx, cy), about `size` high.
Shape spade(int cx, int cy, int size) {
    const int r = size * 27 / 100;
    const int lobeY = cy + size / 10;
    const Shape lobes = unite(circle(cx - r, lobeY, r), circle(cx + r, lobeY, r));
    const Shape top = polygon({{cx, cy - size / 2}, {cx - 2 * r, lobeY - r / 3}, {cx + 2 * r, lobeY - r / 3}});
    const Shape stem = polygon({{cx, cy + size / 8}, {cx - size / 5, cy + size / 2}, {cx + size / 5, cy + size / 2}});
    return unite({lobes, top, stem});
}

// Lightens every pixel inside the shape by up to `amount`, fading with the
// distance from (cx, cy) over `radius`.
void glow(Image& img, const Shape& where, Point centre, int radius, int amount) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            if (!where(x * kFine + kFine / 2, y * kFine + kFine / 2)) continue;
            const int dx = x - centre.x, dy = y - centre.y;
            const int d = static_cast<int>(isqrt(std::int64_t{dx} * dx + std::int64_t{dy} * dy));
            if (d >= radius) continue;
            const int lift = amount * (radius - d) / radius;
            const Rgb c = img.rgbAt(x, y);
            // A little more in blue keeps the light cool.
            img.set(x, y, rgb(std::min(255, c.r + lift * 3 / 4), std::min(255, c.g + lift * 4 / 5),
                              std::min(255, c.b + lift)));
        }
}

}  // namespace

Image flat(int w, int h, Rgb c) { return byRows(w, h, [c](int) { return c; }); }

Image paintCaptionBack(int w, int h) { return flat(w, h, kCaption); }
Image paintFrameSide(int w, int h) { return flat(w, h, kFrameSide); }
Image paintFrameEdge(int w, int h) { return flat(w, h, kFrameEdge); }

Image paintMenuBack(int w, int h) {
    Image img(w, h);
    Noise noise(0x4D454E55u);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.set(x, y, grey(noise.between(231, 237)));
    return img;
}

Image paintTitleMid(int w, int h) { return byRows(w, h, titleRow); }

Image paintTitleLeft(int w, int h) {
    Image img = byRows(w, h, titleRow);
    Canvas c(img, w);
    // The window's left edge.
    c.fill(rect(0, 0, 1, h), rgb(70, 80, 116));
    c.fill(rect(1, 1, 2, h), rgb(160, 170, 204), 160);
    // Faint arcs sweeping through the strip: the skin's watermark.
    for (const int r : {70, 86, 104}) c.fill(ring(116, 78, r + 2, r), rgb(190, 198, 226), 40);
    // The application's badge: a glossy disc with a spade, in a soft halo.
    glow(img, circle(26, 22, 30), {26, 22}, 30, 28);
    c.fill(circle(26, 22, 16), rgb(64, 74, 112));
    c.fill(circle(26, 22, 15), Paint::radial({20, 15}, 24, rgb(214, 221, 240), rgb(104, 117, 163)));
    c.fill(spade(26, 23, 16), rgb(40, 46, 72));
    c.fill(ellipse(24, 13, 9, 4), rgb(255, 255, 255), 70);
    std::vector<Rgb> keep = rowColours(h, titleRow);
    fitColourCount(img, 226, keep);
    return img;
}

Image paintTitleRight(int w, int h) {
    Image img = byRows(w, h, [](int y) { return titleRow(y); });
    Canvas c(img, w);
    // Under the title on the left lies the menu bar; on the right the title
    // reaches ten pixels further down in a smooth curve.
    const Shape title = unite(rect(-10, -10, w + 10, 50), ellipse(w + 40, 50, 360, 14));
    const Shape below = subtract(rect(0, 50, w, h), title);
    c.fill(below, rgb(94, 104, 140));
    c.fill(subtract(below, dilate(title, 1)), grey(234));
    // The window's right edge.
    c.fill(rect(w - 1, 0, w, h), rgb(70, 80, 116));
    c.fill(rect(w - 2, 1, w - 1, h), rgb(160, 170, 204), 160);
    // The watermark again, and a sheen where the caption buttons sit.
    for (const int r : {40, 58, 80}) c.fill(intersect(ring(300, 64, r + 2, r), rect(0, 0, w, 50)), rgb(190, 198, 226), 36);
    glow(img, rect(250, 1, w - 2, 50), {372, 6}, 44, 16);
    std::vector<Rgb> keep = rowColours(50, titleRow);
    keep.push_back(grey(234));
    fitColourCount(img, 152, keep);
    return img;
}

Image paintBarRight(int w, int h) { return byRows(w, h, barRow); }

Image paintBarLeft(int w, int h) {
    Image img = byRows(w, h, barRow);
    Canvas c(img, w);
    // A darker panel behind the first buttons, bounded by a wide curve with a
    // light rim and a soft shadow.
    const Shape body = rect(0, 8, w, h);
    const Shape panel = intersect(body, ellipse(60, 72, 190, 66));
    for (int i = 6; i >= 1; --i)
        c.fill(intersect(body, ellipse(60, 72, 190 + 2 * i, 66 + i)), rgb(120, 128, 160), 14);
    c.fill(panel, kBarPanel);
    c.fill(intersect(panel, rect(0, 8, w, 24)), Paint::linear({0, 8}, rgb(176, 184, 211), {0, 24}, kBarPanel), 150);
    glow(img, panel, {70, 8}, 110, 24);
    c.fill(intersect(body, subtract(ellipse(60, 72, 190, 66), ellipse(60, 72, 188, 64))), rgb(196, 203, 226), 200);
    // A thin light line under the dark edge, over the panel.
    c.fill(intersect(panel, rect(0, 8, w, 9)), rgb(196, 202, 222), 90);
    std::vector<Rgb> keep = rowColours(h, barRow);
    keep.push_back(kBarPanel);
    fitColourCount(img, 251, keep);
    return img;
}

Image paintStatusMid(int w, int h) { return byRows(w, h, statusRow); }

Image paintStatusLeft(int w, int h) {
    Image img = byRows(w, h, statusRow);
    Canvas c(img, w);
    c.fill(rect(0, 1, 1, h), rgb(84, 93, 126));
    c.fill(rect(1, 3, 2, 27), rgb(196, 202, 224), 150);
    // A lamp-like boss and a groove that closes the end piece off.
    glow(img, rect(2, 3, 34, 27), {16, 15}, 18, 22);
    c.fill(circle(16, 15, 8), rgb(86, 96, 134));
    c.fill(circle(16, 15, 7), Paint::radial({13, 12}, 10, rgb(216, 222, 240), rgb(112, 124, 166)));
    c.fill(rect(34, 5, 35, 25), rgb(96, 106, 145));
    c.fill(rect(35, 5, 36, 25), rgb(196, 202, 222));
    std::vector<Rgb> keep = rowColours(h, statusRow);
    fitColourCount(img, 98, keep);
    return img;
}

Image paintStatusRight(int w, int h) {
    Image img = byRows(w, h, statusRow);
    Canvas c(img, w);
    // A satin panel lit from the middle, between a groove and the frame.
    glow(img, rect(4, 3, w - 2, 27), {118, 13}, 120, 52);
    glow(img, rect(4, 3, w - 2, 27), {40, 20}, 60, 18);
    c.fill(rect(2, 5, 3, 25), rgb(96, 106, 145));
    c.fill(rect(3, 5, 4, 25), rgb(196, 202, 222));
    c.fill(rect(w - 1, 1, w, h), rgb(84, 93, 126));
    // The size grip: light dots with dark shadows in a triangle.
    for (int row = 0; row < 3; ++row)
        for (int i = 0; i <= row; ++i) {
            const int x = w - 6 - 4 * i, y = 24 - 4 * (2 - row);
            c.fill(rect(x + 1, y + 1, x + 3, y + 3), rgb(80, 90, 128));
            c.fill(rect(x, y, x + 2, y + 2), rgb(232, 236, 246));
        }
    std::vector<Rgb> keep = rowColours(h, statusRow);
    fitColourCount(img, 1195, keep);
    return img;
}

}  // namespace art
