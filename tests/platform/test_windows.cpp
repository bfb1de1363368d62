#include "test_windows.h"

#include <sstream>

namespace plattest {
namespace {

TestWindows* current = nullptr;

const char* RegisterTestClass(UINT classStyle, WNDPROC procedure) {
    static const bool plain = [procedure] {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = procedure;
        wc.lpszClassName = "PlatformTestWindow";
        return RegisterClassA(&wc) != 0;
    }();
    static const bool redraw = [procedure] {
        WNDCLASSA wc = {};
        wc.style = CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = procedure;
        wc.lpszClassName = "PlatformTestRedrawWindow";
        return RegisterClassA(&wc) != 0;
    }();
    (void)plain;
    (void)redraw;
    return classStyle ? "PlatformTestRedrawWindow" : "PlatformTestWindow";
}

bool Recorded(UINT message) {
    switch (message) {
        case WM_NCCREATE:
        case WM_NCCALCSIZE:
        case WM_CREATE:
        case WM_SIZE:
        case WM_MOVE:
        case WM_SHOWWINDOW:
        case WM_WINDOWPOSCHANGING:
        case WM_WINDOWPOSCHANGED:
        case WM_DESTROY:
        case WM_NCDESTROY:
        case WM_USER: return true;
        default: return false;
    }
}

}  // namespace

std::string MessageName(UINT message) {
    switch (message) {
        case WM_NCCREATE: return "WM_NCCREATE";
        case WM_NCCALCSIZE: return "WM_NCCALCSIZE";
        case WM_CREATE: return "WM_CREATE";
        case WM_SIZE: return "WM_SIZE";
        case WM_MOVE: return "WM_MOVE";
        case WM_SHOWWINDOW: return "WM_SHOWWINDOW";
        case WM_WINDOWPOSCHANGING: return "WM_WINDOWPOSCHANGING";
        case WM_WINDOWPOSCHANGED: return "WM_WINDOWPOSCHANGED";
        case WM_DESTROY: return "WM_DESTROY";
        case WM_NCDESTROY: return "WM_NCDESTROY";
        case WM_USER: return "WM_USER";
        default: return "message " + std::to_string(message);
    }
}

TestWindows::TestWindows(UINT classStyle) : className_(RegisterTestClass(classStyle, &TestWindows::Procedure)) {
    current = this;
}

TestWindows::~TestWindows() {
    answer = nullptr;
    for (auto it = created_.rbegin(); it != created_.rend(); ++it)
        if (IsWindow(*it)) DestroyWindow(*it);
    if (current == this) current = nullptr;
}

HWND TestWindows::Create(const std::string& name, DWORD style, HWND parentOrOwner, RECT rect) {
    HWND window = CreateWindowExA(0, className_, name.c_str(), style, rect.left, rect.top, rect.right - rect.left,
                                  rect.bottom - rect.top, parentOrOwner, nullptr, nullptr,
                                  const_cast<char*>(name.c_str()));
    if (window) created_.push_back(window);
    return window;
}

std::string TestWindows::Name(HWND window) const {
    auto it = names_.find(window);
    return it == names_.end() ? "?" : it->second;
}

std::vector<std::string> TestWindows::Take() {
    std::vector<std::string> taken;
    taken.swap(log_);
    return taken;
}

LRESULT CALLBACK TestWindows::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    TestWindows* self = current;
    if (self) {
        if (message == WM_NCCREATE) {
            const CREATESTRUCTA* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
            if (create->lpCreateParams) self->names_[window] = static_cast<const char*>(create->lpCreateParams);
        }
        if (Recorded(message)) self->log_.push_back(self->Name(window) + " " + MessageName(message));
        LRESULT result = 0;
        if (self->answer && self->answer(window, message, wParam, lParam, &result)) return result;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

std::string UpdateRect(HWND window) {
    RECT rect{-1, -1, -1, -1};
    if (!GetUpdateRect(window, &rect, FALSE)) return "empty";
    std::ostringstream text;
    text << rect.left << ',' << rect.top << ' ' << rect.right << ',' << rect.bottom;
    return text.str();
}

}  // namespace plattest
