// A host that loads the skin module the way the lobby client does: by name,
// through its exports only. It reads both faces, registers a few windows,
// drives refreshes and prints what it got.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "skinpak1.h"

namespace {

constexpr UINT kFaceChanged = WM_USER + 106;
constexpr char kClassName[] = "SkinHostWindow";

// The windows told of a skin change, in the order they were told.
std::vector<HWND> told;

LRESULT CALLBACK HostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kFaceChanged) told.push_back(window);
    return DefWindowProcA(window, message, wParam, lParam);
}

struct HostWindow {
    const char* title;
    HWND handle;
};

HostWindow CreateHostWindow(const char* title) {
    HWND window = CreateWindowExA(0, kClassName, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                  nullptr, nullptr, nullptr);
    ValidateRect(window, nullptr);
    return {title, window};
}

// Drives one refresh and says, for each window, whether it was told and repainted.
template <class Refresh>
void ReportRefresh(const char* what, const std::vector<HostWindow>& windows, Refresh refresh) {
    told.clear();
    for (const HostWindow& w : windows) ValidateRect(w.handle, nullptr);
    refresh();
    std::printf("%s:\n", what);
    for (const HostWindow& w : windows) {
        int times = 0;
        for (HWND t : told) times += t == w.handle;
        RECT rc;
        std::printf("  %-14s told %d time(s), %s\n", w.title, times,
                    GetUpdateRect(w.handle, &rc, FALSE) ? "repainted" : "not repainted");
    }
}

