// The main window: its frame from the caption element, its children laid out
// from the faces' sizes, its menus, and the making of every hall window.
#include <windows.h>
#include <windowsx.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "client.h"
#include "frame.h"
#include "hall_panes.h"
#include "paint.h"

namespace client {
namespace {

constexpr char kMainClass[] = "SkinClientHall";
constexpr int kCommandExit = 1;
constexpr int kCommandFirstPack = 100;
constexpr int kToolButtonWidth = 60;
constexpr int kTreeHeaderHeight = 20;
constexpr int kExitMenuWidth = 116;
constexpr int kExitEntryHeight = 22;

// The packs beside the client, by file name.
std::vector<std::string> PacksBeside() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    folder = folder.substr(0, folder.find_last_of("\\/") + 1);
    std::vector<std::string> packs;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "skinpak*.dll").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return packs;
    do packs.push_back(found.cFileName);
    while (FindNextFileA(search, &found));
    FindClose(search);
    return packs;
}

void OpenMenu(HWND window, int item) {
    const CHallShowElements* hall = CurrentHall();
    if (hall == nullptr || item < 0) return;
    HMENU menu = CreatePopupMenu();
    const std::vector<std::string> packs = PacksBeside();
    if (item == 0) {
        AppendMenuA(menu, MF_STRING, kCommandExit, "E&xit");
    } else if (item == 1) {
        for (size_t i = 0; i < packs.size(); ++i) {
            const bool inUse = PackName(packs[i]) == CurrentClient()->Pack().name;
            AppendMenuA(menu, MF_STRING | (inUse ? MF_CHECKED : 0u), kCommandFirstPack + i, PackName(packs[i]).c_str());
        }
    } else {
        AppendMenuA(menu, MF_STRING | MF_GRAYED, 0, "Skin packs switch while the lobby runs");
    }
    RECT at = MenuItemRect(hall->m_caption, window, item);
    RECT windowRect;
    GetWindowRect(window, &windowRect);
    const int command = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN, windowRect.left + at.left,
                                       windowRect.top + at.bottom, 0, window, nullptr);
    DestroyMenu(menu);
    if (command == kCommandExit) PostMessageA(window, WM_CLOSE, 0, 0);
    if (command >= kCommandFirstPack && command - kCommandFirstPack < static_cast<int>(packs.size()))
        CurrentClient()->SwitchTo(packs[command - kCommandFirstPack]);
}

LRESULT HitTest(HWND window, LPARAM lParam) {
    const CHallShowElements* hall = CurrentHall();
    if (hall == nullptr) return HTCLIENT;
    RECT windowRect;
    GetWindowRect(window, &windowRect);
    const POINT at{GET_X_LPARAM(lParam) - windowRect.left, GET_Y_LPARAM(lParam) - windowRect.top};
    const FrameHit hit = HitFrame(hall->m_caption, window, at);
    switch (hit.part) {
    case FramePart::kTitle: return HTCAPTION;
    case FramePart::kMinimise: return HTMINBUTTON;
    case FramePart::kMaximise: return HTMAXBUTTON;
    case FramePart::kClose: return HTCLOSE;
    case FramePart::kMenu: return HTMENU;
    case FramePart::kStatus: return HTBORDER;
    case FramePart::kGrip: return HTBOTTOMRIGHT;
    case FramePart::kNone: return HTCLIENT;
    case FramePart::kEdge: break;
    }
    const int w = windowRect.right - windowRect.left, h = windowRect.bottom - windowRect.top;
    const bool left = at.x < w / 2, top = at.y < h / 2;
    const int edge = MeasureFrame(hall->m_caption).edge;
    if (at.x >= edge && at.x < w - edge) return top ? HTTOP : HTBOTTOM;
    if (at.y >= edge && at.y < h - edge) return left ? HTLEFT : HTRIGHT;
    return top ? (left ? HTTOPLEFT : HTTOPRIGHT) : (left ? HTBOTTOMLEFT : HTBOTTOMRIGHT);
}

