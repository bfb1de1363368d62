#include "window_tree.h"

#include <algorithm>

namespace win32 {

std::shared_ptr<Window> DesktopLocked() {
    // Never destroyed: modules may still create or destroy windows while the process exits.
    static auto* desktop = [] {
        auto window = std::make_shared<Window>();
        window->style = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
        window->rect = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        window->linked = true;
        AddObject(window);
        return new std::shared_ptr<Window>(window);
    }();
    return *desktop;
}

std::shared_ptr<Window> FindWindowLocked(std::uint32_t handle) {
    DesktopLocked();
    return FindAs<Window>(handle, Kind::Window);
}

std::shared_ptr<Window> FindWindowLocked(HWND hwnd) { return FindWindowLocked(HandleValue(hwnd)); }

bool IsDesktop(const Window& window) { return window.parent == 0; }

RECT ClientRectOf(const Window& window) {
    return RECT{0, 0, window.rect.right - window.rect.left, window.rect.bottom - window.rect.top};
}

bool IsVisibleLocked(const Window& window) {
    const Window* current = &window;
    while (current) {
        if (!(current->style & WS_VISIBLE)) return false;
        if (current->parent == 0) return true;
        std::shared_ptr<Window> parent = FindWindowLocked(current->parent);
        if (!parent) return false;
        current = parent.get();
    }
    return false;
}

POINT ScreenOriginLocked(const Window& window) {
    POINT origin{window.rect.left, window.rect.top};
    std::shared_ptr<Window> parent = FindWindowLocked(window.parent);
    while (parent && !IsDesktop(*parent)) {
        origin.x += parent->rect.left;
        origin.y += parent->rect.top;
        parent = FindWindowLocked(parent->parent);
    }
    return origin;
}

void UnlinkLocked(Window& window) {
    if (!window.linked) return;
    window.linked = false;
    std::shared_ptr<Window> parent = FindWindowLocked(window.parent);
    if (!parent) return;
    auto& siblings = parent->children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), window.handle), siblings.end());
}

void LinkLocked(Window& window, HWND insertAfter) {
    std::shared_ptr<Window> parent = FindWindowLocked(window.parent);
    if (!parent) return;
    UnlinkLocked(window);
    auto& siblings = parent->children;
    auto position = siblings.begin();
    if (insertAfter == HWND_BOTTOM) {
        position = siblings.end();
    } else if (insertAfter != HWND_TOP && insertAfter != HWND_TOPMOST && insertAfter != HWND_NOTOPMOST) {
        auto after = std::find(siblings.begin(), siblings.end(), HandleValue(insertAfter));
        if (after != siblings.end()) position = after + 1;
    }
    siblings.insert(position, window.handle);
    window.linked = true;
}

HWND GetParentLocked(const Window& window) {
    if (window.style & WS_POPUP) return MakeHandle<HWND>(window.owner);
    if (window.style & WS_CHILD) return MakeHandle<HWND>(window.parent);
    return nullptr;
}

LRESULT SendTo(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    WNDPROC proc = nullptr;
    {
        Guard guard(GlobalLock());
        std::shared_ptr<Window> window = FindWindowLocked(hwnd);
        if (!window || IsDesktop(*window)) return 0;
        proc = window->proc;
    }
    return proc ? proc(hwnd, message, wParam, lParam) : 0;
}

bool IsWindowAlive(HWND hwnd) {
    Guard guard(GlobalLock());
    return FindWindowLocked(hwnd) != nullptr;
}

}  // namespace win32

extern "C" LRESULT WINAPI SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    return win32::SendTo(hWnd, Msg, wParam, lParam);
}

extern "C" LRESULT WINAPI CallWindowProcA(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    return lpPrevWndFunc ? lpPrevWndFunc(hWnd, Msg, wParam, lParam) : 0;
}

extern "C" LRESULT WINAPI DefWindowProcA(HWND hWnd, UINT Msg, WPARAM, LPARAM lParam) {
    switch (Msg) {
        case WM_NCCREATE: return TRUE;
        case WM_CLOSE: DestroyWindow(hWnd); return 0;
        case WM_WINDOWPOSCHANGED: {
            // Tell the window of a moved or resized client area, as the real default does.
            const WINDOWPOS* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
            if (!pos) return 0;
            if (!(pos->flags & SWP_NOCLIENTMOVE)) win32::SendTo(hWnd, WM_MOVE, 0, MAKELPARAM(pos->x, pos->y));
            if (!(pos->flags & SWP_NOCLIENTSIZE))
                win32::SendTo(hWnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(pos->cx, pos->cy));
            return 0;
        }
        default: return 0;
    }
}
