#include "platform_calls.h"

#include "registrations.h"

namespace bench {
namespace {

struct Load {
    char call;  // 'B' LoadBitmapA, 'I' LoadIconA, 'C' GetSysColor
    const char* name;
    int colour;
};
constexpr Load B(const char* name) { return {'B', name, 0}; }
constexpr Load I(const char* name) { return {'I', name, 0}; }
constexpr Load C(int colour) { return {'C', nullptr, colour}; }

// The fill's calls in the order face/hall_skin.cpp makes them.
constexpr Load kHallLoads[kHallCalls] = {
    // tab strips (0..12)
    B("MAINTAB_BK"), B("SELECT_MAINTAB_BK"), B("NOSELECT_MAINTAB_BK"), C(COLOR_BTNTEXT), C(COLOR_BTNFACE),
    C(COLOR_CAPTIONTEXT), C(COLOR_INACTIVECAPTIONTEXT), B("TAB_BK"), B("SELECT_TAB_BK"), B("NOSELECT_TAB_BK"),
    B("TAB_BK_90"), B("SELECT_TAB_BK_90"), B("NOSELECT_TAB_BK_90"),
    // toolbar (13..28), exit menu (29..34)
    I("BAR_PAGE"), B("BUTTON_BK"), I("BAR_ENTERROOM"), C(COLOR_BTNFACE), I("BAR_SETUP"), C(COLOR_BTNFACE),
    I("BAR_HELP"), C(COLOR_BTNFACE), I("BAR_EXIT"), C(COLOR_BTNFACE), I("BAR_ADD"), C(COLOR_BTNFACE),
    I("BAR_DEL"), C(COLOR_BTNFACE), I("BAR_PLAYER"), C(COLOR_BTNFACE),
    I("WINEXIT_ALL"), C(COLOR_BTNFACE), I("WINEXIT_WINDOW"), C(COLOR_BTNFACE), I("WINEXIT_USERCHANGE"),
    C(COLOR_BTNFACE),
    // caption (35..54)
    B("BAR_LEFT_BK"), B("BAR_RIGHT_BK"), I("CAPTION_MAX"), I("CAPTION_MIN"), I("CAPTION_NORMAL"),
    I("CAPTION_CLOSE"), I("CAPTION_CLOSEONE"), B("CAPTION_BK"), B("MENU_BK"), B("MENU_BK"), B("STATUSBAR_LEFT"),
    B("STATUSBAR_MID"), B("STATUSBAR_RIGHT"), B("FRAME_TITLELEFT"), B("FRAME_TITLEMID"), B("FRAME_TITLERIGHT"),
    B("FRAME_LEFT"), B("FRAME_RIGHT"), B("FRAME_TOP"), B("FRAME_BOTTOM"),
    // person list (55..67), splitter (68, 69)
    C(COLOR_HIGHLIGHT), C(COLOR_HIGHLIGHTTEXT), B("PERSONLIST_BK"), I("PERSONLIST_WAIT"), I("PERSONLIST_AGREE"),
    I("PERSONLIST_PLAY"), I("PERSONLIST_WATCH"), I("PERSONLIST_WORK"), I("PERSONLIST_FOOD"), I("PERSONLIST_SLEEP"),
    I("PERSONLIST_STOP"), I("PERSONLIST_CALL"), I("PERSONLIST_FAST"), B("SPLITTER_ROW"), B("SPLITTER_COL"),
    // tree (70..78), as face/tree_skin.cpp loads it
    C(COLOR_BTNFACE), I("TREE_ROOT"), I("TREE_FLODER"), I("TREE_LOAD"), I("TREE_SERVER"), I("TREE_ROOM"),
    I("TREE_DOWNLOAD"), I("TREE_OPENEDROOM"), B("TREE_BK"),
};
constexpr int kTreeFirst = 70;
constexpr int kTreeBack = kHallCalls - 1;

// The slots the hall's ReleaseObjects deletes, in its order; -1 is a null
// field, which it deletes all the same. Every toolbar button deletes the one
// shared background, and the last keeps BAR_DEL as its second icon.
constexpr signed char kHallRelease[] = {
    13, 13, 14, 15, 15, 14, 17, 17, 14, 19, 19, 14, 21, 21, 14, 23, 23, 14, 25, 25, 14, 27, 25, 14,  // toolbar
    29, 29, -1, 31, 31, -1, 33, 33, -1,                                                              // exit menu
    51, 52, 53, 54, 48, 49, 50, 45, 46, 47, 44, 35, 36, 42, 37, 38, 39, 40, 41, 43,                  // caption
    58, 59, 60, 61, 62, 63, 64, 65, 66, 67, 57,                                                      // person list
    -1, -1, -1, -1, -1, -1, -1, -1,                                                                  // chat
    0, 1, 2, -1, -1, -1, 7, 8, 9, 10, 11, 12,                                                        // tab strips
    68, 69, 78, 71, 72, 73, 74, 75, 76, 77,                                                          // splitter, tree
};

void LoadSlot(HINSTANCE instance, int slot, Pictures& pictures) {
    const Load& load = kHallLoads[slot];
    if (load.call == 'B') pictures.handles[slot] = LoadBitmapA(instance, load.name);
    else if (load.call == 'I') pictures.handles[slot] = LoadIconA(instance, load.name);
    else GetSysColor(load.colour);
}

void DeleteIfHeld(HGDIOBJ handle) {
    if (handle != nullptr) DeleteObject(handle);
}

constexpr UINT kFrameUpdate = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED | SWP_DEFERERASE;

void Notify(const HWND* windows, int count) {
    for (int i = 0; i < count; ++i) SendMessageA(windows[i], WM_FACECHANGED, 0, 0);
}

void Redraw(const HWND* windows, int count) {
    for (int i = 0; i < count; ++i) RedrawWindow(windows[i], nullptr, nullptr, RDW_INVALIDATE);
}

void NotifyAndRedraw(const HWND* windows, int count) {
    for (int i = 0; i < count; ++i) {
        SendMessageA(windows[i], WM_FACECHANGED, 0, 0);
        RedrawWindow(windows[i], nullptr, nullptr, RDW_INVALIDATE);
    }
}

}  // namespace

void AttachCalls(HINSTANCE instance, Pictures& pictures) {
    OutputDebugStringA("skinpak1.dll");
    for (int slot = 0; slot < kHallCalls; ++slot) LoadSlot(instance, slot, pictures);
}

void HallReleaseCalls(const Pictures& pictures) {
    for (signed char slot : kHallRelease) DeleteObject(slot < 0 ? nullptr : pictures.handles[slot]);
}

void TreeFaceCalls(HINSTANCE instance, Pictures& pictures) {
    DeleteIfHeld(pictures.handles[kTreeBack]);
    for (int slot = kTreeFirst + 1; slot < kTreeBack; ++slot) DeleteIfHeld(pictures.handles[slot]);
    for (int slot = kTreeFirst; slot < kHallCalls; ++slot) LoadSlot(instance, slot, pictures);
}

int MissingPictures(const Pictures& pictures, bool treeOnly) {
    int missing = 0;
    for (int slot = treeOnly ? kTreeFirst : 0; slot < kHallCalls; ++slot)
        if (kHallLoads[slot].call != 'C' && pictures.handles[slot] == nullptr) ++missing;
    return missing;
}

void RefreshCalls(const Registrations& r) {
    const int n = r.perMember;
    const HWND(&w)[kMembers][kMostPerMember] = r.windows;
    // The caption tells its first window and updates the frame of that window's root.
    SendMessageA(w[kCaption][0], WM_FACECHANGED, 0, 0);
    if (IsWindow(w[kCaption][0]))
        if (HWND root = GetAncestor(w[kCaption][0], GA_ROOTOWNER)) SetWindowPos(root, nullptr, 0, 0, 0, 0, kFrameUpdate);
    Notify(w[kMainTab], n);
    Redraw(w[kMainTab], n);
    Notify(w[kTab], n);
    Redraw(w[kTab], n);
    NotifyAndRedraw(w[kPersonList], n);
    NotifyAndRedraw(w[kRoom], n);
    NotifyAndRedraw(w[kChat], n);
    Notify(w[kSplitter], n);
    Redraw(w[kSplitter], n);
    Redraw(w[kTree], n);
    // The first toolbar button tells for the toolbar; every button repaints.
    Notify(w[kFirstToolButton], n);
    for (int m = kFirstToolButton; m < kMembers; ++m) Redraw(w[m], n);
}

void MergeCalls(WindowList& notify, WindowList& redraw, const CMFCShowElement& source) {
    const size_t notifyCount = source.m_arrNotifyWnd.size(), redrawCount = source.m_arrRedrawWnd.size();
    const size_t pairs = notifyCount < redrawCount ? notifyCount : redrawCount;
    if (!notify.reserve(pairs) || !redraw.reserve(pairs)) return;
    notify.clear();
    redraw.clear();
    if (!notify.reserve(notify.size() + pairs) || !redraw.reserve(redraw.size() + pairs)) return;
    for (size_t i = 0; i < pairs; ++i) {
        notify.push_back(source.m_arrNotifyWnd[i]);
        redraw.push_back(source.m_arrRedrawWnd[i]);
    }
}

}  // namespace bench
