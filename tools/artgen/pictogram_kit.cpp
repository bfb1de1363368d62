#include "pictogram_kit.h"

#include <utility>

namespace art {

namespace {
// cos of 0, 15, ..., 90 degrees, times 1024.
constexpr int kCos15[] = {1024, 989, 887, 724, 512, 265, 0};

int cosSteps(int steps) {
    steps = ((steps % 24) + 24) % 24;
    if (steps <= 6) return kCos15[steps];
    if (steps <= 12) return -kCos15[12 - steps];
    if (steps <= 18) return -kCos15[steps - 12];
    return kCos15[24 - steps];
}
int sinSteps(int steps) { return cosSteps(steps - 6); }
}  // namespace

Paint shaded(const IconStyle& s, Rgb top, Rgb bottom, int y0, int y1, Rgb plain) {
    if (s.plain()) return plain;
    return Paint::linear({0, y0}, top, {0, y1}, bottom);
}

void inked(Canvas& c, const IconStyle& s, const Shape& shape, const Paint& paint) {
    c.outlined(shape, paint, kInk, px(s, 1));
}

Point turn(Point p, Point centre, int steps) {
    const int dx = p.x - centre.x, dy = p.y - centre.y;
    const int cs = cosSteps(steps), sn = sinSteps(steps);
    return {centre.x + (dx * cs - dy * sn) / 1024, centre.y + (dx * sn + dy * cs) / 1024};
}

Shape turned(Shape shape, Point centre, int steps) {
    const Point fineCentre{centre.x * kFine, centre.y * kFine};
    return [shape = std::move(shape), fineCentre, steps](int fx, int fy) {
        const Point p = turn({fx, fy}, fineCentre, -steps);
        return shape(p.x, p.y);
    };
}

Shape bustHead(int x0, int y0, int x1, int y1) {
    const int w = x1 - x0, h = y1 - y0;
    return ellipse(x0 + w / 2, y0 + h * 27 / 100, w * 21 / 100, h * 25 / 100);
}

Shape bustBody(int x0, int y0, int x1, int y1) {
    const int w = x1 - x0, h = y1 - y0;
    return intersect(roundRect(x0 + w / 20, y0 + h * 56 / 100, x1 - w / 20, y1 + h / 3, w * 40 / 100),
                     rect(x0, y0, x1, y1));
}

}  // namespace art
