#include "canvas.h"

#include <algorithm>

namespace preview {

Rect Intersect(const Rect& a, const Rect& b) {
    const int left = std::max(a.x, b.x);
    const int top = std::max(a.y, b.y);
    const int right = std::min(a.Right(), b.Right());
    const int bottom = std::min(a.Bottom(), b.Bottom());
    if (right <= left || bottom <= top) return Rect{left, top, 0, 0};
    return Rect{left, top, right - left, bottom - top};
}

Canvas::Canvas(int width, int height, Colour background)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      clip_{0, 0, width_, height_},
      pixels_(static_cast<std::size_t>(width_) * height_, background) {}

void Canvas::SetClip(const Rect& clip) { clip_ = Intersect(clip, Rect{0, 0, width_, height_}); }

void Canvas::ResetClip() { clip_ = Rect{0, 0, width_, height_}; }

void Canvas::Put(int x, int y, Colour colour) {
    if (x < clip_.x || y < clip_.y || x >= clip_.Right() || y >= clip_.Bottom()) return;
    pixels_[static_cast<std::size_t>(y) * width_ + x] = colour;
}

void Canvas::Fill(const Rect& rect, Colour colour) {
    const Rect area = Intersect(rect, clip_);
    for (int y = area.y; y < area.Bottom(); ++y)
        std::fill_n(pixels_.begin() + static_cast<std::ptrdiff_t>(y) * width_ + area.x, area.width, colour);
}

void Canvas::Frame(const Rect& rect, Colour colour) {
    if (rect.Empty()) return;
    HorizontalLine(rect.x, rect.Right() - 1, rect.y, colour);
    HorizontalLine(rect.x, rect.Right() - 1, rect.Bottom() - 1, colour);
    VerticalLine(rect.x, rect.y, rect.Bottom() - 1, colour);
    VerticalLine(rect.Right() - 1, rect.y, rect.Bottom() - 1, colour);
}

void Canvas::HorizontalLine(int x0, int x1, int y, Colour colour) {
    if (x1 < x0) std::swap(x0, x1);
    Fill(Rect{x0, y, x1 - x0 + 1, 1}, colour);
}

void Canvas::VerticalLine(int x, int y0, int y1, Colour colour) {
    if (y1 < y0) std::swap(y0, y1);
    Fill(Rect{x, y0, 1, y1 - y0 + 1}, colour);
}

void Canvas::DottedHorizontalLine(int x0, int x1, int y, Colour colour) {
    if (x1 < x0) std::swap(x0, x1);
    for (int x = x0; x <= x1; x += 2) Put(x, y, colour);
}

void Canvas::DottedVerticalLine(int x, int y0, int y1, Colour colour) {
    if (y1 < y0) std::swap(y0, y1);
    for (int y = y0; y <= y1; y += 2) Put(x, y, colour);
}

void Canvas::FillEllipse(const Rect& bounds, Colour colour) {
    if (bounds.Empty()) return;
    // Pixel centres inside the ellipse, in integers: with doubled coordinates
    // the centre of pixel (x, y) is (2x + 1, 2y + 1).
    const long long a = bounds.width;   // doubled semi-axes
    const long long b = bounds.height;
    const long long cx = 2LL * bounds.x + a;
    const long long cy = 2LL * bounds.y + b;
    for (int y = bounds.y; y < bounds.Bottom(); ++y) {
        const long long dy = 2LL * y + 1 - cy;
        for (int x = bounds.x; x < bounds.Right(); ++x) {
            const long long dx = 2LL * x + 1 - cx;
            if (dx * dx * b * b + dy * dy * a * a <= a * a * b * b) Put(x, y, colour);
        }
    }
}

void Canvas::PutPicturePixel(int x, int y, const Picture& picture, int sx, int sy) {
    if (x < clip_.x || y < clip_.y || x >= clip_.Right() || y >= clip_.Bottom()) return;
    Colour& target = pixels_[static_cast<std::size_t>(y) * width_ + x];
    const Colour source = picture.At(sx, sy);
    target = picture.Masked(sx, sy) ? (target ^ source) : source;
}

void Canvas::Draw(const Picture& picture, int x, int y) {
    for (int sy = 0; sy < picture.height; ++sy)
        for (int sx = 0; sx < picture.width; ++sx) PutPicturePixel(x + sx, y + sy, picture, sx, sy);
}

void Canvas::DrawStretched(const Picture& picture, const Rect& target) {
    if (picture.Empty() || target.Empty()) return;
    const Rect area = Intersect(target, clip_);
    for (int y = area.y; y < area.Bottom(); ++y) {
        const long long ty = y - target.y;
        const int sy = static_cast<int>((2 * ty + 1) * picture.height / (2LL * target.height));
        for (int x = area.x; x < area.Right(); ++x) {
            const long long tx = x - target.x;
            const int sx = static_cast<int>((2 * tx + 1) * picture.width / (2LL * target.width));
            PutPicturePixel(x, y, picture, sx, sy);
        }
    }
}

void Canvas::DrawTiled(const Picture& picture, const Rect& target) {
    if (picture.Empty() || target.Empty()) return;
    const Rect saved = clip_;
    clip_ = Intersect(target, clip_);
    for (int y = target.y; y < target.Bottom(); y += picture.height)
        for (int x = target.x; x < target.Right(); x += picture.width) Draw(picture, x, y);
    clip_ = saved;
}

Picture TurnClockwise(const Picture& picture) {
    Picture turned;
    turned.width = picture.height;
    turned.height = picture.width;
    turned.colour.resize(picture.colour.size());
    if (!picture.andMask.empty()) turned.andMask.resize(picture.andMask.size());
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            // Source (x, y) lands in column height - 1 - y of row x.
            const std::size_t to = static_cast<std::size_t>(x) * turned.width + (picture.height - 1 - y);
            const std::size_t from = static_cast<std::size_t>(y) * picture.width + x;
            turned.colour[to] = picture.colour[from];
            if (!picture.andMask.empty()) turned.andMask[to] = picture.andMask[from];
        }
    }
    return turned;
}

}  // namespace preview
