#pragma once
// GDI drawing of the faces' pictures, icons and colours.
#include <windows.h>

namespace client {

SIZE BitmapSize(HBITMAP bitmap);  // 0 by 0 for no bitmap
int Within(int value, int low, int high, int fallback);  // value if it lies in [low, high]

void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y);  // at its own size
void StretchBitmap(HDC dc, HBITMAP bitmap, const RECT& to);
void TileBitmap(HDC dc, HBITMAP bitmap, const RECT& to);
// Turned a quarter clockwise, then stretched into to: a strip's pictures stood on end.
void StretchBitmapTurned(HDC dc, HBITMAP bitmap, const RECT& to);
// Pictures keyed on magenta, as the table library makes them.
void DrawKeyedBitmap(HDC dc, HBITMAP bitmap, int x, int y);
// The ends at their own widths, the middle stretched between them.
void DrawPiecedBar(HDC dc, const RECT& bar, HBITMAP left, HBITMAP middle, HBITMAP right);

void Fill(HDC dc, const RECT& area, COLORREF colour);
void Frame(HDC dc, const RECT& area, COLORREF colour);
void DrawIconAt(HDC dc, HICON icon, int x, int y, int size);
void Text(HDC dc, int x, int y, const char* text, COLORREF colour);
void TextCentred(HDC dc, const RECT& area, const char* text, COLORREF colour);
int TextWidth(HDC dc, const char* text);
// Reading downwards, centred in area.
void TextTurned(HDC dc, const RECT& area, const char* text, COLORREF colour);

}  // namespace client
