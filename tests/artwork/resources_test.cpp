// The skin's resources as code inside a module meets them: loaded by name
// from a module that carries nothing but the resource script.
#include <windows.h>

#include <gtest/gtest.h>

namespace {

struct BitmapName {
    const char* name;
    int width, height;
};

const BitmapName kBitmaps[] = {
    {"CAPTION_BK", 10, 10},        {"MENU_BK", 10, 10},           {"BAR_LEFT_BK", 450, 70},
    {"BAR_RIGHT_BK", 10, 70},      {"STATUSBAR_LEFT", 50, 30},    {"STATUSBAR_MID", 10, 30},
    {"STATUSBAR_RIGHT", 185, 30},  {"FRAME_TITLELEFT", 230, 50},  {"FRAME_TITLEMID", 10, 50},
    {"FRAME_TITLERIGHT", 421, 60}, {"FRAME_LEFT", 10, 10},        {"FRAME_RIGHT", 10, 10},
    {"FRAME_TOP", 10, 10},         {"FRAME_BOTTOM", 10, 10},      {"MAINTAB_BK", 10, 10},
    {"SELECT_MAINTAB_BK", 114, 21}, {"NOSELECT_MAINTAB_BK", 114, 21}, {"TAB_BK", 30, 9},
    {"SELECT_TAB_BK", 10, 10},     {"NOSELECT_TAB_BK", 21, 11},   {"TAB_BK_90", 13, 21},
    {"SELECT_TAB_BK_90", 114, 21}, {"NOSELECT_TAB_BK_90", 114, 21}, {"BUTTON_BK", 10, 10},
    {"PERSONLIST_BK", 46, 36},     {"SPLITTER_ROW", 8, 12},       {"SPLITTER_COL", 12, 8},
    {"TREE_BK", 46, 36},
};

const char* const kIconGroups[] = {
    "BAR_PAGE",         "BAR_ENTERROOM",    "BAR_SETUP",        "BAR_HELP",          "BAR_EXIT",
    "BAR_ADD",          "BAR_DEL",          "BAR_PLAYER",       "WINEXIT_ALL",       "WINEXIT_WINDOW",
    "WINEXIT_USERCHANGE", "CAPTION_MAX",    "CAPTION_MIN",      "CAPTION_NORMAL",    "CAPTION_CLOSE",
    "CAPTION_CLOSEONE", "PERSONLIST_WAIT",  "PERSONLIST_AGREE", "PERSONLIST_PLAY",   "PERSONLIST_WATCH",
    "PERSONLIST_WORK",  "PERSONLIST_FOOD",  "PERSONLIST_SLEEP", "PERSONLIST_STOP",   "PERSONLIST_CALL",
    "PERSONLIST_FAST",  "TREE_ROOT",        "TREE_FLODER",      "TREE_LOAD",         "TREE_SERVER",
    "TREE_ROOM",        "TREE_DOWNLOAD",    "TREE_OPENEDROOM",  "CAPTION_HALL",
};

class SkinResources : public testing::Test {
protected:
    void SetUp() override {
        module_ = LoadLibraryA(RESOURCE_MODULE);
        ASSERT_NE(nullptr, module_) << "LoadLibraryA(" << RESOURCE_MODULE << ")";
    }
    void TearDown() override {
        if (module_) FreeLibrary(module_);
    }
    HMODULE module_ = nullptr;
};

TEST_F(SkinResources, EveryBitmapLoadsByNameAtItsSize) {
    for (const BitmapName& b : kBitmaps) {
        SCOPED_TRACE(b.name);
        HBITMAP bitmap = LoadBitmapA(module_, b.name);
        ASSERT_NE(nullptr, bitmap);
        BITMAP bm{};
        ASSERT_EQ(static_cast<int>(sizeof bm), GetObjectA(bitmap, sizeof bm, &bm));
        EXPECT_EQ(b.width, bm.bmWidth);
        EXPECT_EQ(b.height, bm.bmHeight);
        EXPECT_TRUE(DeleteObject(bitmap));
    }
}

TEST_F(SkinResources, EveryIconGroupLoadsAtTheStandardIconSize) {
    const int cx = GetSystemMetrics(SM_CXICON), cy = GetSystemMetrics(SM_CYICON);
    for (const char* name : kIconGroups) {
        SCOPED_TRACE(name);
        HICON icon = LoadIconA(module_, name);
        ASSERT_NE(nullptr, icon);
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        EXPECT_TRUE(info.fIcon);
        ASSERT_NE(nullptr, info.hbmColor) << "a colour image is the best fit for the display";
        BITMAP mask{};
        ASSERT_EQ(static_cast<int>(sizeof mask), GetObjectA(info.hbmMask, sizeof mask, &mask));
        EXPECT_EQ(cx, mask.bmWidth);
        EXPECT_EQ(cy, mask.bmHeight);
        DeleteObject(info.hbmMask);
        DeleteObject(info.hbmColor);
    }
}

TEST_F(SkinResources, EachBitmapLoadIsANewObjectWhileIconsAreShared) {
    HBITMAP first = LoadBitmapA(module_, "MENU_BK");
    HBITMAP second = LoadBitmapA(module_, "MENU_BK");
    ASSERT_NE(nullptr, first);
    ASSERT_NE(nullptr, second);
    EXPECT_NE(first, second);
    DeleteObject(first);
    DeleteObject(second);

    HICON icon = LoadIconA(module_, "TREE_ROOT");
    ASSERT_NE(nullptr, icon);
    EXPECT_EQ(icon, LoadIconA(module_, "TREE_ROOT"));
}

TEST_F(SkinResources, EachNameBelongsToOneKindOnly) {
    EXPECT_EQ(nullptr, LoadBitmapA(module_, "TREE_ROOT")) << "an icon group is no bitmap";
    EXPECT_EQ(nullptr, LoadIconA(module_, "TREE_BK")) << "a bitmap is no icon group";
    EXPECT_EQ(nullptr, LoadBitmapA(module_, "NO_SUCH_BITMAP"));
    EXPECT_EQ(nullptr, LoadIconA(module_, "NO_SUCH_ICON"));
}

}  // namespace
