#pragma once
// Windows, their classes and the tree they form under the desktop window.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "handle_table.h"
#include "region.h"

namespace win32 {

struct WindowClass {
    std::string name;
    ATOM atom = 0;
    HINSTANCE instance = nullptr;
    WNDPROC proc = nullptr;
    UINT style = 0;
    int liveWindows = 0;
};

struct Window : Object {
    Window() : Object(Kind::Window) {}
    std::shared_ptr<WindowClass> windowClass;
    WNDPROC proc = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    HINSTANCE instance = nullptr;
    std::uint32_t parent = 0;  // 0 only for the desktop window
    std::uint32_t owner = 0;   // top-level windows only
    std::vector<std::uint32_t> children;  // z-order, top first
    RECT rect{0, 0, 0, 0};                // in the parent's client coordinates
    BoxRegion update;                      // in client coordinates
    DWORD thread = 0;
    LONG_PTR userData = 0;
    LONG_PTR id = 0;
    bool linked = false;      // placed among its siblings
    bool destroying = false;  // DestroyWindow has begun
    bool needSize = false;    // WM_SIZE and WM_MOVE still owed, until the first show
};

// Expect the global lock to be held.
std::shared_ptr<Window> DesktopLocked();
std::shared_ptr<Window> FindWindowLocked(HWND hwnd);
std::shared_ptr<Window> FindWindowLocked(std::uint32_t handle);
bool IsDesktop(const Window& window);
RECT ClientRectOf(const Window& window);
bool IsVisibleLocked(const Window& window);  // itself and every ancestor
POINT ScreenOriginLocked(const Window& window);
void LinkLocked(Window& window, HWND insertAfter);
void UnlinkLocked(Window& window);
HWND GetParentLocked(const Window& window);  // the owner of a popup, the parent of a child
std::shared_ptr<WindowClass> FindClassLocked(LPCSTR name, HINSTANCE instance);

// Sends a message without holding the lock: 0 and nothing called when the
// handle names no window.
LRESULT SendTo(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
bool IsWindowAlive(HWND hwnd);

// The window operations that messages and other operations build on.
BOOL SetWindowPosInternal(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
BOOL ShowWindowInternal(HWND hwnd, int command);
// WM_SIZE and WM_MOVE, if the window has not had them yet.
void SendOwedSizeAndMove(HWND hwnd);
// Adds to or removes from update regions the way RedrawWindow does; area in
// client coordinates, null for all of the client area.
void RedrawLocked(Window& window, const RECT* area, UINT flags);

template <class H>
H ToHandle(const Window& window) {
    return MakeHandle<H>(window.handle);
}

}  // namespace win32
