// The client in real windows: a switch tells and repaints its windows in the
// hall's order, lets the old pack go with everything it loaded, shows the new
// pack's pixels, survives bad packs, and leaves the process as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "client.h"
#include "frame.h"
#include "pictures/gdi_readback.h"
#include "pictures/png_reader.h"
#include "process_objects.h"
#include "room_tables.h"
#include "screenshot.h"
#include "tables/table_pictures.h"

namespace {

using client::Client;
using client::HallWindows;

std::map<HWND, std::string> WindowNames(const HallWindows& w) {
    std::map<HWND, std::string> names{{w.main, "main"},         {w.toolbar, "toolbar"},   {w.mainTabs, "main tabs"},
                                      {w.tabs, "tabs"},         {w.sideTabs, "side tabs"}, {w.treeHeader, "tree header"}, {w.tree, "tree"},
                                      {w.room, "room"},         {w.personList, "person list"}, {w.chat, "chat"},
                                      {w.exitMenu, "exit menu"}};
    for (int i = 0; i < client::kToolButtons; ++i) names[w.toolButtons[i]] = "tool button " + std::to_string(i);
    for (int i = 0; i < client::kSplitters; ++i) names[w.splitters[i]] = "splitter " + std::to_string(i);
    for (int i = 0; i < client::kExitEntries; ++i) names[w.exitEntries[i]] = "exit entry " + std::to_string(i);
    return names;
}

std::vector<std::string> Sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

bool Loaded(const char* module) { return GetModuleHandleA(module) != nullptr; }

// Every bitmap the faces hold, by where it is held.
std::vector<std::pair<std::string, HGDIOBJ>> FaceBitmaps(const CHallShowElements& hall, const CTreeShowElements& tree) {
    const CCaptionShowElements& c = hall.m_caption;
    std::vector<std::pair<std::string, HGDIOBJ>> held{
        {"caption", c.m_hbmCaption},        {"menu", c.m_hbmMenu},
        {"bar left", c.m_hbmBarLeft},       {"bar right", c.m_hbmBarRight},
        {"menu bar", c.m_hbmMenuBar},       {"status left", c.m_hbmStatusLeft},
        {"status mid", c.m_hbmStatusMid},   {"status right", c.m_hbmStatusRight},
        {"title left", c.m_hbmTitleLeft},   {"title mid", c.m_hbmTitleMid},
        {"title right", c.m_hbmTitleRight}, {"frame left", c.m_hbmFrameLeft},
        {"frame right", c.m_hbmFrameRight}, {"frame top", c.m_hbmFrameTop},
        {"frame bottom", c.m_hbmFrameBottom}, {"person list", hall.m_personList.m_hbmBack},
        {"splitter row", hall.m_splitter.m_hbmRow}, {"splitter column", hall.m_splitter.m_hbmCol},
        {"hall tree", hall.m_tree.m_hbmBack}, {"tree face", tree.m_hbmBack}};
    for (const auto* tab : {&hall.m_mainTab, &hall.m_tab})
        for (HBITMAP b : {tab->m_hbmBack, tab->m_hbmSelect, tab->m_hbmNoSelect, tab->m_hbmBack90, tab->m_hbmSelect90,
                          tab->m_hbmNoSelect90})
            held.emplace_back(tab == &hall.m_mainTab ? "main tab" : "tab", b);
    for (size_t i = 0; i < hall.m_arrToolButton.size(); ++i) held.emplace_back("tool button", hall.m_arrToolButton[i].m_hbmBack);
    // Not every element has every picture: the main tabs are never turned.
    held.erase(std::remove_if(held.begin(), held.end(), [](const auto& h) { return h.second == nullptr; }), held.end());
    return held;
}

class ClientTest : public testing::Test {
protected:
    void SetUp() override {
        client_.emplace(GetModuleHandleA(nullptr));
        ASSERT_TRUE(client_->Open("skinpak1.dll")) << client_->Message();
    }
    void Record() {
        client_->messageSeen = [this](HWND window, UINT message) { seen_.push_back({window, message}); };
    }
    std::vector<std::string> Names(UINT message) const {
        const auto names = WindowNames(client_->Windows());
        std::vector<std::string> out;
        for (const auto& s : seen_)
            if (s.second == message) out.push_back(names.count(s.first) ? names.at(s.first) : "another window");
        return out;
    }