std::string StatusText() {
    const Client* c = CurrentClient();
    if (c == nullptr) return {};
    const std::string skin = "skin " + c->Pack().name;
    return c->Message().empty() ? "Connected: Server 1 - 1234 players online - " + skin : c->Message() + " - " + skin;
}

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const CHallShowElements* hall = CurrentHall();
    switch (message) {
    case WM_NCCALCSIZE:
        if (hall != nullptr) {
            const FrameMetrics m = MeasureFrame(hall->m_caption);
            RECT& r = reinterpret_cast<RECT*>(lParam)[0];
            r.left += m.edge;
            r.right -= m.edge;
            r.top += m.edge + m.title + m.menu;
            r.bottom -= m.edge + m.status;
            return 0;
        }
        break;
    case WM_NCPAINT:
        ReportSeen(window, message);
        hall = CurrentHall();  // as the report may have left it
        if (hall != nullptr) {
            PaintFrame(window, hall->m_caption, StatusText().c_str());
            return 0;
        }
        break;
    case WM_NCACTIVATE:
        if (hall != nullptr) {
            PaintFrame(window, hall->m_caption, StatusText().c_str());
            return TRUE;
        }
        break;
    case WM_NCHITTEST: return HitTest(window, lParam);
    case WM_NCLBUTTONDOWN:
        switch (wParam) {
        case HTCLOSE: PostMessageA(window, WM_CLOSE, 0, 0); return 0;
        case HTMINBUTTON: ShowWindow(window, SW_MINIMIZE); return 0;
        case HTMAXBUTTON: ShowWindow(window, IsZoomed(window) ? SW_RESTORE : SW_MAXIMIZE); return 0;
        case HTMENU:
            if (hall != nullptr) {
                RECT windowRect;
                GetWindowRect(window, &windowRect);
                const POINT at{GET_X_LPARAM(lParam) - windowRect.left, GET_Y_LPARAM(lParam) - windowRect.top};
                OpenMenu(window, HitFrame(hall->m_caption, window, at).menuItem);
            }
            return 0;
        }
        break;
    case WM_GETMINMAXINFO:
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = POINT{640, 480};
        return 0;
    case WM_SIZE:
        if (CurrentClient() != nullptr) LayOutHall(CurrentClient()->Windows());
        return 0;
    case WM_FACECHANGED:
        ReportSeen(window, message);
        // Told first of all the hall's windows: every pane's size comes from
        // the faces, so all are laid out again here. The frame follows from
        // the caption's own refresh.
        if (CurrentClient() != nullptr) LayOutHall(CurrentClient()->Windows());
        return 0;
    case WM_PAINT: {
        ReportSeen(window, message);
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        Fill(dc, paint.rcPaint, GetSysColor(COLOR_BTNFACE));
        EndPaint(window, &paint);
        return 0;
    }
    case WM_ERASEBKGND: return 1;
    case WM_CLOSE: PostQuitMessage(0); return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterClasses(HINSTANCE instance) {
    struct Kind {
        const char* name;
        WNDPROC proc;
    };
    const Kind kinds[] = {{kMainClass, MainProc},
                          {"SkinClientToolbar", ToolbarProc},
                          {"SkinClientToolButton", ToolButtonProc},
                          {"SkinClientTabs", TabStripProc},
                          {"SkinClientRoom", RoomProc},
                          {"SkinClientPersons", PersonListProc},
                          {"SkinClientChat", ChatProc},
                          {"SkinClientSplitter", SplitterProc},
                          {"SkinClientExitMenu", ExitMenuProc},
                          {"SkinClientExitEntry", ExitEntryProc},
                          {"SkinClientTreeHeader", TreeHeaderProc},
                          {"SkinClientSideTabs", SideTabsProc}};
    for (const Kind& kind : kinds) {
        WNDCLASSA c = {};
        if (GetClassInfoA(instance, kind.name, &c)) continue;
        c.lpfnWndProc = kind.proc;
        c.hInstance = instance;
        c.hCursor = LoadCursor(nullptr, IDC_ARROW);
        c.lpszClassName = kind.name;
        if (!RegisterClassA(&c)) return false;
    }
    return true;
}

HWND Child(HINSTANCE instance, const char* kind, HWND parent, int id, const char* text = "") {
    return CreateWindowExA(0, kind, text, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0, 10, 10,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

// Moves a window only where it is not already: every pane that hears of a
// change lays the hall out again, and most of those find nothing to do.
void Place(HWND window, int x, int y, int width, int height) {
    RECT now{};
    if (!GetWindowRect(window, &now)) return;
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&now), 2);
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (now.left == x && now.top == y && now.right - now.left == width && now.bottom - now.top == height) return;
    SetWindowPos(window, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void InvalidateStatusBar(HWND main) { RedrawWindow(main, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE); }

bool CreateHallWindows(HINSTANCE instance, HallWindows& w) {
    if (!RegisterClasses(instance)) return false;
    w.main = CreateWindowExA(0, kMainClass, "Game Lobby",
                             WS_POPUP | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CLIPCHILDREN,
                             40, 40, 800, 600, nullptr, nullptr, instance, nullptr);
    if (w.main == nullptr) return false;
    w.toolbar = Child(instance, "SkinClientToolbar", w.main, 0);
    for (int i = 0; i < kToolButtons; ++i) w.toolButtons[i] = Child(instance, "SkinClientToolButton", w.toolbar, i);
    w.mainTabs = Child(instance, "SkinClientTabs", w.main, 0);
    w.tabs = Child(instance, "SkinClientTabs", w.main, 1);
    w.sideTabs = Child(instance, "SkinClientSideTabs", w.main, 0);
    w.treeHeader = Child(instance, "SkinClientTreeHeader", w.main, 0, "Servers");
    w.tree = CreateTreePane(instance, w.main);
    w.room = Child(instance, "SkinClientRoom", w.main, 0);
    w.personList = Child(instance, "SkinClientPersons", w.main, 0);
    w.chat = Child(instance, "SkinClientChat", w.main, 0);
    for (int i = 0; i < kSplitters; ++i) w.splitters[i] = Child(instance, "SkinClientSplitter", w.main, i);
    w.exitMenu = Child(instance, "SkinClientExitMenu", w.main, 0);
    ShowWindow(w.exitMenu, SW_HIDE);
    for (int i = 0; i < kExitEntries; ++i) w.exitEntries[i] = Child(instance, "SkinClientExitEntry", w.exitMenu, i);
    SetWindowPos(w.exitMenu, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    // A window the module is handed must exist: it repaints a null one as the whole screen.
    std::vector<HWND> made{w.toolbar, w.mainTabs, w.tabs, w.sideTabs, w.treeHeader, w.tree, w.room, w.personList, w.chat, w.exitMenu};
    made.insert(made.end(), std::begin(w.toolButtons), std::end(w.toolButtons));
    made.insert(made.end(), std::begin(w.splitters), std::end(w.splitters));
    made.insert(made.end(), std::begin(w.exitEntries), std::end(w.exitEntries));
    return std::find(made.begin(), made.end(), nullptr) == made.end();
}

void DestroyHallWindows(HallWindows& w) {
    if (w.main == nullptr) return;
    DestroyTreePane(w.tree);
    DestroyWindow(w.main);
    w = HallWindows{};
}

void LayOutHall(const HallWindows& w) {
    const CHallShowElements* hall = CurrentHall();
    if (hall == nullptr || w.main == nullptr) return;
    PaneSizes& sizes = CurrentClient()->Panes();
    RECT client;
    GetClientRect(w.main, &client);
    const int width = client.right, height = client.bottom;
    const int toolbar = Within(BitmapSize(hall->m_caption.m_hbmBarLeft).cy, 24, 120, 70);
    const int mainTabs = Within(hall->m_mainTab.m_nTabSize1, 12, 60, 28);
    const int tabs = Within(hall->m_tab.m_nTabSize1, 12, 60, 28);
    // As wide as the turned tab pictures are high.
    const int side = Within(BitmapSize(hall->m_tab.m_hbmSelect90).cy, 8, 40, 21);
    const int left = Within(hall->m_splitter.m_nSplitterSize1, 2, 40, 11);
    const int right = Within(hall->m_splitter.m_nSplitterSize2, 2, 40, 11);
    const int row = Within(hall->m_splitter.m_nSplitterSize3, 2, 40, 11);

    Place(w.toolbar, 0, 0, width, toolbar);
    for (int i = 0; i < kToolButtons; ++i) Place(w.toolButtons[i], 8 + i * kToolButtonWidth, 0, kToolButtonWidth, toolbar);
    Place(w.mainTabs, 0, toolbar, width, mainTabs);
    const int top = toolbar + mainTabs, body = height - top;
    sizes.treeWidth = std::max(80, std::min(sizes.treeWidth, width / 3));
    sizes.personWidth = std::max(80, std::min(sizes.personWidth, width / 3));
    sizes.chatHeight = std::max(40, std::min(sizes.chatHeight, body / 2));
    Place(w.treeHeader, 0, top, sizes.treeWidth, kTreeHeaderHeight);
    Place(w.tree, 0, top + kTreeHeaderHeight, sizes.treeWidth, body - kTreeHeaderHeight);
    Place(w.splitters[0], sizes.treeWidth, top, left, body);
    Place(w.personList, width - sizes.personWidth, top, sizes.personWidth, body);
    Place(w.splitters[1], width - sizes.personWidth - right, top, right, body);
    const int x0 = sizes.treeWidth + left, x1 = width - sizes.personWidth - right;
    Place(w.tabs, x0, top, x1 - x0, tabs);
    Place(w.chat, x0, height - sizes.chatHeight, x1 - x0, sizes.chatHeight);
    Place(w.splitters[2], x0, height - sizes.chatHeight - row, x1 - x0, row);
    const int roomBottom = height - sizes.chatHeight - row;
    Place(w.room, x0, top + tabs, x1 - x0 - side, roomBottom - top - tabs);
    Place(w.sideTabs, x1 - side, top + tabs, side, roomBottom - top - tabs);
    const int menuHeight = kExitEntries * kExitEntryHeight + 4;
    Place(w.exitMenu, x1 - side - kExitMenuWidth - 6, roomBottom - menuHeight - 6, kExitMenuWidth, menuHeight);
    for (int i = 0; i < kExitEntries; ++i)
        Place(w.exitEntries[i], 2, 2 + i * kExitEntryHeight, kExitMenuWidth - 4, kExitEntryHeight);
}

void PackChanged(const HallWindows& w) {
    RebuildTreePane(w.tree);
    LayOutHall(w);
    // The hall's refresh repaints no exit entry, and no toolbar button beyond
    // those the pack has.
    RedrawWindow(w.exitMenu, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    RedrawWindow(w.toolbar, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

}  // namespace client
