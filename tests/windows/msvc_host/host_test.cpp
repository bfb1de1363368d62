// A host built in the platform compiler's own C++ ABI, as the lobby client
// is: it includes skinpak1.h, loads the module and a peer skin module by
// name, and works with their elements by field and by operation, through the
// compiler's own virtual calls, run-time type data and the C runtime heap
// that all three share.
#include <typeinfo>

#include "check.h"
#include "peer.h"
#include "skinpak1.h"

using check::Eq;
using check::EqText;
using check::Text;
using check::True;

// msvcrt.dll's own type_info, whose name() undecorates the compiler's type descriptors.
class type_info {
public:
    __declspec(dllimport) const char* name() const;
};

namespace {

// ---- the shared heap ----

extern "C" int _snprintf(char* buffer, size_t size, const char* format, ...);

struct HeapEntry {
    int* entry;
    size_t size;
    int useFlag;
};
extern "C" int _heapwalk(HeapEntry* walk);
extern "C" int _heapchk();
constexpr int kHeapOk = -2;
constexpr int kUsedEntry = 1;

// Whether p is an allocated block of the heap the host and the modules share.
bool InUse(const void* p) {
    HeapEntry walk = {};
    while (_heapwalk(&walk) == kHeapOk)
        if (walk.entry == p) return walk.useFlag == kUsedEntry;
    return false;
}

template <class Handle>
Handle Fake(unsigned value) {
    return reinterpret_cast<Handle>(static_cast<ULONG_PTR>(value));
}

// Compares a list with the expected handles and prints both in full on failure.
template <class Handle>
bool SameList(const char* name, const SharedHeapList<Handle>& list, std::initializer_list<Handle> expected) {
    char want[120] = "", got[120] = "";
    const auto format = [](char* text, const Handle* first, size_t count) {
        int used = 0;
        for (size_t i = 0; i < count && used < 100; ++i) used += _snprintf(text + used, 120 - used, " %p", first[i]);
    };
    format(want, expected.begin(), expected.size());
    format(got, list.data(), list.size());
    bool same = list.size() == expected.size();
    for (size_t i = 0; same && i < list.size(); ++i) same = list[i] == expected.begin()[i];
    return check::Report(same, name, Text("[%s ]", want), Text("[%s ]", got));
}

// ---- virtual operations, called through base pointers as a host holds elements ----

void Refresh(CShowElement* element) { element->RefreshWindows(); }
void Merge(CMFCShowElement* into, CMFCShowElement* from) { into->MergeFrom(from); }
void Release(CMFCShowElement* element) { element->ReleaseObjects(); }
const std::type_info& DynamicType(const CShowElement* element) { return typeid(*element); }
CRoomShowElements* AsRoom(CMFCShowElement* element) { return dynamic_cast<CRoomShowElements*>(element); }
CPersonListShowElements* AsPersonList(CMFCShowElement* element) {
    return dynamic_cast<CPersonListShowElements*>(element);
}

// ---- windows that count what the module sends them ----

constexpr char kWindowClass[] = "SkinMsvcHostWindow";

struct Window {
    HWND handle;
    int faceChanged;
    int frameRecalcs;
};
Window g_windows[48];
int g_windowCount = 0;

LRESULT CALLBACK Procedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    for (int i = 0; i < g_windowCount; ++i) {
        if (g_windows[i].handle != handle) continue;
        if (message == WM_FACECHANGED) ++g_windows[i].faceChanged;
        if (message == WM_NCCALCSIZE) ++g_windows[i].frameRecalcs;
    }
    return DefWindowProcA(handle, message, wParam, lParam);
}

// A visible window with an empty update region; what its creation sends is not counted.
Window* NewWindow(DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE, HWND parent = nullptr) {
    HWND handle = CreateWindowExA(0, kWindowClass, "", style, 10, 10, 120, 80, parent, nullptr, nullptr, nullptr);
    ValidateRect(handle, nullptr);
    g_windows[g_windowCount] = {handle, 0, 0};
    return &g_windows[g_windowCount++];
}

bool Invalid(const Window* window) {
    RECT rect;
    return GetUpdateRect(window->handle, &rect, FALSE) != 0;
}

void Register(CMFCShowElement* element, const Window* notify, const Window* redraw) {
    element->m_arrNotifyWnd.push_back(notify->handle);
    element->m_arrRedrawWnd.push_back(redraw->handle);
}

void Unregister(CMFCShowElement* element) {
    element->m_arrNotifyWnd.clear();
    element->m_arrRedrawWnd.clear();
}

// Children go before their parents, who were made first.
void DestroyWindows() {
    while (g_windowCount > 0) DestroyWindow(g_windows[--g_windowCount].handle);
}

// ---- the module's graphics ----

HMODULE g_module = nullptr;
// Whether the module is the default pack's, whose values the checks know.
bool g_defaultValues = true;
// A library neither the host nor the modules load by themselves.
constexpr char kHostLibrary[] = "msimg32.dll";

const char* SizeText(HBITMAP bitmap) {
    BITMAP info = {};
    GetObjectA(bitmap, sizeof info, &info);
    return Text("%ldx%ld", info.bmWidth, info.bmHeight);
}

// A loaded picture of the named resource: a bitmap of its own, of the resource's size.
void ShowsBitmap(const char* name, HBITMAP field, const char* resource) {
    Eq(Text("%s object type", name), OBJ_BITMAP, GetObjectType(field));
    HBITMAP fresh = LoadBitmapA(g_module, resource);
    EqText(Text("%s size, as %s", name, resource), SizeText(fresh), SizeText(field));
    DeleteObject(fresh);
}

// Icons loaded by name are shared: the field holds the very handle any load gets.
void ShowsIcon(const char* name, HICON field, const char* resource) {
    HICON expected = LoadIconA(g_module, resource);
    check::Report(expected != nullptr && field == expected, name, Text("%s's handle %p", resource, expected),
                  Text("%p", field));
}

struct BitmapRow {
    const char* name;
    HBITMAP* field;
    const char* resource;
};

