#include "canvas.h"

#include <algorithm>
#include <cstdint>

namespace art {

namespace {
constexpr int kSub = 4;  // sub-samples per pixel along each axis
using i64 = std::int64_t;
}  // namespace

Paint Paint::linear(Point a, Rgb c0, Point b, Rgb c1) {
    return Paint(Kind::Linear, {a.x * kFine, a.y * kFine}, {b.x * kFine, b.y * kFine}, 0, c0, c1);
}

Paint Paint::radial(Point centre, int r, Rgb c0, Rgb c1) {
    return Paint(Kind::Radial, {centre.x * kFine, centre.y * kFine}, {0, 0}, r * kFine, c0, c1);
}

Rgb Paint::at(int fx, int fy) const {
    switch (kind_) {
        case Kind::Solid:
            return c0_;
        case Kind::Linear: {
            const i64 ex = b_.x - a_.x, ey = b_.y - a_.y;
            const i64 len2 = ex * ex + ey * ey;
            if (len2 == 0) return c0_;
            const i64 t = (fx - a_.x) * ex + (fy - a_.y) * ey;
            const int num = static_cast<int>(std::clamp<i64>(t * 4096 / len2, 0, 4096));
            return mix(c0_, c1_, num, 4096);
        }
        case Kind::Radial: {
            const i64 dx = fx - a_.x, dy = fy - a_.y;
            const i64 d = isqrt(dx * dx + dy * dy);
            const int num = r_ == 0 ? 4096 : static_cast<int>(std::min<i64>(d * 4096 / r_, 4096));
            return mix(c0_, c1_, num, 4096);
        }
    }
    return c0_;
}

Canvas::Canvas(Image& image, int designUnits) : image_(image), units_(designUnits) {}

int Canvas::fine(int eighths) const {
    // eighths of a pixel -> fine units: * units * kFine / (8 * width)
    return static_cast<int>(i64{eighths} * units_ * kFine / (2 * kSub * image_.width()));
}

void Canvas::fill(const Shape& shape, const Paint& paint, int opacity) {
    for (int y = 0; y < image_.height(); ++y) {
        for (int x = 0; x < image_.width(); ++x) {
            int covered = 0;
            if (antialias_) {
                for (int sy = 0; sy < kSub; ++sy)
                    for (int sx = 0; sx < kSub; ++sx)
                        covered += shape(fine(2 * (x * kSub + sx) + 1), fine(2 * (y * kSub + sy) + 1)) ? 1 : 0;
            } else {
                covered = shape(fine(8 * x + 4), fine(8 * y + 4)) ? kSub * kSub : 0;
            }
            if (covered == 0) continue;
            const Rgb src = paint.at(fine(8 * x + 4), fine(8 * y + 4));
            const int srcA = (opacity * covered + kSub * kSub / 2) / (kSub * kSub);
            Pixel& dst = image_.at(x, y);
            // Straight-alpha "over": out = src + dst * (1 - srcA).
            const int dstA = dst.a * (255 - srcA) / 255;
            const int outA = srcA + dstA;
            if (outA == 0) continue;
            auto channel = [&](int s, int d) { return static_cast<std::uint8_t>((s * srcA + d * dstA + outA / 2) / outA); };
            dst.c = Rgb{channel(src.r, dst.c.r), channel(src.g, dst.c.g), channel(src.b, dst.c.b)};
            dst.a = static_cast<std::uint8_t>(outA);
        }
    }
}

void Canvas::outlined(const Shape& shape, const Paint& paint, Rgb outline, int width) {
    fill(dilate(shape, width), outline);
    fill(shape, paint);
}

}  // namespace art
