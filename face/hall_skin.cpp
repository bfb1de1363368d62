#include "hall_skin.h"

#include "storage_failure.h"
#include "tree_skin.h"

namespace skin {
namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kTabLine = RGB(89, 113, 165);
// The entries the fill appends to each list.
constexpr size_t kToolButtonCount = 8;
constexpr size_t kExitButtonCount = 3;
constexpr size_t kStatusIconCount = 10;

template <size_t N>
void CopyStem(char (&stem)[N], const char* text) {
    static_assert(N > 0, "a stem holds at least its terminating zero");
    size_t i = 0;
    do stem[i] = text[i];
    while (text[i++] != '\0');
}

void LoadMainTab(CTabShowElements& tab, HINSTANCE instance) {
    tab.m_clrLine = kTabLine;
    tab.m_clrText = RGB(255, 0, 0);
    tab.m_clrFace = RGB(202, 202, 202);
    tab.m_clrActiveText = kBlack;
    tab.m_clrActiveLine = kTabLine;
    tab.m_clrInactiveText = RGB(128, 128, 128);
    tab.m_nTabSize1 = 28;
    tab.m_nTabSize2 = 40;
    tab.m_hbmBack = LoadBitmapA(instance, "MAINTAB_BK");
    tab.m_hbmSelect = LoadBitmapA(instance, "SELECT_MAINTAB_BK");
    tab.m_hbmNoSelect = LoadBitmapA(instance, "NOSELECT_MAINTAB_BK");
    // The main strip has no "_90" pictures.
    tab.m_hbmBack90 = nullptr;
    tab.m_hbmSelect90 = nullptr;
    tab.m_hbmNoSelect90 = nullptr;
}

void LoadSecondaryTab(CTabShowElements& tab, HINSTANCE instance) {
    tab.m_clrLine = kTabLine;
    tab.m_clrText = GetSysColor(COLOR_BTNTEXT);
    tab.m_clrFace = GetSysColor(COLOR_BTNFACE);
    tab.m_clrActiveText = GetSysColor(COLOR_CAPTIONTEXT);
    tab.m_clrActiveLine = RGB(187, 187, 187);
    tab.m_clrInactiveText = GetSysColor(COLOR_INACTIVECAPTIONTEXT);
    tab.m_hbmBack = LoadBitmapA(instance, "TAB_BK");
    tab.m_hbmSelect = LoadBitmapA(instance, "SELECT_TAB_BK");
    tab.m_hbmNoSelect = LoadBitmapA(instance, "NOSELECT_TAB_BK");
    tab.m_hbmBack90 = LoadBitmapA(instance, "TAB_BK_90");
    tab.m_hbmSelect90 = LoadBitmapA(instance, "SELECT_TAB_BK_90");
    tab.m_hbmNoSelect90 = LoadBitmapA(instance, "NOSELECT_TAB_BK_90");
    tab.m_nTabSize1 = 28;
    tab.m_nTabSize2 = 20;
}

// Both button lists are written through one button that is changed and
// appended row by row, so a field a row leaves alone carries over from the
// row before: the last toolbar entry keeps the delete icon as its second icon.
void LoadButtons(CHallShowElements& hall, HINSTANCE instance) {
    static const char* const kToolIcons[] = {"BAR_PAGE", "BAR_ENTERROOM", "BAR_SETUP", "BAR_HELP",
                                             "BAR_EXIT", "BAR_ADD",       "BAR_DEL"};
    static_assert(sizeof(kToolIcons) / sizeof(kToolIcons[0]) + 1 == kToolButtonCount, "the player's button comes last");
    CButtonShowElements button;
    button.m_hIcon = LoadIconA(instance, kToolIcons[0]);
    button.m_hIconAlt = button.m_hIcon;
    button.m_clrBack = RGB(128, 0, 0);
    button.m_clrText = kWhite;
    button.m_hbmBack = LoadBitmapA(instance, "BUTTON_BK");
    hall.m_arrToolButton.push_back(button);

    // The rest share entry 0's background: one handle, loaded once.
    for (size_t i = 1; i < sizeof(kToolIcons) / sizeof(kToolIcons[0]); ++i) {
        button.m_hIcon = LoadIconA(instance, kToolIcons[i]);
        button.m_hIconAlt = button.m_hIcon;
        button.m_clrBack = GetSysColor(COLOR_BTNFACE);
        button.m_clrText = kWhite;
        button.m_hbmBack = hall.m_arrToolButton[0].m_hbmBack;
        hall.m_arrToolButton.push_back(button);
    }
    button.m_hIcon = LoadIconA(instance, "BAR_PLAYER");
    button.m_clrBack = GetSysColor(COLOR_BTNFACE);
    button.m_clrText = kWhite;
    button.m_hbmBack = hall.m_arrToolButton[0].m_hbmBack;
    hall.m_arrToolButton.push_back(button);

    static const char* const kExitIcons[kExitButtonCount] = {"WINEXIT_ALL", "WINEXIT_WINDOW", "WINEXIT_USERCHANGE"};
    for (const char* name : kExitIcons) {
        button.m_hIcon = LoadIconA(instance, name);
        button.m_hIconAlt = button.m_hIcon;
        button.m_clrBack = GetSysColor(COLOR_BTNFACE);
        button.m_clrText = kBlack;
        button.m_hbmBack = nullptr;
        hall.m_arrExitButton.push_back(button);
    }
}

void LoadCaption(CCaptionShowElements& caption, HINSTANCE instance) {
    caption.m_clrCaption = RGB(142, 148, 174);
    caption.m_clrCaptionText = kWhite;
    caption.m_clrMenu = RGB(106, 118, 164);
    caption.m_hObject = nullptr;
    caption.m_hbmBarLeft = LoadBitmapA(instance, "BAR_LEFT_BK");
    caption.m_hbmBarRight = LoadBitmapA(instance, "BAR_RIGHT_BK");
    caption.m_hIconMax = LoadIconA(instance, "CAPTION_MAX");
    caption.m_hIconMin = LoadIconA(instance, "CAPTION_MIN");
    caption.m_hIconNormal = LoadIconA(instance, "CAPTION_NORMAL");
    caption.m_hIconClose = LoadIconA(instance, "CAPTION_CLOSE");
    caption.m_hIconCloseOne = LoadIconA(instance, "CAPTION_CLOSEONE");
    caption.m_hbmCaption = LoadBitmapA(instance, "CAPTION_BK");
    // The menu and the menu bar paint the same picture but each owns a handle.
    caption.m_hbmMenu = LoadBitmapA(instance, "MENU_BK");
    caption.m_hbmMenuBar = LoadBitmapA(instance, "MENU_BK");
    caption.m_hbmStatusLeft = LoadBitmapA(instance, "STATUSBAR_LEFT");
    caption.m_hbmStatusMid = LoadBitmapA(instance, "STATUSBAR_MID");
    caption.m_hbmStatusRight = LoadBitmapA(instance, "STATUSBAR_RIGHT");
    caption.m_hbmTitleLeft = LoadBitmapA(instance, "FRAME_TITLELEFT");
    caption.m_hbmTitleMid = LoadBitmapA(instance, "FRAME_TITLEMID");
    caption.m_hbmTitleRight = LoadBitmapA(instance, "FRAME_TITLERIGHT");
    caption.m_hbmFrameLeft = LoadBitmapA(instance, "FRAME_LEFT");
    caption.m_hbmFrameRight = LoadBitmapA(instance, "FRAME_RIGHT");
    caption.m_hbmFrameTop = LoadBitmapA(instance, "FRAME_TOP");
    caption.m_hbmFrameBottom = LoadBitmapA(instance, "FRAME_BOTTOM");
}

void LoadRoom(CRoomShowElements& room) {
    room.m_clrRoom = RGB(0, 128, 0);
    // Tables of 2 to 6 seats; pictures and libraries are the host's to install.
    static const char* const kStems[] = {"room2", "room3", "room4", "room5", "room6"};
    for (size_t k = 0; k < sizeof(kStems) / sizeof(kStems[0]); ++k) CopyStem(room.m_szRoomStem[k], kStems[k]);
}

void LoadPersonList(CPersonListShowElements& list, HINSTANCE instance) {
    list.m_clrPerson1 = RGB(255, 100, 0);
    list.m_clrPerson2 = RGB(255, 100, 0);
    list.m_clrPerson3 = RGB(0, 100, 255);
    list.m_clrPerson5 = RGB(0, 128, 0);
    list.m_clrPerson6 = GetSysColor(COLOR_HIGHLIGHT);
    list.m_clrPerson7 = kBlack;
    list.m_clrPerson8 = GetSysColor(COLOR_HIGHLIGHTTEXT);
    list.m_hbmBack = LoadBitmapA(instance, "PERSONLIST_BK");
    // In index order: a failed load still takes its place.
    static const char* const kStatusIcons[kStatusIconCount] = {
        "PERSONLIST_WAIT", "PERSONLIST_AGREE", "PERSONLIST_PLAY",  "PERSONLIST_WATCH", "PERSONLIST_WORK",
        "PERSONLIST_FOOD", "PERSONLIST_SLEEP", "PERSONLIST_STOP",  "PERSONLIST_CALL",  "PERSONLIST_FAST"};
    for (const char* name : kStatusIcons) list.m_arrStatusIcon.push_back(LoadIconA(instance, name));
    CopyStem(list.m_szHeadPicStem, "headpic");
}

void LoadSplitter(CSplitterShowElements& splitter, HINSTANCE instance) {
    splitter.m_hbmRow = LoadBitmapA(instance, "SPLITTER_ROW");
    splitter.m_hbmCol = LoadBitmapA(instance, "SPLITTER_COL");
    splitter.m_nSplitterSize1 = 11;
    splitter.m_nSplitterSize2 = 11;
    splitter.m_nSplitterSize3 = 11;
    splitter.m_nSplitterSize4 = 11;
}

// Every list of the hall that the fill appends to gets all its storage first,
// so a fill that cannot get it has no picture to give back. The storage that
// was had is given back, leaving the lists as the constructor made them.
bool ReserveLists(CHallShowElements& hall) {
    if (hall.m_arrToolButton.reserve(kToolButtonCount) && hall.m_arrExitButton.reserve(kExitButtonCount) &&
        hall.m_personList.m_arrStatusIcon.reserve(kStatusIconCount) && hall.m_tree.m_arrIcon.reserve(kTreeIconCount))
        return true;
    ButtonList().swap(hall.m_arrToolButton);
    ButtonList().swap(hall.m_arrExitButton);
    HandleList<HICON>().swap(hall.m_personList.m_arrStatusIcon);
    HandleList<HICON>().swap(hall.m_tree.m_arrIcon);
    return false;
}

}  // namespace

bool HallFaceFilled(const CHallShowElements& hall) { return !hall.m_personList.m_arrStatusIcon.empty(); }

bool LoadHallSkin(CHallShowElements& hall, HINSTANCE instance) {
    if (!StorageObtained(ReserveLists(hall))) return false;
    hall.m_nHallOption = 0;
    LoadMainTab(hall.m_mainTab, instance);
    LoadSecondaryTab(hall.m_tab, instance);
    LoadButtons(hall, instance);
    LoadCaption(hall.m_caption, instance);
    LoadRoom(hall.m_room);
    LoadPersonList(hall.m_personList, instance);
    LoadSplitter(hall.m_splitter, instance);
    LoadTreeSkin(hall.m_tree, instance);
    return true;
}

}  // namespace skin
