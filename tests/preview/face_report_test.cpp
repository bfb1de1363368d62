// The face inspector on the default skin: every field of the hall face and
// the tree face against the values the module is meant to fill in, and
// nothing in the report that the table does not name.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <set>
#include <string>
#include <vector>

#include "default_pack.h"
#include "face_report.h"
#include "skin_module.h"

namespace {

using preview::Json;

struct Row {
    std::string path;
    std::string expected;
};

const preview::SkinModule& Module() {
    static const preview::SkinModule module(SKIN_MODULE_FILE);
    return module;
}

const skin::SkinValues& Pack() { return skintest::DefaultPackValues(); }

// A colour of the pack as the report writes the field that receives it.
std::string C(skin::SkinColour colour) { return skintest::ResolvedText(colour); }

std::string Text(const Json& value) {
    if (value.is_string()) return value.get<std::string>();
    if (value.is_number()) return value.dump();
    return value.is_array() ? "<array>" : "<object>";
}

// The tables name values by member names and array indices between dots.
Json::json_pointer Pointer(std::string path) {
    for (char& ch : path)
        if (ch == '.') ch = '/';
    return Json::json_pointer("/" + path);
}

// The paths of every number and string in the report.
std::set<std::string> Leaves(const Json& report) {
    std::set<std::string> leaves;
    const Json flat = report.flatten();
    for (const auto& [pointer, value] : flat.items()) {
        // Empty arrays and objects flatten to null; they hold no value.
        if (value.is_null()) continue;
        std::string path = pointer.substr(1);
        for (char& ch : path)
            if (ch == '/') ch = '.';
        leaves.insert(path);
    }
    return leaves;
}

void AddList(std::vector<Row>& rows, const std::string& path, const std::vector<std::string>& items) {
    rows.push_back({path + ".count", std::to_string(items.size())});
    for (std::size_t i = 0; i < items.size(); ++i) rows.push_back({path + ".items." + std::to_string(i), items[i]});
}

void AddRegistrations(std::vector<Row>& rows, const std::string& element) {
    const std::string prefix = element.empty() ? "" : element + ".";
    rows.push_back({prefix + "m_arrRedrawWnd.count", "0"});
    rows.push_back({prefix + "m_arrNotifyWnd.count", "0"});
}

const std::vector<std::string> kTreeIcons = {"TREE_ROOT",   "TREE_FLODER",   "TREE_LOAD",      "TREE_SERVER",
                                             "TREE_ROOM",   "TREE_DOWNLOAD", "TREE_OPENEDROOM"};

void AddTree(std::vector<Row>& rows, const std::string& element) {
    const std::string prefix = element.empty() ? "" : element + ".";
    AddRegistrations(rows, element);
    rows.push_back({prefix + "m_clrBack", C(Pack().tree.back)});
    rows.push_back({prefix + "m_clrText", C(Pack().tree.text)});
    rows.push_back({prefix + "m_clrLine", C(Pack().tree.line)});
    AddList(rows, prefix + "m_arrIcon", kTreeIcons);
    rows.push_back({prefix + "m_hbmBack", "PERSONLIST_BK|TREE_BK"});
}

struct ButtonRow {
    const char* icon;
    const char* iconAlt;
    std::string back;
    std::string text;
    const char* bitmap;
};

void AddButtons(std::vector<Row>& rows, const std::string& list, const std::vector<ButtonRow>& buttons) {
    rows.push_back({list + ".count", std::to_string(buttons.size())});
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const std::string at = list + ".items." + std::to_string(i) + ".";
        AddRegistrations(rows, at.substr(0, at.size() - 1));
        rows.push_back({at + "m_hIcon", buttons[i].icon});
        rows.push_back({at + "m_hIconAlt", buttons[i].iconAlt});
        rows.push_back({at + "m_clrBack", buttons[i].back});
        rows.push_back({at + "m_clrText", buttons[i].text});
        rows.push_back({at + "m_hbmBack", buttons[i].bitmap});
    }
}

