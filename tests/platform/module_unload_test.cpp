// What becomes of a module's resources when the module goes away.
#include <gtest/gtest.h>
#include <windows.h>

namespace {

TEST(ModuleUnload, SharedIconsAndResourcesGoWithTheirModule) {
    HMODULE module = LoadLibraryA(TESTLIB_FILE);
    ASSERT_NE(nullptr, module);
    HICON icon = LoadIconA(module, "SMALL");
    HRSRC resource = FindResourceA(module, "RGB24", RT_BITMAP);
    ASSERT_NE(nullptr, icon);
    ASSERT_NE(nullptr, resource);
    ASSERT_TRUE(FreeLibrary(module));
    ICONINFO info{};
    EXPECT_FALSE(GetIconInfo(icon, &info)) << "the icon went with its module";
    EXPECT_EQ(0u, SizeofResource(module, resource));
    EXPECT_EQ(nullptr, LoadIconA(module, "SMALL"));
    EXPECT_EQ(nullptr, LoadBitmapA(module, "RGB24"));
    EXPECT_FALSE(FreeLibrary(module)) << "no longer loaded";
}

TEST(ModuleUnload, ReloadedModuleHasItsResourcesAgain) {
    HMODULE module = LoadLibraryA(TESTLIB_FILE);
    ASSERT_NE(nullptr, module);
    HICON before = LoadIconA(module, "SMALL");
    FreeLibrary(module);
    module = LoadLibraryA(TESTLIB_FILE);
    ASSERT_NE(nullptr, module);
    HICON after = LoadIconA(module, "SMALL");
    EXPECT_NE(nullptr, after);
    EXPECT_NE(before, after) << "a new icon, never the old handle";
    FreeLibrary(module);
}

TEST(ModuleUnload, ProgramWithoutResourcesLoadsNothing) {
    EXPECT_EQ(nullptr, FindResourceA(nullptr, "RGB24", RT_BITMAP));
    EXPECT_EQ(nullptr, LoadBitmapA(GetModuleHandleA(nullptr), "RGB24"));
    EXPECT_EQ(nullptr, LoadIconA(GetModuleHandleA(nullptr), "SMALL"));
}

}  // namespace
