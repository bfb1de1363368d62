// The hall face a host receives: every value of the default skin as its
// pack.toml gives it, the shared toolbar background, and the fan-out of
// release through the loaded module.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "default_pack.h"
#include "loaded_module.h"
#include "pictures/gdi_readback.h"
#include "skinpak1.h"

namespace {

class HallFace : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(nullptr, module.get());
        auto getHallFace = module.Export<GetHallFaceFn>("GetHallFace");
        ASSERT_NE(nullptr, getHallFace);
        hall = getHallFace();
        ASSERT_NE(nullptr, hall);
    }

    // True when the bitmap shows exactly the named resource.
    testing::AssertionResult ShowsBitmap(HBITMAP field, const char* name) {
        if (field == nullptr) return testing::AssertionFailure() << "null, expected " << name;
        HBITMAP fresh = LoadBitmapA(module.get(), name);
        const pictures::Image shown = pictures::readBitmap(field);
        const bool same = shown == pictures::readBitmap(fresh);
        DeleteObject(fresh);
        if (field == fresh) return testing::AssertionFailure() << "the field shares a handle with a new load";
        if (shown.empty()) return testing::AssertionFailure() << "the field's bitmap reads back as nothing";
        if (!same) return testing::AssertionFailure() << "pixels differ from " << name;
        return testing::AssertionSuccess();
    }
    // Icons loaded by name are shared: the field holds the very handle a host gets.
    HICON Icon(const char* name) { return LoadIconA(module.get(), name); }

    LoadedModule module;
    CHallShowElements* hall = nullptr;
};

TEST_F(HallFace, IsOneObjectFilledAtLoad) {
    auto getHallFace = module.Export<GetHallFaceFn>("GetHallFace");
    EXPECT_EQ(hall, getHallFace());
    EXPECT_EQ(10u, hall->m_personList.m_arrStatusIcon.size());
}

TEST_F(HallFace, Colours) {
    struct Row {
        const char* field;
        COLORREF actual;
        COLORREF expected;
    };
    const CHallShowElements& h = *hall;
    const skin::SkinValues& pack = skintest::TestedPackValues();
    using skintest::Resolved;
    const Row rows[] = {
        {"mainTab.line", h.m_mainTab.m_clrLine, Resolved(pack.mainTab.line)},
        {"mainTab.text", h.m_mainTab.m_clrText, Resolved(pack.mainTab.text)},
        {"mainTab.face", h.m_mainTab.m_clrFace, Resolved(pack.mainTab.face)},
        {"mainTab.activeText", h.m_mainTab.m_clrActiveText, Resolved(pack.mainTab.activeText)},
        {"mainTab.activeLine", h.m_mainTab.m_clrActiveLine, Resolved(pack.mainTab.activeLine)},
        {"mainTab.inactiveText", h.m_mainTab.m_clrInactiveText, Resolved(pack.mainTab.inactiveText)},
        {"tab.line", h.m_tab.m_clrLine, Resolved(pack.tab.line)},
        {"tab.text", h.m_tab.m_clrText, Resolved(pack.tab.text)},
        {"tab.face", h.m_tab.m_clrFace, Resolved(pack.tab.face)},
        {"tab.activeText", h.m_tab.m_clrActiveText, Resolved(pack.tab.activeText)},
        {"tab.activeLine", h.m_tab.m_clrActiveLine, Resolved(pack.tab.activeLine)},
        {"tab.inactiveText", h.m_tab.m_clrInactiveText, Resolved(pack.tab.inactiveText)},
        {"caption.caption", h.m_caption.m_clrCaption, Resolved(pack.caption.caption)},
        {"caption.captionText", h.m_caption.m_clrCaptionText, Resolved(pack.caption.captionText)},
        {"caption.menu", h.m_caption.m_clrMenu, Resolved(pack.caption.menu)},
        {"room.room", h.m_room.m_clrRoom, Resolved(pack.room.room)},
        {"personList.1", h.m_personList.m_clrPerson1, Resolved(pack.personList.person[0])},
        {"personList.2", h.m_personList.m_clrPerson2, Resolved(pack.personList.person[1])},
        {"personList.3", h.m_personList.m_clrPerson3, Resolved(pack.personList.person[2])},
        {"personList.4", h.m_personList.m_clrPerson4, Resolved(pack.personList.person[3])},
        {"personList.5", h.m_personList.m_clrPerson5, Resolved(pack.personList.person[4])},
        {"personList.6", h.m_personList.m_clrPerson6, Resolved(pack.personList.person[5])},
        {"personList.7", h.m_personList.m_clrPerson7, Resolved(pack.personList.person[6])},
        {"personList.8", h.m_personList.m_clrPerson8, Resolved(pack.personList.person[7])},
        {"tree.back", h.m_tree.m_clrBack, Resolved(pack.tree.back)},
        {"tree.text", h.m_tree.m_clrText, Resolved(pack.tree.text)},
        {"tree.line", h.m_tree.m_clrLine, Resolved(pack.tree.line)},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.expected, row.actual) << row.field << ": expected 0x" << std::hex << row.expected << ", got 0x"
                                            << row.actual;
}