    std::optional<Client> client_;
    std::vector<std::pair<HWND, UINT>> seen_;
};

TEST_F(ClientTest, SwitchTellsAndRepaintsEveryWindowInTheHallsOrder) {
    Record();
    ASSERT_TRUE(client_->SwitchTo("skinpak2.dll")) << client_->Message();
    EXPECT_EQ("skinpak2", client_->Pack().name);
    EXPECT_FALSE(Loaded("skinpak1.dll")) << "the old pack is unloaded";
    const std::vector<std::string> told{"main",       "main tabs",  "tabs",       "side tabs",   "person list", "room",         "chat",
                                        "splitter 0", "splitter 1", "splitter 2", "toolbar",     "tool button 0"};
    EXPECT_EQ(told, Names(WM_FACECHANGED));
    std::vector<std::string> painted{"main", "toolbar", "main tabs", "tabs", "side tabs", "tree header", "tree", "room", "person list", "chat"};
    for (int i = 0; i < client::kToolButtons; ++i) painted.push_back("tool button " + std::to_string(i));
    for (int i = 0; i < client::kSplitters; ++i) painted.push_back("splitter " + std::to_string(i));
    EXPECT_EQ(Sorted(painted), Sorted(Names(WM_PAINT)));
    EXPECT_EQ(std::vector<std::string>{"main"}, Sorted(Names(WM_NCPAINT))) << "the frame is painted anew";
}

TEST_F(ClientTest, OldPackGoesWithEveryBitmapAndTheRoomKeepsItsTables) {
    const auto oldBitmaps = FaceBitmaps(*client_->Pack().hall, *client_->Pack().tree);
    const CRoomShowElements& before = client_->Pack().hall->m_room;
    std::vector<HBITMAP*> arrays(before.m_phTablePic, before.m_phTablePic + kRoomTableSizes);
    std::vector<HBITMAP> tablePictures;
    for (int k = 0; k < kRoomTableSizes; ++k) {
        ASSERT_EQ(client::kTableGroups, before.m_nPicGroups[k]) << k + 2 << " seats";
        tablePictures.insert(tablePictures.end(), arrays[k], arrays[k] + RoomPictureCount(k, client::kTableGroups));
    }
    const HINSTANCE tables = before.m_arrRoomLib[0].front();
    ASSERT_TRUE(client_->SwitchTo("skinpak2.dll")) << client_->Message();

    ASSERT_LT(20u, oldBitmaps.size());
    for (const auto& [where, bitmap] : oldBitmaps) {
        EXPECT_EQ(0u, GetObjectType(bitmap)) << where << ": the old pack's bitmap is deleted";
    }
    const CRoomShowElements& room = client_->Pack().hall->m_room;
    for (int k = 0; k < kRoomTableSizes; ++k) {
        EXPECT_EQ(arrays[k], room.m_phTablePic[k]) << "tables of " << k + 2 << " seats move to the new room";
        ASSERT_EQ(1u, room.m_arrRoomLib[k].size());
        EXPECT_EQ(tables, room.m_arrRoomLib[k].front());
        EXPECT_EQ(client::kTableGroups, room.m_nPicGroups[k]) << k + 2 << " seats";
    }
    for (HBITMAP picture : tablePictures) ASSERT_EQ(static_cast<DWORD>(OBJ_BITMAP), GetObjectType(picture));
    EXPECT_TRUE(Loaded("skinclient_tables.dll"));

    client_.reset();
    EXPECT_FALSE(Loaded("skinclient_tables.dll")) << "the room released its library once for each table size";
    EXPECT_FALSE(Loaded("skinpak2.dll"));
    for (HBITMAP picture : tablePictures) ASSERT_EQ(0u, GetObjectType(picture)) << "the room deleted its tables";
}

// A colour the icon gives wherever it is opaque: drawn over black and over
// white, the two agree there.
struct IconPixel {
    POINT at;
    pictures::Rgb colour;
};
IconPixel OpaqueIconPixel(HICON icon, int size) {
    const auto draw = [&](COLORREF under) {
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
        ReleaseDC(nullptr, screen);
        HGDIOBJ old = SelectObject(dc, bitmap);
        HBRUSH brush = CreateSolidBrush(under);
        const RECT all{0, 0, size, size};
        FillRect(dc, &all, brush);
        DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
        SelectObject(dc, old);
        DeleteObject(brush);
        DeleteDC(dc);
        pictures::Image image = pictures::readBitmap(bitmap);
        DeleteObject(bitmap);
        return image;
    };
    const pictures::Image black = draw(RGB(0, 0, 0)), white = draw(RGB(255, 255, 255));
    for (int y = size / 2; y < size; ++y)
        for (int x = size / 2; x < size; ++x)
            if (black.rgbAt(x, y) == white.rgbAt(x, y)) return {POINT{x, y}, black.rgbAt(x, y)};
    return {POINT{0, 0}, {}};
}

// Where a point of a child window lies in the whole window's picture.
POINT InWindow(HWND child, HWND main, POINT at) {
    MapWindowPoints(child, nullptr, &at, 1);
    RECT r;
    GetWindowRect(main, &r);
    return POINT{at.x - r.left, at.y - r.top};
}

struct Place {
    const char* what;
    POINT at;
    pictures::Rgb expected;
};

std::vector<Place> PlacesOfThePack(const Client& c) {
    const CHallShowElements& hall = *c.Pack().hall;
    if (hall.m_personList.m_arrStatusIcon.empty() || hall.m_arrToolButton.empty()) return {};
    const HallWindows& w = c.Windows();
    const int edge = client::MeasureFrame(hall.m_caption).edge;
    const pictures::Image title = pictures::readBitmap(hall.m_caption.m_hbmTitleLeft);
    const IconPixel status = OpaqueIconPixel(hall.m_personList.m_arrStatusIcon[0], 16);
    const IconPixel tool = OpaqueIconPixel(hall.m_arrToolButton[0].m_hIcon, 32);
    const COLORREF room = hall.m_room.m_clrRoom;
    return {
        {"title row", POINT{edge + 200, edge + 5}, title.rgbAt(200, 5)},
        {"status icon", InWindow(w.personList, w.main, POINT{6 + status.at.x, 25 + status.at.y}), status.colour},
        {"toolbar icon", InWindow(w.toolButtons[0], w.main, POINT{14 + tool.at.x, 12 + tool.at.y}), tool.colour},
        {"room colour", InWindow(w.room, w.main, POINT{4, 40}),
         pictures::rgb(GetRValue(room), GetGValue(room), GetBValue(room))},
    };
}

TEST_F(ClientTest, ScreenshotsShowThePixelsOfThePackInUse) {
    std::vector<pictures::Rgb> before;
    for (const char* pack : {"skinpak1", "skinpak2"}) {
        if (std::string(pack) == "skinpak2") {
            ASSERT_TRUE(client_->SwitchTo("skinpak2.dll")) << client_->Message();
        }
        client_->RepaintNow();
        const pictures::Image shot = client::CaptureWindow(client_->Windows().main);
        ASSERT_EQ(800, shot.width());
        ASSERT_EQ(600, shot.height());
        const std::vector<Place> places = PlacesOfThePack(*client_);
        ASSERT_EQ(4u, places.size()) << pack << ": a status icon and a toolbar button to look at";
        for (size_t i = 0; i < places.size(); ++i) {
            const Place& p = places[i];
            const pictures::Rgb got = shot.rgbAt(p.at.x, p.at.y);
            EXPECT_EQ(p.expected.key(), got.key()) << pack << ", " << p.what << " at " << p.at.x << "," << p.at.y;
            if (before.size() < places.size())
                before.push_back(got);
            else
                EXPECT_NE(before[i].key(), got.key()) << p.what << " changes with the switch";
        }
    }
}

TEST_F(ClientTest, BadPacksAndASwitchDuringASwitchKeepThePackInUse) {
    struct Row {
        const char* what;
        const char* file;
        const char* said;
    };
    const Row rows[] = {
        {"a pack that does not load", "no_such_pack.dll", "no_such_pack.dll: the module does not load (error 126)"},
        {"a pack whose GetTreeFace gives nothing", "null_tree_pack.dll", "null_tree_pack.dll: GetTreeFace gave no face"},
        {"the pack in use", "skinpak1.dll", "skinpak1.dll: that pack is the one in use"},
    };
    CHallShowElements* hall = client_->Pack().hall;
    for (const Row& row : rows) {
        const size_t objects = clienttest::LiveGraphicsObjects();
        EXPECT_FALSE(client_->SwitchTo(row.file)) << row.what;
        EXPECT_EQ(objects, clienttest::LiveGraphicsObjects()) << row.what << ": what it loaded is given back";
        const std::string& said = client_->Message();
        EXPECT_EQ(0u, said.find(row.said)) << row.what << ": " << said;
        EXPECT_NE(std::string::npos, said.find("; keeping skinpak1")) << row.what << ": " << said;
        EXPECT_EQ(hall, client_->Pack().hall) << row.what;
        EXPECT_FALSE(Loaded("null_tree_pack.dll") || Loaded("skinpak2.dll")) << row.what << ": nothing stays loaded";
    }

    std::vector<bool> nested;
    client_->messageSeen = [&](HWND, UINT message) {
        if (message == WM_FACECHANGED && nested.empty()) nested.push_back(client_->SwitchTo("skinpak1.dll"));
    };
    ASSERT_TRUE(client_->SwitchTo("skinpak2.dll")) << client_->Message();
    EXPECT_EQ(std::vector<bool>{false}, nested) << "a switch asked for during a switch is refused";
    EXPECT_EQ("skinpak2", client_->Pack().name);
    EXPECT_FALSE(Loaded("skinpak1.dll"));

    // A pack that hands out the faces in use must leave them as they are.
    EXPECT_FALSE(client_->SwitchTo("null_tree_pack.dll"));
    EXPECT_EQ(0u, client_->Message().find("null_tree_pack.dll: GetHallFace gave the face in use")) << client_->Message();
    EXPECT_EQ(8u, client_->Pack().hall->m_arrToolButton.size()) << "the hall in use keeps its buttons";
    EXPECT_NE(nullptr, client_->Pack().hall->m_room.m_phTablePic[0]) << "and its room its tables";
}

TEST_F(ClientTest, AThousandSwitchesKeepMemoryAndGraphicsObjectsFlat) {
    const char* const packs[] = {"skinpak2.dll", "skinpak1.dll"};
    std::vector<double> times;
    size_t memory = 0, objects = 0;
    constexpr int kWarm = 20, kSwitches = 1000;
    for (int i = 0; i < kSwitches; ++i) {
        if (i == kWarm) {
            memory = clienttest::PrivateBytes();
            objects = clienttest::LiveGraphicsObjects();
        }
        ASSERT_TRUE(client_->SwitchTo(packs[i % 2])) << i << ": " << client_->Message();
        times.push_back(client_->LastSwitchMilliseconds());
    }
    const size_t memoryAfter = clienttest::PrivateBytes(), objectsAfter = clienttest::LiveGraphicsObjects();
    ASSERT_LT(100u, objects) << "the count sees the hall's objects";
    std::sort(times.begin(), times.end());
    std::printf("switches: %d, median %.1f ms, slowest %.1f ms; memory %zu -> %zu bytes; graphics objects %zu -> %zu\n",
                kSwitches, times[times.size() / 2], times.back(), memory, memoryAfter, objects, objectsAfter);
    EXPECT_EQ(objects, objectsAfter) << "live graphics objects after " << kWarm << " and after " << kSwitches << " switches";
    EXPECT_LT(memoryAfter, memory + 512 * 1024) << "memory after " << kWarm << " and after " << kSwitches << " switches";
}

// Where the frame answers the mouse, in window coordinates, with both packs.
TEST_F(ClientTest, TheFrameAnswersHitTestsWhereItPaintsItsParts) {
    for (const char* pack : {"skinpak1", "skinpak2"}) {
        if (std::string(pack) == "skinpak2") {
            ASSERT_TRUE(client_->SwitchTo("skinpak2.dll")) << client_->Message();
        }
        HWND main = client_->Windows().main;
        const client::FrameMetrics m = client::MeasureFrame(client_->Pack().hall->m_caption);
        const int menuY = m.edge + m.title + m.menu / 2, statusY = 600 - m.edge - m.status / 2;
        const RECT skinItem = client::MenuItemRect(client_->Pack().hall->m_caption, main, 1);
        struct Row {
            const char* what;
            POINT at;
            LRESULT answer;
        };
        const Row rows[] = {
            {"title row", {300, m.edge + 4}, HTCAPTION},
            {"close button", {800 - m.edge - 8 - 16, m.edge + m.title / 2}, HTCLOSE},
            {"maximise button", {800 - m.edge - 8 - 34 - 16, m.edge + m.title / 2}, HTMAXBUTTON},
            {"Skin menu", {(skinItem.left + skinItem.right) / 2, menuY}, HTMENU},
            {"status bar", {300, statusY}, HTBORDER},
            {"size grip", {800 - m.edge - 4, statusY}, HTBOTTOMRIGHT},
            {"client area", {400, 300}, HTCLIENT},
            {"left edge", {0, 300}, HTLEFT},
            {"bottom edge", {400, 599}, HTBOTTOM},
            {"top right corner", {799, 0}, HTTOPRIGHT},
        };
        RECT window;
        GetWindowRect(main, &window);
        for (const Row& row : rows)
            EXPECT_EQ(row.answer, SendMessageA(main, WM_NCHITTEST, 0,
                                               MAKELPARAM(window.left + row.at.x, window.top + row.at.y)))
                << pack << ", " << row.what << " at " << row.at.x << "," << row.at.y;
    }
}

// The panes take their sizes from the pack in use, again after a switch,
// and again when the sizes change in the face and its windows are told.
TEST_F(ClientTest, PanesAreLaidOutWithThePacksSizes) {
    for (const char* pack : {"skinpak1", "skinpak2", "skinpak2 with sizes of its own"}) {
        const std::string stage = pack;
        if (stage == "skinpak2") {
            ASSERT_TRUE(client_->SwitchTo("skinpak2.dll")) << client_->Message();
        } else if (stage != "skinpak1") {
            CHallShowElements& face = *client_->Pack().hall;
            face.m_mainTab.m_nTabSize1 = 34;
            face.m_tab.m_nTabSize1 = 31;
            face.m_splitter.m_nSplitterSize1 = 7;
            face.m_splitter.m_nSplitterSize2 = 8;
            face.m_splitter.m_nSplitterSize3 = 9;
            face.RefreshWindows();
        }
        const CHallShowElements& hall = *client_->Pack().hall;
        const HallWindows& w = client_->Windows();
        const auto size = [](HWND window) {
            RECT r;
            GetWindowRect(window, &r);
            return SIZE{r.right - r.left, r.bottom - r.top};
        };
        BITMAP bar = {};
        GetObjectA(hall.m_caption.m_hbmBarLeft, sizeof bar, &bar);
        const struct {
            const char* what;
            LONG got, expected;
        } rows[] = {
            {"toolbar height", size(w.toolbar).cy, bar.bmHeight},
            {"main tab strip height", size(w.mainTabs).cy, hall.m_mainTab.m_nTabSize1},
            {"tab strip height", size(w.tabs).cy, hall.m_tab.m_nTabSize1},
            {"splitter beside the tree", size(w.splitters[0]).cx, hall.m_splitter.m_nSplitterSize1},
            {"splitter beside the person list", size(w.splitters[1]).cx, hall.m_splitter.m_nSplitterSize2},
            {"splitter above the chat", size(w.splitters[2]).cy, hall.m_splitter.m_nSplitterSize3},
        };
        for (const auto& row : rows) EXPECT_EQ(row.expected, row.got) << pack << ", " << row.what;
    }
}

TEST_F(ClientTest, ASplitterDraggedMovesThePanesBesideIt) {
    const HallWindows& w = client_->Windows();
    const auto width = [](HWND window) {
        RECT r;
        GetWindowRect(window, &r);
        return r.right - r.left;
    };
    const int tree = width(w.tree), room = width(w.room);
    SendMessageA(w.splitters[0], WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 50));
    SendMessageA(w.splitters[0], WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(2 + 40, 50));
    SendMessageA(w.splitters[0], WM_LBUTTONUP, 0, MAKELPARAM(2 + 40, 50));
    EXPECT_EQ(tree + 42, width(w.tree)) << "the tree reaches the point the splitter was dragged to";
    EXPECT_EQ(room - 42, width(w.room));
}

