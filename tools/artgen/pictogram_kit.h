#pragma once
// Small helpers the pictograms share: line widths in image pixels, shaded or
// plain fills, outlines, rotation in 15-degree steps.
#include "catalogue.h"

namespace art {

// The outline colour of every pictogram.
constexpr Rgb kInk = rgb(36, 40, 56);

// n image pixels in design units.
inline int px(const IconStyle& s, int n) { return n * kIconDesignUnits / s.size; }

// Top-to-bottom gradient between y0 and y1 on the rich images; the plain
// images get one colour instead, chosen for the 16-colour palette.
Paint shaded(const IconStyle& s, Rgb top, Rgb bottom, int y0, int y1, Rgb plain);
// One colour, with its own choice for the plain images.
inline Paint solid(const IconStyle& s, Rgb rich, Rgb plain) { return s.plain() ? plain : rich; }

// The shape with a one-pixel ink outline around it.
void inked(Canvas& c, const IconStyle& s, const Shape& shape, const Paint& paint);

// p turned about centre by steps * 15 degrees (clockwise on screen).
Point turn(Point p, Point centre, int steps);
// The shape turned about centre by steps * 15 degrees.
Shape turned(Shape shape, Point centre, int steps);

// The outline shapes of a bust (head and shoulders) standing in the box.
Shape bustHead(int x0, int y0, int x1, int y1);
Shape bustBody(int x0, int y0, int x1, int y1);

}  // namespace art
