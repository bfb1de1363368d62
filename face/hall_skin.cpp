#include "hall_skin.h"

#include "skin_colour.h"
#include "stem_copy.h"
#include "storage_failure.h"
#include "tree_skin.h"

namespace skin {
namespace {

// The entries the fill appends to each list.
constexpr size_t kToolButtonCount = 8;
constexpr size_t kExitButtonCount = 3;
constexpr size_t kStatusIconCount = 10;

// Both strips write their colours first, in the fields' order.
void WriteTabColours(CTabShowElements& tab, const TabValues& values) {
    WriteColour(tab.m_clrLine, values.line);
    WriteColour(tab.m_clrText, values.text);
    WriteColour(tab.m_clrFace, values.face);
    WriteColour(tab.m_clrActiveText, values.activeText);
    WriteColour(tab.m_clrActiveLine, values.activeLine);
    WriteColour(tab.m_clrInactiveText, values.inactiveText);
}

void LoadMainTab(CTabShowElements& tab, const TabValues& values, HINSTANCE instance) {
    WriteTabColours(tab, values);
    tab.m_nTabSize1 = values.tabSize1;
    tab.m_nTabSize2 = values.tabSize2;
    tab.m_hbmBack = LoadBitmapA(instance, "MAINTAB_BK");
    tab.m_hbmSelect = LoadBitmapA(instance, "SELECT_MAINTAB_BK");
    tab.m_hbmNoSelect = LoadBitmapA(instance, "NOSELECT_MAINTAB_BK");
    // The main strip has no "_90" pictures.
    tab.m_hbmBack90 = nullptr;
    tab.m_hbmSelect90 = nullptr;
    tab.m_hbmNoSelect90 = nullptr;
}

void LoadSecondaryTab(CTabShowElements& tab, const TabValues& values, HINSTANCE instance) {
    WriteTabColours(tab, values);
    tab.m_hbmBack = LoadBitmapA(instance, "TAB_BK");
    tab.m_hbmSelect = LoadBitmapA(instance, "SELECT_TAB_BK");
    tab.m_hbmNoSelect = LoadBitmapA(instance, "NOSELECT_TAB_BK");
    tab.m_hbmBack90 = LoadBitmapA(instance, "TAB_BK_90");
    tab.m_hbmSelect90 = LoadBitmapA(instance, "SELECT_TAB_BK_90");
    tab.m_hbmNoSelect90 = LoadBitmapA(instance, "NOSELECT_TAB_BK_90");
    tab.m_nTabSize1 = values.tabSize1;
    tab.m_nTabSize2 = values.tabSize2;
}

void WriteRow(CButtonShowElements& button, const ButtonRowValues& values) {
    WriteColour(button.m_clrBack, values.back);
    WriteColour(button.m_clrText, values.text);
}

// Both button lists are written through one button that is changed and
// appended row by row, so a field a row leaves alone carries over from the
// row before: the last toolbar entry keeps the delete icon as its second icon.
void LoadButtons(CHallShowElements& hall, const SkinValues& values, HINSTANCE instance) {
    static const char* const kToolIcons[] = {"BAR_PAGE", "BAR_ENTERROOM", "BAR_SETUP", "BAR_HELP",
                                             "BAR_EXIT", "BAR_ADD",       "BAR_DEL"};
    static_assert(sizeof(kToolIcons) / sizeof(kToolIcons[0]) + 1 == kToolButtonCount, "the player's button comes last");
    CButtonShowElements button;
    button.m_hIcon = LoadIconA(instance, kToolIcons[0]);
    button.m_hIconAlt = button.m_hIcon;
    WriteRow(button, values.toolbar.first);
    button.m_hbmBack = LoadBitmapA(instance, "BUTTON_BK");
    hall.m_arrToolButton.push_back(button);

    // The rest share entry 0's background: one handle, loaded once.
    for (size_t i = 1; i < sizeof(kToolIcons) / sizeof(kToolIcons[0]); ++i) {
        button.m_hIcon = LoadIconA(instance, kToolIcons[i]);
        button.m_hIconAlt = button.m_hIcon;
        WriteRow(button, values.toolbar.rest);
        button.m_hbmBack = hall.m_arrToolButton[0].m_hbmBack;
        hall.m_arrToolButton.push_back(button);
    }
    button.m_hIcon = LoadIconA(instance, "BAR_PLAYER");
    WriteRow(button, values.toolbar.rest);
    button.m_hbmBack = hall.m_arrToolButton[0].m_hbmBack;
    hall.m_arrToolButton.push_back(button);

    static const char* const kExitIcons[kExitButtonCount] = {"WINEXIT_ALL", "WINEXIT_WINDOW", "WINEXIT_USERCHANGE"};
    for (const char* name : kExitIcons) {
        button.m_hIcon = LoadIconA(instance, name);
        button.m_hIconAlt = button.m_hIcon;
        WriteRow(button, values.exit);
        button.m_hbmBack = nullptr;
        hall.m_arrExitButton.push_back(button);
    }
}

void LoadCaption(CCaptionShowElements& caption, const CaptionValues& values, HINSTANCE instance) {
    WriteColour(caption.m_clrCaption, values.caption);
    WriteColour(caption.m_clrCaptionText, values.captionText);
    WriteColour(caption.m_clrMenu, values.menu);
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

void LoadRoom(CRoomShowElements& room, const RoomValues& values) {
    WriteColour(room.m_clrRoom, values.room);
    // Tables of 2 to 6 seats; pictures and libraries are the host's to install.
    static_assert(kRoomStems == kRoomTableSizes, "a stem for every table size");
    for (size_t k = 0; k < kRoomStems; ++k) CopyStem(room.m_szRoomStem[k], values.stems[k]);
}

void LoadPersonList(CPersonListShowElements& list, const PersonListValues& values, HINSTANCE instance) {
    COLORREF* const colours[kPersonColours] = {&list.m_clrPerson1, &list.m_clrPerson2, &list.m_clrPerson3,
                                               &list.m_clrPerson4, &list.m_clrPerson5, &list.m_clrPerson6,
                                               &list.m_clrPerson7, &list.m_clrPerson8};
    for (size_t i = 0; i < kPersonColours; ++i) WriteColour(*colours[i], values.person[i]);
    list.m_hbmBack = LoadBitmapA(instance, "PERSONLIST_BK");
    // In index order: a failed load still takes its place.
    static const char* const kStatusIcons[kStatusIconCount] = {
        "PERSONLIST_WAIT", "PERSONLIST_AGREE", "PERSONLIST_PLAY",  "PERSONLIST_WATCH", "PERSONLIST_WORK",
        "PERSONLIST_FOOD", "PERSONLIST_SLEEP", "PERSONLIST_STOP",  "PERSONLIST_CALL",  "PERSONLIST_FAST"};
    for (const char* name : kStatusIcons) list.m_arrStatusIcon.push_back(LoadIconA(instance, name));
    CopyStem(list.m_szHeadPicStem, values.headPicStem);
}

void LoadSplitter(CSplitterShowElements& splitter, const SplitterValues& values, HINSTANCE instance) {
    splitter.m_hbmRow = LoadBitmapA(instance, "SPLITTER_ROW");
    splitter.m_hbmCol = LoadBitmapA(instance, "SPLITTER_COL");
    splitter.m_nSplitterSize1 = values.sizes[0];
    splitter.m_nSplitterSize2 = values.sizes[1];
    splitter.m_nSplitterSize3 = values.sizes[2];
    splitter.m_nSplitterSize4 = values.sizes[3];
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

bool LoadHallSkin(CHallShowElements& hall, const SkinValues& values, HINSTANCE instance) {
    if (!StorageObtained(ReserveLists(hall))) return false;
    hall.m_nHallOption = 0;
    LoadMainTab(hall.m_mainTab, values.mainTab, instance);
    LoadSecondaryTab(hall.m_tab, values.tab, instance);
    LoadButtons(hall, values, instance);
    LoadCaption(hall.m_caption, values.caption, instance);
    LoadRoom(hall.m_room, values.room);
    LoadPersonList(hall.m_personList, values.personList, instance);
    LoadSplitter(hall.m_splitter, values.splitter, instance);
    LoadTreeSkin(hall.m_tree, values.tree, instance);
    return true;
}

}  // namespace skin
