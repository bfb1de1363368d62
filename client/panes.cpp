// The hall's panes: each paints from its element whenever it paints, and
// handles WM_FACECHANGED where a pack's sizes reach its layout.
#include <windows.h>
#include <windowsx.h>

#include <algorithm>
#include <string>

#include "client.h"
#include "hall_panes.h"
#include "lobby_text.h"
#include "paint.h"
#include "tables/table_pictures.h"

namespace client {
namespace {

constexpr int kToolPlate = 44;
constexpr int kToolIcon = 32;
constexpr int kExitButton = 4;  // the toolbar button that opens the exit menu
constexpr int kSmallIcon = 16;


int Index(HWND window) { return GetDlgCtrlID(window); }

RECT ClientBox(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    return r;
}

// The parent's client area in this window's coordinates: where a child
// paints the part of its parent's background that it covers.
RECT ParentBoxHere(HWND window) {
    RECT box = ClientBox(GetParent(window));
    POINT origin{0, 0};
    MapWindowPoints(window, GetParent(window), &origin, 1);
    OffsetRect(&box, -origin.x, -origin.y);
    return box;
}

// Painted into a picture of the window's size first, then copied whole: no flicker.
template <class Paint>
void PaintBuffered(HWND window, Paint paint) {
    ReportSeen(window, WM_PAINT);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    const RECT box = ClientBox(window);
    const CHallShowElements* hall = CurrentHall();
    if (hall != nullptr && box.right > 0 && box.bottom > 0) {
        HDC buffer = CreateCompatibleDC(dc);
        HBITMAP picture = CreateCompatibleBitmap(dc, box.right, box.bottom);
        HGDIOBJ old = SelectObject(buffer, picture);
        paint(buffer, box, *hall);
        BitBlt(dc, 0, 0, box.right, box.bottom, buffer, 0, 0, SRCCOPY);
        SelectObject(buffer, old);
        DeleteObject(picture);
        DeleteDC(buffer);
    }
    EndPaint(window, &ps);
}

// What every pane does with the messages it shares with the others.
template <class Paint>
LRESULT Pane(HWND window, UINT message, WPARAM wParam, LPARAM lParam, Paint paint) {
    switch (message) {
    case WM_PAINT: PaintBuffered(window, paint); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_FACECHANGED:
        ReportSeen(window, message);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// The toolbar's bar, from the caption: the left piece at its width, the right one stretched.
void PaintToolbarBack(HDC dc, const RECT& bar, const CCaptionShowElements& caption) {
    const int leftWidth = std::min<int>(BitmapSize(caption.m_hbmBarLeft).cx, bar.right);
    StretchBitmap(dc, caption.m_hbmBarRight, RECT{bar.left + leftWidth, bar.top, bar.right, bar.bottom});
    DrawBitmap(dc, caption.m_hbmBarLeft, bar.left, bar.top);
}

template <size_t N>
void PaintTabs(HDC dc, const RECT& box, const CTabShowElements& tab, const lobby::TabLabel (&labels)[N], int tabWidth) {
    Fill(dc, box, tab.m_clrFace);
    StretchBitmap(dc, tab.m_hbmBack, box);
    for (size_t i = 0; i < N; ++i) {
        const int left = box.left + 44 + static_cast<int>(i) * (tabWidth + 2);
        const RECT r{left, box.top + 3, left + tabWidth, box.bottom};
        StretchBitmap(dc, labels[i].selected ? tab.m_hbmSelect : tab.m_hbmNoSelect, r);
        TextCentred(dc, r, labels[i].text, labels[i].selected ? tab.m_clrActiveText : tab.m_clrInactiveText);
    }
    Fill(dc, RECT{box.left, box.bottom - 1, box.right, box.bottom}, tab.m_clrLine);
}

// Seats around a table of the room, from its centre.
POINT SeatAt(int seat, int seats) {
    static const POINT kRing[] = {{-40, 0}, {40, 0}, {0, -30}, {0, 30}, {-26, -24}, {26, 24}};
    static const POINT kThree[] = {{-40, 0}, {40, 0}, {0, -30}};
    static const POINT kFive[] = {{-40, 0}, {40, 0}, {0, -30}, {-26, 24}, {26, 24}};
    if (seats == 3) return kThree[seat];
    if (seats == 5) return kFive[seat];
    return kRing[seat];
}

void PaintRoom(HDC dc, const RECT& box, const CRoomShowElements& room) {
    Fill(dc, box, room.m_clrRoom);
    Text(dc, box.left + 8, box.top + 6, "Room 1 - tables of 2 to 6 seats", RGB(255, 255, 255));
    const int columns = 3;
    const int cellWidth = (box.right - box.left) / columns;
    const int cellHeight = std::max<int>(1, (box.bottom - box.top - 24) / 2);
    for (int k = 0; k < kRoomTableSizes; ++k) {
        const int seats = k + kRoomFewestSeats;
        const int cx = box.left + cellWidth * (k % columns) + cellWidth / 2;
        const int cy = box.top + 24 + cellHeight * (k / columns) + cellHeight / 2 - 8;
        const HBITMAP* pictures = room.m_phTablePic[k];
        if (pictures != nullptr && room.m_nPicGroups[k] > 0) {
            // Every other table has a game on, and its first seats are taken.
            const bool inPlay = k % 2 == 1;
            DrawKeyedBitmap(dc, pictures[inPlay ? kTableInPlay : kTableFree], cx - kTableWidth / 2, cy - kTableHeight / 2);
            for (int s = 0; s < seats; ++s) {
                const POINT at = SeatAt(s, seats);
                DrawKeyedBitmap(dc, pictures[SeatPicture(s, inPlay && s < 2)], cx + at.x - kSeatSize / 2,
                                cy + at.y - kSeatSize / 2);
            }
        }
        char stem[kRoomStemBytes + 1] = {};
        std::copy(room.m_szRoomStem[k], room.m_szRoomStem[k] + kRoomStemBytes, stem);
        TextCentred(dc, RECT{cx - 50, cy + 36, cx + 50, cy + 52}, stem, RGB(255, 255, 255));
    }
}

void PaintPersons(HDC dc, const RECT& box, const CPersonListShowElements& persons) {
    constexpr int kHeader = 20;
    constexpr int kRow = 22;
    Fill(dc, box, RGB(255, 255, 255));
    TileBitmap(dc, persons.m_hbmBack, box);
    Text(dc, box.left + 6, box.top + 3, "Players (10)", persons.m_clrPerson7);
    Text(dc, box.left + 118, box.top + 3, "Status", persons.m_clrPerson7);
    Fill(dc, RECT{box.left, kHeader - 1, box.right, kHeader}, persons.m_clrPerson7);
    // The plain rows take the list's text colours in turn; the chosen one its own.
    const COLORREF rowColours[] = {persons.m_clrPerson1, persons.m_clrPerson2, persons.m_clrPerson3,
                                   persons.m_clrPerson4, persons.m_clrPerson5, persons.m_clrPerson7};
    const size_t count = std::min<size_t>(persons.m_arrStatusIcon.size(), kPersonIconCount);
    for (size_t i = 0; i < count; ++i) {
        const RECT row{box.left, kHeader + 2 + static_cast<int>(i) * kRow, box.right,
                       kHeader + 2 + static_cast<int>(i + 1) * kRow};
        COLORREF text = rowColours[i % (sizeof rowColours / sizeof *rowColours)];
        if (i == lobby::kChosenPlayer) {
            Fill(dc, row, persons.m_clrPerson6);
            text = persons.m_clrPerson8;
        }
        DrawIconAt(dc, persons.m_arrStatusIcon[i], row.left + 6, row.top + (kRow - kSmallIcon) / 2, kSmallIcon);
        Text(dc, row.left + 28, row.top + 4, lobby::kPlayers[i].name, text);
        Text(dc, row.left + 118, row.top + 4, lobby::kPlayers[i].status, text);
    }
}

void PaintChat(HDC dc, const RECT& box) {
    // The chat element carries nothing but registrations: the client's own colours.
    Fill(dc, box, RGB(255, 255, 255));
    Frame(dc, box, RGB(128, 128, 128));
    int y = box.top + 6;
    for (const char* line : lobby::kChatLines) {
        Text(dc, box.left + 6, y, line, RGB(0, 0, 0));
        y += 15;
    }
    const RECT input{box.left + 4, box.bottom - 22, box.right - 4, box.bottom - 4};
    Frame(dc, input, RGB(160, 160, 160));
    Text(dc, input.left + 4, input.top + 2, "Say something...", RGB(128, 128, 128));
}

HWND MainOf(HWND window) { return GetAncestor(window, GA_ROOT); }

}  // namespace

LRESULT CALLBACK ToolbarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return Pane(window, message, wParam, lParam, [](HDC dc, const RECT& box, const CHallShowElements& hall) {
        PaintToolbarBack(dc, box, hall.m_caption);
    });
}

LRESULT CALLBACK ToolButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const int index = Index(window);
    switch (message) {
    case WM_LBUTTONDOWN:
        SetWindowLongPtrA(window, GWLP_USERDATA, 1);
        SetCapture(window);
        InvalidateRect(window, nullptr, FALSE);
        return 0;
    case WM_LBUTTONUP:
        if (GetCapture() == window) ReleaseCapture();
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        InvalidateRect(window, nullptr, FALSE);
        if (index == kExitButton) {
            HWND menu = CurrentClient()->Windows().exitMenu;
            ShowWindow(menu, IsWindowVisible(menu) ? SW_HIDE : SW_SHOW);
        }
        return 0;
    }
    return Pane(window, message, wParam, lParam, [window, index](HDC dc, const RECT& box, const CHallShowElements& hall) {
        // The bar behind the button, as the toolbar paints it.
        PaintToolbarBack(dc, ParentBoxHere(window), hall.m_caption);
        if (static_cast<size_t>(index) >= hall.m_arrToolButton.size()) return;
        const CButtonShowElements& button = hall.m_arrToolButton[static_cast<size_t>(index)];
        const RECT plate{(box.right - kToolPlate) / 2, 6, (box.right + kToolPlate) / 2, 6 + kToolPlate};
        StretchBitmap(dc, button.m_hbmBack, plate);
        Frame(dc, plate, button.m_clrBack);
        const bool pressed = GetWindowLongPtrA(window, GWLP_USERDATA) != 0;
        DrawIconAt(dc, pressed && button.m_hIconAlt ? button.m_hIconAlt : button.m_hIcon,
                   plate.left + (kToolPlate - kToolIcon) / 2, plate.top + (kToolPlate - kToolIcon) / 2, kToolIcon);
        TextCentred(dc, RECT{0, plate.bottom + 2, box.right, plate.bottom + 18}, lobby::kToolLabels[index], button.m_clrText);
    });
}

LRESULT CALLBACK TabStripProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const bool main = Index(window) == 0;
    return Pane(window, message, wParam, lParam, [main](HDC dc, const RECT& box, const CHallShowElements& hall) {
        if (main) {
            PaintTabs(dc, box, hall.m_mainTab, lobby::kMainTabs, 112);
            Text(dc, box.right - 80, box.top + 6, "1234 online", hall.m_mainTab.m_clrText);
        } else {
            // The page the strip shows, with the caption's small close button.
            PaintTabs(dc, box, hall.m_tab, lobby::kSecondaryTabs, 60);
            DrawIconAt(dc, hall.m_caption.m_hIconCloseOne, box.right - 20, box.top + (box.bottom - box.top - 16) / 2, 16);
            Text(dc, box.right - 70, box.top + 7, "Room 1", hall.m_tab.m_clrText);
        }
    });
}

