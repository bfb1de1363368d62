// Moving, sizing, showing and hiding windows, with the messages and the
// repainting the real platform does around them.
#include <algorithm>
#include <cstdio>

#include "last_error.h"
#include "trace_record.h"
#include "window_tree.h"

namespace win32 {
namespace {

constexpr UINT kNoPositionChange = SWP_NOSIZE | SWP_NOMOVE | SWP_NOCLIENTSIZE | SWP_NOCLIENTMOVE | SWP_NOZORDER;
constexpr UINT kStatusFlags = kNoPositionChange | SWP_FRAMECHANGED | SWP_HIDEWINDOW | SWP_SHOWWINDOW;

LONG Width(const RECT& r) { return r.right - r.left; }
LONG Height(const RECT& r) { return r.bottom - r.top; }

void ClearUpdateTreeLocked(Window& window) {
    window.update.Clear();
    for (std::uint32_t handle : window.children)
        if (std::shared_ptr<Window> child = FindWindowLocked(handle)) ClearUpdateTreeLocked(*child);
}

// What a change of position, size or visibility exposes: the parts of the
// window that were not on screen before, the parts of the parent it no
// longer covers, and, when its size changed, whatever of the client area
// could not be kept. A new frame alone repaints no client pixels: this
// platform draws no frames, so there is nothing else to repaint.
void UpdateRegionsLocked(Window& window, const RECT& oldRect, bool wasShown, UINT flags, UINT validRects) {
    std::shared_ptr<Window> parent = FindWindowLocked(window.parent);
    if (!parent || !IsVisibleLocked(*parent)) return;
    if (!wasShown && !(flags & SWP_SHOWWINDOW)) return;

    const bool shown = (window.style & WS_VISIBLE) != 0;
    const RECT& newRect = window.rect;
    const RECT client = ClientRectOf(window);
    constexpr UINT kExpose = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN;

    if (!(flags & SWP_NOREDRAW)) {
        if (shown) {
            if (!wasShown) {
                RedrawLocked(window, nullptr, kExpose);
            } else {
                const RECT kept{0, 0, Width(oldRect), Height(oldRect)};
                for (const RECT& piece : SubtractRects(client, kept)) RedrawLocked(window, &piece, kExpose);
            }
        }
        if (wasShown && !IsDesktop(*parent)) {
            const RECT covered = shown ? newRect : RECT{0, 0, 0, 0};
            for (const RECT& piece : SubtractRects(oldRect, covered))
                RedrawLocked(*parent, &piece, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        }
    }

    if (!shown) {
        ClearUpdateTreeLocked(window);
        return;
    }
    window.update.Crop(client);
    if (flags & SWP_NOREDRAW) return;

    const bool resized = Width(oldRect) != Width(newRect) || Height(oldRect) != Height(newRect);
    if (!resized) return;
    RECT valid{0, 0, 0, 0};
    if (!(validRects & WVR_REDRAW) && !(flags & SWP_NOCOPYBITS))
        valid = RECT{0, 0, std::min(Width(oldRect), Width(newRect)), std::min(Height(oldRect), Height(newRect))};
    for (const RECT& piece : SubtractRects(client, valid))
        RedrawLocked(window, &piece, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

}  // namespace

BOOL SetWindowPosInternal(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    WINDOWPOS pos{};
    {
        Guard guard(GlobalLock());
        std::shared_ptr<Window> window = FindWindowLocked(hwnd);
        if (!window || IsDesktop(*window)) return Fail(ERROR_INVALID_WINDOW_HANDLE, FALSE);
        if (window->style & WS_VISIBLE) {
            flags &= ~static_cast<UINT>(SWP_SHOWWINDOW);
        } else {
            flags &= ~static_cast<UINT>(SWP_HIDEWINDOW);
            if (!(flags & SWP_SHOWWINDOW)) flags |= SWP_NOREDRAW;
        }
        cx = std::max(cx, 0);
        cy = std::max(cy, 0);
        if (Width(window->rect) == cx && Height(window->rect) == cy) flags |= SWP_NOSIZE;
        if (window->rect.left == x && window->rect.top == y) flags |= SWP_NOMOVE;
        if (insertAfter == hwnd) flags |= SWP_NOZORDER;
        pos = WINDOWPOS{hwnd, insertAfter, x, y, cx, cy, flags};
    }

    if (!(pos.flags & SWP_NOSENDCHANGING)) SendTo(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));

    RECT oldRect{};
    RECT newRect{};
    UINT classStyle = 0;
    {
        Guard guard(GlobalLock());
        std::shared_ptr<Window> window = FindWindowLocked(hwnd);
        if (!window) return Fail(ERROR_INVALID_WINDOW_HANDLE, FALSE);
        oldRect = newRect = window->rect;
        if (!(pos.flags & SWP_NOMOVE)) newRect = OffsetRectBy(newRect, pos.x - newRect.left, pos.y - newRect.top);
        if (!(pos.flags & SWP_NOSIZE)) {
            newRect.right = newRect.left + std::max(pos.cx, 0);
            newRect.bottom = newRect.top + std::max(pos.cy, 0);
        }
        classStyle = window->windowClass->style;
    }

    UINT validRects = 0;
    if ((pos.flags & (SWP_FRAMECHANGED | SWP_NOSIZE)) != SWP_NOSIZE) {
        WINDOWPOS copy = pos;
        if (pos.flags & SWP_NOMOVE) {
            copy.x = oldRect.left;
            copy.y = oldRect.top;
        }
        if (pos.flags & SWP_NOSIZE) {
            copy.cx = Width(oldRect);
            copy.cy = Height(oldRect);
        }
        NCCALCSIZE_PARAMS params{};
        params.rgrc[0] = newRect;
        params.rgrc[1] = oldRect;
        params.rgrc[2] = oldRect;
        params.lppos = &copy;
        if (classStyle & CS_VREDRAW) validRects |= WVR_VREDRAW;
        if (classStyle & CS_HREDRAW) validRects |= WVR_HREDRAW;
        validRects |= static_cast<UINT>(SendTo(hwnd, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params)));
    }

    {
        Guard guard(GlobalLock());
        std::shared_ptr<Window> window = FindWindowLocked(hwnd);
        if (!window) return Fail(ERROR_INVALID_WINDOW_HANDLE, FALSE);
        const bool wasShown = (window->style & WS_VISIBLE) != 0;
        pos.flags |= SWP_NOCLIENTSIZE | SWP_NOCLIENTMOVE;
        if (Width(newRect) != Width(oldRect) || Height(newRect) != Height(oldRect)) pos.flags &= ~SWP_NOCLIENTSIZE;
        if (newRect.left != oldRect.left || newRect.top != oldRect.top) pos.flags &= ~SWP_NOCLIENTMOVE;
        window->rect = newRect;
        if (!(pos.flags & SWP_NOZORDER)) LinkLocked(*window, pos.hwndInsertAfter);
        if (pos.flags & SWP_SHOWWINDOW)
            window->style |= WS_VISIBLE;
        else if (pos.flags & SWP_HIDEWINDOW)
            window->style &= ~static_cast<DWORD>(WS_VISIBLE);
        UpdateRegionsLocked(*window, oldRect, wasShown, pos.flags, validRects);
        pos.x = newRect.left;
        pos.y = newRect.top;
        pos.cx = Width(newRect);
        pos.cy = Height(newRect);
    }

    if ((pos.flags & kStatusFlags) != kNoPositionChange)
        SendTo(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
    return TRUE;
}

BOOL ShowWindowInternal(HWND hwnd, int command) {
    bool wasVisible = false;
    bool child = false;
    {
        Guard guard(GlobalLock());
        std::shared_ptr<Window> window = FindWindowLocked(hwnd);
        if (!window || IsDesktop(*window)) return Fail(ERROR_INVALID_WINDOW_HANDLE, FALSE);
        wasVisible = (window->style & WS_VISIBLE) != 0;
        child = (window->style & WS_CHILD) != 0;
    }

    UINT flags = SWP_NOSIZE | SWP_NOMOVE;
    bool show = true;
    switch (command) {
        case SW_HIDE:
            if (!wasVisible) return FALSE;
            show = false;
            flags |= SWP_HIDEWINDOW;
            if (child) flags |= SWP_NOACTIVATE | SWP_NOZORDER;
            break;
        case SW_SHOWNA:
            flags |= SWP_SHOWWINDOW | SWP_NOACTIVATE;
            if (child) flags |= SWP_NOZORDER;
            break;
        case SW_SHOWNOACTIVATE:
            flags |= SWP_NOACTIVATE | SWP_NOZORDER;
            [[fallthrough]];
        default:
            if (wasVisible) return TRUE;
            flags |= SWP_SHOWWINDOW;
            if (child) flags |= SWP_NOACTIVATE | SWP_NOZORDER;
            break;
    }

    if (show != wasVisible || command == SW_SHOWNA) {
        SendTo(hwnd, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
        if (!IsWindowAlive(hwnd)) return wasVisible ? TRUE : FALSE;
    }
    SetWindowPosInternal(hwnd, HWND_TOP, 0, 0, 0, 0, flags);
    SendOwedSizeAndMove(hwnd);
    return wasVisible ? TRUE : FALSE;
}

void SendOwedSizeAndMove(HWND hwnd) {
    RECT rect{};
    {
        Guard guard(GlobalLock());
        std::shared_ptr<Window> window = FindWindowLocked(hwnd);
        if (!window || !window->needSize) return;
        window->needSize = false;
        rect = window->rect;
    }
    SendTo(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(rect.right - rect.left, rect.bottom - rect.top));
    SendTo(hwnd, WM_MOVE, 0, MAKELPARAM(rect.left, rect.top));
}

}  // namespace win32

using namespace win32;

extern "C" BOOL WINAPI SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy, UINT uFlags) {
    char flags[16];
    std::snprintf(flags, sizeof flags, "0x%04X", uFlags);
    RecordCall("SetWindowPos", hWnd, flags);
    return SetWindowPosInternal(hWnd, hWndInsertAfter, X, Y, cx, cy, uFlags);
}

extern "C" BOOL WINAPI ShowWindow(HWND hWnd, int nCmdShow) { return ShowWindowInternal(hWnd, nCmdShow); }
