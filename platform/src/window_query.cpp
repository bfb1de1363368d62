// What a window can be asked: whether it exists and shows, its relatives,
// its rectangles and its stored values.
#include "last_error.h"
#include "window_tree.h"

using namespace win32;

extern "C" BOOL WINAPI IsWindow(HWND hWnd) {
    Guard guard(GlobalLock());
    return FindWindowLocked(hWnd) ? TRUE : FALSE;
}

extern "C" HWND WINAPI GetDesktopWindow(void) {
    Guard guard(GlobalLock());
    return ToHandle<HWND>(*DesktopLocked());
}

extern "C" BOOL WINAPI IsWindowVisible(HWND hWnd) {
    Guard guard(GlobalLock());
    std::shared_ptr<Window> window = FindWindowLocked(hWnd);
    return window && IsVisibleLocked(*window) ? TRUE : FALSE;
}

extern "C" HWND WINAPI GetParent(HWND hWnd) {
    Guard guard(GlobalLock());
    std::shared_ptr<Window> window = FindWindowLocked(hWnd);
    if (!window) return Fail<HWND>(ERROR_INVALID_WINDOW_HANDLE, nullptr);
    return GetParentLocked(*window);
}

extern "C" HWND WINAPI GetAncestor(HWND hwnd, UINT gaFlags) {
    Guard guard(GlobalLock());
    std::shared_ptr<Window> window = FindWindowLocked(hwnd);
    if (!window) return Fail<HWND>(ERROR_INVALID_WINDOW_HANDLE, nullptr);
    switch (gaFlags) {
        case GA_PARENT: return MakeHandle<HWND>(window->parent);
        case GA_ROOT: {
            if (IsDesktop(*window)) return hwnd;
            std::shared_ptr<Window> current = window;
            for (;;) {
                std::shared_ptr<Window> parent = FindWindowLocked(current->parent);
                if (!parent || IsDesktop(*parent)) return ToHandle<HWND>(*current);
                current = parent;
            }
        }
        case GA_ROOTOWNER: {
            // Up through parents of children and owners of popups alike.
            if (IsDesktop(*window)) return nullptr;
            std::shared_ptr<Window> current = window;
            for (;;) {
                std::shared_ptr<Window> next = FindWindowLocked(GetParentLocked(*current));
                if (!next) return ToHandle<HWND>(*current);
                current = next;
            }
        }
        default: return nullptr;
    }
}

extern "C" HWND WINAPI GetWindow(HWND hWnd, UINT uCmd) {
    Guard guard(GlobalLock());
    std::shared_ptr<Window> window = FindWindowLocked(hWnd);
    if (!window) return Fail<HWND>(ERROR_INVALID_WINDOW_HANDLE, nullptr);
    if (uCmd == GW_OWNER) return MakeHandle<HWND>(window->owner);
    if (uCmd == GW_CHILD) return window->children.empty() ? nullptr : MakeHandle<HWND>(window->children.front());
    std::shared_ptr<Window> parent = FindWindowLocked(window->parent);
    if (!parent) return nullptr;
    const std::vector<std::uint32_t>& siblings = parent->children;
    if (siblings.empty()) return nullptr;
    std::size_t index = 0;
    while (index < siblings.size() && siblings[index] != window->handle) ++index;
    switch (uCmd) {
        case GW_HWNDFIRST: return MakeHandle<HWND>(siblings.front());
        case GW_HWNDLAST: return MakeHandle<HWND>(siblings.back());
        case GW_HWNDNEXT: return index + 1 < siblings.size() ? MakeHandle<HWND>(siblings[index + 1]) : nullptr;
        case GW_HWNDPREV:
            return index > 0 && index < siblings.size() ? MakeHandle<HWND>(siblings[index - 1]) : nullptr;
        default: return Fail<HWND>(ERROR_INVALID_PARAMETER, nullptr);
    }
}

extern "C" BOOL WINAPI EnumThreadWindows(DWORD dwThreadId, WNDENUMPROC lpfn, LPARAM lParam) {
    std::vector<std::uint32_t> windows;
    {
        Guard guard(GlobalLock());
        for (std::uint32_t handle : DesktopLocked()->children) {
            std::shared_ptr<Window> window = FindWindowLocked(handle);
            if (window && window->thread == dwThreadId) windows.push_back(handle);
        }
    }
    for (std::uint32_t handle : windows)
        if (!lpfn(MakeHandle<HWND>(handle), lParam)) return FALSE;
    return TRUE;
}