std::vector<Row> HallRows() {
    std::vector<Row> rows = {{"face", "hall"}};
    AddRegistrations(rows, "");
    for (int i = 1; i <= 6; ++i) rows.push_back({"m_dwHallValue" + std::to_string(i), "0"});
    rows.insert(rows.end(), {{"m_nHallOption", "0"},
                             {"m_hHallObject1", "null"},
                             {"m_hHallObject2", "null"},
                             {"m_nHallReserved", "0"}});

    AddRegistrations(rows, "m_caption");
    rows.insert(rows.end(), {
                                {"m_caption.m_clrCaption", C(Pack().caption.caption)},
                                {"m_caption.m_clrCaptionText", C(Pack().caption.captionText)},
                                {"m_caption.m_clrMenu", C(Pack().caption.menu)},
                                {"m_caption.m_hObject", "null"},
                                {"m_caption.m_hbmCaption", "CAPTION_BK"},
                                {"m_caption.m_hbmMenu", "MENU_BK"},
                                {"m_caption.m_hbmBarLeft", "BAR_LEFT_BK"},
                                {"m_caption.m_hbmBarRight", "BAR_RIGHT_BK"},
                                {"m_caption.m_hbmMenuBar", "MENU_BK"},
                                {"m_caption.m_hbmStatusLeft", "STATUSBAR_LEFT"},
                                {"m_caption.m_hbmStatusMid", "STATUSBAR_MID"},
                                {"m_caption.m_hbmStatusRight", "STATUSBAR_RIGHT"},
                                {"m_caption.m_hbmTitleLeft", "FRAME_TITLELEFT"},
                                {"m_caption.m_hbmTitleMid", "FRAME_TITLEMID"},
                                {"m_caption.m_hbmTitleRight", "FRAME_TITLERIGHT"},
                                {"m_caption.m_hbmFrameLeft", "FRAME_LEFT|FRAME_RIGHT"},
                                {"m_caption.m_hbmFrameRight", "FRAME_LEFT|FRAME_RIGHT"},
                                {"m_caption.m_hbmFrameTop", "FRAME_TOP|FRAME_BOTTOM"},
                                {"m_caption.m_hbmFrameBottom", "FRAME_TOP|FRAME_BOTTOM"},
                                {"m_caption.m_hIconMax", "CAPTION_MAX"},
                                {"m_caption.m_hIconMin", "CAPTION_MIN"},
                                {"m_caption.m_hIconNormal", "CAPTION_NORMAL"},
                                {"m_caption.m_hIconClose", "CAPTION_CLOSE"},
                                {"m_caption.m_hIconReserved", "null"},
                                {"m_caption.m_hIconCloseOne", "CAPTION_CLOSEONE"},
                            });

    AddRegistrations(rows, "m_mainTab");
    rows.insert(rows.end(), {
                                {"m_mainTab.m_clrLine", C(Pack().mainTab.line)},
                                {"m_mainTab.m_clrText", C(Pack().mainTab.text)},
                                {"m_mainTab.m_clrFace", C(Pack().mainTab.face)},
                                {"m_mainTab.m_clrActiveText", C(Pack().mainTab.activeText)},
                                {"m_mainTab.m_clrActiveLine", C(Pack().mainTab.activeLine)},
                                {"m_mainTab.m_clrInactiveText", C(Pack().mainTab.inactiveText)},
                                {"m_mainTab.m_nTabSize1", std::to_string(Pack().mainTab.tabSize1)},
                                {"m_mainTab.m_nTabSize2", std::to_string(Pack().mainTab.tabSize2)},
                                {"m_mainTab.m_hbmBack", "MAINTAB_BK"},
                                {"m_mainTab.m_hbmSelect", "SELECT_MAINTAB_BK"},
                                {"m_mainTab.m_hbmNoSelect", "NOSELECT_MAINTAB_BK"},
                                {"m_mainTab.m_hbmBack90", "null"},
                                {"m_mainTab.m_hbmSelect90", "null"},
                                {"m_mainTab.m_hbmNoSelect90", "null"},
                            });

    AddRegistrations(rows, "m_tab");
    rows.insert(rows.end(), {
                                {"m_tab.m_clrLine", C(Pack().tab.line)},
                                {"m_tab.m_clrText", C(Pack().tab.text)},
                                {"m_tab.m_clrFace", C(Pack().tab.face)},
                                {"m_tab.m_clrActiveText", C(Pack().tab.activeText)},
                                {"m_tab.m_clrActiveLine", C(Pack().tab.activeLine)},
                                {"m_tab.m_clrInactiveText", C(Pack().tab.inactiveText)},
                                {"m_tab.m_nTabSize1", std::to_string(Pack().tab.tabSize1)},
                                {"m_tab.m_nTabSize2", std::to_string(Pack().tab.tabSize2)},
                                {"m_tab.m_hbmBack", "TAB_BK"},
                                {"m_tab.m_hbmSelect", "SELECT_TAB_BK"},
                                {"m_tab.m_hbmNoSelect", "NOSELECT_TAB_BK"},
                                {"m_tab.m_hbmBack90", "TAB_BK_90"},
                                {"m_tab.m_hbmSelect90", "SELECT_TAB_BK_90"},
                                {"m_tab.m_hbmNoSelect90", "NOSELECT_TAB_BK_90"},
                            });

    AddRegistrations(rows, "m_room");
    rows.push_back({"m_room.m_clrRoom", C(Pack().room.room)});
    for (int k = 0; k < 5; ++k) {
        const std::string index = std::to_string(k);
        rows.push_back({"m_room.m_phTablePic." + index, "null"});
        rows.push_back({"m_room.m_arrRoomLib." + index + ".count", "0"});
        rows.push_back({"m_room.m_nPicGroups." + index, "0"});
        rows.push_back({"m_room.m_szRoomStem." + index, Pack().room.stems[k]});
    }

    const std::string first = C(Pack().toolbar.first.back), firstText = C(Pack().toolbar.first.text);
    const std::string back = C(Pack().toolbar.rest.back), text = C(Pack().toolbar.rest.text);
    AddButtons(rows, "m_arrToolButton",
               {
                   {"BAR_PAGE", "BAR_PAGE", first, firstText, "BUTTON_BK"},
                   {"BAR_ENTERROOM", "BAR_ENTERROOM", back, text, "BUTTON_BK"},
                   {"BAR_SETUP", "BAR_SETUP", back, text, "BUTTON_BK"},
                   {"BAR_HELP", "BAR_HELP", back, text, "BUTTON_BK"},
                   {"BAR_EXIT", "BAR_EXIT", back, text, "BUTTON_BK"},
                   {"BAR_ADD", "BAR_ADD", back, text, "BUTTON_BK"},
                   {"BAR_DEL", "BAR_DEL", back, text, "BUTTON_BK"},
                   // The second icon carries over from the entry before.
                   {"BAR_PLAYER", "BAR_DEL", back, text, "BUTTON_BK"},
               });

    AddRegistrations(rows, "m_personList");
    rows.insert(rows.end(), {
                                {"m_personList.m_clrPerson1", C(Pack().personList.person[0])},
                                {"m_personList.m_clrPerson2", C(Pack().personList.person[1])},
                                {"m_personList.m_clrPerson3", C(Pack().personList.person[2])},
                                {"m_personList.m_clrPerson4", C(Pack().personList.person[3])},
                                {"m_personList.m_clrPerson5", C(Pack().personList.person[4])},
                                {"m_personList.m_clrPerson6", C(Pack().personList.person[5])},
                                {"m_personList.m_clrPerson7", C(Pack().personList.person[6])},
                                {"m_personList.m_clrPerson8", C(Pack().personList.person[7])},
                                {"m_personList.m_hbmBack", "PERSONLIST_BK|TREE_BK"},
                                {"m_personList.m_arrExtraWnd.count", "0"},
                                {"m_personList.m_arrHeadLib.count", "0"},
                                {"m_personList.m_szHeadPicStem", Pack().personList.headPicStem},
                                {"m_personList.m_nPersonReserved", "0"},
                            });
    AddList(rows, "m_personList.m_arrStatusIcon",
            {"PERSONLIST_WAIT", "PERSONLIST_AGREE", "PERSONLIST_PLAY", "PERSONLIST_WATCH", "PERSONLIST_WORK",
             "PERSONLIST_FOOD", "PERSONLIST_SLEEP", "PERSONLIST_STOP", "PERSONLIST_CALL", "PERSONLIST_FAST"});

    const std::string exitBack = C(Pack().exit.back), exitText = C(Pack().exit.text);
    AddButtons(rows, "m_arrExitButton",
               {
                   {"WINEXIT_ALL", "WINEXIT_ALL", exitBack, exitText, "null"},
                   {"WINEXIT_WINDOW", "WINEXIT_WINDOW", exitBack, exitText, "null"},
                   {"WINEXIT_USERCHANGE", "WINEXIT_USERCHANGE", exitBack, exitText, "null"},
               });

    AddRegistrations(rows, "m_chat");
    for (int i = 1; i <= 3; ++i) rows.push_back({"m_chat.m_dwChatValue" + std::to_string(i), "0"});
    for (int i = 1; i <= 8; ++i) rows.push_back({"m_chat.m_hChatObject" + std::to_string(i), "null"});

    AddRegistrations(rows, "m_splitter");
    rows.insert(rows.end(), {{"m_splitter.m_hbmRow", "SPLITTER_ROW"}, {"m_splitter.m_hbmCol", "SPLITTER_COL"}});
    for (int i = 1; i <= 4; ++i)
        rows.push_back({"m_splitter.m_nSplitterSize" + std::to_string(i), std::to_string(Pack().splitter.sizes[i - 1])});

    AddTree(rows, "m_tree");

    // One bitmap handle serves every toolbar button; no other is held twice.
    rows.push_back({"shared_bitmaps.0.name", "BUTTON_BK"});
    for (int i = 0; i < 8; ++i)
        rows.push_back({"shared_bitmaps.0.fields." + std::to_string(i),
                        "m_arrToolButton.items." + std::to_string(i) + ".m_hbmBack"});
    return rows;
}

