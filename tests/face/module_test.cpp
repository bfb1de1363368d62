// The module as a host meets it: loaded by name, asked for its faces through
// the exports, unloaded again.
#include <gtest/gtest.h>

#include "debug_output.h"
#include "default_pack.h"
#include "skinpak1.h"
#include "loaded_module.h"
#include "window_set.h"

using skintest::SameSequence;
using skintest::TakeDebugOutput;

namespace {

// The name the module writes when it attaches: its pack's module name.
std::string OwnName() { return skintest::TestedPackValues().moduleName; }

class ModuleTest : public testing::Test {
protected:
    void SetUp() override {
        skintest::StartDebugOutputCapture();
        TakeDebugOutput();
    }
};

TEST_F(ModuleTest, LoadingAttachesOnceAndWritesItsName) {
    LoadedModule module;
    ASSERT_NE(nullptr, module.get()) << "LoadLibraryA(" << TestedModuleFile() << ")";
    EXPECT_TRUE(SameSequence({OwnName()}, TakeDebugOutput()));

    LoadedModule again;  // a second load only counts a reference
    EXPECT_EQ(module.get(), again.get());
    EXPECT_TRUE(SameSequence({}, TakeDebugOutput()));
}

TEST_F(ModuleTest, ExportsOnlyTheFaces) {
    LoadedModule module;
    ASSERT_NE(nullptr, module.get());
    EXPECT_NE(nullptr, module.Export<GetTreeFaceFn>("GetTreeFace"));
    for (const char* hidden : {"DllMain", "_Z11GetTreeFacev", "g_treeFace"})
        EXPECT_EQ(nullptr, GetProcAddress(module.get(), hidden)) << hidden << " must not be exported";
}

TEST_F(ModuleTest, TreeFaceIsOneObjectReloadedOnEveryCall) {
    LoadedModule module;
    auto getTreeFace = module.Export<GetTreeFaceFn>("GetTreeFace");
    ASSERT_NE(nullptr, getTreeFace);

    CTreeShowElements* first = getTreeFace();
    ASSERT_NE(nullptr, first);
    const HandleList<HICON> icons = first->m_arrIcon;
    EXPECT_EQ(7u, icons.size());
    const skin::SkinValues& pack = skintest::TestedPackValues();
    EXPECT_EQ(skintest::Resolved(pack.tree.back), first->m_clrBack);
    EXPECT_EQ(skintest::Resolved(pack.tree.text), first->m_clrText);
    EXPECT_EQ(skintest::Resolved(pack.tree.line), first->m_clrLine);

    CTreeShowElements* second = getTreeFace();
    EXPECT_EQ(first, second);
    EXPECT_EQ(7u, second->m_arrIcon.size()) << "a reload replaces the icons, never adds to them";
    EXPECT_EQ(icons, second->m_arrIcon) << "icons loaded by name are shared, so the reload gives the same handles";
}

TEST_F(ModuleTest, RegistrationsSurviveTheReload) {
    LoadedModule module;
    auto getTreeFace = module.Export<GetTreeFaceFn>("GetTreeFace");
    ASSERT_NE(nullptr, getTreeFace);
    skintest::WindowSet windows;
    CTreeShowElements* face = getTreeFace();
    face->m_arrNotifyWnd.push_back(windows.Add("N0"));
    face->m_arrRedrawWnd.push_back(windows.Add("R0"));

    face = getTreeFace();
    EXPECT_TRUE(SameSequence({}, windows.Invalid())) << "GetTreeFace repaints nothing by itself";
    face->RefreshWindows();
    EXPECT_TRUE(SameSequence({"R0"}, windows.Invalid()));
    // The module outlives this test's windows only if the host takes them back out.
    face->m_arrNotifyWnd.clear();
    face->m_arrRedrawWnd.clear();
}

TEST_F(ModuleTest, UnloadingAndLoadingAgainStartsFresh) {
    {
        LoadedModule module;
        ASSERT_NE(nullptr, module.get());
    }
    TakeDebugOutput();
    LoadedModule module;
    ASSERT_NE(nullptr, module.get());
    EXPECT_TRUE(SameSequence({OwnName()}, TakeDebugOutput())) << "a fresh load attaches again";
}

}  // namespace
