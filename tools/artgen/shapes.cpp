#include "shapes.h"

#include <cstdint>
#include <utility>

namespace art {

namespace {
using i64 = std::int64_t;
}

Shape rect(int x0, int y0, int x1, int y1) {
    return [=](int fx, int fy) {
        return fx >= x0 * kFine && fx < x1 * kFine && fy >= y0 * kFine && fy < y1 * kFine;
    };
}

Shape roundRect(int x0, int y0, int x1, int y1, int radius) {
    const Shape box = rect(x0, y0, x1, y1);
    return [=](int fx, int fy) {
        if (!box(fx, fy)) return false;
        const i64 r = i64{radius} * kFine;
        // Distance into the nearest corner's square, measured from its circle centre.
        const i64 cx = fx < (x0 + radius) * kFine ? (x0 + radius) * kFine
                     : fx >= (x1 - radius) * kFine ? (x1 - radius) * kFine : fx;
        const i64 cy = fy < (y0 + radius) * kFine ? (y0 + radius) * kFine
                     : fy >= (y1 - radius) * kFine ? (y1 - radius) * kFine : fy;
        const i64 dx = fx - cx, dy = fy - cy;
        return dx * dx + dy * dy <= r * r;
    };
}

Shape ellipse(int cx, int cy, int rx, int ry) {
    return [=](int fx, int fy) {
        const i64 dx = fx - i64{cx} * kFine, dy = fy - i64{cy} * kFine;
        const i64 a = i64{rx} * kFine, b = i64{ry} * kFine;
        return dx * dx * b * b + dy * dy * a * a <= a * a * b * b;
    };
}

Shape circle(int cx, int cy, int r) { return ellipse(cx, cy, r, r); }

Shape ring(int cx, int cy, int outer, int inner) { return subtract(circle(cx, cy, outer), circle(cx, cy, inner)); }

Shape polygon(std::vector<Point> points) {
    for (Point& p : points) p = {p.x * kFine, p.y * kFine};
    return [pts = std::move(points)](int fx, int fy) {
        bool inside = false;
        for (std::size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
            const Point a = pts[i], b = pts[j];
            if ((a.y > fy) == (b.y > fy)) continue;
            // Crossing x of the edge at fy, compared without division.
            const i64 lhs = i64{fx - a.x} * (b.y - a.y);
            const i64 rhs = i64{b.x - a.x} * (fy - a.y);
            if (b.y > a.y ? lhs < rhs : lhs > rhs) inside = !inside;
        }
        return inside;
    };
}

Shape segment(Point a, Point b, int halfWidth) {
    const i64 ax = i64{a.x} * kFine, ay = i64{a.y} * kFine;
    const i64 bx = i64{b.x} * kFine, by = i64{b.y} * kFine;
    const i64 w = i64{halfWidth} * kFine;
    return [=](int fx, int fy) {
        const i64 ex = bx - ax, ey = by - ay;
        const i64 px = fx - ax, py = fy - ay;
        const i64 len2 = ex * ex + ey * ey;
        const i64 t = px * ex + py * ey;
        if (len2 == 0 || t <= 0) return px * px + py * py <= w * w;
        if (t >= len2) {
            const i64 qx = fx - bx, qy = fy - by;
            return qx * qx + qy * qy <= w * w;
        }
        const i64 cross = px * ey - py * ex;  // distance * |e|
        return cross * cross <= w * w * len2;
    };
}

Shape polyline(const std::vector<Point>& points, int halfWidth) {
    std::vector<Shape> parts;
    for (std::size_t i = 1; i < points.size(); ++i) parts.push_back(segment(points[i - 1], points[i], halfWidth));
    return unite(std::move(parts));
}

Shape unite(Shape a, Shape b) {
    return [a = std::move(a), b = std::move(b)](int fx, int fy) { return a(fx, fy) || b(fx, fy); };
}

Shape unite(std::vector<Shape> shapes) {
    return [s = std::move(shapes)](int fx, int fy) {
        for (const Shape& one : s)
            if (one(fx, fy)) return true;
        return false;
    };
}

Shape subtract(Shape a, Shape b) {
    return [a = std::move(a), b = std::move(b)](int fx, int fy) { return a(fx, fy) && !b(fx, fy); };
}

Shape intersect(Shape a, Shape b) {
    return [a = std::move(a), b = std::move(b)](int fx, int fy) { return a(fx, fy) && b(fx, fy); };
}

Shape translate(Shape s, int dx, int dy) {
    return [s = std::move(s), dx, dy](int fx, int fy) { return s(fx - dx * kFine, fy - dy * kFine); };
}

Shape dilate(Shape s, int d) {
    // cos and sin of 16 directions, scaled by 1000.
    static const int dirs[16][2] = {{1000, 0},     {924, 383},  {707, 707},  {383, 924},
                                    {0, 1000},     {-383, 924}, {-707, 707}, {-924, 383},
                                    {-1000, 0},    {-924, -383}, {-707, -707}, {-383, -924},
                                    {0, -1000},    {383, -924}, {707, -707}, {924, -383}};
    std::vector<Point> offsets;
    for (const int step : {d, d / 2}) {
        if (step == 0) continue;
        for (const auto& dir : dirs) offsets.push_back({dir[0] * step * kFine / 1000, dir[1] * step * kFine / 1000});
    }
    return [s = std::move(s), offsets](int fx, int fy) {
        if (s(fx, fy)) return true;
        for (const Point& o : offsets)
            if (s(fx + o.x, fy + o.y)) return true;
        return false;
    };
}

}  // namespace art