LRESULT CALLBACK SideTabsProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return Pane(window, message, wParam, lParam, [](HDC dc, const RECT& box, const CHallShowElements& hall) {
        const CTabShowElements& tab = hall.m_tab;
        Fill(dc, box, tab.m_clrFace);
        StretchBitmapTurned(dc, tab.m_hbmBack90, box);
        int y = box.top + 4;
        for (const lobby::TabLabel& label : lobby::kSideTabs) {
            const HBITMAP picture = label.selected ? tab.m_hbmSelect90 : tab.m_hbmNoSelect90;
            const RECT r{box.left, y, box.right, y + Within(BitmapSize(picture).cx, 20, 200, 90)};
            StretchBitmapTurned(dc, picture, r);
            TextTurned(dc, r, label.text, label.selected ? tab.m_clrActiveText : tab.m_clrInactiveText);
            y = r.bottom + 2;
        }
    });
}

LRESULT CALLBACK RoomProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return Pane(window, message, wParam, lParam,
                [](HDC dc, const RECT& box, const CHallShowElements& hall) { PaintRoom(dc, box, hall.m_room); });
}

LRESULT CALLBACK PersonListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return Pane(window, message, wParam, lParam, [](HDC dc, const RECT& box, const CHallShowElements& hall) {
        PaintPersons(dc, box, hall.m_personList);
    });
}

