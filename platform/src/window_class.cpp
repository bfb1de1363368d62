// Window classes: a name (or atom) and the procedure its windows start with.
#include <strings.h>

#include <vector>

#include "last_error.h"
#include "window_tree.h"

namespace win32 {
namespace {

// Local class atoms come from the range the real platform uses for them.
constexpr ATOM kFirstAtom = 0xC000;
ATOM nextAtom = kFirstAtom;

std::vector<std::shared_ptr<WindowClass>>& Classes() {
    static auto* classes = new std::vector<std::shared_ptr<WindowClass>>();
    return *classes;
}

bool NameMatches(const WindowClass& windowClass, LPCSTR name) {
    if (IS_INTRESOURCE(name)) return windowClass.atom == static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(name));
    return strcasecmp(windowClass.name.c_str(), name) == 0;
}

}  // namespace

std::shared_ptr<WindowClass> FindClassLocked(LPCSTR name, HINSTANCE instance) {
    if (!name) return nullptr;
    std::shared_ptr<WindowClass> any;
    for (const auto& windowClass : Classes()) {
        if (!NameMatches(*windowClass, name)) continue;
        if (windowClass->instance == instance) return windowClass;
        if (!any) any = windowClass;
    }
    return any;
}

}  // namespace win32

using namespace win32;

extern "C" ATOM WINAPI RegisterClassA(const WNDCLASSA* lpWndClass) {
    if (!lpWndClass || !lpWndClass->lpszClassName || IS_INTRESOURCE(lpWndClass->lpszClassName) ||
        !lpWndClass->lpfnWndProc)
        return Fail<ATOM>(ERROR_INVALID_PARAMETER, 0);
    Guard guard(GlobalLock());
    for (const auto& windowClass : Classes())
        if (windowClass->instance == lpWndClass->hInstance && NameMatches(*windowClass, lpWndClass->lpszClassName))
            return Fail<ATOM>(ERROR_CLASS_ALREADY_EXISTS, 0);
    if (nextAtom == 0xFFFF) return Fail<ATOM>(ERROR_NOT_ENOUGH_MEMORY, 0);
    auto windowClass = std::make_shared<WindowClass>();
    windowClass->name = lpWndClass->lpszClassName;
    windowClass->atom = nextAtom++;
    windowClass->instance = lpWndClass->hInstance;
    windowClass->proc = lpWndClass->lpfnWndProc;
    windowClass->style = lpWndClass->style;
    Classes().push_back(windowClass);
    return windowClass->atom;
}

extern "C" BOOL WINAPI UnregisterClassA(LPCSTR lpClassName, HINSTANCE hInstance) {
    Guard guard(GlobalLock());
    auto& classes = Classes();
    for (auto it = classes.begin(); it != classes.end(); ++it) {
        if ((*it)->instance != hInstance || !NameMatches(**it, lpClassName)) continue;
        if ((*it)->liveWindows > 0) return Fail(ERROR_CLASS_HAS_WINDOWS, FALSE);
        classes.erase(it);
        return TRUE;
    }
    return Fail(ERROR_CLASS_DOES_NOT_EXIST, FALSE);
}
