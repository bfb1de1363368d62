#pragma once
// The preview composes its pictures in its own code, from the pixels it reads
// out of the skin's bitmaps and icons, so that every platform paints them the
// same way: no drawing call of the platform is involved.
#include <cstdint>
#include <vector>

namespace preview {

// Colours are 0x00RRGGBB throughout the preview.
using Colour = std::uint32_t;

// A COLORREF (0x00BBGGRR) as a preview colour.
constexpr Colour FromColorRef(std::uint32_t colorRef) {
    return ((colorRef & 0xFFu) << 16) | (colorRef & 0xFF00u) | ((colorRef >> 16) & 0xFFu);
}

// Pixels read from a bitmap or an icon. An icon also carries its AND mask:
// where the mask is set, the picture below is kept and the colour is XORed
// onto it, as the platform draws icons.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Colour> colour;        // width x height, top row first
    std::vector<std::uint8_t> andMask;  // empty, or width x height of 0 and 1

    bool Empty() const { return width <= 0 || height <= 0; }
    Colour At(int x, int y) const { return colour[static_cast<std::size_t>(y) * width + x]; }
    bool Masked(int x, int y) const {
        return !andMask.empty() && andMask[static_cast<std::size_t>(y) * width + x] != 0;
    }
};

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    int Right() const { return x + width; }
    int Bottom() const { return y + height; }
    bool Empty() const { return width <= 0 || height <= 0; }
};

// The part of a that lies inside b.
Rect Intersect(const Rect& a, const Rect& b);

class Canvas {
public:
    Canvas(int width, int height, Colour background);

    int Width() const { return width_; }
    int Height() const { return height_; }
    const std::vector<Colour>& Pixels() const { return pixels_; }
    Colour At(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }

    // Every drawing call below paints only inside the clip (the whole canvas
    // unless narrowed), and nothing outside the canvas.
    void SetClip(const Rect& clip);
    void ResetClip();
    const Rect& Clip() const { return clip_; }

    void Put(int x, int y, Colour colour);
    void Fill(const Rect& rect, Colour colour);
    // A one-pixel outline just inside rect.
    void Frame(const Rect& rect, Colour colour);
    void HorizontalLine(int x0, int x1, int y, Colour colour);  // x0 to x1 inclusive
    void VerticalLine(int x, int y0, int y1, Colour colour);    // y0 to y1 inclusive
    // Every other pixel, starting with the first.
    void DottedHorizontalLine(int x0, int x1, int y, Colour colour);
    void DottedVerticalLine(int x, int y0, int y1, Colour colour);
    void FillEllipse(const Rect& bounds, Colour colour);

    // The picture at its own size with its top left at (x, y).
    void Draw(const Picture& picture, int x, int y);
    // The picture brought to the target's size, each target pixel taking the
    // source pixel its centre falls on.
    void DrawStretched(const Picture& picture, const Rect& target);
    // The picture repeated from the target's top left until it is covered.
    void DrawTiled(const Picture& picture, const Rect& target);

private:
    void PutPicturePixel(int x, int y, const Picture& picture, int sx, int sy);

    int width_;
    int height_;
    Rect clip_;
    std::vector<Colour> pixels_;
};

// The picture turned a quarter clockwise: its left column becomes the top row.
Picture TurnClockwise(const Picture& picture);

}  // namespace preview