extern "C" DWORD WINAPI GetWindowThreadProcessId(HWND hWnd, DWORD* lpdwProcessId) {
    Guard guard(GlobalLock());
    std::shared_ptr<Window> window = FindWindowLocked(hWnd);
    if (!window) return Fail<DWORD>(ERROR_INVALID_WINDOW_HANDLE, 0);
    if (lpdwProcessId) *lpdwProcessId = GetCurrentProcessId();
    return window->thread ? window->thread : GetCurrentThreadId();
}

extern "C" BOOL WINAPI GetClientRect(HWND hWnd, LPRECT lpRect) {
    Guard guard(GlobalLock());
    std::shared_ptr<Window> window = FindWindowLocked(hWnd);
    if (!window) return Fail(ERROR_INVALID_WINDOW_HANDLE, FALSE);
    if (!lpRect) return Fail(ERROR_INVALID_PARAMETER, FALSE);
    *lpRect = ClientRectOf(*window);
    return TRUE;
}

extern "C" BOOL WINAPI GetWindowRect(HWND hWnd, LPRECT lpRect) {
    Guard guard(GlobalLock());
    std::shared_ptr<Window> window = FindWindowLocked(hWnd);
    if (!window) return Fail(ERROR_INVALID_WINDOW_HANDLE, FALSE);
    if (!lpRect) return Fail(ERROR_INVALID_PARAMETER, FALSE);
    const POINT origin = ScreenOriginLocked(*window);
    *lpRect = OffsetRectBy(ClientRectOf(*window), origin.x, origin.y);
    return TRUE;
}

extern "C" LONG_PTR WINAPI GetWindowLongPtrA(HWND hWnd, int nIndex) {
    Guard guard(GlobalLock());
    std::shared_ptr<Window> window = FindWindowLocked(hWnd);
    if (!window || IsDesktop(*window)) return Fail<LONG_PTR>(ERROR_INVALID_WINDOW_HANDLE, 0);
    switch (nIndex) {
        case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(window->proc);
        case GWLP_HINSTANCE: return reinterpret_cast<LONG_PTR>(window->instance);
        case GWLP_HWNDPARENT:
            return static_cast<LONG_PTR>((window->style & WS_CHILD) ? window->parent : window->owner);
        case GWLP_ID: return window->id;
        case GWL_STYLE: return static_cast<LONG_PTR>(static_cast<LONG>(window->style));
        case GWL_EXSTYLE: return static_cast<LONG_PTR>(static_cast<LONG>(window->exStyle));
        case GWLP_USERDATA: return window->userData;
        default: return Fail<LONG_PTR>(ERROR_INVALID_PARAMETER, 0);
    }
}

extern "C" LONG_PTR WINAPI SetWindowLongPtrA(HWND hWnd, int nIndex, LONG_PTR dwNewLong) {
    Guard guard(GlobalLock());
    std::shared_ptr<Window> window = FindWindowLocked(hWnd);
    if (!window || IsDesktop(*window)) return Fail<LONG_PTR>(ERROR_INVALID_WINDOW_HANDLE, 0);
    LONG_PTR previous = 0;
    switch (nIndex) {
        case GWLP_WNDPROC:
            if (!dwNewLong) return Fail<LONG_PTR>(ERROR_INVALID_PARAMETER, 0);
            previous = reinterpret_cast<LONG_PTR>(window->proc);
            window->proc = reinterpret_cast<WNDPROC>(dwNewLong);
            return previous;
        case GWLP_ID: previous = window->id; window->id = dwNewLong; return previous;
        case GWLP_USERDATA: previous = window->userData; window->userData = dwNewLong; return previous;
        case GWL_STYLE:
            previous = static_cast<LONG>(window->style);
            window->style = static_cast<DWORD>(dwNewLong);
            return previous;
        case GWL_EXSTYLE:
            previous = static_cast<LONG>(window->exStyle);
            window->exStyle = static_cast<DWORD>(dwNewLong);
            return previous;
        default: return Fail<LONG_PTR>(ERROR_INVALID_PARAMETER, 0);
    }
}