TEST_F(HallFace, SizesStemsAndUntouchedValues) {
    const CHallShowElements& h = *hall;
    const skin::SkinValues& pack = skintest::TestedPackValues();
    EXPECT_EQ(pack.mainTab.tabSize1, h.m_mainTab.m_nTabSize1);
    EXPECT_EQ(pack.mainTab.tabSize2, h.m_mainTab.m_nTabSize2);
    EXPECT_EQ(pack.tab.tabSize1, h.m_tab.m_nTabSize1);
    EXPECT_EQ(pack.tab.tabSize2, h.m_tab.m_nTabSize2);
    const short sizes[] = {h.m_splitter.m_nSplitterSize1, h.m_splitter.m_nSplitterSize2,
                           h.m_splitter.m_nSplitterSize3, h.m_splitter.m_nSplitterSize4};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(pack.splitter.sizes[i], sizes[i]) << "splitter size " << i + 1;
    for (int k = 0; k < 5; ++k) {
        EXPECT_STREQ(pack.room.stems[k], h.m_room.m_szRoomStem[k]) << "stem " << k;
        EXPECT_EQ(nullptr, h.m_room.m_phTablePic[k]) << "pictures " << k;
        EXPECT_EQ(0, h.m_room.m_nPicGroups[k]) << "count " << k;
        EXPECT_TRUE(h.m_room.m_arrRoomLib[k].empty()) << "libraries " << k;
    }
    EXPECT_STREQ(pack.personList.headPicStem, h.m_personList.m_szHeadPicStem);
    EXPECT_TRUE(h.m_personList.m_arrExtraWnd.empty());
    EXPECT_TRUE(h.m_personList.m_arrHeadLib.empty());
    EXPECT_EQ(0, h.m_nHallOption);
    EXPECT_EQ(nullptr, h.m_hHallObject1);
    EXPECT_EQ(nullptr, h.m_hHallObject2);
    EXPECT_EQ(nullptr, h.m_caption.m_hObject);
    EXPECT_EQ(nullptr, h.m_caption.m_hIconReserved);

    // The chat is the host's: zero values, no handles.
    const CChatShowElements& chat = h.m_chat;
    for (DWORD value : {chat.m_dwChatValue1, chat.m_dwChatValue2, chat.m_dwChatValue3}) EXPECT_EQ(0u, value);
    for (HGDIOBJ object : {chat.m_hChatObject1, chat.m_hChatObject2, chat.m_hChatObject3, chat.m_hChatObject4,
                           chat.m_hChatObject5, chat.m_hChatObject6, chat.m_hChatObject7, chat.m_hChatObject8})
        EXPECT_EQ(nullptr, object);
}

