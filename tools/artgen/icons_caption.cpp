// Caption buttons, drawn on the blue-grey title bar, and the application's
// own icon.
#include <algorithm>

#include "pictogram_kit.h"
#include "pictograms.h"

namespace art {

namespace {

void button(Canvas& c, const IconStyle& s, Rgb top, Rgb bottom, Rgb plain) {
    inked(c, s, roundRect(8, 8, 248, 248, 52), shaded(s, top, bottom, 8, 248, plain));
    if (!s.plain()) c.fill(roundRect(28, 20, 228, 120, 40), rgb(255, 255, 255), 56);
}

void blueButton(Canvas& c, const IconStyle& s) {
    button(c, s, rgb(190, 202, 236), rgb(88, 102, 152), rgb(128, 128, 128));
}

// A white glyph with a dark shadow one pixel down and right.
void glyph(Canvas& c, const IconStyle& s, const Shape& shape) {
    const int d = px(s, 1);
    c.fill(translate(shape, d, d), kInk, s.plain() ? 255 : 170);
    c.fill(shape, rgb(255, 255, 255));
}

// Glyph lines: a pixel or a little more, never hairlines.
int stroke(const IconStyle& s) { return std::max(px(s, 1), 14); }

// A window frame with a title bar twice as thick as its sides.
Shape windowOutline(int x0, int y0, int x1, int y1, int w) {
    return subtract(rect(x0, y0, x1, y1), rect(x0 + w, y0 + 2 * w, x1 - w, y1 - w));
}

Shape cross(int x0, int y0, int x1, int y1, int halfWidth) {
    return unite(segment({x0, y0}, {x1, y1}, halfWidth), segment({x1, y0}, {x0, y1}, halfWidth));
}

}  // namespace

void drawCaptionMax(Canvas& c, const IconStyle& s) {
    blueButton(c, s);
    glyph(c, s, windowOutline(56, 56, 200, 192, stroke(s)));
}

void drawCaptionMin(Canvas& c, const IconStyle& s) {
    blueButton(c, s);
    glyph(c, s, rect(60, 164, 196, 164 + 2 * stroke(s)));
}

void drawCaptionRestore(Canvas& c, const IconStyle& s) {
    blueButton(c, s);
    const int w = stroke(s);
    const Shape front = windowOutline(48, 104, 168, 204, w);
    const Shape back = subtract(windowOutline(92, 52, 212, 152, w), rect(48, 104, 168, 204));
    glyph(c, s, unite(front, back));
}

void drawCaptionClose(Canvas& c, const IconStyle& s) {
    button(c, s, rgb(244, 150, 130), rgb(180, 40, 30), rgb(255, 0, 0));
    glyph(c, s, cross(72, 72, 184, 184, stroke(s) * 9 / 10));
}

void drawCloseOne(Canvas& c, const IconStyle& s) {
    // Closes one pane or tab: a round grey button.
    inked(c, s, circle(128, 128, 108), shaded(s, rgb(180, 186, 200), rgb(90, 96, 114), 20, 236, rgb(128, 128, 128)));
    c.fill(cross(84, 84, 172, 172, std::max(px(s, 1), 18)), rgb(255, 255, 255));
}

void drawHall(Canvas& c, const IconStyle& s) {
    // A blue tile with a playing card on it: the game hall.
    inked(c, s, roundRect(8, 8, 248, 248, 44), shaded(s, rgb(120, 146, 220), rgb(40, 56, 130), 8, 248, rgb(0, 0, 128)));
    const Shape card = roundRect(60, 32, 196, 216, 18);
    inked(c, s, card, shaded(s, rgb(255, 255, 255), rgb(220, 226, 236), 36, 212, rgb(255, 255, 255)));
    const Shape lobes = unite(circle(104, 140, 30), circle(152, 140, 30));
    const Shape top = polygon({{128, 64}, {74, 134}, {182, 134}});
    const Shape stem = polygon({{128, 140}, {104, 190}, {152, 190}});
    c.fill(unite({lobes, top, stem}), solid(s, rgb(30, 32, 44), rgb(0, 0, 0)));
    inked(c, s, circle(200, 200, 34), solid(s, rgb(230, 50, 40), rgb(255, 0, 0)));
}

}  // namespace art
