#include "paint_kit.h"

#include "gdi_pictures.h"
#include "pictures/font.h"

namespace preview {

using pictures::kGlyphAscent;
using pictures::kLineHeight;
using pictures::textWidth;

Colour Mix(Colour a, Colour b, int partsOfB) {
    Colour mixed = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int ca = static_cast<int>((a >> shift) & 0xFF);
        const int cb = static_cast<int>((b >> shift) & 0xFF);
        mixed |= static_cast<Colour>((ca * (256 - partsOfB) + cb * partsOfB) / 256) << shift;
    }
    return mixed;
}

void DrawBitmap(Canvas& canvas, HBITMAP bitmap, int x, int y) { canvas.Draw(ReadBitmap(bitmap), x, y); }

void StretchBitmap(Canvas& canvas, HBITMAP bitmap, const Rect& target) {
    canvas.DrawStretched(ReadBitmap(bitmap), target);
}

void TileBitmap(Canvas& canvas, HBITMAP bitmap, const Rect& target) { canvas.DrawTiled(ReadBitmap(bitmap), target); }

void DrawIconAsLoaded(Canvas& canvas, HICON icon, int x, int y) { canvas.Draw(ReadIcon(icon), x, y); }

void DrawIconSized(Canvas& canvas, HICON icon, const Rect& target) { canvas.DrawStretched(ReadIcon(icon), target); }

void DrawLabel(Canvas& canvas, int x, int y, std::string_view text, Colour colour) {
    pictures::forEachInkedPixel(text, [&](int column, int row) { canvas.Put(x + column, y + row, colour); });
}

Picture TextPicture(std::string_view text, Colour colour) {
    // Black ink on white, then read back as an icon reads: white is masked.
    Canvas ink(textWidth(text), kLineHeight, 0xFFFFFF);
    DrawLabel(ink, 0, 0, text, 0x000000);
    Picture picture;
    picture.width = ink.Width();
    picture.height = ink.Height();
    picture.colour.resize(ink.Pixels().size());
    picture.andMask.resize(ink.Pixels().size());
    for (std::size_t i = 0; i < ink.Pixels().size(); ++i) {
        const bool inked = ink.Pixels()[i] == 0x000000;
        picture.andMask[i] = inked ? 0 : 1;
        picture.colour[i] = inked ? colour : 0;
    }
    return picture;
}

void DrawLabelCentred(Canvas& canvas, const Rect& rect, std::string_view text, Colour colour) {
    DrawLabel(canvas, rect.x + (rect.width - textWidth(text)) / 2, rect.y + (rect.height - kGlyphAscent) / 2, text,
             colour);
}

}  // namespace preview
