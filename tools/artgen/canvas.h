#pragma once
// Fills shapes into an image with coverage from 4x4 sub-samples per pixel,
// or with hard edges where a picture must stay crisp.
#include "raster.h"
#include "shapes.h"

namespace art {

// Colour as a function of the pixel centre (in fine units).
class Paint {
public:
    Paint(Rgb c) : kind_(Kind::Solid), c0_(c), c1_(c) {}  // NOLINT: a colour is a paint
    // c0 at a, c1 at b, in between along the line a->b.
    static Paint linear(Point a, Rgb c0, Point b, Rgb c1);
    // c0 at the centre, c1 at radius r and beyond.
    static Paint radial(Point centre, int r, Rgb c0, Rgb c1);

    Rgb at(int fx, int fy) const;

private:
    enum class Kind { Solid, Linear, Radial };
    Paint(Kind kind, Point a, Point b, int r, Rgb c0, Rgb c1)
        : kind_(kind), a_(a), b_(b), r_(r), c0_(c0), c1_(c1) {}
    Kind kind_;
    Point a_{0, 0}, b_{0, 0};
    int r_ = 0;
    Rgb c0_, c1_;
};

class Canvas {
public:
    // designUnits across the image's width (the image may be wider than
    // tall; the same scale applies to both axes).
    Canvas(Image& image, int designUnits);

    void setAntialias(bool on) { antialias_ = on; }
    // Composites paint over the pixels the shape covers; opacity scales it.
    void fill(const Shape& shape, const Paint& paint, int opacity = 255);
    // The shape in paint, ringed by an outline of the given width outside it.
    void outlined(const Shape& shape, const Paint& paint, Rgb outline, int width);

private:
    int fine(int eighths) const;  // position in eighths of a pixel -> fine units
    Image& image_;
    int units_;
    bool antialias_ = true;
};

}  // namespace art
