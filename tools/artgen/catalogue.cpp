#include "catalogue.h"

#include "bitmaps.h"
#include "pictograms.h"

namespace art {

const std::vector<BitmapSpec>& bitmapCatalogue() {
    static const std::vector<BitmapSpec> table = {
        // caption, frame, menu bar and status bar
        {"CAPTION_BK", 10, 10, 24, 0, paintCaptionBack},
        {"MENU_BK", 10, 10, 8, 256, paintMenuBack},
        {"BAR_LEFT_BK", 450, 70, 24, 0, paintBarLeft},
        {"BAR_RIGHT_BK", 10, 70, 24, 0, paintBarRight},
        {"STATUSBAR_LEFT", 50, 30, 24, 0, paintStatusLeft},
        {"STATUSBAR_MID", 10, 30, 24, 0, paintStatusMid},
        {"STATUSBAR_RIGHT", 185, 30, 24, 0, paintStatusRight},
        {"FRAME_TITLELEFT", 230, 50, 24, 0, paintTitleLeft},
        {"FRAME_TITLEMID", 10, 50, 24, 0, paintTitleMid},
        {"FRAME_TITLERIGHT", 421, 60, 24, 0, paintTitleRight},
        {"FRAME_LEFT", 10, 10, 24, 0, paintFrameSide},
        {"FRAME_RIGHT", 10, 10, 24, 0, paintFrameSide},
        {"FRAME_TOP", 10, 10, 24, 0, paintFrameEdge},
        {"FRAME_BOTTOM", 10, 10, 24, 0, paintFrameEdge},
        // main tab strip
        {"MAINTAB_BK", 10, 10, 24, 0, paintMainTabBack},
        {"SELECT_MAINTAB_BK", 114, 21, 8, 256, paintMainTabSelected},
        {"NOSELECT_MAINTAB_BK", 114, 21, 8, 256, paintMainTabUnselected},
        // secondary tab strip
        {"TAB_BK", 30, 9, 8, 256, paintTabBack},
        {"SELECT_TAB_BK", 10, 10, 8, 256, paintTabSelected},
        {"NOSELECT_TAB_BK", 21, 11, 8, 256, paintTabUnselected},
        {"TAB_BK_90", 13, 21, 8, 256, paintTabBack90},
        {"SELECT_TAB_BK_90", 114, 21, 8, 61, paintTabSelected90},
        {"NOSELECT_TAB_BK_90", 114, 21, 8, 50, paintTabUnselected90},
        // toolbar buttons, person list, splitter, tree
        {"BUTTON_BK", 10, 10, 8, 256, paintButtonBack},
        {"PERSONLIST_BK", 46, 36, 1, 2, paintListStripes},
        {"SPLITTER_ROW", 8, 12, 24, 0, paintSplitterRow},
        {"SPLITTER_COL", 12, 8, 24, 0, paintSplitterCol},
        {"TREE_BK", 46, 36, 1, 2, paintListStripes},
    };
    return table;
}

const std::vector<IconGroupSpec>& iconCatalogue() {
    static const std::vector<IconGroupSpec> table = {
        // toolbar buttons
        {"BAR_PAGE", {{48, 8}, {32, 8}, {24, 8}}, drawPage},
        {"BAR_ENTERROOM", {{48, 8}, {32, 8}, {24, 8}}, drawEnterRoom},
        {"BAR_SETUP", {{48, 8}, {32, 8}, {24, 8}}, drawSetup},
        {"BAR_HELP", {{48, 8}, {32, 8}, {24, 8}}, drawHelp},
        {"BAR_EXIT", {{48, 8}, {32, 8}, {24, 8}}, drawExit},
        {"BAR_ADD", {{48, 8}, {32, 8}, {24, 8}}, drawAdd},
        {"BAR_DEL", {{24, 24}}, drawDelete},
        {"BAR_PLAYER", {{24, 24}}, drawPlayer},
        // exit menu
        {"WINEXIT_ALL", {{32, 8}, {24, 8}}, drawExitAll},
        {"WINEXIT_WINDOW", {{32, 8}, {24, 8}, {16, 8}}, drawExitWindow},
        {"WINEXIT_USERCHANGE", {{32, 8}, {24, 8}}, drawUserChange},
        // caption
        {"CAPTION_MAX", {{16, 4}, {48, 8}, {32, 8}, {24, 8}, {16, 8}}, drawCaptionMax},
        {"CAPTION_MIN", {{32, 8}, {24, 8}, {16, 8}}, drawCaptionMin},
        {"CAPTION_NORMAL", {{32, 8}, {24, 8}, {16, 8}}, drawCaptionRestore},
        {"CAPTION_CLOSE", {{32, 8}, {24, 8}, {16, 8}}, drawCaptionClose},
        {"CAPTION_CLOSEONE", {{16, 4}, {16, 8}, {32, 4}, {32, 8}}, drawCloseOne},
        // person statuses
        {"PERSONLIST_WAIT", {{20, 8}}, drawWaiting},
        {"PERSONLIST_AGREE", {{20, 8}}, drawAgreed},
        {"PERSONLIST_PLAY", {{20, 24}}, drawPlaying},
        {"PERSONLIST_WATCH", {{20, 8}}, drawWatching},
        {"PERSONLIST_WORK", {{32, 8}}, drawWorking},
        {"PERSONLIST_FOOD", {{32, 4}}, drawEating},
        {"PERSONLIST_SLEEP", {{48, 24}}, drawSleeping},
        {"PERSONLIST_STOP", {{32, 4}, {16, 4}}, drawAway},
        {"PERSONLIST_CALL", {{64, 8}}, drawCalling},
        {"PERSONLIST_FAST", {{32, 4}, {16, 4}}, drawHurrying},
        // server and room tree
        {"TREE_ROOT", {{16, 24}}, drawTreeRoot},
        {"TREE_FLODER", {{16, 24}}, drawFolder},
        {"TREE_LOAD", {{16, 24}}, drawLoading},
        {"TREE_SERVER", {{16, 24}}, drawServer},
        {"TREE_ROOM", {{16, 24}}, drawRoom},
        {"TREE_DOWNLOAD", {{16, 24}}, drawDownload},
        {"TREE_OPENEDROOM", {{16, 24}}, drawOpenedRoom},
        // the application's own icon, for whoever loads it
        {"CAPTION_HALL",
         {{32, 1}, {32, 4}, {32, 8}, {16, 1}, {16, 4}, {16, 8}, {16, 24}, {32, 24}},
         drawHall},
    };
    return table;
}

}  // namespace art
