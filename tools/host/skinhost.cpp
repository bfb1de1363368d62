// A host that loads the skin module the way the lobby client does: by name,
// through its exports only. It registers two windows in the tree face, drives
// a refresh and prints what it got.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "exports.h"

namespace {

constexpr UINT kFaceChanged = WM_USER + 106;
std::vector<std::string> events;

LRESULT CALLBACK HostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kFaceChanged) events.push_back("told");
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateHostWindow(const char* title) {
    HWND window = CreateWindowExA(0, "SkinHostWindow", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                  nullptr, nullptr, nullptr, nullptr);
    ValidateRect(window, nullptr);
    return window;
}

void PrintColour(const char* name, COLORREF colour) {
    std::printf("  %-8s RGB(%3u,%3u,%3u)\n", name, GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

const char* Kind(HGDIOBJ object) {
    if (object == nullptr) return "null";
    return GetObjectType(object) == OBJ_BITMAP ? "bitmap" : "icon";
}

const char* kTreeNodes[kTreeIconCount] = {"root", "folder", "load", "server", "room", "download", "opened room"};

}  // namespace

int main(int argc, char** argv) {
    const char* path = argc > 1 ? argv[1] : SKIN_MODULE_FILE;
    HMODULE module = LoadLibraryA(path);
    if (module == nullptr) {
        std::fprintf(stderr, "cannot load %s\n", path);
        return 1;
    }
    auto getTreeFace = reinterpret_cast<GetTreeFaceFn>(reinterpret_cast<void*>(GetProcAddress(module, "GetTreeFace")));
    if (getTreeFace == nullptr) {
        std::fprintf(stderr, "%s exports no GetTreeFace\n", path);
        return 1;
    }

    WNDCLASSA wc = {};
    wc.lpfnWndProc = HostWindowProc;
    wc.lpszClassName = "SkinHostWindow";
    RegisterClassA(&wc);
    HWND treeView = CreateHostWindow("tree view");
    HWND treeFrame = CreateHostWindow("tree frame");

    CTreeShowElements* tree = getTreeFace();
    std::printf("tree face at %p\n", static_cast<void*>(tree));
    PrintColour("back", tree->m_clrBack);
    PrintColour("text", tree->m_clrText);
    PrintColour("line", tree->m_clrLine);
    std::printf("  background %s\n", Kind(tree->m_hbmBack));
    for (size_t i = 0; i < tree->m_arrIcon.size(); ++i)
        std::printf("  icon %zu (%s): %s\n", i, i < kTreeIconCount ? kTreeNodes[i] : "?",
                    tree->m_arrIcon[i] ? "loaded" : "null");

    tree->m_arrNotifyWnd.push_back(treeFrame);
    tree->m_arrRedrawWnd.push_back(treeView);
    tree->RefreshWindows();
    RECT rc;
    std::printf("refresh: frame %s, view %s\n", events.empty() ? "not told" : "told",
                GetUpdateRect(treeView, &rc, FALSE) ? "repainted" : "not repainted");

    // The host hands everything back before it lets the module go.
    tree->m_arrNotifyWnd.clear();
    tree->m_arrRedrawWnd.clear();
    tree->ReleaseObjects();
    DestroyWindow(treeView);
    DestroyWindow(treeFrame);
    FreeLibrary(module);
    return 0;
}
