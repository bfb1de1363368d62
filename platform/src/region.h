#pragma once
// An update region kept as the bounding rectangle of everything added to it.
#include <windows.h>

#include <vector>

namespace win32 {

bool IsEmptyRect(const RECT& r);
bool IntersectRects(const RECT& a, const RECT& b, RECT* out);
RECT OffsetRectBy(RECT r, LONG dx, LONG dy);
// The parts of a not covered by b: at most four rectangles.
std::vector<RECT> SubtractRects(const RECT& a, const RECT& b);

class BoxRegion {
public:
    bool Empty() const { return empty_; }
    const RECT& Bounds() const { return box_; }
    void Clear() { empty_ = true; box_ = RECT{0, 0, 0, 0}; }
    void Add(const RECT& r);
    void Subtract(const RECT& r);
    void Crop(const RECT& r);

private:
    bool empty_ = true;
    RECT box_{0, 0, 0, 0};
};

}  // namespace win32