LRESULT CALLBACK ChatProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return Pane(window, message, wParam, lParam,
                [](HDC dc, const RECT& box, const CHallShowElements&) { PaintChat(dc, box); });
}

LRESULT CALLBACK SplitterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const int index = Index(window);  // 0 beside the tree, 1 beside the person list, 2 above the chat
    switch (message) {
    case WM_SETCURSOR:
        SetCursor(LoadCursor(nullptr, index == 2 ? IDC_SIZENS : IDC_SIZEWE));
        return TRUE;
    case WM_LBUTTONDOWN: SetCapture(window); return 0;
    case WM_LBUTTONUP:
        if (GetCapture() == window) ReleaseCapture();
        return 0;
    case WM_MOUSEMOVE:
        if (GetCapture() == window) {
            POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            MapWindowPoints(window, MainOf(window), &at, 1);
            RECT client;
            GetClientRect(MainOf(window), &client);
            PaneSizes& sizes = CurrentClient()->Panes();
            if (index == 0) sizes.treeWidth = at.x;
            if (index == 1) sizes.personWidth = client.right - at.x;
            if (index == 2) sizes.chatHeight = client.bottom - at.y;
            LayOutHall(CurrentClient()->Windows());
        }
        return 0;
    }
    return Pane(window, message, wParam, lParam, [index](HDC dc, const RECT& box, const CHallShowElements& hall) {
        TileBitmap(dc, index == 2 ? hall.m_splitter.m_hbmRow : hall.m_splitter.m_hbmCol, box);
    });
}

