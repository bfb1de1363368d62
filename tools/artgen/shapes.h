#pragma once
// Shapes as inside tests. Coordinates are design units (a picture's own grid:
// pixels for bitmaps, 256 across for icons); the tests run on points in fine
// units, sixteen to a design unit, so that sub-samples land between grid
// lines. Everything is integer arithmetic.
#include <functional>
#include <vector>

namespace art {

constexpr int kFine = 16;  // fine units per design unit

struct Point {
    int x, y;
};

// Point in fine units -> inside?
using Shape = std::function<bool(int fx, int fy)>;

Shape rect(int x0, int y0, int x1, int y1);                  // x0 <= x < x1
Shape roundRect(int x0, int y0, int x1, int y1, int radius);
Shape ellipse(int cx, int cy, int rx, int ry);
Shape circle(int cx, int cy, int r);
Shape ring(int cx, int cy, int outer, int inner);
Shape polygon(std::vector<Point> points);                    // even-odd rule
// A line with round ends, width 2 * halfWidth.
Shape segment(Point a, Point b, int halfWidth);
// Connected segments through the points.
Shape polyline(const std::vector<Point>& points, int halfWidth);

Shape unite(Shape a, Shape b);
Shape unite(std::vector<Shape> shapes);
Shape subtract(Shape a, Shape b);
Shape intersect(Shape a, Shape b);
Shape translate(Shape s, int dx, int dy);
// Grown by about d in every direction (sixteen sampled directions).
Shape dilate(Shape s, int d);

}  // namespace art
