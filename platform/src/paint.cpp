// Update regions: what RedrawWindow, InvalidateRect and ValidateRect add or
// remove, and what GetUpdateRect reports. Nothing is painted here; a window
// is only ever told through its update region.
#include "last_error.h"
#include "window_tree.h"

namespace win32 {

void RedrawLocked(Window& window, const RECT* area, UINT flags) {
    RECT cropped = ClientRectOf(window);
    if (area) IntersectRects(*area, cropped, &cropped);

    if (flags & RDW_INVALIDATE)
        window.update.Add(cropped);
    else if (flags & RDW_VALIDATE)
        window.update.Subtract(cropped);

    // Children share the area unless the window clips them out of its own.
    if (flags & RDW_NOCHILDREN) return;
    if ((window.style & WS_CLIPCHILDREN) && !(flags & RDW_ALLCHILDREN)) return;
    if (IsEmptyRect(cropped)) return;
    for (std::uint32_t handle : window.children) {
        std::shared_ptr<Window> child = FindWindowLocked(handle);
        if (!child || !(child->style & WS_VISIBLE)) continue;
        RECT overlap;
        if (!IntersectRects(cropped, child->rect, &overlap)) continue;
        const RECT childArea = OffsetRectBy(overlap, -child->rect.left, -child->rect.top);
        RedrawLocked(*child, &childArea, flags);
    }
}

}  // namespace win32

using namespace win32;

extern "C" BOOL WINAPI RedrawWindow(HWND hWnd, const RECT* lprcUpdate, HRGN hrgnUpdate, UINT flags) {
    // No region objects exist here, so a region names nothing to repaint.
    if (hrgnUpdate && !lprcUpdate) return Fail(ERROR_INVALID_HANDLE, FALSE);
    Guard guard(GlobalLock());
    std::shared_ptr<Window> window;
    if (hWnd) {
        window = FindWindowLocked(hWnd);
        if (!window) return Fail(ERROR_INVALID_WINDOW_HANDLE, FALSE);
    } else {
        window = DesktopLocked();
        flags |= RDW_ALLCHILDREN;
    }
    // A window that is not on screen has nothing to repaint.
    if (!IsVisibleLocked(*window)) return TRUE;
    RedrawLocked(*window, lprcUpdate, flags);
    return TRUE;
}

extern "C" BOOL WINAPI InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase) {
    return RedrawWindow(hWnd, lpRect, nullptr, RDW_INVALIDATE | (bErase ? RDW_ERASE : 0));
}

extern "C" BOOL WINAPI ValidateRect(HWND hWnd, const RECT* lpRect) {
    return RedrawWindow(hWnd, lpRect, nullptr, RDW_VALIDATE);
}

extern "C" BOOL WINAPI GetUpdateRect(HWND hWnd, LPRECT lpRect, BOOL) {
    Guard guard(GlobalLock());
    std::shared_ptr<Window> window = FindWindowLocked(hWnd);
    if (!window) return Fail(ERROR_INVALID_WINDOW_HANDLE, FALSE);
    if (lpRect) *lpRect = window->update.Empty() ? RECT{0, 0, 0, 0} : window->update.Bounds();
    return window->update.Empty() ? FALSE : TRUE;
}