// Every bitmap field of the default skin but the toolbar's shared background.
int HallBitmaps(CHallShowElements* h, BitmapRow* rows) {
    CCaptionShowElements& c = h->m_caption;
    const BitmapRow all[] = {
        {"mainTab.m_hbmBack", &h->m_mainTab.m_hbmBack, "MAINTAB_BK"},
        {"mainTab.m_hbmSelect", &h->m_mainTab.m_hbmSelect, "SELECT_MAINTAB_BK"},
        {"mainTab.m_hbmNoSelect", &h->m_mainTab.m_hbmNoSelect, "NOSELECT_MAINTAB_BK"},
        {"tab.m_hbmBack", &h->m_tab.m_hbmBack, "TAB_BK"},
        {"tab.m_hbmSelect", &h->m_tab.m_hbmSelect, "SELECT_TAB_BK"},
        {"tab.m_hbmNoSelect", &h->m_tab.m_hbmNoSelect, "NOSELECT_TAB_BK"},
        {"tab.m_hbmBack90", &h->m_tab.m_hbmBack90, "TAB_BK_90"},
        {"tab.m_hbmSelect90", &h->m_tab.m_hbmSelect90, "SELECT_TAB_BK_90"},
        {"tab.m_hbmNoSelect90", &h->m_tab.m_hbmNoSelect90, "NOSELECT_TAB_BK_90"},
        {"caption.m_hbmBarLeft", &c.m_hbmBarLeft, "BAR_LEFT_BK"},
        {"caption.m_hbmBarRight", &c.m_hbmBarRight, "BAR_RIGHT_BK"},
        {"caption.m_hbmCaption", &c.m_hbmCaption, "CAPTION_BK"},
        {"caption.m_hbmMenu", &c.m_hbmMenu, "MENU_BK"},
        {"caption.m_hbmMenuBar", &c.m_hbmMenuBar, "MENU_BK"},
        {"caption.m_hbmStatusLeft", &c.m_hbmStatusLeft, "STATUSBAR_LEFT"},
        {"caption.m_hbmStatusMid", &c.m_hbmStatusMid, "STATUSBAR_MID"},
        {"caption.m_hbmStatusRight", &c.m_hbmStatusRight, "STATUSBAR_RIGHT"},
        {"caption.m_hbmTitleLeft", &c.m_hbmTitleLeft, "FRAME_TITLELEFT"},
        {"caption.m_hbmTitleMid", &c.m_hbmTitleMid, "FRAME_TITLEMID"},
        {"caption.m_hbmTitleRight", &c.m_hbmTitleRight, "FRAME_TITLERIGHT"},
        {"caption.m_hbmFrameLeft", &c.m_hbmFrameLeft, "FRAME_LEFT"},
        {"caption.m_hbmFrameRight", &c.m_hbmFrameRight, "FRAME_RIGHT"},
        {"caption.m_hbmFrameTop", &c.m_hbmFrameTop, "FRAME_TOP"},
        {"caption.m_hbmFrameBottom", &c.m_hbmFrameBottom, "FRAME_BOTTOM"},
        {"personList.m_hbmBack", &h->m_personList.m_hbmBack, "PERSONLIST_BK"},
        {"splitter.m_hbmRow", &h->m_splitter.m_hbmRow, "SPLITTER_ROW"},
        {"splitter.m_hbmCol", &h->m_splitter.m_hbmCol, "SPLITTER_COL"},
        {"tree.m_hbmBack", &h->m_tree.m_hbmBack, "TREE_BK"},
    };
    for (const BitmapRow& row : all) *rows++ = row;
    return sizeof all / sizeof all[0];
}
constexpr int kMaxHallBitmaps = 32;

const char* const kStatusIcons[kPersonIconCount] = {
    "PERSONLIST_WAIT", "PERSONLIST_AGREE", "PERSONLIST_PLAY", "PERSONLIST_WATCH", "PERSONLIST_WORK",
    "PERSONLIST_FOOD", "PERSONLIST_SLEEP", "PERSONLIST_STOP", "PERSONLIST_CALL",  "PERSONLIST_FAST"};
const char* const kTreeIcons[kTreeIconCount] = {"TREE_ROOT", "TREE_FLODER",   "TREE_LOAD",      "TREE_SERVER",
                                                "TREE_ROOM", "TREE_DOWNLOAD", "TREE_OPENEDROOM"};

// ---- the cases ----

