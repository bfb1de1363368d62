// Window destruction in the real platform's order: the window is hidden,
// its owned windows go first, WM_DESTROY travels down the tree from the
// window to its children, then WM_NCDESTROY comes back up from the deepest
// child to the window itself.
#include <algorithm>

#include "last_error.h"
#include "window_tree.h"

namespace win32 {
namespace {

std::vector<std::uint32_t> ChildrenOf(HWND hwnd) {
    Guard guard(GlobalLock());
    std::shared_ptr<Window> window = FindWindowLocked(hwnd);
    return window ? window->children : std::vector<std::uint32_t>();
}

void SendDestroyMessages(HWND hwnd) {
    SendTo(hwnd, WM_DESTROY, 0, 0);
    for (std::uint32_t child : ChildrenOf(hwnd))
        if (IsWindowAlive(MakeHandle<HWND>(child))) SendDestroyMessages(MakeHandle<HWND>(child));
}

void FreeWindow(HWND hwnd) {
    for (std::uint32_t child : ChildrenOf(hwnd)) FreeWindow(MakeHandle<HWND>(child));
    SendTo(hwnd, WM_NCDESTROY, 0, 0);
    Guard guard(GlobalLock());
    std::shared_ptr<Window> window = FindWindowLocked(hwnd);
    if (!window) return;
    UnlinkLocked(*window);
    --window->windowClass->liveWindows;
    RemoveObject(window->handle);
}

// Top-level windows of the calling thread owned by the window; those of other
// threads lose their owner instead.
std::vector<std::uint32_t> TakeOwnedWindows(HWND hwnd) {
    Guard guard(GlobalLock());
    std::vector<std::uint32_t> owned;
    const DWORD thread = GetCurrentThreadId();
    for (std::uint32_t handle : DesktopLocked()->children) {
        std::shared_ptr<Window> window = FindWindowLocked(handle);
        if (!window || window->owner != HandleValue(hwnd)) continue;
        if (window->thread == thread)
            owned.push_back(handle);
        else
            window->owner = 0;
    }
    return owned;
}

}  // namespace

void DestroyUncreated(HWND hwnd) {
    {
        Guard guard(GlobalLock());
        std::shared_ptr<Window> window = FindWindowLocked(hwnd);
        if (!window) return;
        window->destroying = true;
    }
    FreeWindow(hwnd);
}

}  // namespace win32

using namespace win32;

extern "C" BOOL WINAPI DestroyWindow(HWND hWnd) {
    bool child = false;
    bool visible = false;
    {
        Guard guard(GlobalLock());
        std::shared_ptr<Window> window = FindWindowLocked(hWnd);
        if (!window || IsDesktop(*window)) return Fail(ERROR_INVALID_WINDOW_HANDLE, FALSE);
        if (window->destroying) return FALSE;
        window->destroying = true;
        child = (window->style & WS_CHILD) != 0;
        visible = (window->style & WS_VISIBLE) != 0;
    }

    if (visible) {
        if (child)
            ShowWindowInternal(hWnd, SW_HIDE);
        else
            SetWindowPosInternal(hWnd, nullptr, 0, 0, 0, 0,
                                 SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
    }
    if (!IsWindowAlive(hWnd)) return TRUE;

    if (!child) {
        // Each owned window is tried once, so one that refuses cannot stall the loop.
        std::vector<std::uint32_t> tried;
        for (;;) {
            bool destroyedOne = false;
            for (std::uint32_t owned : TakeOwnedWindows(hWnd)) {
                if (std::find(tried.begin(), tried.end(), owned) != tried.end()) continue;
                tried.push_back(owned);
                DestroyWindow(MakeHandle<HWND>(owned));
                destroyedOne = true;
            }
            if (!destroyedOne) break;
        }
    }

    SendDestroyMessages(hWnd);
    if (!IsWindowAlive(hWnd)) return TRUE;
    FreeWindow(hWnd);
    return TRUE;
}