std::vector<Row> TreeRows() {
    std::vector<Row> rows = {{"face", "tree"}};
    AddTree(rows, "");
    return rows;
}

void ExpectReport(const Json& report, const std::vector<Row>& rows) {
    std::set<std::string> named;
    for (const Row& row : rows) {
        named.insert(row.path);
        if (!report.contains(Pointer(row.path))) {
            ADD_FAILURE() << row.path << ": missing from the report, expected " << row.expected;
            continue;
        }
        EXPECT_EQ(Text(report.at(Pointer(row.path))), row.expected) << row.path;
    }
    for (const std::string& leaf : Leaves(report))
        EXPECT_TRUE(named.count(leaf) != 0)
            << leaf << " is in the report but not in the table: " << Text(report.at(Pointer(leaf)));
}

TEST(FaceReport, HallFaceHoldsTheDefaultSkinFieldByField) {
    ASSERT_TRUE(Module().Loaded()) << Module().Error();
    const preview::ResourceCatalogue names(Module().Handle());
    ExpectReport(preview::ReportHallFace(*Module().HallFace(), names), HallRows());
}

TEST(FaceReport, TreeFaceHoldsTheTreeSkinFieldByField) {
    ASSERT_TRUE(Module().Loaded()) << Module().Error();
    const preview::ResourceCatalogue names(Module().Handle());
    ExpectReport(preview::ReportTreeFace(*Module().TreeFace(), names), TreeRows());
}