void HallDefaults(CHallShowElements* h) {
    check::topic = "hall defaults";
    struct ColourRow {
        const char* name;
        COLORREF actual, expected;
    };
    const ColourRow colours[] = {
        {"mainTab.m_clrLine", h->m_mainTab.m_clrLine, RGB(89, 113, 165)},
        {"mainTab.m_clrText", h->m_mainTab.m_clrText, RGB(255, 0, 0)},
        {"mainTab.m_clrFace", h->m_mainTab.m_clrFace, RGB(202, 202, 202)},
        {"mainTab.m_clrActiveText", h->m_mainTab.m_clrActiveText, RGB(0, 0, 0)},
        {"mainTab.m_clrActiveLine", h->m_mainTab.m_clrActiveLine, RGB(89, 113, 165)},
        {"mainTab.m_clrInactiveText", h->m_mainTab.m_clrInactiveText, RGB(128, 128, 128)},
        {"tab.m_clrLine", h->m_tab.m_clrLine, RGB(89, 113, 165)},
        {"tab.m_clrText", h->m_tab.m_clrText, GetSysColor(COLOR_BTNTEXT)},
        {"tab.m_clrFace", h->m_tab.m_clrFace, GetSysColor(COLOR_BTNFACE)},
        {"tab.m_clrActiveText", h->m_tab.m_clrActiveText, GetSysColor(COLOR_CAPTIONTEXT)},
        {"tab.m_clrActiveLine", h->m_tab.m_clrActiveLine, RGB(187, 187, 187)},
        {"tab.m_clrInactiveText", h->m_tab.m_clrInactiveText, GetSysColor(COLOR_INACTIVECAPTIONTEXT)},
        {"caption.m_clrCaption", h->m_caption.m_clrCaption, RGB(142, 148, 174)},
        {"caption.m_clrCaptionText", h->m_caption.m_clrCaptionText, RGB(255, 255, 255)},
        {"caption.m_clrMenu", h->m_caption.m_clrMenu, RGB(106, 118, 164)},
        {"room.m_clrRoom", h->m_room.m_clrRoom, RGB(0, 128, 0)},
        {"personList.m_clrPerson1", h->m_personList.m_clrPerson1, RGB(255, 100, 0)},
        {"personList.m_clrPerson2", h->m_personList.m_clrPerson2, RGB(255, 100, 0)},
        {"personList.m_clrPerson3", h->m_personList.m_clrPerson3, RGB(0, 100, 255)},
        {"personList.m_clrPerson4", h->m_personList.m_clrPerson4, 0},
        {"personList.m_clrPerson5", h->m_personList.m_clrPerson5, RGB(0, 128, 0)},
        {"personList.m_clrPerson6", h->m_personList.m_clrPerson6, GetSysColor(COLOR_HIGHLIGHT)},
        {"personList.m_clrPerson7", h->m_personList.m_clrPerson7, RGB(0, 0, 0)},
        {"personList.m_clrPerson8", h->m_personList.m_clrPerson8, GetSysColor(COLOR_HIGHLIGHTTEXT)},
        {"tree.m_clrBack", h->m_tree.m_clrBack, GetSysColor(COLOR_BTNFACE)},
        {"tree.m_clrText", h->m_tree.m_clrText, RGB(0, 0, 0)},
        {"tree.m_clrLine", h->m_tree.m_clrLine, RGB(202, 202, 202)},
    };
    if (g_defaultValues) {
        for (const ColourRow& row : colours) Eq(row.name, row.expected, row.actual);

        Eq("mainTab.m_nTabSize1", 28, h->m_mainTab.m_nTabSize1);
        Eq("mainTab.m_nTabSize2", 40, h->m_mainTab.m_nTabSize2);
        Eq("tab.m_nTabSize1", 28, h->m_tab.m_nTabSize1);
        Eq("tab.m_nTabSize2", 20, h->m_tab.m_nTabSize2);
        Eq("splitter.m_nSplitterSize1", 11, h->m_splitter.m_nSplitterSize1);
        Eq("splitter.m_nSplitterSize2", 11, h->m_splitter.m_nSplitterSize2);
        Eq("splitter.m_nSplitterSize3", 11, h->m_splitter.m_nSplitterSize3);
        Eq("splitter.m_nSplitterSize4", 11, h->m_splitter.m_nSplitterSize4);
    }
    for (int k = 0; k < kRoomTableSizes; ++k) {
        if (g_defaultValues)
            EqText(Text("room.m_szRoomStem[%d]", k), Text("room%d", k + kRoomFewestSeats), h->m_room.m_szRoomStem[k]);
        Eq(Text("room.m_phTablePic[%d]", k), nullptr, h->m_room.m_phTablePic[k]);
        Eq(Text("room.m_nPicGroups[%d]", k), 0, h->m_room.m_nPicGroups[k]);
        Eq(Text("room.m_arrRoomLib[%d] size", k), 0, h->m_room.m_arrRoomLib[k].size());
    }
    if (g_defaultValues) EqText("personList.m_szHeadPicStem", "headpic", h->m_personList.m_szHeadPicStem);
    Eq("personList.m_arrExtraWnd size", 0, h->m_personList.m_arrExtraWnd.size());
    Eq("personList.m_arrHeadLib size", 0, h->m_personList.m_arrHeadLib.size());
    Eq("m_nHallOption", 0, h->m_nHallOption);
    Eq("m_hHallObject1", nullptr, h->m_hHallObject1);
    Eq("m_hHallObject2", nullptr, h->m_hHallObject2);
    Eq("caption.m_hObject", nullptr, h->m_caption.m_hObject);
    Eq("caption.m_hIconReserved", nullptr, h->m_caption.m_hIconReserved);
    const DWORD chatValues[] = {h->m_chat.m_dwChatValue1, h->m_chat.m_dwChatValue2, h->m_chat.m_dwChatValue3};
    for (int i = 0; i < 3; ++i) Eq(Text("chat.m_dwChatValue%d", i + 1), 0, chatValues[i]);
    const HGDIOBJ chatObjects[] = {h->m_chat.m_hChatObject1, h->m_chat.m_hChatObject2, h->m_chat.m_hChatObject3,
                                   h->m_chat.m_hChatObject4, h->m_chat.m_hChatObject5, h->m_chat.m_hChatObject6,
                                   h->m_chat.m_hChatObject7, h->m_chat.m_hChatObject8};
    for (int i = 0; i < 8; ++i) Eq(Text("chat.m_hChatObject%d", i + 1), nullptr, chatObjects[i]);

    BitmapRow bitmaps[kMaxHallBitmaps];
    const int bitmapCount = HallBitmaps(h, bitmaps);
    for (int i = 0; i < bitmapCount; ++i) ShowsBitmap(bitmaps[i].name, *bitmaps[i].field, bitmaps[i].resource);
    True("caption.m_hbmMenu and m_hbmMenuBar are two handles", h->m_caption.m_hbmMenu != h->m_caption.m_hbmMenuBar);
    Eq("mainTab.m_hbmBack90", nullptr, h->m_mainTab.m_hbmBack90);
    Eq("mainTab.m_hbmSelect90", nullptr, h->m_mainTab.m_hbmSelect90);
    Eq("mainTab.m_hbmNoSelect90", nullptr, h->m_mainTab.m_hbmNoSelect90);

    ShowsIcon("caption.m_hIconMax", h->m_caption.m_hIconMax, "CAPTION_MAX");
    ShowsIcon("caption.m_hIconMin", h->m_caption.m_hIconMin, "CAPTION_MIN");
    ShowsIcon("caption.m_hIconNormal", h->m_caption.m_hIconNormal, "CAPTION_NORMAL");
    ShowsIcon("caption.m_hIconClose", h->m_caption.m_hIconClose, "CAPTION_CLOSE");
    ShowsIcon("caption.m_hIconCloseOne", h->m_caption.m_hIconCloseOne, "CAPTION_CLOSEONE");
    if (Eq("personList.m_arrStatusIcon size", kPersonIconCount, h->m_personList.m_arrStatusIcon.size()))
        for (int i = 0; i < kPersonIconCount; ++i)
            ShowsIcon(Text("personList.m_arrStatusIcon[%d]", i), h->m_personList.m_arrStatusIcon[i], kStatusIcons[i]);
    if (Eq("tree.m_arrIcon size", kTreeIconCount, h->m_tree.m_arrIcon.size()))
        for (int i = 0; i < kTreeIconCount; ++i)
            ShowsIcon(Text("tree.m_arrIcon[%d]", i), h->m_tree.m_arrIcon[i], kTreeIcons[i]);

    // The last toolbar row keeps the delete icon of the row before as its second icon.
    const char* const toolbar[][2] = {{"BAR_PAGE", "BAR_PAGE"}, {"BAR_ENTERROOM", "BAR_ENTERROOM"},
                                      {"BAR_SETUP", "BAR_SETUP"}, {"BAR_HELP", "BAR_HELP"},
                                      {"BAR_EXIT", "BAR_EXIT"},   {"BAR_ADD", "BAR_ADD"},
                                      {"BAR_DEL", "BAR_DEL"},     {"BAR_PLAYER", "BAR_DEL"}};
    if (Eq("m_arrToolButton size", 8, h->m_arrToolButton.size())) {
        ShowsBitmap("m_arrToolButton[0].m_hbmBack", h->m_arrToolButton[0].m_hbmBack, "BUTTON_BK");
        for (int i = 0; i < 8; ++i) {
            const CButtonShowElements& b = h->m_arrToolButton[i];
            ShowsIcon(Text("m_arrToolButton[%d].m_hIcon", i), b.m_hIcon, toolbar[i][0]);
            ShowsIcon(Text("m_arrToolButton[%d].m_hIconAlt", i), b.m_hIconAlt, toolbar[i][1]);
            if (g_defaultValues) {
                Eq(Text("m_arrToolButton[%d].m_clrBack", i), i == 0 ? RGB(128, 0, 0) : GetSysColor(COLOR_BTNFACE),
                   b.m_clrBack);
                Eq(Text("m_arrToolButton[%d].m_clrText", i), RGB(255, 255, 255), b.m_clrText);
            }
            Eq(Text("m_arrToolButton[%d].m_hbmBack, the shared one", i), h->m_arrToolButton[0].m_hbmBack, b.m_hbmBack);
        }
    }
    const char* const exits[] = {"WINEXIT_ALL", "WINEXIT_WINDOW", "WINEXIT_USERCHANGE"};
    if (Eq("m_arrExitButton size", 3, h->m_arrExitButton.size()))
        for (int i = 0; i < 3; ++i) {
            const CButtonShowElements& b = h->m_arrExitButton[i];
            ShowsIcon(Text("m_arrExitButton[%d].m_hIcon", i), b.m_hIcon, exits[i]);
            ShowsIcon(Text("m_arrExitButton[%d].m_hIconAlt", i), b.m_hIconAlt, exits[i]);
            if (g_defaultValues) {
                Eq(Text("m_arrExitButton[%d].m_clrBack", i), GetSysColor(COLOR_BTNFACE), b.m_clrBack);
                Eq(Text("m_arrExitButton[%d].m_clrText", i), RGB(0, 0, 0), b.m_clrText);
            }
            Eq(Text("m_arrExitButton[%d].m_hbmBack", i), nullptr, b.m_hbmBack);
        }
}

