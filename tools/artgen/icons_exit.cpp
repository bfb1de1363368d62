// Entries of the exit menu: leave everything, close this window, change user.
#include "pictogram_kit.h"
#include "pictograms.h"

namespace art {

void drawExitAll(Canvas& c, const IconStyle& s) {
    inked(c, s, circle(128, 128, 112), shaded(s, rgb(250, 130, 100), rgb(180, 30, 20), 16, 240, rgb(255, 0, 0)));
    const Shape gap = polygon({{128, 136}, {72, 0}, {184, 0}});
    const Paint white = rgb(255, 255, 255);
    c.fill(subtract(ring(128, 140, 68, 44), gap), white);
    c.fill(segment({128, 52}, {128, 126}, 14), white);
}

void drawExitWindow(Canvas& c, const IconStyle& s) {
    inked(c, s, rect(16, 32, 216, 208), solid(s, rgb(255, 255, 255), rgb(255, 255, 255)));
    c.fill(rect(16, 32, 216, 80), shaded(s, rgb(120, 150, 220), rgb(50, 80, 170), 32, 80, rgb(0, 0, 128)));
    inked(c, s, circle(184, 184, 64), shaded(s, rgb(250, 120, 110), rgb(176, 24, 20), 120, 248, rgb(255, 0, 0)));
    c.fill(unite(segment({156, 156}, {212, 212}, 13), segment({212, 156}, {156, 212}, 13)), rgb(255, 255, 255));
}

void drawUserChange(Canvas& c, const IconStyle& s) {
    // The user stepping back and the one taking over, with a turning arrow.
    inked(c, s, bustBody(8, 8, 152, 176), shaded(s, rgb(190, 196, 210), rgb(120, 128, 150), 100, 176, rgb(128, 128, 128)));
    inked(c, s, bustHead(8, 8, 152, 176), shaded(s, rgb(240, 220, 200), rgb(200, 170, 150), 8, 100, rgb(192, 192, 192)));
    inked(c, s, bustBody(88, 72, 240, 248), shaded(s, rgb(110, 150, 230), rgb(30, 60, 150), 170, 248, rgb(0, 0, 255)));
    inked(c, s, bustHead(88, 72, 240, 248), shaded(s, rgb(255, 224, 190), rgb(224, 170, 130), 72, 170, rgb(255, 255, 0)));
    const Shape bend = intersect(ring(196, 62, 46, 24), rect(0, 0, 256, 62));
    const Shape head = polygon({{212, 58}, {252, 58}, {232, 92}});
    inked(c, s, unite(bend, head), solid(s, rgb(40, 170, 60), rgb(0, 128, 0)));
}

}  // namespace art
