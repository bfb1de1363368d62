// Toolbar buttons: they sit on near-white buttons, so every pictogram has a
// dark outline and strong colours.
#include <algorithm>
#include <vector>

#include "pictogram_kit.h"
#include "pictograms.h"

namespace art {

namespace {

// A door frame with its dark opening, and the door leaf swung open on the
// side away from the arrow.
void door(Canvas& c, const IconStyle& s, int x0, int x1, bool leafRight) {
    inked(c, s, rect(x0, 24, x1, 240), shaded(s, rgb(176, 120, 70), rgb(120, 76, 40), 24, 240, rgb(128, 0, 0)));
    const int inset = (x1 - x0) / 7;
    c.fill(rect(x0 + inset, 24 + inset, x1 - inset, 240), solid(s, rgb(40, 34, 44), rgb(0, 0, 0)));
    const int hinge = leafRight ? x1 - inset : x0 + inset;
    const int swing = leafRight ? hinge - (x1 - x0) * 45 / 100 : hinge + (x1 - x0) * 45 / 100;
    const Shape leaf = polygon({{hinge, 24 + inset}, {swing, 24 + 2 * inset}, {swing, 230}, {hinge, 240}});
    inked(c, s, leaf, shaded(s, rgb(222, 170, 110), rgb(168, 112, 60), 24, 240, rgb(255, 255, 0)));
    const int knobX = swing + (leafRight ? 14 : -14);
    c.fill(circle(knobX, 136, 10), solid(s, rgb(90, 60, 30), rgb(0, 0, 0)));
}

// A thick arrow pointing right, its tip at tipX.
Shape arrow(int tipX, int y, int length) {
    const int neck = tipX - 64;
    return unite(rect(tipX - length, y - 26, neck + 1, y + 26), polygon({{tipX, y}, {neck, y - 62}, {neck, y + 62}}));
}

}  // namespace

void drawPage(Canvas& c, const IconStyle& s) {
    const Shape sheet = polygon({{48, 16}, {164, 16}, {212, 64}, {212, 240}, {48, 240}});
    inked(c, s, sheet, shaded(s, rgb(255, 255, 255), rgb(214, 222, 236), 16, 240, rgb(255, 255, 255)));
    inked(c, s, polygon({{164, 16}, {164, 64}, {212, 64}}), solid(s, rgb(180, 192, 214), rgb(192, 192, 192)));
    // A picture and lines of text.
    c.fill(rect(76, 52, 132, 96), shaded(s, rgb(120, 170, 240), rgb(50, 100, 190), 52, 96, rgb(0, 0, 255)));
    const int line = std::max(px(s, 1) * 3 / 4, 5);
    const Paint text = solid(s, rgb(70, 84, 130), rgb(0, 0, 128));
    for (int i = 0; i < 5; ++i) {
        const int y = 124 + i * 26;
        c.fill(segment({76, y}, {i == 4 ? 140 : 184, y}, line), text);
    }
}

void drawEnterRoom(Canvas& c, const IconStyle& s) {
    door(c, s, 112, 232, false);
    inked(c, s, arrow(180, 136, 170), shaded(s, rgb(120, 220, 110), rgb(30, 140, 40), 70, 200, rgb(0, 128, 0)));
}

void drawExit(Canvas& c, const IconStyle& s) {
    door(c, s, 24, 144, true);
    inked(c, s, arrow(244, 136, 170), shaded(s, rgb(250, 120, 100), rgb(190, 30, 20), 70, 200, rgb(255, 0, 0)));
}

void drawSetup(Canvas& c, const IconStyle& s) {
    std::vector<Shape> parts = {circle(128, 128, 84)};
    for (int k = 0; k < 8; ++k) parts.push_back(turned(roundRect(106, 14, 150, 80, 6), {128, 128}, 3 * k));
    const Shape gear = subtract(unite(parts), circle(128, 128, 36));
    inked(c, s, gear, shaded(s, rgb(214, 220, 232), rgb(104, 112, 130), 24, 232, rgb(192, 192, 192)));
    c.fill(ring(128, 128, 58, 44), solid(s, rgb(150, 158, 176), rgb(128, 128, 128)));
}

void drawHelp(Canvas& c, const IconStyle& s) {
    inked(c, s, circle(128, 128, 112), shaded(s, rgb(110, 170, 250), rgb(24, 72, 170), 16, 240, rgb(0, 0, 255)));
    const Paint white = rgb(255, 255, 255);
    const Shape hook = intersect(ring(128, 98, 56, 26), unite(rect(0, 0, 256, 98), rect(128, 0, 256, 256)));
    c.fill(unite(hook, rect(112, 136, 144, 172)), white);
    c.fill(circle(128, 202, 18), white);
}

void drawAdd(Canvas& c, const IconStyle& s) {
    inked(c, s, circle(128, 128, 112), shaded(s, rgb(130, 226, 120), rgb(24, 128, 36), 16, 240, rgb(0, 128, 0)));
    c.fill(unite(rect(110, 56, 146, 200), rect(56, 110, 200, 146)), rgb(255, 255, 255));
}

void drawDelete(Canvas& c, const IconStyle& s) {
    inked(c, s, circle(128, 128, 112), shaded(s, rgb(250, 120, 110), rgb(176, 24, 20), 16, 240, rgb(255, 0, 0)));
    c.fill(unite(segment({80, 80}, {176, 176}, 20), segment({176, 80}, {80, 176}, 20)), rgb(255, 255, 255));
}

void drawPlayer(Canvas& c, const IconStyle& s) {
    inked(c, s, bustBody(24, 16, 232, 248), shaded(s, rgb(110, 150, 230), rgb(30, 60, 150), 140, 248, rgb(0, 0, 255)));
    inked(c, s, bustHead(24, 16, 232, 248), shaded(s, rgb(255, 224, 190), rgb(224, 170, 130), 16, 140, rgb(255, 255, 0)));
}

}  // namespace art