void TreeDefaults(GetTreeFaceFn getTreeFace, CHallShowElements* hall) {
    check::topic = "tree face defaults";
    CTreeShowElements* face = getTreeFace();
    Eq("GetTreeFace a second time", face, getTreeFace());
    if (g_defaultValues) {
        Eq("m_clrBack", GetSysColor(COLOR_BTNFACE), face->m_clrBack);
        Eq("m_clrText", RGB(0, 0, 0), face->m_clrText);
        Eq("m_clrLine", RGB(0xCA, 0xCA, 0xCA), face->m_clrLine);
    }
    Eq("m_clrBack, as the hall's tree shows it", hall->m_tree.m_clrBack, face->m_clrBack);
    Eq("m_clrText, as the hall's tree shows it", hall->m_tree.m_clrText, face->m_clrText);
    ShowsBitmap("m_hbmBack", face->m_hbmBack, "TREE_BK");
    if (Eq("m_arrIcon size", kTreeIconCount, face->m_arrIcon.size()))
        for (int i = 0; i < kTreeIconCount; ++i) ShowsIcon(Text("m_arrIcon[%d]", i), face->m_arrIcon[i], kTreeIcons[i]);
    True("the hall's tree shows the same icons", face->m_arrIcon == hall->m_tree.m_arrIcon);
}

// Every element's type data is the compiler's: decorated names stand 8 bytes
// into the descriptor, and msvcrt.dll's type_info::name() undecorates them.
void TypeIdentity(CHallShowElements* h, CTreeShowElements* tree) {
    check::topic = "type identity";
    struct Row {
        CShowElement* element;
        const char* name;
    };
    const Row rows[] = {
        {h, "CHallShowElements"},
        {&h->m_caption, "CCaptionShowElements"},
        {&h->m_mainTab, "CTabShowElements"},
        {&h->m_room, "CHall_RoomShowElements"},
        {&h->m_personList, "CHall_PersonListShowElements"},
        {&h->m_chat, "CChatShowElements"},
        {&h->m_splitter, "CSplitterShowElements"},
        {&h->m_tree, "CTreeShowElements"},
        {&h->m_arrToolButton[0], "CButtonShowElements"},
        {tree, "CTreeShowElements"},
    };
    for (const Row& row : rows) {
        const std::type_info& type = DynamicType(row.element);
        EqText(Text("decorated name of %s", row.name), Text(".?AV%s@@", row.name),
               reinterpret_cast<const char*>(&type) + 8);
        EqText(Text("type_info::name of %s", row.name), Text("class %s", row.name),
               reinterpret_cast<const ::type_info&>(type).name());
    }
    Eq("dynamic_cast of the room to CRoomShowElements", &h->m_room, AsRoom(&h->m_room));
    Eq("dynamic_cast of the person list to CPersonListShowElements", &h->m_personList, AsPersonList(&h->m_personList));
    Eq("dynamic_cast of a tab to CRoomShowElements", nullptr, AsRoom(&h->m_tab));
    Eq("dynamic_cast of the person list to CRoomShowElements", nullptr, AsRoom(&h->m_personList));
    Eq("dynamic_cast of the room to CPersonListShowElements", nullptr, AsPersonList(&h->m_room));
}

// Each kind of element refreshed on its own: the plain ones tell every
// notify window that has a redraw partner, then repaint; the rest only repaint.
void RefreshOfEachKind(CHallShowElements* h, CTreeShowElements* tree) {
    check::topic = "RefreshWindows";
    struct Row {
        const char* name;
        CMFCShowElement* element;
        int tellsPaired;
    };
    const Row rows[] = {
        {"room", &h->m_room, 1},          {"personList", &h->m_personList, 1},
        {"chat", &h->m_chat, 1},          {"mainTab", &h->m_mainTab, 0},
        {"splitter", &h->m_splitter, 0},  {"tree face", tree, 0},
        {"m_arrToolButton[0]", &h->m_arrToolButton[0], 0},
    };
    for (const Row& row : rows) {
        Window* paired = NewWindow();
        Window* unpaired = NewWindow();
        Window* redraw = NewWindow();
        Register(row.element, paired, redraw);
        row.element->m_arrNotifyWnd.push_back(unpaired->handle);
        Refresh(row.element);
        Eq(Text("%s: messages to the paired notify window", row.name), row.tellsPaired, paired->faceChanged);
        Eq(Text("%s: messages to the unpaired notify window", row.name), 0, unpaired->faceChanged);
        True(Text("%s: the redraw window is invalid", row.name), Invalid(redraw));
        True(Text("%s: the notify windows are not invalid", row.name), !Invalid(paired) && !Invalid(unpaired));
        Unregister(row.element);
        DestroyWindows();
    }

    // The caption tells its first notify window, then has the main window
    // above it recalculate its frame; it repaints nothing itself.
    Window* main = NewWindow();
    Window* first = NewWindow(WS_CHILD | WS_VISIBLE, main->handle);
    Window* second = NewWindow();
    Window* redraw = NewWindow();
    Register(&h->m_caption, first, redraw);
    h->m_caption.m_arrNotifyWnd.push_back(second->handle);
    Refresh(&h->m_caption);
    Eq("caption: messages to the first notify window", 1, first->faceChanged);
    Eq("caption: messages to the second notify window", 0, second->faceChanged);
    True("caption: the main window recalculated its frame", main->frameRecalcs > 0);
    Eq("caption: frame recalculations of the second notify window", 0, second->frameRecalcs);
    True("caption: the redraw window is not invalid", !Invalid(redraw));
    Unregister(&h->m_caption);
    DestroyWindows();
}