void PrintColour(const char* name, COLORREF colour) {
    std::printf("  %-22s RGB(%3u,%3u,%3u)\n", name, GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

void PrintBitmap(const char* name, HBITMAP bitmap) {
    BITMAP info = {};
    if (bitmap == nullptr || GetObjectA(bitmap, sizeof(info), &info) == 0)
        std::printf("  %-22s null\n", name);
    else
        std::printf("  %-22s bitmap %ldx%ld\n", name, static_cast<long>(info.bmWidth), static_cast<long>(info.bmHeight));
}

const char* Loaded(HICON icon) { return icon != nullptr ? "icon" : "null"; }

const char* kTreeNodes[kTreeIconCount] = {"root", "folder", "load", "server", "room", "download", "opened room"};

void PrintTree(const CTreeShowElements& tree) {
    PrintColour("back", tree.m_clrBack);
    PrintColour("text", tree.m_clrText);
    PrintColour("line", tree.m_clrLine);
    PrintBitmap("background", tree.m_hbmBack);
    for (size_t i = 0; i < tree.m_arrIcon.size(); ++i)
        std::printf("  icon %zu %-15s %s\n", i, i < kTreeIconCount ? kTreeNodes[i] : "?", Loaded(tree.m_arrIcon[i]));
}

void PrintHall(const CHallShowElements& hall) {
    PrintColour("caption", hall.m_caption.m_clrCaption);
    PrintColour("caption text", hall.m_caption.m_clrCaptionText);
    PrintColour("menu", hall.m_caption.m_clrMenu);
    PrintBitmap("title left", hall.m_caption.m_hbmTitleLeft);
    PrintBitmap("title middle", hall.m_caption.m_hbmTitleMid);
    PrintBitmap("title right", hall.m_caption.m_hbmTitleRight);
    PrintBitmap("status bar left", hall.m_caption.m_hbmStatusLeft);
    PrintColour("main tab line", hall.m_mainTab.m_clrLine);
    PrintColour("main tab text", hall.m_mainTab.m_clrText);
    std::printf("  %-22s %d x %d\n", "main tab sizes", hall.m_mainTab.m_nTabSize1, hall.m_mainTab.m_nTabSize2);
    PrintBitmap("main tab selected", hall.m_mainTab.m_hbmSelect);
    PrintBitmap("tab selected (90)", hall.m_tab.m_hbmSelect90);
    PrintColour("room", hall.m_room.m_clrRoom);
    for (int k = 0; k < kRoomTableSizes; ++k)
        std::printf("  room stem %d seats       \"%s\"\n", k + kRoomFewestSeats, hall.m_room.m_szRoomStem[k]);
    PrintColour("person 1", hall.m_personList.m_clrPerson1);
    PrintColour("person 3", hall.m_personList.m_clrPerson3);
    std::printf("  %-22s %zu\n", "status icons", hall.m_personList.m_arrStatusIcon.size());
    std::printf("  %-22s \"%s\"\n", "head picture stem", hall.m_personList.m_szHeadPicStem);
    std::printf("  %-22s %d %d %d %d\n", "splitter sizes", hall.m_splitter.m_nSplitterSize1,
                hall.m_splitter.m_nSplitterSize2, hall.m_splitter.m_nSplitterSize3, hall.m_splitter.m_nSplitterSize4);
    for (size_t i = 0; i < hall.m_arrToolButton.size(); ++i) {
        const CButtonShowElements& b = hall.m_arrToolButton[i];
        std::printf("  toolbar %zu: %s/%s back RGB(%u,%u,%u) %s\n", i, Loaded(b.m_hIcon), Loaded(b.m_hIconAlt),
                    GetRValue(b.m_clrBack), GetGValue(b.m_clrBack), GetBValue(b.m_clrBack),
                    b.m_hbmBack == hall.m_arrToolButton[0].m_hbmBack ? "shared background" : "own background");
    }
    std::printf("  %-22s %zu\n", "exit menu entries", hall.m_arrExitButton.size());
}

template <class Fn>
Fn Resolve(HMODULE module, const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

int main(int argc, char** argv) {
    const char* path = argc > 1 ? argv[1] : SKIN_MODULE_FILE;
    HMODULE module = LoadLibraryA(path);
    if (module == nullptr) {
        std::fprintf(stderr, "cannot load %s\n", path);
        return 1;
    }
    auto getHallFace = Resolve<GetHallFaceFn>(module, "GetHallFace");
    auto getTreeFace = Resolve<GetTreeFaceFn>(module, "GetTreeFace");
    if (getHallFace == nullptr || getTreeFace == nullptr) {
        std::fprintf(stderr, "%s does not export GetHallFace and GetTreeFace\n", path);
        return 1;
    }

    WNDCLASSA wc = {};
    wc.lpfnWndProc = HostWindowProc;
    wc.lpszClassName = kClassName;
    RegisterClassA(&wc);

    CTreeShowElements* tree = getTreeFace();
    std::printf("tree face:\n");
    PrintTree(*tree);
    const std::vector<HostWindow> treeWindows = {CreateHostWindow("tree frame"), CreateHostWindow("tree view")};
    tree->m_arrNotifyWnd.push_back(treeWindows[0].handle);
    tree->m_arrRedrawWnd.push_back(treeWindows[1].handle);
    ReportRefresh("tree face refresh", treeWindows, [&] { tree->RefreshWindows(); });

    CHallShowElements* hall = getHallFace();
    std::printf("hall face:\n");
    PrintHall(*hall);
    const std::vector<HostWindow> hallWindows = {CreateHostWindow("chat frame"), CreateHostWindow("chat view"),
                                                 CreateHostWindow("toolbar"), CreateHostWindow("toolbar button"),
                                                 CreateHostWindow("exit menu")};
    hall->m_chat.m_arrNotifyWnd.push_back(hallWindows[0].handle);
    hall->m_chat.m_arrRedrawWnd.push_back(hallWindows[1].handle);
    hall->m_arrToolButton[0].m_arrNotifyWnd.push_back(hallWindows[2].handle);
    hall->m_arrToolButton[0].m_arrRedrawWnd.push_back(hallWindows[3].handle);
    hall->m_arrExitButton[0].m_arrNotifyWnd.push_back(hallWindows[4].handle);
    hall->m_arrExitButton[0].m_arrRedrawWnd.push_back(hallWindows[4].handle);
    ReportRefresh("hall face refresh", hallWindows, [&] { hall->RefreshWindows(); });

    // The host gives everything back before it lets the module go.
    tree->m_arrNotifyWnd.clear();
    tree->m_arrRedrawWnd.clear();
    tree->ReleaseObjects();
    hall->m_chat.m_arrNotifyWnd.clear();
    hall->m_chat.m_arrRedrawWnd.clear();
    hall->ReleaseObjects();
    std::printf("released: %zu toolbar buttons left, %zu status icons left\n", hall->m_arrToolButton.size(),
                hall->m_personList.m_arrStatusIcon.size());
    for (const auto* windows : {&treeWindows, &hallWindows})
        for (const HostWindow& w : *windows) DestroyWindow(w.handle);
    FreeLibrary(module);
    return 0;
}