TEST_F(ClientTest, AScreenshotFileHoldsTheWindowAsCopied) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    const std::string stem = std::string(folder) + "client_test";
    std::string file, why;
    client_->RepaintNow();
    ASSERT_TRUE(client::WriteScreenshot(client_->Windows().main, stem, "skinpak1", file, why)) << why;
    EXPECT_EQ(stem + "-skinpak1.png", file);
    FILE* f = std::fopen(file.c_str(), "rb");
    ASSERT_NE(nullptr, f) << file;
    pictures::Bytes bytes;
    for (int c; (c = std::fgetc(f)) != EOF;) bytes.push_back(static_cast<std::uint8_t>(c));
    std::fclose(f);
    std::remove(file.c_str());
    const std::optional<pictures::Image> read = pictures::readPngFile(bytes, why);
    ASSERT_TRUE(read) << why;
    EXPECT_TRUE(*read == client::CaptureWindow(client_->Windows().main)) << "the file holds what the window shows";
}

// The table library makes the room's layout for every size and nothing for
// a count that is not the room's.
TEST(TableLibrary, MakesEverySizesPicturesAtTheirPlacesAndRefusesOtherCounts) {
    HMODULE library = LoadLibraryA(client::kTableLibrary);
    ASSERT_NE(nullptr, library);
    const auto make =
        reinterpret_cast<MakeTablePicturesFn>(reinterpret_cast<void*>(GetProcAddress(library, "MakeTablePictures")));
    ASSERT_NE(nullptr, make);
    const auto size = [](HBITMAP bitmap) {
        BITMAP info = {};
        GetObjectA(bitmap, sizeof info, &info);
        return std::make_pair(static_cast<int>(info.bmWidth), static_cast<int>(info.bmHeight));
    };
    // The first drawing makes the system's own objects for the screen once.
    std::vector<HBITMAP> first(RoomPictureCount(0, 1));
    ASSERT_EQ(static_cast<int>(first.size()), make(kRoomFewestSeats, 1, first.data(), static_cast<int>(first.size())));
    for (HBITMAP picture : first) DeleteObject(picture);
    for (int k = 0; k < kRoomTableSizes; ++k) {
        const int seats = k + kRoomFewestSeats, groups = 2;
        const int count = static_cast<int>(RoomPictureCount(k, groups));
        std::vector<HBITMAP> pictures(count + 1);
        const size_t before = clienttest::LiveGraphicsObjects();
        EXPECT_EQ(0, make(seats, groups, pictures.data(), count + 1)) << seats << " seats, one picture too many";
        EXPECT_EQ(before, clienttest::LiveGraphicsObjects()) << seats << " seats: a refusal makes nothing";
        ASSERT_EQ(count, make(seats, groups, pictures.data(), count)) << seats << " seats";
        for (int g = 0; g < groups; ++g) {
            const int first = g * (kTablesPerGroup + 2 * seats);
            EXPECT_EQ(std::make_pair(kTableWidth, kTableHeight), size(pictures[first + kTableLocked])) << seats;
            EXPECT_EQ(std::make_pair(kSeatSize, kSeatSize), size(pictures[first + SeatPicture(seats - 1, true)]))
                << seats << " seats, group " << g;
        }
        EXPECT_EQ(std::make_pair(kSeatSize, kSeatSize), size(pictures[count - 1])) << seats << ": the last mark";
        for (int i = 0; i < count; ++i) DeleteObject(pictures[i]);
        EXPECT_EQ(before, clienttest::LiveGraphicsObjects()) << seats << " seats: every picture is its own";
    }
    FreeLibrary(library);
}

}  // namespace