// The hall refreshes its members in its own way: tab strips and the splitter
// are told as well, the tree is not, the toolbar speaks through its first
// button, and the exit buttons and the hall's own lists are left alone.
void HallFanOut(CHallShowElements* h) {
    check::topic = "hall RefreshWindows";
    struct Row {
        const char* name;
        CMFCShowElement* element;
        int told;
        bool repainted;
        Window* notify;
        Window* redraw;
    };
    Row rows[] = {
        {"caption", &h->m_caption, 1, false, nullptr, nullptr},
        {"mainTab", &h->m_mainTab, 1, true, nullptr, nullptr},
        {"tab", &h->m_tab, 1, true, nullptr, nullptr},
        {"personList", &h->m_personList, 1, true, nullptr, nullptr},
        {"room", &h->m_room, 1, true, nullptr, nullptr},
        {"chat", &h->m_chat, 1, true, nullptr, nullptr},
        {"splitter", &h->m_splitter, 1, true, nullptr, nullptr},
        {"tree", &h->m_tree, 0, true, nullptr, nullptr},
        {"m_arrToolButton[0]", &h->m_arrToolButton[0], 1, true, nullptr, nullptr},
        {"m_arrToolButton[1]", &h->m_arrToolButton[1], 0, true, nullptr, nullptr},
        {"m_arrExitButton[0]", &h->m_arrExitButton[0], 0, false, nullptr, nullptr},
        {"the hall itself", h, 0, false, nullptr, nullptr},
    };
    for (Row& row : rows) {
        row.notify = NewWindow();
        row.redraw = NewWindow();
        Register(row.element, row.notify, row.redraw);
    }
    Refresh(h);
    for (const Row& row : rows) {
        Eq(Text("%s: messages to its notify window", row.name), row.told, row.notify->faceChanged);
        Eq(Text("%s: its redraw window invalid", row.name), row.repainted, Invalid(row.redraw));
        Unregister(row.element);
    }
    DestroyWindows();
}

// The lists' storage is the shared heap's: a module's merge grows a block the
// host allocated, and the host grows blocks the module allocated.
void ListsGrownFromBothSides(CHallShowElements* h) {
    check::topic = "lists grown from both sides";
    CMFCShowElement* splitter = &h->m_splitter;
    CMFCShowElement* chat = &h->m_chat;
    splitter->m_arrNotifyWnd.push_back(Fake<HWND>(0x9001));
    splitter->m_arrRedrawWnd.push_back(Fake<HWND>(0x9101));
    for (unsigned i = 0; i < 2; ++i) {
        chat->m_arrNotifyWnd.push_back(Fake<HWND>(0x8001 + i));
        chat->m_arrRedrawWnd.push_back(Fake<HWND>(0x8101 + i));
    }
    HWND* const hostBlock = splitter->m_arrNotifyWnd.data();
    Merge(splitter, chat);
    SameList("splitter notify windows after the base MergeFrom", splitter->m_arrNotifyWnd,
             {Fake<HWND>(0x9001), Fake<HWND>(0x8001), Fake<HWND>(0x8002)});
    SameList("splitter redraw windows after the base MergeFrom", splitter->m_arrRedrawWnd,
             {Fake<HWND>(0x9101), Fake<HWND>(0x8101), Fake<HWND>(0x8102)});
    SameList("chat notify windows, the source", chat->m_arrNotifyWnd, {Fake<HWND>(0x8001), Fake<HWND>(0x8002)});
    // A freed block may already hold one of the grown lists again.
    True("the host's block was given back by the module",
         !InUse(hostBlock) || hostBlock == splitter->m_arrNotifyWnd.data() ||
             hostBlock == splitter->m_arrRedrawWnd.data());

    HWND* const moduleBlock = splitter->m_arrNotifyWnd.data();
    while (splitter->m_arrNotifyWnd.size() < splitter->m_arrNotifyWnd.capacity())
        splitter->m_arrNotifyWnd.push_back(Fake<HWND>(0x9002));
    splitter->m_arrNotifyWnd.push_back(Fake<HWND>(0x9003));
    True("the module's block was given back by the host", !InUse(moduleBlock));
    Eq("the merged entry kept by the host's growth", Fake<HWND>(0x8002), splitter->m_arrNotifyWnd[2]);
    Unregister(splitter);
    Unregister(chat);

    // The status icons are the module's from its start; the host grows the list and cuts it back.
    SharedHeapList<HICON>& icons = h->m_personList.m_arrStatusIcon;
    HICON* const iconBlock = icons.data();
    const HICON last = icons[kPersonIconCount - 1];
    while (icons.data() == iconBlock) icons.push_back(icons[0]);
    True("the status icons' first block was given back", !InUse(iconBlock));
    Eq("the last status icon kept in the host's block", last, icons[kPersonIconCount - 1]);
    icons.resize(kPersonIconCount);
}

// Operations that take nothing over: a button's and the hall's MergeFrom, and
// the room's reserved slots, which only answer.
void OperationsThatChangeNothing(CHallShowElements* h) {
    check::topic = "operations that change nothing";
    CMFCShowElement* chat = &h->m_chat;
    chat->m_arrNotifyWnd.push_back(Fake<HWND>(0x8001));
    chat->m_arrRedrawWnd.push_back(Fake<HWND>(0x8101));
    Merge(h, chat);
    Eq("the hall's notify windows after its MergeFrom", 0, h->m_arrNotifyWnd.size());
    Eq("the room's notify windows after the hall's MergeFrom", 0, h->m_room.m_arrNotifyWnd.size());
    Merge(&h->m_arrToolButton[1], chat);
    Eq("a button's notify windows after its MergeFrom", 0, h->m_arrToolButton[1].m_arrNotifyWnd.size());
    Unregister(chat);

    CRoomShowElements* room = &h->m_room;
    unsigned char before[sizeof(CRoomShowElements)];
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(room);
    for (size_t i = 0; i < sizeof before; ++i) before[i] = bytes[i];
    room->RoomReserved1(1, 2);
    room->RoomReserved2(1, 2, 3, 4);
    Eq("RoomReserved3", TRUE, room->RoomReserved3(1, 2, 3));
    size_t changed = 0;
    for (size_t i = 0; i < sizeof before; ++i) changed += bytes[i] != before[i];
    Eq("bytes of the room changed by its reserved slots", 0, changed);

    // The hall's person list leaves head libraries to the host.
    CPersonListShowElements* list = &h->m_personList;
    list->LoadHeadLibraries();
    Eq("head libraries after the hall list's LoadHeadLibraries", 0, list->m_arrHeadLib.size());
    Eq("LoadHeadLibrary('a') of the hall list", TRUE, list->LoadHeadLibrary('a'));
}

