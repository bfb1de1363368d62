#include "frame.h"

#include <algorithm>
#include <array>

#include "paint.h"

namespace client {
namespace {

constexpr int kCaptionIcon = 32;  // the caption buttons, at the size the system loads icons
constexpr int kCaptionGap = 2;
constexpr int kMenuGap = 16;
constexpr int kGrip = 16;  // the status bar's right end, where the window is sized
constexpr char kTitle[] = "Game Lobby";

RECT WindowBox(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return RECT{0, 0, r.right - r.left, r.bottom - r.top};
}

RECT TitleRow(const FrameMetrics& m, const RECT& box) {
    return RECT{box.left + m.edge, box.top + m.edge, box.right - m.edge, box.top + m.edge + m.title};
}

RECT MenuBar(const FrameMetrics& m, const RECT& box) {
    const RECT title = TitleRow(m, box);
    return RECT{title.left, title.bottom, title.right, title.bottom + m.menu};
}

RECT StatusBar(const FrameMetrics& m, const RECT& box) {
    return RECT{box.left + m.edge, box.bottom - m.edge - m.status, box.right - m.edge, box.bottom - m.edge};
}

// Minimise, maximise or restore, close: right to left from the title row's end.
RECT CaptionButton(const RECT& title, int fromRight) {
    const int right = title.right - 8 - fromRight * (kCaptionIcon + kCaptionGap);
    const int top = title.top + std::max<int>(0, (title.bottom - title.top - kCaptionIcon) / 2);
    return RECT{right - kCaptionIcon, top, right, top + kCaptionIcon};
}

// Where each menu item starts, from the bar's text start, and where the last
// ends: the items' text and font never change, so they are measured once.
const int* MenuItemStarts() {
    static const auto starts = [] {
        std::array<int, kMenuItemCount + 1> at{};
        HDC dc = GetDC(nullptr);
        for (int i = 0; i < kMenuItemCount; ++i) at[i + 1] = at[i] + TextWidth(dc, kMenuItems[i]) + kMenuGap;
        ReleaseDC(nullptr, dc);
        return at;
    }();
    return starts.data();
}

bool Inside(const RECT& r, POINT p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

}  // namespace

FrameMetrics MeasureFrame(const CCaptionShowElements& caption) {
    const int title = std::max({BitmapSize(caption.m_hbmTitleLeft).cy, BitmapSize(caption.m_hbmTitleMid).cy,
                                BitmapSize(caption.m_hbmTitleRight).cy});
    return FrameMetrics{Within(BitmapSize(caption.m_hbmFrameLeft).cx, 1, 12, 4), Within(title, 16, 120, 50),
                        Within(BitmapSize(caption.m_hbmMenuBar).cy, 16, 40, 20),
                        Within(BitmapSize(caption.m_hbmStatusMid).cy, 16, 60, 30)};
}

RECT MenuItemRect(const CCaptionShowElements& caption, HWND window, int item) {
    const RECT bar = MenuBar(MeasureFrame(caption), WindowBox(window));
    const int x = bar.left + 8 + MenuItemStarts()[item];
    const int width = MenuItemStarts()[item + 1] - MenuItemStarts()[item] - kMenuGap;
    return RECT{x - kMenuGap / 2, bar.top, x + width + kMenuGap / 2, bar.bottom};
}

FrameHit HitFrame(const CCaptionShowElements& caption, HWND window, POINT at) {
    const FrameMetrics m = MeasureFrame(caption);
    const RECT box = WindowBox(window);
    const RECT title = TitleRow(m, box);
    if (Inside(CaptionButton(title, 0), at)) return {FramePart::kClose, -1};
    if (Inside(CaptionButton(title, 1), at)) return {FramePart::kMaximise, -1};
    if (Inside(CaptionButton(title, 2), at)) return {FramePart::kMinimise, -1};
    if (Inside(title, at)) return {FramePart::kTitle, -1};
    if (Inside(MenuBar(m, box), at)) {
        for (int i = 0; i < kMenuItemCount; ++i)
            if (Inside(MenuItemRect(caption, window, i), at)) return {FramePart::kMenu, i};
        return {FramePart::kMenu, -1};
    }
    const RECT status = StatusBar(m, box);
    if (Inside(status, at)) return {at.x >= status.right - kGrip ? FramePart::kGrip : FramePart::kStatus, -1};
    const RECT inner{box.left + m.edge, box.top + m.edge, box.right - m.edge, box.bottom - m.edge};
    return {Inside(inner, at) ? FramePart::kNone : FramePart::kEdge, -1};
}

void PaintFrame(HWND window, const CCaptionShowElements& caption, const char* status) {
    const FrameMetrics m = MeasureFrame(caption);
    const RECT box = WindowBox(window);
    HDC dc = GetWindowDC(window);
    // The client area is its windows' own.
    RECT client;
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    RECT windowRect;
    GetWindowRect(window, &windowRect);
    OffsetRect(&client, -windowRect.left, -windowRect.top);
    ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);

    StretchBitmap(dc, caption.m_hbmFrameTop, RECT{0, 0, box.right, m.edge});
    StretchBitmap(dc, caption.m_hbmFrameBottom, RECT{0, box.bottom - m.edge, box.right, box.bottom});
    StretchBitmap(dc, caption.m_hbmFrameLeft, RECT{0, m.edge, m.edge, box.bottom - m.edge});
    StretchBitmap(dc, caption.m_hbmFrameRight, RECT{box.right - m.edge, m.edge, box.right, box.bottom - m.edge});

    const RECT title = TitleRow(m, box);
    // The row is as high as its highest picture; the middle one, stretched,
    // runs on beneath the shorter ends.
    StretchBitmap(dc, caption.m_hbmTitleMid, title);
    DrawPiecedBar(dc, title, caption.m_hbmTitleLeft, caption.m_hbmTitleMid, caption.m_hbmTitleRight);
    const int textY = title.top + (m.title - 14) / 2;
    Text(dc, title.left + 57, textY + 1, kTitle, caption.m_clrCaption);
    Text(dc, title.left + 56, textY, kTitle, caption.m_clrCaptionText);
    const HICON buttons[] = {caption.m_hIconClose, IsZoomed(window) ? caption.m_hIconNormal : caption.m_hIconMax,
                             caption.m_hIconMin};
    const RECT plate{CaptionButton(title, 2).left - kCaptionGap, CaptionButton(title, 0).top - 2,
                     CaptionButton(title, 0).right + kCaptionGap, CaptionButton(title, 0).bottom + 2};
    StretchBitmap(dc, caption.m_hbmCaption, plate);
    for (int i = 0; i < 3; ++i) {
        const RECT r = CaptionButton(title, i);
        DrawIconAt(dc, buttons[i], r.left, r.top, kCaptionIcon);
    }

    const RECT bar = MenuBar(m, box);
    StretchBitmap(dc, caption.m_hbmMenuBar, bar);
    for (int i = 0; i < kMenuItemCount; ++i)
        TextCentred(dc, MenuItemRect(caption, window, i), kMenuItems[i], caption.m_clrMenu);

    const RECT statusBar = StatusBar(m, box);
    DrawPiecedBar(dc, statusBar, caption.m_hbmStatusLeft, caption.m_hbmStatusMid, caption.m_hbmStatusRight);
    Text(dc, statusBar.left + BitmapSize(caption.m_hbmStatusLeft).cx + 8, statusBar.top + (m.status - 14) / 2, status,
         RGB(0, 0, 0));
    ReleaseDC(window, dc);
}

}  // namespace client