TEST_F(HallFace, Bitmaps) {
    struct Row {
        const char* field;
        HBITMAP handle;
        const char* resource;
    };
    const CHallShowElements& h = *hall;
    const CCaptionShowElements& c = h.m_caption;
    ASSERT_FALSE(h.m_arrToolButton.empty()) << "toolbar buttons";
    const Row rows[] = {
        {"mainTab.back", h.m_mainTab.m_hbmBack, "MAINTAB_BK"},
        {"mainTab.select", h.m_mainTab.m_hbmSelect, "SELECT_MAINTAB_BK"},
        {"mainTab.noSelect", h.m_mainTab.m_hbmNoSelect, "NOSELECT_MAINTAB_BK"},
        {"tab.back", h.m_tab.m_hbmBack, "TAB_BK"},
        {"tab.select", h.m_tab.m_hbmSelect, "SELECT_TAB_BK"},
        {"tab.noSelect", h.m_tab.m_hbmNoSelect, "NOSELECT_TAB_BK"},
        {"tab.back90", h.m_tab.m_hbmBack90, "TAB_BK_90"},
        {"tab.select90", h.m_tab.m_hbmSelect90, "SELECT_TAB_BK_90"},
        {"tab.noSelect90", h.m_tab.m_hbmNoSelect90, "NOSELECT_TAB_BK_90"},
        {"toolbar.back", h.m_arrToolButton[0].m_hbmBack, "BUTTON_BK"},
        {"caption.barLeft", c.m_hbmBarLeft, "BAR_LEFT_BK"},
        {"caption.barRight", c.m_hbmBarRight, "BAR_RIGHT_BK"},
        {"caption.caption", c.m_hbmCaption, "CAPTION_BK"},
        {"caption.menu", c.m_hbmMenu, "MENU_BK"},
        {"caption.menuBar", c.m_hbmMenuBar, "MENU_BK"},
        {"caption.statusLeft", c.m_hbmStatusLeft, "STATUSBAR_LEFT"},
        {"caption.statusMid", c.m_hbmStatusMid, "STATUSBAR_MID"},
        {"caption.statusRight", c.m_hbmStatusRight, "STATUSBAR_RIGHT"},
        {"caption.titleLeft", c.m_hbmTitleLeft, "FRAME_TITLELEFT"},
        {"caption.titleMid", c.m_hbmTitleMid, "FRAME_TITLEMID"},
        {"caption.titleRight", c.m_hbmTitleRight, "FRAME_TITLERIGHT"},
        {"caption.frameLeft", c.m_hbmFrameLeft, "FRAME_LEFT"},
        {"caption.frameRight", c.m_hbmFrameRight, "FRAME_RIGHT"},
        {"caption.frameTop", c.m_hbmFrameTop, "FRAME_TOP"},
        {"caption.frameBottom", c.m_hbmFrameBottom, "FRAME_BOTTOM"},
        {"personList.back", h.m_personList.m_hbmBack, "PERSONLIST_BK"},
        {"splitter.row", h.m_splitter.m_hbmRow, "SPLITTER_ROW"},
        {"splitter.col", h.m_splitter.m_hbmCol, "SPLITTER_COL"},
        {"tree.back", h.m_tree.m_hbmBack, "TREE_BK"},
    };
    for (const Row& row : rows) EXPECT_TRUE(ShowsBitmap(row.handle, row.resource)) << row.field;
    EXPECT_NE(c.m_hbmMenu, c.m_hbmMenuBar) << "two loads of MENU_BK, two handles";
    EXPECT_EQ(nullptr, h.m_mainTab.m_hbmBack90);
    EXPECT_EQ(nullptr, h.m_mainTab.m_hbmSelect90);
    EXPECT_EQ(nullptr, h.m_mainTab.m_hbmNoSelect90);
}

TEST_F(HallFace, Icons) {
    const CCaptionShowElements& c = hall->m_caption;
    EXPECT_EQ(Icon("CAPTION_MAX"), c.m_hIconMax);
    EXPECT_EQ(Icon("CAPTION_MIN"), c.m_hIconMin);
    EXPECT_EQ(Icon("CAPTION_NORMAL"), c.m_hIconNormal);
    EXPECT_EQ(Icon("CAPTION_CLOSE"), c.m_hIconClose);
    EXPECT_EQ(Icon("CAPTION_CLOSEONE"), c.m_hIconCloseOne);

    const char* status[] = {"PERSONLIST_WAIT",  "PERSONLIST_AGREE", "PERSONLIST_PLAY", "PERSONLIST_WATCH",
                            "PERSONLIST_WORK",  "PERSONLIST_FOOD",  "PERSONLIST_SLEEP", "PERSONLIST_STOP",
                            "PERSONLIST_CALL",  "PERSONLIST_FAST"};
    ASSERT_EQ(10u, hall->m_personList.m_arrStatusIcon.size());
    for (size_t i = 0; i < 10; ++i) {
        EXPECT_NE(nullptr, hall->m_personList.m_arrStatusIcon[i]) << status[i];
        EXPECT_EQ(Icon(status[i]), hall->m_personList.m_arrStatusIcon[i]) << "status icon " << i << " " << status[i];
    }

    auto getTreeFace = module.Export<GetTreeFaceFn>("GetTreeFace");
    ASSERT_NE(nullptr, getTreeFace);
    EXPECT_EQ(getTreeFace()->m_arrIcon, hall->m_tree.m_arrIcon) << "the hall's tree and the tree face show the same icons";
    EXPECT_EQ(7u, hall->m_tree.m_arrIcon.size());
}