// The person list's own LoadHeadLibraries, in a peer's list that notes what it is asked.
void HeadLibrarySequence(PeerCreateHeadLoaderFn create, PeerHeadLettersFn letters) {
    check::topic = "head library sequence";
    CPersonListShowElements* declining = create('c');
    declining->LoadHeadLibraries();
    EqText("letters asked until the loader declines at c", "abc", letters(declining));
    delete declining;

    CPersonListShowElements* willing = create(0);
    willing->LoadHeadLibraries();
    EqText("letters asked of a loader that never declines", "abcdefghij", letters(willing));
    delete willing;

    CPersonListShowElements* listed = create(0);
    listed->m_arrHeadLib.push_back(nullptr);
    listed->LoadHeadLibraries();
    EqText("letters asked while a head library is listed", "", letters(listed));
    delete listed;
}

// The room deletes exactly groups x (4 + 2 x seats) + 2 pictures of each
// table size, gives back every array the host installed, and releases its
// libraries in place.
void RoomReleasesHostPictures(CHallShowElements* h) {
    check::topic = "room ReleaseObjects";
    CRoomShowElements* room = &h->m_room;
    Eq(Text("%s loaded before the test", kHostLibrary), nullptr, GetModuleHandleA(kHostLibrary));
    const int groups[kRoomTableSizes] = {1, 2, 0, 3, 1};
    const bool installed[kRoomTableSizes] = {true, true, true, false, true};
    HBITMAP pictures[kRoomTableSizes][24] = {};
    int counts[kRoomTableSizes] = {};
    for (int k = 0; k < kRoomTableSizes; ++k) {
        room->m_nPicGroups[k] = groups[k];
        if (!installed[k]) continue;
        counts[k] = groups[k] * (4 + 2 * (k + kRoomFewestSeats)) + (groups[k] > 0 ? 2 : 0);
        // One picture more than the room owns, which must survive the release.
        room->m_phTablePic[k] = new HBITMAP[counts[k] + 1];
        for (int j = 0; j <= counts[k]; ++j) pictures[k][j] = room->m_phTablePic[k][j] = CreateBitmap(1, 1, 1, 1, nullptr);
    }
    HBITMAP* arrays[kRoomTableSizes];
    for (int k = 0; k < kRoomTableSizes; ++k) arrays[k] = room->m_phTablePic[k];
    room->m_arrRoomLib[1].push_back(LoadLibraryA(kHostLibrary));
    room->m_arrRoomLib[1].push_back(LoadLibraryA(kHostLibrary));
    room->m_arrRoomLib[4].push_back(LoadLibraryA(kHostLibrary));

    Release(room);

    for (int k = 0; k < kRoomTableSizes; ++k) {
        Eq(Text("m_phTablePic[%d]", k), nullptr, room->m_phTablePic[k]);
        if (!installed[k]) continue;
        int deleted = 0;
        for (int j = 0; j < counts[k]; ++j) deleted += GetObjectType(pictures[k][j]) == 0;
        Eq(Text("pictures deleted of %d seats, %d groups", k + kRoomFewestSeats, groups[k]), counts[k], deleted);
        Eq(Text("object type of the picture past the room's of %d seats", k + kRoomFewestSeats), OBJ_BITMAP,
           GetObjectType(pictures[k][counts[k]]));
        True(Text("the picture array of %d seats was given back", k + kRoomFewestSeats), !InUse(arrays[k]));
        DeleteObject(pictures[k][counts[k]]);
    }
    SameList("m_arrRoomLib[1]", room->m_arrRoomLib[1], {HINSTANCE(nullptr), HINSTANCE(nullptr)});
    SameList("m_arrRoomLib[4]", room->m_arrRoomLib[4], {HINSTANCE(nullptr)});
    Eq(Text("%s after the release", kHostLibrary), nullptr, GetModuleHandleA(kHostLibrary));
    for (int k = 0; k < kRoomTableSizes; ++k) room->m_nPicGroups[k] = 0;
}

// Rooms take over another room's registrations and tables, whichever module
// built either; the colour stays. From any other element they take the
// registrations alone.
void RoomMerges(CHallShowElements* h, PeerCreateRoomFn createRoom) {
    check::topic = "room MergeFrom";
    CRoomShowElements* mine = &h->m_room;
    mine->m_arrNotifyWnd.push_back(Fake<HWND>(0x7001));
    mine->m_arrRedrawWnd.push_back(Fake<HWND>(0x7101));
    Merge(mine, mine);
    SameList("the module's room merged with itself", mine->m_arrNotifyWnd, {Fake<HWND>(0x7001)});
    Merge(mine, nullptr);
    SameList("the module's room merged with nothing", mine->m_arrNotifyWnd, {Fake<HWND>(0x7001)});

    CHall_RoomShowElements* bare = createRoom(FALSE);
    Eq("dynamic_cast of the peer's room to CRoomShowElements", bare, AsRoom(bare));
    Merge(bare, mine);
    SameList("peer room's notify windows, from the module's", bare->m_arrNotifyWnd, {Fake<HWND>(0x7001)});
    SameList("peer room's redraw windows, from the module's", bare->m_arrRedrawWnd, {Fake<HWND>(0x7101)});
    Eq("peer room's colour, its own", RGB(1, 2, 3), bare->m_clrRoom);
    for (int k = 0; k < kRoomTableSizes; ++k) {
        EqText(Text("peer room's m_szRoomStem[%d]", k), mine->m_szRoomStem[k], bare->m_szRoomStem[k]);
        Eq(Text("peer room's m_nPicGroups[%d]", k), 0, bare->m_nPicGroups[k]);
        Eq(Text("peer room's m_phTablePic[%d]", k), nullptr, bare->m_phTablePic[k]);
        True(Text("peer room's m_arrRoomLib[%d], the module's", k), bare->m_arrRoomLib[k] == mine->m_arrRoomLib[k]);
    }
    // A shorter stem leaves the rest of the buffer as it was.
    const size_t copied = sizeof "room5";
    EqText("peer room's m_szRoomStem[3] past its end", &"peer-five-seats"[copied], bare->m_szRoomStem[3] + copied);
    delete bare;

    Eq(Text("%s loaded before the test", kPeerTableLibrary), nullptr, GetModuleHandleA(kPeerTableLibrary));
    CHall_RoomShowElements* peer = createRoom(TRUE);
    const COLORREF ownColour = mine->m_clrRoom;
    Merge(mine, peer);
    SameList("module room's notify windows, the peer's paired ones", mine->m_arrNotifyWnd,
             {Fake<HWND>(0x5001), Fake<HWND>(0x5002)});
    SameList("module room's redraw windows, the peer's", mine->m_arrRedrawWnd,
             {Fake<HWND>(0x5101), Fake<HWND>(0x5102)});
    Eq("module room's colour, its own", ownColour, mine->m_clrRoom);
    for (int k = 0; k < kRoomTableSizes; ++k) {
        Eq(Text("module room's m_phTablePic[%d], the peer's", k), peer->m_phTablePic[k], mine->m_phTablePic[k]);
        Eq(Text("module room's m_nPicGroups[%d], the peer's", k), peer->m_nPicGroups[k], mine->m_nPicGroups[k]);
        True(Text("module room's m_arrRoomLib[%d], the peer's", k), mine->m_arrRoomLib[k] == peer->m_arrRoomLib[k]);
    }
    True("module room's m_arrRoomLib[2] in storage of its own",
         mine->m_arrRoomLib[2].data() != peer->m_arrRoomLib[2].data());
    EqText("module room's m_szRoomStem[0]", "peer2", mine->m_szRoomStem[0]);
    EqText("module room's m_szRoomStem[1], cut to fit", "ABCDEFGHIJKLMNOPQRS", mine->m_szRoomStem[1]);
    EqText("module room's m_szRoomStem[2]", "p4", mine->m_szRoomStem[2]);
    EqText("module room's m_szRoomStem[2] past its end", "m4", mine->m_szRoomStem[2] + 3);

    CMFCShowElement* chat = &h->m_chat;
    chat->m_arrNotifyWnd.push_back(Fake<HWND>(0x8001));
    chat->m_arrRedrawWnd.push_back(Fake<HWND>(0x8101));
    HBITMAP* const tables = mine->m_phTablePic[0];
    Merge(mine, chat);
    SameList("module room's notify windows, from the chat", mine->m_arrNotifyWnd, {Fake<HWND>(0x8001)});
    Eq("module room's m_phTablePic[0] after a merge with the chat", tables, mine->m_phTablePic[0]);
    Unregister(chat);
    Unregister(mine);
    // The module's room now owns the peer's tables; the peer's room gives back only its lists.
    delete peer;
}

