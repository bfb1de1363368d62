#include "paint.h"

#include <algorithm>
#include <cstring>

namespace client {
namespace {

// A memory DC holding one bitmap for the length of a draw.
class PictureDc {
public:
    PictureDc(HDC like, HBITMAP bitmap) : dc_(CreateCompatibleDC(like)), old_(SelectObject(dc_, bitmap)) {}
    ~PictureDc() {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
    }
    PictureDc(const PictureDc&) = delete;
    PictureDc& operator=(const PictureDc&) = delete;
    operator HDC() const { return dc_; }

private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info = {};
    if (bitmap == nullptr || GetObjectA(bitmap, sizeof info, &info) == 0) return SIZE{0, 0};
    return SIZE{info.bmWidth, info.bmHeight};
}

int Within(int value, int low, int high, int fallback) { return value >= low && value <= high ? value : fallback; }

void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y) {
    const SIZE size = BitmapSize(bitmap);
    if (size.cx == 0) return;
    PictureDc picture(dc, bitmap);
    BitBlt(dc, x, y, size.cx, size.cy, picture, 0, 0, SRCCOPY);
}

void StretchBitmap(HDC dc, HBITMAP bitmap, const RECT& to) {
    const SIZE size = BitmapSize(bitmap);
    if (size.cx == 0 || to.right <= to.left || to.bottom <= to.top) return;
    PictureDc picture(dc, bitmap);
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, to.left, to.top, to.right - to.left, to.bottom - to.top, picture, 0, 0, size.cx, size.cy, SRCCOPY);
}

void TileBitmap(HDC dc, HBITMAP bitmap, const RECT& to) {
    const SIZE size = BitmapSize(bitmap);
    if (size.cx == 0) return;
    PictureDc picture(dc, bitmap);
    for (int y = to.top; y < to.bottom; y += size.cy)
        for (int x = to.left; x < to.right; x += size.cx)
            BitBlt(dc, x, y, std::min<int>(size.cx, to.right - x), std::min<int>(size.cy, to.bottom - y), picture, 0, 0,
                   SRCCOPY);
}

void StretchBitmapTurned(HDC dc, HBITMAP bitmap, const RECT& to) {
    const SIZE size = BitmapSize(bitmap);
    if (size.cx == 0 || to.right <= to.left || to.bottom <= to.top) return;
    PictureDc picture(dc, bitmap);
    // Where the picture's upper left, upper right and lower left corners go.
    const POINT corners[3] = {{to.right, to.top}, {to.right, to.bottom}, {to.left, to.top}};
    PlgBlt(dc, corners, picture, 0, 0, size.cx, size.cy, nullptr, 0, 0);
}

void DrawKeyedBitmap(HDC dc, HBITMAP bitmap, int x, int y) {
    const SIZE size = BitmapSize(bitmap);
    if (size.cx == 0) return;
    PictureDc picture(dc, bitmap);
    TransparentBlt(dc, x, y, size.cx, size.cy, picture, 0, 0, size.cx, size.cy, RGB(255, 0, 255));
}

void DrawPiecedBar(HDC dc, const RECT& bar, HBITMAP left, HBITMAP middle, HBITMAP right) {
    const int leftWidth = BitmapSize(left).cx;
    const int rightWidth = BitmapSize(right).cx;
    StretchBitmap(dc, middle, RECT{bar.left + leftWidth, bar.top, bar.right - rightWidth, bar.bottom});
    DrawBitmap(dc, left, bar.left, bar.top);
    DrawBitmap(dc, right, bar.right - rightWidth, bar.top);
}

void Fill(HDC dc, const RECT& area, COLORREF colour) {
    SetDCBrushColor(dc, colour);
    FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void Frame(HDC dc, const RECT& area, COLORREF colour) {
    SetDCBrushColor(dc, colour);
    FrameRect(dc, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void DrawIconAt(HDC dc, HICON icon, int x, int y, int size) {
    if (icon != nullptr) DrawIconEx(dc, x, y, icon, size, size, 0, nullptr, DI_NORMAL);
}

void Text(HDC dc, int x, int y, const char* text, COLORREF colour) {
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    TextOutA(dc, x, y, text, static_cast<int>(std::strlen(text)));
}

void TextCentred(HDC dc, const RECT& area, const char* text, COLORREF colour) {
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    RECT r = area;
    DrawTextA(dc, text, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void TextTurned(HDC dc, const RECT& area, const char* text, COLORREF colour) {
    LOGFONTA shape = {};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof shape, &shape);
    shape.lfEscapement = shape.lfOrientation = 2700;
    HFONT font = CreateFontIndirectA(&shape);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE extent = {};
    GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &extent);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    // Turned, a line's top faces right: it starts at the right of its column.
    TextOutA(dc, area.left + (area.right - area.left + extent.cy) / 2, area.top + (area.bottom - area.top - extent.cx) / 2,
             text, static_cast<int>(std::strlen(text)));
    SelectObject(dc, old);
    DeleteObject(font);
}

int TextWidth(HDC dc, const char* text) {
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SIZE size = {};
    GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &size);
    return size.cx;
}

}  // namespace client
