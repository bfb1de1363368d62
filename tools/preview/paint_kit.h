#pragma once
// What every part of the mock windows paints with: the skin's pictures read
// back from their handles, drawn at their own size, stretched or tiled.
#include <windows.h>

#include <string_view>

#include "canvas.h"

namespace preview {

// a and b mixed, parts of b out of 256.
Colour Mix(Colour a, Colour b, int partsOfB);

void DrawBitmap(Canvas& canvas, HBITMAP bitmap, int x, int y);
void StretchBitmap(Canvas& canvas, HBITMAP bitmap, const Rect& target);
void TileBitmap(Canvas& canvas, HBITMAP bitmap, const Rect& target);
// The icon at the size the platform loaded it (x, y is its top left).
void DrawIconAsLoaded(Canvas& canvas, HICON icon, int x, int y);
// The icon brought to size x size.
void DrawIconSized(Canvas& canvas, HICON icon, const Rect& target);

// Text in the labels' font with the top of its capitals at y.
void DrawLabel(Canvas& canvas, int x, int y, std::string_view text, Colour colour);
// Text as a picture with a transparent background, to be turned and drawn.
Picture TextPicture(std::string_view text, Colour colour);
// Text centred in rect, vertically on its capitals.
void DrawLabelCentred(Canvas& canvas, const Rect& rect, std::string_view text, Colour colour);

}  // namespace preview
