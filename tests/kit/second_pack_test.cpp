// A second pack built beside the default one from the same compiled code:
// its module names itself and fills its faces with its own values, and the
// default module keeps its own.
#include <gtest/gtest.h>

#include "debug_output.h"
#include "default_pack.h"
#include "skinpak1.h"

namespace {

using skintest::Resolved;

TEST(SecondPack, FillsItsFacesWithItsOwnValues) {
    skintest::StartDebugOutputCapture();
    skintest::TakeDebugOutput();
    HMODULE module = LoadLibraryA(SECOND_PACK_MODULE);
    ASSERT_NE(nullptr, module) << SECOND_PACK_MODULE;
    EXPECT_EQ(std::vector<std::string>{"skinpak_test.dll"}, skintest::TakeDebugOutput());
    auto getHallFace = reinterpret_cast<GetHallFaceFn>(reinterpret_cast<void*>(GetProcAddress(module, "GetHallFace")));
    auto getTreeFace = reinterpret_cast<GetTreeFaceFn>(reinterpret_cast<void*>(GetProcAddress(module, "GetTreeFace")));
    ASSERT_TRUE(getHallFace != nullptr && getTreeFace != nullptr);
    const CHallShowElements& hall = *getHallFace();
    const skin::SkinValues pack = skintest::PackValues(SECOND_PACK_TOML);
    const skin::SkinValues& first = skintest::DefaultPackValues();

    // Each value the second pack changes, against the default pack's.
    EXPECT_EQ(Resolved(pack.caption.caption), hall.m_caption.m_clrCaption);
    EXPECT_NE(Resolved(first.caption.caption), hall.m_caption.m_clrCaption);
    EXPECT_EQ(pack.mainTab.tabSize2, hall.m_mainTab.m_nTabSize2);
    EXPECT_NE(first.mainTab.tabSize2, hall.m_mainTab.m_nTabSize2);
    EXPECT_STREQ("table4", hall.m_room.m_szRoomStem[2]);
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), hall.m_personList.m_clrPerson4) << "a colour the default pack leaves unset";
    EXPECT_EQ(RGB(0xFA, 0xFA, 0xFA), hall.m_tree.m_clrBack);
    EXPECT_EQ(RGB(0xFA, 0xFA, 0xFA), getTreeFace()->m_clrBack) << "the tree face reads the same table";
    EXPECT_EQ(10u, hall.m_personList.m_arrStatusIcon.size());
    HBITMAP picture = LoadBitmapA(module, "CAPTION_BK");
    EXPECT_NE(nullptr, picture) << "its pictures are its own resources";
    DeleteObject(picture);

    getTreeFace()->ReleaseObjects();
    getHallFace()->ReleaseObjects();
    FreeLibrary(module);
}

}  // namespace