TEST(FaceReport, SameModuleGivesTheSameTextTwice) {
    ASSERT_TRUE(Module().Loaded()) << Module().Error();
    const preview::ResourceCatalogue names(Module().Handle());
    // The tree face is reloaded in between: new bitmap handles, same report.
    const std::string first = preview::JsonText(preview::ReportTreeFace(*Module().TreeFace(), names));
    const std::string second = preview::JsonText(preview::ReportTreeFace(*Module().TreeFace(), names));
    EXPECT_EQ(first, second);
}

// The portable platform's system colours are fixed, so there the whole text
// of both reports is the committed description of the default skin.
#if !defined(_WIN32)
std::string Golden(const char* face) {
    const std::string path = std::string(SKIN_GOLDEN_DIR) + "/skinpak1_" + face + ".json";
    std::ifstream in(path);
    EXPECT_TRUE(in) << "cannot read " << path;
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(FaceReport, BothReportsAreTheGoldenDescriptionOfTheDefaultSkin) {
    ASSERT_TRUE(Module().Loaded()) << Module().Error();
    const preview::ResourceCatalogue names(Module().Handle());
    EXPECT_EQ(Golden("hall"), preview::JsonText(preview::ReportHallFace(*Module().HallFace(), names)));
    EXPECT_EQ(Golden("tree"), preview::JsonText(preview::ReportTreeFace(*Module().TreeFace(), names)));
}
#endif

}  // namespace