LRESULT CALLBACK ExitMenuProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return Pane(window, message, wParam, lParam, [](HDC dc, const RECT& box, const CHallShowElements& hall) {
        StretchBitmap(dc, hall.m_caption.m_hbmMenu, box);
        Frame(dc, box, RGB(0x6A, 0x71, 0x87));
    });
}

LRESULT CALLBACK ExitEntryProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const int index = Index(window);
    if (message == WM_LBUTTONUP) {
        ShowWindow(GetParent(window), SW_HIDE);
        if (index == 0) PostMessageA(MainOf(window), WM_CLOSE, 0, 0);
        if (index == 2) CurrentClient()->Say("Change user: sign in again from the Lobby menu");
        return 0;
    }
    return Pane(window, message, wParam, lParam, [window, index](HDC dc, const RECT& box, const CHallShowElements& hall) {
        StretchBitmap(dc, hall.m_caption.m_hbmMenu, ParentBoxHere(window));
        if (static_cast<size_t>(index) >= hall.m_arrExitButton.size()) return;
        const CButtonShowElements& entry = hall.m_arrExitButton[static_cast<size_t>(index)];
        const RECT iconColumn{0, 0, box.bottom, box.bottom};
        Fill(dc, iconColumn, entry.m_clrBack);
        DrawIconAt(dc, entry.m_hIcon, (box.bottom - kSmallIcon) / 2, (box.bottom - kSmallIcon) / 2, kSmallIcon);
        Text(dc, iconColumn.right + 6, (box.bottom - 14) / 2, lobby::kExitLabels[index], entry.m_clrText);
    });
}

LRESULT CALLBACK TreeHeaderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return Pane(window, message, wParam, lParam, [](HDC dc, const RECT& box, const CHallShowElements&) {
        const CTreeShowElements& tree = *CurrentClient()->Pack().tree;
        Fill(dc, box, tree.m_clrBack);
        TileBitmap(dc, tree.m_hbmBack, box);
        Text(dc, box.left + 6, box.top + 3, "Servers", tree.m_clrText);
        Fill(dc, RECT{box.left, box.bottom - 1, box.right, box.bottom}, tree.m_clrLine);
    });
}

}  // namespace client
