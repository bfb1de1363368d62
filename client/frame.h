#pragma once
// The main window's non-client area, painted from the caption element: the
// frame edges, the title row at its pictures' height, the menu bar and the
// status bar.
#include <windows.h>

#include "skinpak1.h"

namespace client {

struct FrameMetrics {
    int edge;    // thickness of the frame edges
    int title;   // the title row, as high as its pictures
    int menu;    // the menu bar
    int status;  // the status bar
};
FrameMetrics MeasureFrame(const CCaptionShowElements& caption);

enum class FramePart { kNone, kTitle, kMinimise, kMaximise, kClose, kMenu, kStatus, kGrip, kEdge };
struct FrameHit {
    FramePart part;
    int menuItem;  // within the menu bar: which item, else -1
};
// Where a point of the window (window coordinates) falls.
FrameHit HitFrame(const CCaptionShowElements& caption, HWND window, POINT at);

void PaintFrame(HWND window, const CCaptionShowElements& caption, const char* status);
// Where menu item i lies, in window coordinates.
RECT MenuItemRect(const CCaptionShowElements& caption, HWND window, int item);

constexpr const char* kMenuItems[] = {"Lobby", "Skin", "Help"};
constexpr int kMenuItemCount = 3;

}  // namespace client
