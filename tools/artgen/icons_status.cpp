// Person statuses in the player list: small, so each is one bold shape.
#include <algorithm>
#include <vector>

#include "pictogram_kit.h"
#include "pictograms.h"

namespace art {

namespace {

Shape letterZ(int x, int y, int size) {
    const int t = size / 4;
    return unite({rect(x, y, x + size, y + t), rect(x, y + size - t, x + size, y + size),
                  polygon({{x + size - t - t / 2, y + t}, {x + size, y + t}, {x + t + t / 2, y + size - t}, {x, y + size - t}})});
}

Shape octagon(int cx, int cy, int r) {
    const int a = r * 414 / 1000;  // half a side: r * tan(22.5 degrees)
    return polygon({{cx - a, cy - r}, {cx + a, cy - r}, {cx + r, cy - a}, {cx + r, cy + a},
                    {cx + a, cy + r}, {cx - a, cy + r}, {cx - r, cy + a}, {cx - r, cy - a}});
}

}  // namespace

void drawWaiting(Canvas& c, const IconStyle& s) {
    // An hourglass with most of the sand still on top.
    const Shape glass = polygon({{64, 40}, {192, 40}, {140, 128}, {192, 216}, {64, 216}, {116, 128}});
    inked(c, s, glass, shaded(s, rgb(230, 242, 255), rgb(170, 200, 236), 40, 216, rgb(255, 255, 255)));
    const Paint sand = shaded(s, rgb(255, 214, 90), rgb(220, 150, 30), 60, 216, rgb(255, 255, 0));
    c.fill(polygon({{84, 70}, {172, 70}, {128, 128}}), sand);
    c.fill(polygon({{128, 168}, {176, 216}, {80, 216}}), sand);
    c.fill(rect(120, 120, 136, 200), sand);
    const Paint wood = shaded(s, rgb(190, 130, 70), rgb(120, 70, 30), 16, 240, rgb(128, 0, 0));
    inked(c, s, roundRect(40, 16, 216, 48, 10), wood);
    inked(c, s, roundRect(40, 208, 216, 240, 10), wood);
}

void drawAgreed(Canvas& c, const IconStyle& s) {
    inked(c, s, polyline({{48, 132}, {104, 190}, {212, 64}}, 28),
          shaded(s, rgb(110, 220, 100), rgb(20, 130, 30), 64, 220, rgb(0, 128, 0)));
}

void drawPlaying(Canvas& c, const IconStyle& s) {
    // Two playing cards fanned out, a red diamond on the front one.
    // The back of the second card shows its blue pattern side.
    const Paint paper = shaded(s, rgb(255, 255, 255), rgb(216, 222, 236), 24, 240, rgb(255, 255, 255));
    const Shape back = turned(roundRect(44, 36, 148, 208, 16), {96, 228}, -1);
    inked(c, s, back, shaded(s, rgb(90, 130, 230), rgb(30, 60, 160), 36, 208, rgb(0, 0, 255)));
    const Shape front = turned(roundRect(100, 40, 204, 212, 16), {152, 232}, 1);
    inked(c, s, front, paper);
    c.fill(turned(polygon({{152, 78}, {186, 126}, {152, 174}, {118, 126}}), {152, 232}, 1),
           solid(s, rgb(220, 30, 30), rgb(255, 0, 0)));
}

void drawWatching(Canvas& c, const IconStyle& s) {
    const Shape eye = intersect(circle(128, 220, 150), circle(128, 36, 150));
    inked(c, s, eye, rgb(255, 255, 255));
    c.fill(intersect(eye, circle(128, 128, 56)), shaded(s, rgb(90, 160, 240), rgb(20, 70, 160), 72, 184, rgb(0, 0, 255)));
    c.fill(circle(128, 128, 26), rgb(0, 0, 0));
    c.fill(circle(144, 110, 12), rgb(255, 255, 255));
}

void drawWorking(Canvas& c, const IconStyle& s) {
    // A briefcase.
    inked(c, s, subtract(roundRect(84, 32, 172, 104, 22), roundRect(108, 54, 148, 120, 8)),
          solid(s, rgb(92, 56, 28), rgb(128, 0, 0)));
    inked(c, s, roundRect(20, 80, 236, 226, 22), shaded(s, rgb(200, 140, 80), rgb(130, 76, 34), 80, 226, rgb(128, 0, 0)));
    c.fill(rect(20, 132, 236, 144), solid(s, rgb(110, 64, 30), rgb(0, 0, 0)));
    inked(c, s, roundRect(108, 118, 148, 158, 6), solid(s, rgb(250, 210, 90), rgb(255, 255, 0)));
}

void drawEating(Canvas& c, const IconStyle& s) {
    // A bowl of rice with chopsticks.
    const Paint sticks = solid(s, rgb(230, 190, 110), rgb(255, 255, 0));
    inked(c, s, segment({92, 24}, {168, 150}, 9), sticks);
    inked(c, s, segment({136, 14}, {196, 148}, 9), sticks);
    inked(c, s, intersect(ellipse(128, 128, 96, 52), rect(0, 0, 256, 130)), rgb(255, 255, 255));
    inked(c, s, rect(92, 214, 164, 236), solid(s, rgb(170, 30, 30), rgb(128, 0, 0)));
    inked(c, s, intersect(ellipse(128, 124, 112, 100), rect(0, 124, 256, 256)),
          shaded(s, rgb(240, 80, 70), rgb(160, 20, 20), 124, 224, rgb(255, 0, 0)));
}

void drawSleeping(Canvas& c, const IconStyle& s) {
    // A crescent moon and two Zs.
    inked(c, s, subtract(circle(104, 148, 92), circle(156, 112, 84)),
          shaded(s, rgb(255, 240, 140), rgb(230, 180, 40), 56, 240, rgb(255, 255, 0)));
    const Paint blue = solid(s, rgb(60, 100, 210), rgb(0, 0, 255));
    inked(c, s, letterZ(140, 24, 76), blue);
    inked(c, s, letterZ(200, 116, 44), blue);
}

void drawAway(Canvas& c, const IconStyle& s) {
    // A stop sign.
    inked(c, s, octagon(128, 128, 116), shaded(s, rgb(240, 70, 60), rgb(170, 20, 20), 12, 244, rgb(255, 0, 0)));
    if (s.size >= 24) c.fill(subtract(octagon(128, 128, 100), octagon(128, 128, 86)), rgb(255, 255, 255));
    c.fill(rect(62, 108, 194, 148), rgb(255, 255, 255));
}

void drawCalling(Canvas& c, const IconStyle& s) {
    // A desk telephone: the handset resting on a base with a keypad.
    const Paint body = shaded(s, rgb(236, 90, 70), rgb(150, 24, 20), 60, 236, rgb(255, 0, 0));
    inked(c, s, roundRect(28, 118, 228, 236, 26), body);
    const Paint keyPaint = solid(s, rgb(250, 246, 240), rgb(255, 255, 255));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) {
            const int x = 84 + col * 32, y = 140 + row * 28;
            c.fill(roundRect(x, y, x + 22, y + 18, 4), keyPaint);
        }
    const Shape band = intersect(ring(128, 150, 118, 86), rect(0, 0, 256, 90));
    const Shape ends = unite(roundRect(6, 66, 70, 112, 18), roundRect(186, 66, 250, 112, 18));
    inked(c, s, unite(band, ends), body);
}

void drawHurrying(Canvas& c, const IconStyle& s) {
    // A stopwatch with speed lines behind it.
    const Paint ink = kInk;
    const int line = std::max(px(s, 1) / 2 + 2, 10);
    for (const int y : {108, 148, 188}) c.fill(segment({14, y}, {y == 148 ? 40 : 52, y}, line), ink);
    inked(c, s, roundRect(132, 14, 172, 48, 6), solid(s, rgb(200, 200, 210), rgb(192, 192, 192)));
    inked(c, s, circle(152, 148, 96), shaded(s, rgb(250, 180, 60), rgb(210, 110, 20), 52, 244, rgb(255, 255, 0)));
    c.fill(circle(152, 148, 72), rgb(255, 255, 255));
    c.fill(segment({152, 148}, {196, 100}, std::max(px(s, 1) / 2 + 2, 10)), solid(s, rgb(210, 30, 30), rgb(255, 0, 0)));
    c.fill(segment({152, 148}, {152, 96}, std::max(px(s, 1) / 2 + 2, 10)), ink);
    c.fill(circle(152, 148, 12), ink);
}

}  // namespace art
