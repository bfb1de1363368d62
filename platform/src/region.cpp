#include "region.h"

#include <algorithm>

namespace win32 {

bool IsEmptyRect(const RECT& r) { return r.left >= r.right || r.top >= r.bottom; }

bool IntersectRects(const RECT& a, const RECT& b, RECT* out) {
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
    if (IsEmptyRect(r)) {
        *out = RECT{0, 0, 0, 0};
        return false;
    }
    *out = r;
    return true;
}

RECT OffsetRectBy(RECT r, LONG dx, LONG dy) { return RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

std::vector<RECT> SubtractRects(const RECT& a, const RECT& b) {
    std::vector<RECT> parts;
    if (IsEmptyRect(a)) return parts;
    RECT overlap;
    if (!IntersectRects(a, b, &overlap)) {
        parts.push_back(a);
        return parts;
    }
    const RECT pieces[] = {
        {a.left, a.top, a.right, overlap.top},               // above
        {a.left, overlap.bottom, a.right, a.bottom},         // below
        {a.left, overlap.top, overlap.left, overlap.bottom},  // left
        {overlap.right, overlap.top, a.right, overlap.bottom},  // right
    };
    for (const RECT& piece : pieces)
        if (!IsEmptyRect(piece)) parts.push_back(piece);
    return parts;
}

void BoxRegion::Add(const RECT& r) {
    if (IsEmptyRect(r)) return;
    if (empty_) {
        box_ = r;
        empty_ = false;
        return;
    }
    box_.left = std::min(box_.left, r.left);
    box_.top = std::min(box_.top, r.top);
    box_.right = std::max(box_.right, r.right);
    box_.bottom = std::max(box_.bottom, r.bottom);
}

void BoxRegion::Subtract(const RECT& r) {
    if (empty_) return;
    const std::vector<RECT> left = SubtractRects(box_, r);
    Clear();
    for (const RECT& part : left) Add(part);
}

void BoxRegion::Crop(const RECT& r) {
    if (empty_) return;
    RECT cropped;
    if (IntersectRects(box_, r, &cropped))
        box_ = cropped;
    else
        Clear();
}

}  // namespace win32
