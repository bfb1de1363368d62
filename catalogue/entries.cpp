#include "skin_catalogue.h"

#include <utility>

namespace catalogue {
namespace {

Entry Bitmap(const char* name, int width, int height, int bits, int tableEntries, const char* loadedInto,
             const char* sharesPixelsWith = nullptr) {
    return {name, Kind::Bitmap, width, height, bits, tableEntries, {}, loadedInto, sharesPixelsWith};
}

Entry Icons(const char* name, std::vector<IconImage> images, const char* loadedInto) {
    return {name, Kind::IconGroup, 0, 0, 0, 0, std::move(images), loadedInto, nullptr};
}

const std::vector<IconImage> kToolbarImages = {{48, 8}, {32, 8}, {24, 8}};

std::vector<Entry> MakeEntries() {
    return {
        // caption, frame, menu bar and status bar
        Bitmap("CAPTION_BK", 10, 10, 24, 0, "m_caption.m_hbmCaption"),
        // loaded twice: the menu and the menu bar each own a handle
        Bitmap("MENU_BK", 10, 10, 8, 256, "m_caption.m_hbmMenu m_caption.m_hbmMenuBar"),
        Bitmap("BAR_LEFT_BK", 450, 70, 24, 0, "m_caption.m_hbmBarLeft"),
        Bitmap("BAR_RIGHT_BK", 10, 70, 24, 0, "m_caption.m_hbmBarRight"),
        Bitmap("STATUSBAR_LEFT", 50, 30, 24, 0, "m_caption.m_hbmStatusLeft"),
        Bitmap("STATUSBAR_MID", 10, 30, 24, 0, "m_caption.m_hbmStatusMid"),
        Bitmap("STATUSBAR_RIGHT", 185, 30, 24, 0, "m_caption.m_hbmStatusRight"),
        Bitmap("FRAME_TITLELEFT", 230, 50, 24, 0, "m_caption.m_hbmTitleLeft"),
        Bitmap("FRAME_TITLEMID", 10, 50, 24, 0, "m_caption.m_hbmTitleMid"),
        Bitmap("FRAME_TITLERIGHT", 421, 60, 24, 0, "m_caption.m_hbmTitleRight"),
        Bitmap("FRAME_LEFT", 10, 10, 24, 0, "m_caption.m_hbmFrameLeft", "FRAME_RIGHT"),
        Bitmap("FRAME_RIGHT", 10, 10, 24, 0, "m_caption.m_hbmFrameRight", "FRAME_LEFT"),
        Bitmap("FRAME_TOP", 10, 10, 24, 0, "m_caption.m_hbmFrameTop", "FRAME_BOTTOM"),
        Bitmap("FRAME_BOTTOM", 10, 10, 24, 0, "m_caption.m_hbmFrameBottom", "FRAME_TOP"),
        // main tab strip
        Bitmap("MAINTAB_BK", 10, 10, 24, 0, "m_mainTab.m_hbmBack"),
        Bitmap("SELECT_MAINTAB_BK", 114, 21, 8, 256, "m_mainTab.m_hbmSelect"),
        Bitmap("NOSELECT_MAINTAB_BK", 114, 21, 8, 256, "m_mainTab.m_hbmNoSelect"),
        // secondary tab strip
        Bitmap("TAB_BK", 30, 9, 8, 256, "m_tab.m_hbmBack"),
        Bitmap("SELECT_TAB_BK", 10, 10, 8, 256, "m_tab.m_hbmSelect"),
        Bitmap("NOSELECT_TAB_BK", 21, 11, 8, 256, "m_tab.m_hbmNoSelect"),
        Bitmap("TAB_BK_90", 13, 21, 8, 256, "m_tab.m_hbmBack90"),
        Bitmap("SELECT_TAB_BK_90", 114, 21, 8, 61, "m_tab.m_hbmSelect90"),
        Bitmap("NOSELECT_TAB_BK_90", 114, 21, 8, 50, "m_tab.m_hbmNoSelect90"),
        // loaded once; every toolbar entry holds that one handle
        Bitmap("BUTTON_BK", 10, 10, 8, 256,
               "m_arrToolButton[0].m_hbmBack m_arrToolButton[1].m_hbmBack m_arrToolButton[2].m_hbmBack "
               "m_arrToolButton[3].m_hbmBack m_arrToolButton[4].m_hbmBack m_arrToolButton[5].m_hbmBack "
               "m_arrToolButton[6].m_hbmBack m_arrToolButton[7].m_hbmBack"),
        Bitmap("PERSONLIST_BK", 46, 36, 1, 2, "m_personList.m_hbmBack", "TREE_BK"),
        Bitmap("SPLITTER_ROW", 8, 12, 24, 0, "m_splitter.m_hbmRow"),
        Bitmap("SPLITTER_COL", 12, 8, 24, 0, "m_splitter.m_hbmCol"),
        Bitmap("TREE_BK", 46, 36, 1, 2, "m_tree.m_hbmBack", "PERSONLIST_BK"),

        // toolbar buttons
        Icons("BAR_PAGE", kToolbarImages, "m_arrToolButton[0].m_hIcon m_arrToolButton[0].m_hIconAlt"),
        Icons("BAR_ENTERROOM", kToolbarImages, "m_arrToolButton[1].m_hIcon m_arrToolButton[1].m_hIconAlt"),
        Icons("BAR_SETUP", kToolbarImages, "m_arrToolButton[2].m_hIcon m_arrToolButton[2].m_hIconAlt"),
        Icons("BAR_HELP", kToolbarImages, "m_arrToolButton[3].m_hIcon m_arrToolButton[3].m_hIconAlt"),
        Icons("BAR_EXIT", kToolbarImages, "m_arrToolButton[4].m_hIcon m_arrToolButton[4].m_hIconAlt"),
        Icons("BAR_ADD", kToolbarImages, "m_arrToolButton[5].m_hIcon m_arrToolButton[5].m_hIconAlt"),
        // the player's entry keeps the delete icon as its second icon
        Icons("BAR_DEL", {{24, 24}},
              "m_arrToolButton[6].m_hIcon m_arrToolButton[6].m_hIconAlt m_arrToolButton[7].m_hIconAlt"),
        Icons("BAR_PLAYER", {{24, 24}}, "m_arrToolButton[7].m_hIcon"),
        // exit menu
        Icons("WINEXIT_ALL", {{32, 8}, {24, 8}}, "m_arrExitButton[0].m_hIcon m_arrExitButton[0].m_hIconAlt"),
        Icons("WINEXIT_WINDOW", {{32, 8}, {24, 8}, {16, 8}},
              "m_arrExitButton[1].m_hIcon m_arrExitButton[1].m_hIconAlt"),
        Icons("WINEXIT_USERCHANGE", {{32, 8}, {24, 8}}, "m_arrExitButton[2].m_hIcon m_arrExitButton[2].m_hIconAlt"),
        // caption
        Icons("CAPTION_MAX", {{16, 4}, {48, 8}, {32, 8}, {24, 8}, {16, 8}}, "m_caption.m_hIconMax"),
        Icons("CAPTION_MIN", {{32, 8}, {24, 8}, {16, 8}}, "m_caption.m_hIconMin"),
        Icons("CAPTION_NORMAL", {{32, 8}, {24, 8}, {16, 8}}, "m_caption.m_hIconNormal"),
        Icons("CAPTION_CLOSE", {{32, 8}, {24, 8}, {16, 8}}, "m_caption.m_hIconClose"),
        Icons("CAPTION_CLOSEONE", {{16, 4}, {16, 8}, {32, 4}, {32, 8}}, "m_caption.m_hIconCloseOne"),
        // person statuses, by their index in the list
        Icons("PERSONLIST_WAIT", {{20, 8}}, "m_personList.m_arrStatusIcon[0]"),
        Icons("PERSONLIST_AGREE", {{20, 8}}, "m_personList.m_arrStatusIcon[1]"),
        Icons("PERSONLIST_PLAY", {{20, 24}}, "m_personList.m_arrStatusIcon[2]"),
        Icons("PERSONLIST_WATCH", {{20, 8}}, "m_personList.m_arrStatusIcon[3]"),
        Icons("PERSONLIST_WORK", {{32, 8}}, "m_personList.m_arrStatusIcon[4]"),
        Icons("PERSONLIST_FOOD", {{32, 4}}, "m_personList.m_arrStatusIcon[5]"),
        Icons("PERSONLIST_SLEEP", {{48, 24}}, "m_personList.m_arrStatusIcon[6]"),
        Icons("PERSONLIST_STOP", {{32, 4}, {16, 4}}, "m_personList.m_arrStatusIcon[7]"),
        Icons("PERSONLIST_CALL", {{64, 8}}, "m_personList.m_arrStatusIcon[8]"),
        Icons("PERSONLIST_FAST", {{32, 4}, {16, 4}}, "m_personList.m_arrStatusIcon[9]"),
        // server and room tree, by node kind
        Icons("TREE_ROOT", {{16, 24}}, "m_tree.m_arrIcon[0]"),
        Icons("TREE_FLODER", {{16, 24}}, "m_tree.m_arrIcon[1]"),
        Icons("TREE_LOAD", {{16, 24}}, "m_tree.m_arrIcon[2]"),
        Icons("TREE_SERVER", {{16, 24}}, "m_tree.m_arrIcon[3]"),
        Icons("TREE_ROOM", {{16, 24}}, "m_tree.m_arrIcon[4]"),
        Icons("TREE_DOWNLOAD", {{16, 24}}, "m_tree.m_arrIcon[5]"),
        Icons("TREE_OPENEDROOM", {{16, 24}}, "m_tree.m_arrIcon[6]"),
        // the application's own icon, for whoever loads it by name
        Icons("CAPTION_HALL", {{32, 1}, {32, 4}, {32, 8}, {16, 1}, {16, 4}, {16, 8}, {16, 24}, {32, 24}}, nullptr),
    };
}

}  // namespace

std::string Entry::fileName() const { return std::string(name) + (kind == Kind::Bitmap ? ".bmp" : ".ico"); }

const std::vector<Entry>& Entries() {
    static const std::vector<Entry> entries = MakeEntries();
    return entries;
}

const Entry* Find(std::string_view name) {
    for (const Entry& entry : Entries())
        if (name == entry.name) return &entry;
    return nullptr;
}

}  // namespace catalogue