// Person lists append another list's registrations and extra windows, and
// take nothing else.
void PersonListMerges(CHallShowElements* h, PeerCreatePersonListFn createList) {
    check::topic = "person list MergeFrom";
    CPersonListShowElements* mine = &h->m_personList;
    mine->m_arrNotifyWnd.push_back(Fake<HWND>(0x7001));
    mine->m_arrRedrawWnd.push_back(Fake<HWND>(0x7101));
    mine->m_arrExtraWnd.push_back(Fake<HWND>(0x7201));
    Merge(mine, mine);
    SameList("module list's extra windows, merged with itself", mine->m_arrExtraWnd, {Fake<HWND>(0x7201)});

    CHall_PersonListShowElements* peer = createList();
    Eq("dynamic_cast of the peer's list to CPersonListShowElements", peer, AsPersonList(peer));
    Merge(peer, mine);
    SameList("peer list's notify windows", peer->m_arrNotifyWnd,
             {Fake<HWND>(0x6001), Fake<HWND>(0x6002), Fake<HWND>(0x7001)});
    SameList("peer list's redraw windows", peer->m_arrRedrawWnd,
             {Fake<HWND>(0x6101), Fake<HWND>(0x6102), Fake<HWND>(0x7101)});
    SameList("peer list's extra windows", peer->m_arrExtraWnd,
             {Fake<HWND>(0x6201), Fake<HWND>(0x6202), Fake<HWND>(0x7201)});
    SameList("peer list's status icons, its own", peer->m_arrStatusIcon, {Fake<HICON>(0x6301)});
    SameList("peer list's head libraries, its own", peer->m_arrHeadLib, {Fake<HINSTANCE>(0x6401)});
    EqText("peer list's stem, its own", "peerhead", peer->m_szHeadPicStem);

    const HBITMAP back = mine->m_hbmBack;
    const COLORREF ownPerson1 = mine->m_clrPerson1;
    char ownStem[sizeof mine->m_szHeadPicStem];
    for (size_t i = 0; i < sizeof ownStem; ++i) ownStem[i] = mine->m_szHeadPicStem[i];
    Merge(mine, peer);
    SameList("module list's notify windows", mine->m_arrNotifyWnd,
             {Fake<HWND>(0x7001), Fake<HWND>(0x6001), Fake<HWND>(0x6002), Fake<HWND>(0x7001)});
    SameList("module list's extra windows", mine->m_arrExtraWnd,
             {Fake<HWND>(0x7201), Fake<HWND>(0x6201), Fake<HWND>(0x6202), Fake<HWND>(0x7201)});
    Eq("module list's status icons, its own", kPersonIconCount, mine->m_arrStatusIcon.size());
    Eq("module list's head libraries, none", 0, mine->m_arrHeadLib.size());
    Eq("module list's background, its own", back, mine->m_hbmBack);
    Eq("module list's m_clrPerson1, its own", ownPerson1, mine->m_clrPerson1);
    EqText("module list's stem, its own", ownStem, mine->m_szHeadPicStem);
    delete peer;

    CMFCShowElement* room = &h->m_room;
    room->m_arrNotifyWnd.push_back(Fake<HWND>(0x7301));
    room->m_arrRedrawWnd.push_back(Fake<HWND>(0x7401));
    Unregister(mine);
    Merge(mine, room);
    SameList("module list's notify windows, from the room", mine->m_arrNotifyWnd, {Fake<HWND>(0x7301)});
    Eq("module list's extra windows after a merge with the room", 4, mine->m_arrExtraWnd.size());
    Unregister(room);
    Unregister(mine);
}