TEST_F(HallFace, ToolbarAndExitMenuRows) {
    struct Row {
        const char* icon;
        const char* alternate;
        COLORREF back;
        COLORREF text;
    };
    const skin::SkinValues& pack = skintest::TestedPackValues();
    using skintest::Resolved;
    const COLORREF back = Resolved(pack.toolbar.rest.back), text = Resolved(pack.toolbar.rest.text);
    const Row toolbar[] = {
        {"BAR_PAGE", "BAR_PAGE", Resolved(pack.toolbar.first.back), Resolved(pack.toolbar.first.text)},
        {"BAR_ENTERROOM", "BAR_ENTERROOM", back, text},
        {"BAR_SETUP", "BAR_SETUP", back, text},
        {"BAR_HELP", "BAR_HELP", back, text},
        {"BAR_EXIT", "BAR_EXIT", back, text},
        {"BAR_ADD", "BAR_ADD", back, text},
        {"BAR_DEL", "BAR_DEL", back, text},
        // The last row keeps the delete icon from the row before as its second icon.
        {"BAR_PLAYER", "BAR_DEL", back, text},
    };
    ASSERT_EQ(8u, hall->m_arrToolButton.size());
    for (size_t i = 0; i < 8; ++i) {
        const CButtonShowElements& button = hall->m_arrToolButton[i];
        SCOPED_TRACE(testing::Message() << "toolbar entry " << i << " (" << toolbar[i].icon << ")");
        EXPECT_EQ(Icon(toolbar[i].icon), button.m_hIcon);
        EXPECT_EQ(Icon(toolbar[i].alternate), button.m_hIconAlt);
        EXPECT_EQ(toolbar[i].back, button.m_clrBack);
        EXPECT_EQ(toolbar[i].text, button.m_clrText);
        EXPECT_EQ(hall->m_arrToolButton[0].m_hbmBack, button.m_hbmBack) << "one shared background";
        EXPECT_TRUE(button.m_arrNotifyWnd.empty() && button.m_arrRedrawWnd.empty());
    }

    const char* exits[] = {"WINEXIT_ALL", "WINEXIT_WINDOW", "WINEXIT_USERCHANGE"};
    ASSERT_EQ(3u, hall->m_arrExitButton.size());
    for (size_t i = 0; i < 3; ++i) {
        const CButtonShowElements& button = hall->m_arrExitButton[i];
        SCOPED_TRACE(testing::Message() << "exit entry " << i << " (" << exits[i] << ")");
        EXPECT_NE(nullptr, button.m_hIcon);
        EXPECT_EQ(Icon(exits[i]), button.m_hIcon);
        EXPECT_EQ(button.m_hIcon, button.m_hIconAlt);
        EXPECT_EQ(Resolved(pack.exit.back), button.m_clrBack);
        EXPECT_EQ(Resolved(pack.exit.text), button.m_clrText);
        EXPECT_EQ(nullptr, button.m_hbmBack);
    }
}

TEST_F(HallFace, ReleaseGivesEverythingBackAndStaysReleased) {
    ASSERT_FALSE(hall->m_arrToolButton.empty()) << "toolbar buttons";
    ASSERT_FALSE(hall->m_personList.m_arrStatusIcon.empty()) << "status icons";
    const HBITMAP shared = hall->m_arrToolButton[0].m_hbmBack;
    const HBITMAP menu = hall->m_caption.m_hbmMenu;
    const HBITMAP menuBar = hall->m_caption.m_hbmMenuBar;
    const HICON wait = hall->m_personList.m_arrStatusIcon[0];
    HBRUSH hostObject = CreateSolidBrush(RGB(9, 9, 9));
    hall->m_hHallObject1 = hostObject;

    hall->ReleaseObjects();

    EXPECT_EQ(0u, GetObjectType(shared));
    EXPECT_EQ(0u, GetObjectType(menu));
    EXPECT_EQ(0u, GetObjectType(menuBar));
    EXPECT_EQ(0u, GetObjectType(hostObject));
    EXPECT_EQ(wait, Icon("PERSONLIST_WAIT")) << "shared icons survive their release";
    EXPECT_TRUE(hall->m_arrToolButton.empty());
    EXPECT_TRUE(hall->m_arrExitButton.empty());
    EXPECT_TRUE(hall->m_personList.m_arrStatusIcon.empty());
    EXPECT_EQ(nullptr, hall->m_hHallObject1);
    EXPECT_EQ(nullptr, hall->m_caption.m_hbmMenu);
    EXPECT_EQ(nullptr, hall->m_tree.m_hbmBack);

    HBITMAP later = CreateBitmap(1, 1, 1, 32, nullptr);
    hall->ReleaseObjects();
    EXPECT_NE(0u, GetObjectType(later)) << "a second release touches nothing";
    DeleteObject(later);
}

}  // namespace
