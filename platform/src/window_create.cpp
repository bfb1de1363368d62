// Window creation, with the messages the real platform sends while a window
// comes into being.
#include "last_error.h"
#include "window_tree.h"

namespace win32 {

// Takes apart a window that failed during creation: it and any children
// made meanwhile get WM_NCDESTROY only, as on the real platform.
void DestroyUncreated(HWND hwnd);

}  // namespace win32

using namespace win32;

extern "C" HWND WINAPI CreateWindowExA(DWORD dwExStyle, LPCSTR lpClassName, LPCSTR lpWindowName, DWORD dwStyle,
                                       int X, int Y, int nWidth, int nHeight, HWND hWndParent, HMENU hMenu,
                                       HINSTANCE hInstance, LPVOID lpParam) {
    HWND hwnd = nullptr;
    CREATESTRUCTA create{};
    {
        Guard guard(GlobalLock());
        std::shared_ptr<WindowClass> windowClass = FindClassLocked(lpClassName, hInstance);
        if (!windowClass) return Fail<HWND>(ERROR_CANNOT_FIND_WND_CLASS, nullptr);

        std::shared_ptr<Window> parent;
        std::uint32_t owner = 0;
        if (dwStyle & WS_CHILD) {
            if (!hWndParent) return Fail<HWND>(ERROR_TLW_WITH_WSCHILD, nullptr);
            parent = FindWindowLocked(hWndParent);
            if (!parent) return Fail<HWND>(ERROR_INVALID_WINDOW_HANDLE, nullptr);
        } else {
            parent = DesktopLocked();
            if (hWndParent) {
                // The owner of a top-level window is always a top-level window.
                std::shared_ptr<Window> given = FindWindowLocked(hWndParent);
                if (!given) return Fail<HWND>(ERROR_INVALID_WINDOW_HANDLE, nullptr);
                while (given && !IsDesktop(*given) && given->parent != parent->handle)
                    given = FindWindowLocked(given->parent);
                if (given && !IsDesktop(*given)) owner = given->handle;
            }
        }

        const bool child = (dwStyle & WS_CHILD) != 0;
        if (X == CW_USEDEFAULT) X = Y = 0;
        if (nWidth == CW_USEDEFAULT) {
            nWidth = child ? 0 : GetSystemMetrics(SM_CXSCREEN) * 3 / 4;
            nHeight = child ? 0 : GetSystemMetrics(SM_CYSCREEN) * 3 / 4;
        }
        if (nWidth < 0) nWidth = 0;
        if (nHeight < 0) nHeight = 0;

        auto window = std::make_shared<Window>();
        window->windowClass = windowClass;
        window->proc = windowClass->proc;
        window->style = dwStyle & ~static_cast<DWORD>(WS_VISIBLE);
        window->exStyle = dwExStyle;
        window->instance = hInstance;
        window->parent = parent->handle;
        window->owner = owner;
        window->rect = RECT{X, Y, X + nWidth, Y + nHeight};
        window->thread = GetCurrentThreadId();
        window->id = child ? reinterpret_cast<LONG_PTR>(hMenu) : 0;
        if (AddObject(window) == 0) return Fail<HWND>(ERROR_NOT_ENOUGH_MEMORY, nullptr);
        ++windowClass->liveWindows;
        hwnd = ToHandle<HWND>(*window);

        create.lpCreateParams = lpParam;
        create.hInstance = hInstance;
        create.hMenu = hMenu;
        create.hwndParent = hWndParent;
        create.cy = nHeight;
        create.cx = nWidth;
        create.y = Y;
        create.x = X;
        create.style = static_cast<LONG>(dwStyle);
        create.lpszName = lpWindowName;
        create.lpszClass = lpClassName;
        create.dwExStyle = dwExStyle;
    }

    if (!SendTo(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&create))) {
        DestroyUncreated(hwnd);
        return nullptr;
    }

    // WM_NCCALCSIZE without a frame leaves the client area the whole window;
    // the rectangle is in screen coordinates, as on the real platform.
    RECT frame{};
    {
        Guard guard(GlobalLock());
        std::shared_ptr<Window> window = FindWindowLocked(hwnd);
        if (!window) return nullptr;
        LinkLocked(*window, (window->style & WS_CHILD) ? HWND_BOTTOM : HWND_TOP);
        const POINT origin = ScreenOriginLocked(*window);
        frame = OffsetRectBy(ClientRectOf(*window), origin.x, origin.y);
    }
    SendTo(hwnd, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&frame));

    if (SendTo(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
        DestroyUncreated(hwnd);
        return nullptr;
    }
    if (!IsWindowAlive(hwnd)) return nullptr;

    // An overlapped window hears its size and position when it is first
    // shown; popups and children hear them now.
    {
        Guard guard(GlobalLock());
        if (std::shared_ptr<Window> window = FindWindowLocked(hwnd)) window->needSize = true;
    }
    if (dwStyle & (WS_CHILD | WS_POPUP)) SendOwedSizeAndMove(hwnd);

    if (dwStyle & WS_VISIBLE) ShowWindowInternal(hwnd, SW_SHOW);
    return IsWindowAlive(hwnd) ? hwnd : nullptr;
}
