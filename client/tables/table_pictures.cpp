// The client's table library: the pictures of one game's tables, made on
// request for each table size. The client loads it once for every size it
// shows and hands both the library and the pictures to the hall's room.
#include <windows.h>

#include "table_pictures.h"

namespace {

constexpr COLORREF kKey = RGB(255, 0, 255);

HBITMAP Picture(int width, int height, COLORREF face, COLORREF edge, bool round) {
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HDC dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HBRUSH key = CreateSolidBrush(kKey);
    const RECT all{0, 0, width, height};
    FillRect(dc, &all, key);
    DeleteObject(key);
    HBRUSH brush = CreateSolidBrush(face);
    HPEN pen = CreatePen(PS_SOLID, 2, edge);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    if (round)
        Ellipse(dc, 1, 1, width - 1, height - 1);
    else
        RoundRect(dc, 1, 1, width - 1, height - 1, 4, 4);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldBitmap);
    DeleteObject(pen);
    DeleteObject(brush);
    DeleteDC(dc);
    return bitmap;
}

}  // namespace

extern "C" __declspec(dllexport) int MakeTablePictures(int seats, int groups, HBITMAP* pictures, int count) {
    if (seats < kRoomFewestSeats || groups < 1 ||
        static_cast<size_t>(count) != RoomPictureCount(seats - kRoomFewestSeats, groups))
        return 0;
    HBITMAP* next = pictures;
    for (int g = 0; g < groups; ++g) {
        *next++ = Picture(kTableWidth, kTableHeight, RGB(176, 124, 72), RGB(96, 60, 28), true);     // free
        *next++ = Picture(kTableWidth, kTableHeight, RGB(140, 92, 48), RGB(240, 220, 120), true);   // in play
        *next++ = Picture(kTableWidth, kTableHeight, RGB(200, 150, 96), RGB(255, 255, 255), true);  // chosen
        *next++ = Picture(kTableWidth, kTableHeight, RGB(150, 150, 150), RGB(90, 90, 90), true);    // locked
        for (int s = 0; s < seats; ++s) {
            *next++ = Picture(kSeatSize, kSeatSize, RGB(236, 228, 210), RGB(120, 100, 80), false);  // empty
            *next++ = Picture(kSeatSize, kSeatSize, RGB(60, 110, 200), RGB(20, 40, 90), false);     // taken
        }
    }
    *next++ = Picture(kSeatSize, kSeatSize, RGB(250, 200, 40), RGB(120, 90, 0), true);  // players waiting
    *next++ = Picture(kSeatSize, kSeatSize, RGB(220, 60, 60), RGB(110, 20, 20), true);  // table full
    return count;
}
