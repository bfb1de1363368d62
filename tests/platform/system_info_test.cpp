// System metrics and colours that the skin depends on.
#include <gtest/gtest.h>
#include <windows.h>

namespace {

TEST(SystemInfo, IconsAreThirtyTwoAndSmallIconsSixteenPixels) {
    EXPECT_EQ(32, GetSystemMetrics(SM_CXICON));
    EXPECT_EQ(32, GetSystemMetrics(SM_CYICON));
    EXPECT_EQ(16, GetSystemMetrics(SM_CXSMICON));
    EXPECT_EQ(16, GetSystemMetrics(SM_CYSMICON));
}

TEST(SystemInfo, SystemColoursAreStableColourValues) {
    for (int index = 0; index <= COLOR_MENUBAR; ++index) {
        SCOPED_TRACE("colour " + std::to_string(index));
        const DWORD colour = GetSysColor(index);
        EXPECT_EQ(0u, colour >> 24) << "a plain RGB value";
        EXPECT_EQ(colour, GetSysColor(index));
    }
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_3DFACE));
}

}  // namespace