// The hall gives back every object it holds, the host's included, and every library.
void HallReleasesEverything(CHallShowElements* h) {
    check::topic = "hall ReleaseObjects";
    BitmapRow bitmaps[kMaxHallBitmaps];
    HBITMAP handles[kMaxHallBitmaps];
    const int bitmapCount = HallBitmaps(h, bitmaps);
    for (int i = 0; i < bitmapCount; ++i) handles[i] = *bitmaps[i].field;
    const HBITMAP toolbarBack = h->m_arrToolButton[0].m_hbmBack;
    HGDIOBJ* const hostFields[] = {&h->m_hHallObject1,       &h->m_hHallObject2,       &h->m_caption.m_hObject,
                                   &h->m_chat.m_hChatObject1, &h->m_chat.m_hChatObject2, &h->m_chat.m_hChatObject3,
                                   &h->m_chat.m_hChatObject4, &h->m_chat.m_hChatObject5, &h->m_chat.m_hChatObject6,
                                   &h->m_chat.m_hChatObject7, &h->m_chat.m_hChatObject8};
    constexpr int kHostObjects = sizeof hostFields / sizeof hostFields[0];
    HGDIOBJ hostObjects[kHostObjects];
    for (int i = 0; i < kHostObjects; ++i) *hostFields[i] = hostObjects[i] = CreateSolidBrush(RGB(i, i, i));
    h->m_personList.m_arrHeadLib.push_back(LoadLibraryA(kHostLibrary));
    // The room holds the peer's tables since the merge: one group for 2 seats and one for 6.
    HBITMAP* const peerArrays[2] = {h->m_room.m_phTablePic[0], h->m_room.m_phTablePic[4]};
    const bool peerTables = True("the room holds the peer's tables", peerArrays[0] && peerArrays[1]);
    const HBITMAP peerPictures[2] = {peerTables ? peerArrays[0][0] : nullptr, peerTables ? peerArrays[1][17] : nullptr};

    Release(h);

    for (int i = 0; i < bitmapCount; ++i) {
        Eq(Text("%s after the release", bitmaps[i].name), nullptr, *bitmaps[i].field);
        Eq(Text("object type of the former %s", bitmaps[i].name), 0, GetObjectType(handles[i]));
    }
    Eq("object type of the former toolbar background", 0, GetObjectType(toolbarBack));
    for (int i = 0; i < kHostObjects; ++i) {
        Eq(Text("host object field %d after the release", i), nullptr, *hostFields[i]);
        Eq(Text("object type of the former host object %d", i), 0, GetObjectType(hostObjects[i]));
    }
    Eq("m_arrToolButton size", 0, h->m_arrToolButton.size());
    Eq("m_arrExitButton size", 0, h->m_arrExitButton.size());
    Eq("caption.m_hIconMax", nullptr, h->m_caption.m_hIconMax);
    Eq("caption.m_hIconCloseOne", nullptr, h->m_caption.m_hIconCloseOne);
    Eq("personList.m_arrStatusIcon size", 0, h->m_personList.m_arrStatusIcon.size());
    Eq("tree.m_arrIcon size", 0, h->m_tree.m_arrIcon.size());
    SameList("personList.m_arrHeadLib", h->m_personList.m_arrHeadLib, {HINSTANCE(nullptr)});
    Eq(Text("%s after the release", kHostLibrary), nullptr, GetModuleHandleA(kHostLibrary));
    if (peerTables) {
        Eq("object type of the peer's first 2-seat picture", 0, GetObjectType(peerPictures[0]));
        Eq("object type of the peer's last 6-seat picture", 0, GetObjectType(peerPictures[1]));
        True("the peer's picture arrays were given back", !InUse(peerArrays[0]) && !InUse(peerArrays[1]));
    }
    Eq(Text("%s after the release", kPeerTableLibrary), nullptr, GetModuleHandleA(kPeerTableLibrary));
}

// Destroying the tree face in place leaves its three lists null, so that the
// module's own destruction at unload finds nothing more to give back.
void TreeFaceDestroyedBeforeUnload(CTreeShowElements* face) {
    check::topic = "tree face destruction";
    face->m_arrNotifyWnd.push_back(Fake<HWND>(0x3001));
    face->m_arrRedrawWnd.push_back(Fake<HWND>(0x3101));
    const void* const blocks[] = {face->m_arrRedrawWnd.data(), face->m_arrNotifyWnd.data(), face->m_arrIcon.data()};
    const void* const lists[] = {&face->m_arrRedrawWnd, &face->m_arrNotifyWnd, &face->m_arrIcon};
    // Slot 0 with flags 0: the object is destroyed, its memory stays the module's.
    face->~CTreeShowElements();
    const char* const names[] = {"m_arrRedrawWnd", "m_arrNotifyWnd", "m_arrIcon"};
    for (int i = 0; i < 3; ++i) {
        // First, last and end of storage, read as the bytes the destructor left.
        void* const* raw = static_cast<void* const*>(lists[i]);
        check::Report(raw[0] == nullptr && raw[1] == nullptr && raw[2] == nullptr,
                      Text("%s after the destructor", names[i]), "null null null",
                      Text("%p %p %p", raw[0], raw[1], raw[2]));
        True(Text("%s's block was given back", names[i]), !InUse(blocks[i]));
    }
}

template <class Fn>
Fn Export(HMODULE module, const char* name) {
    Fn fn = reinterpret_cast<Fn>(GetProcAddress(module, name));
    check::True(Text("export %s", name), fn != nullptr);
    return fn;
}

}  // namespace

// The module to load: skinpak1.dll, or the pack module named on the command
// line, whose values are its own: the default pack's values are checked only
// in the default module, the binary interface in every one.
int main(int argc, char** argv) {
    const char* moduleName = argc > 1 ? argv[1] : "skinpak1.dll";
    g_defaultValues = check::SameText(moduleName, "skinpak1.dll");
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = Procedure;
    windowClass.lpszClassName = kWindowClass;
    RegisterClassA(&windowClass);

    check::topic = "loading";
    g_module = LoadLibraryA(moduleName);
    HMODULE peer = LoadLibraryA("skin_peer.dll");
    if (!True(Text("%s loaded", moduleName), g_module != nullptr) || !True("skin_peer.dll loaded", peer != nullptr))
        return check::Finish("msvc_host_test");
    auto getHallFace = Export<GetHallFaceFn>(g_module, "GetHallFace");
    auto getTreeFace = Export<GetTreeFaceFn>(g_module, "GetTreeFace");
    auto createRoom = Export<PeerCreateRoomFn>(peer, "PeerCreateRoom");
    auto createList = Export<PeerCreatePersonListFn>(peer, "PeerCreatePersonList");
    auto createLoader = Export<PeerCreateHeadLoaderFn>(peer, "PeerCreateHeadLoader");
    auto headLetters = Export<PeerHeadLettersFn>(peer, "PeerHeadLetters");
    if (check::failed) return check::Finish("msvc_host_test");
    CHallShowElements* hall = getHallFace();
    Eq("GetHallFace a second time", hall, getHallFace());

    HallDefaults(hall);
    TreeDefaults(getTreeFace, hall);
    CTreeShowElements* tree = getTreeFace();
    TypeIdentity(hall, tree);
    RefreshOfEachKind(hall, tree);
    HallFanOut(hall);
    ListsGrownFromBothSides(hall);
    OperationsThatChangeNothing(hall);
    HeadLibrarySequence(createLoader, headLetters);
    RoomReleasesHostPictures(hall);
    RoomMerges(hall, createRoom);
    PersonListMerges(hall, createList);
    HallReleasesEverything(hall);
    TreeFaceDestroyedBeforeUnload(tree);

    check::topic = "unload";
    True(Text("FreeLibrary(%s), destroying the tree face a second time", moduleName), FreeLibrary(g_module) != 0);
    Eq(Text("%s after FreeLibrary", moduleName), nullptr, GetModuleHandleA(moduleName));
    Eq("_heapchk after the unload", kHeapOk, _heapchk());
    FreeLibrary(peer);
    return check::Finish("msvc_host_test");
}
