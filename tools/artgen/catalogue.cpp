#include "catalogue.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "bitmaps.h"
#include "pictograms.h"

namespace art {
namespace {

using catalogue::Entry;
using catalogue::Kind;

template <class Painter>
using PainterTable = std::vector<std::pair<std::string_view, Painter>>;

const PainterTable<BitmapPainter> kBitmapPainters = {
    // caption, frame, menu bar and status bar
    {"CAPTION_BK", paintCaptionBack},
    {"MENU_BK", paintMenuBack},
    {"BAR_LEFT_BK", paintBarLeft},
    {"BAR_RIGHT_BK", paintBarRight},
    {"STATUSBAR_LEFT", paintStatusLeft},
    {"STATUSBAR_MID", paintStatusMid},
    {"STATUSBAR_RIGHT", paintStatusRight},
    {"FRAME_TITLELEFT", paintTitleLeft},
    {"FRAME_TITLEMID", paintTitleMid},
    {"FRAME_TITLERIGHT", paintTitleRight},
    {"FRAME_LEFT", paintFrameSide},
    {"FRAME_RIGHT", paintFrameSide},
    {"FRAME_TOP", paintFrameEdge},
    {"FRAME_BOTTOM", paintFrameEdge},
    // main tab strip
    {"MAINTAB_BK", paintMainTabBack},
    {"SELECT_MAINTAB_BK", paintMainTabSelected},
    {"NOSELECT_MAINTAB_BK", paintMainTabUnselected},
    // secondary tab strip
    {"TAB_BK", paintTabBack},
    {"SELECT_TAB_BK", paintTabSelected},
    {"NOSELECT_TAB_BK", paintTabUnselected},
    {"TAB_BK_90", paintTabBack90},
    {"SELECT_TAB_BK_90", paintTabSelected90},
    {"NOSELECT_TAB_BK_90", paintTabUnselected90},
    // toolbar buttons, person list, splitter, tree
    {"BUTTON_BK", paintButtonBack},
    {"PERSONLIST_BK", paintListStripes},
    {"SPLITTER_ROW", paintSplitterRow},
    {"SPLITTER_COL", paintSplitterCol},
    {"TREE_BK", paintListStripes},
};

const PainterTable<Pictogram> kPictograms = {
    // toolbar buttons
    {"BAR_PAGE", drawPage},
    {"BAR_ENTERROOM", drawEnterRoom},
    {"BAR_SETUP", drawSetup},
    {"BAR_HELP", drawHelp},
    {"BAR_EXIT", drawExit},
    {"BAR_ADD", drawAdd},
    {"BAR_DEL", drawDelete},
    {"BAR_PLAYER", drawPlayer},
    // exit menu
    {"WINEXIT_ALL", drawExitAll},
    {"WINEXIT_WINDOW", drawExitWindow},
    {"WINEXIT_USERCHANGE", drawUserChange},
    // caption
    {"CAPTION_MAX", drawCaptionMax},
    {"CAPTION_MIN", drawCaptionMin},
    {"CAPTION_NORMAL", drawCaptionRestore},
    {"CAPTION_CLOSE", drawCaptionClose},
    {"CAPTION_CLOSEONE", drawCloseOne},
    // person statuses
    {"PERSONLIST_WAIT", drawWaiting},
    {"PERSONLIST_AGREE", drawAgreed},
    {"PERSONLIST_PLAY", drawPlaying},
    {"PERSONLIST_WATCH", drawWatching},
    {"PERSONLIST_WORK", drawWorking},
    {"PERSONLIST_FOOD", drawEating},
    {"PERSONLIST_SLEEP", drawSleeping},
    {"PERSONLIST_STOP", drawAway},
    {"PERSONLIST_CALL", drawCalling},
    {"PERSONLIST_FAST", drawHurrying},
    // server and room tree
    {"TREE_ROOT", drawTreeRoot},
    {"TREE_FLODER", drawFolder},
    {"TREE_LOAD", drawLoading},
    {"TREE_SERVER", drawServer},
    {"TREE_ROOM", drawRoom},
    {"TREE_DOWNLOAD", drawDownload},
    {"TREE_OPENEDROOM", drawOpenedRoom},
    // the application's own icon
    {"CAPTION_HALL", drawHall},
};

// Pairs each catalogue entry of the kind with its painter, in catalogue order.
template <class Item, class Painter>
std::vector<Item> match(const PainterTable<Painter>& painters, Kind kind, const char* what) {
    std::vector<Item> items;
    for (const Entry& entry : catalogue::Entries()) {
        if (entry.kind != kind) continue;
        const auto named = [&](const auto& row) { return row.first == entry.name; };
        const auto count = std::count_if(painters.begin(), painters.end(), named);
        if (count != 1)
            throw std::logic_error(std::string(what) + " " + entry.name + " has " + std::to_string(count) +
                                   " painters, 1 expected");
        items.push_back({entry, std::find_if(painters.begin(), painters.end(), named)->second});
    }
    for (const auto& [name, painter] : painters) {
        const Entry* entry = catalogue::Find(name);
        if (entry == nullptr || entry->kind != kind)
            throw std::logic_error("a painter names " + std::string(name) + ", which is no " + what +
                                   " of the catalogue");
    }
    return items;
}

}  // namespace

const std::vector<PaintedBitmap>& bitmapCatalogue() {
    static const std::vector<PaintedBitmap> items = match<PaintedBitmap>(kBitmapPainters, Kind::Bitmap, "bitmap");
    return items;
}

const std::vector<DrawnIconGroup>& iconCatalogue() {
    static const std::vector<DrawnIconGroup> items = match<DrawnIconGroup>(kPictograms, Kind::IconGroup, "icon group");
    return items;
}

}  // namespace art
