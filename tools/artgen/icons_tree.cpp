// The server and room tree: 16-pixel true-colour icons, one bold shape each.
#include <algorithm>

#include "pictogram_kit.h"
#include "pictograms.h"

namespace art {

namespace {

// A square game table seen from above, a seat on each side.
void table(Canvas& c, const IconStyle& s) {
    const Paint seat = shaded(s, rgb(200, 140, 80), rgb(130, 80, 36), 0, 256, rgb(128, 0, 0));
    inked(c, s, roundRect(96, 4, 160, 44, 10), seat);
    inked(c, s, roundRect(96, 212, 160, 252, 10), seat);
    inked(c, s, roundRect(4, 96, 44, 160, 10), seat);
    inked(c, s, roundRect(212, 96, 252, 160, 10), seat);
    inked(c, s, roundRect(56, 56, 200, 200, 28), shaded(s, rgb(90, 190, 110), rgb(20, 110, 50), 56, 200, rgb(0, 128, 0)));
}

}  // namespace

void drawTreeRoot(Canvas& c, const IconStyle& s) {
    // The whole network: a globe.
    const Shape globe = circle(128, 128, 116);
    inked(c, s, globe, shaded(s, rgb(110, 180, 250), rgb(24, 80, 180), 12, 244, rgb(0, 0, 255)));
    const Paint land = shaded(s, rgb(120, 210, 90), rgb(40, 130, 40), 12, 244, rgb(0, 128, 0));
    c.fill(intersect(globe, unite(ellipse(84, 92, 56, 44), ellipse(110, 150, 26, 60))), land);
    c.fill(intersect(globe, unite(ellipse(184, 120, 40, 56), ellipse(170, 206, 40, 22))), land);
}

void drawFolder(Canvas& c, const IconStyle& s) {
    inked(c, s, polygon({{16, 40}, {100, 40}, {124, 68}, {240, 68}, {240, 216}, {16, 216}}),
          solid(s, rgb(214, 160, 40), rgb(128, 128, 0)));
    inked(c, s, polygon({{44, 100}, {252, 100}, {226, 224}, {16, 224}}),
          shaded(s, rgb(255, 226, 120), rgb(236, 176, 50), 100, 224, rgb(255, 255, 0)));
}

void drawLoading(Canvas& c, const IconStyle& s) {
    // A ring of dots fading round, as a spinner does.
    for (int k = 0; k < 8; ++k) {
        const Point p = turn({128, 40}, {128, 128}, 3 * k);
        const int shade = 40 + k * 26;
        inked(c, s, circle(p.x, p.y, 30), rgb(shade * 2 / 3, shade * 4 / 5, std::min(255, shade + 40)));
    }
}

void drawServer(Canvas& c, const IconStyle& s) {
    inked(c, s, roundRect(56, 8, 200, 248, 16), shaded(s, rgb(210, 216, 228), rgb(110, 118, 136), 8, 248, rgb(192, 192, 192)));
    const Paint slot = solid(s, rgb(50, 56, 72), rgb(0, 0, 0));
    c.fill(rect(80, 40, 176, 64), slot);
    c.fill(rect(80, 88, 176, 112), slot);
    c.fill(circle(96, 200, 18), solid(s, rgb(60, 230, 80), rgb(0, 255, 0)));
    c.fill(circle(152, 200, 18), solid(s, rgb(250, 180, 40), rgb(255, 255, 0)));
}

void drawRoom(Canvas& c, const IconStyle& s) {
    table(c, s);
}

void drawOpenedRoom(Canvas& c, const IconStyle& s) {
    // The table with players at every seat and cards dealt.
    table(c, s);
    const Rgb players[] = {rgb(230, 60, 50), rgb(60, 110, 230), rgb(250, 200, 40), rgb(180, 80, 220)};
    const Point seats[] = {{128, 26}, {230, 128}, {128, 230}, {26, 128}};
    for (int i = 0; i < 4; ++i) inked(c, s, circle(seats[i].x, seats[i].y, 30), players[i]);
    inked(c, s, rect(100, 96, 156, 160), rgb(255, 255, 255));
}

void drawDownload(Canvas& c, const IconStyle& s) {
    const Shape down = unite(rect(100, 16, 156, 112), polygon({{48, 104}, {208, 104}, {128, 188}}));
    inked(c, s, polyline({{36, 168}, {36, 222}, {220, 222}, {220, 168}}, 14), solid(s, rgb(90, 98, 120), rgb(128, 128, 128)));
    inked(c, s, down, shaded(s, rgb(120, 220, 110), rgb(30, 140, 40), 16, 188, rgb(0, 128, 0)));
}

}  // namespace art
