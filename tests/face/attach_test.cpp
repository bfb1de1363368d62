// The entry point driven directly, as the loader drives it: the module's own
// state is linked into this test, and its pictures come from the built module.
#include <gtest/gtest.h>

#include "debug_output.h"
#include "entry.h"
#include "skinpak1.h"
#include "loaded_module.h"

using skintest::TakeDebugOutput;

namespace {

// The values a second attach must leave alone.
struct Snapshot {
    HandleList<HICON> statusIcons;
    HBITMAP menu;
    HBITMAP toolbarBack;
    size_t toolbarButtons;
    bool operator==(const Snapshot& o) const {
        return statusIcons == o.statusIcons && menu == o.menu && toolbarBack == o.toolbarBack &&
               toolbarButtons == o.toolbarButtons;
    }
};

Snapshot Take(const CHallShowElements& hall) {
    return {hall.m_personList.m_arrStatusIcon, hall.m_caption.m_hbmMenu,
            hall.m_arrToolButton.empty() ? nullptr : hall.m_arrToolButton[0].m_hbmBack, hall.m_arrToolButton.size()};
}

TEST(Attach, FillsTheHallFaceOnceAndOnlyOnce) {
    skintest::StartDebugOutputCapture();
    LoadedModule pictures;
    ASSERT_NE(nullptr, pictures.get());
    TakeDebugOutput();

    CHallShowElements* before = GetHallFace();
    EXPECT_TRUE(before->m_personList.m_arrStatusIcon.empty()) << "empty until the first attach";
    EXPECT_TRUE(before->m_arrToolButton.empty());

    for (DWORD reason : {DWORD(DLL_THREAD_ATTACH), DWORD(DLL_THREAD_DETACH)})
        EXPECT_EQ(TRUE, DllMain(pictures.get(), reason, nullptr)) << "reason " << reason;
    EXPECT_TRUE(before->m_personList.m_arrStatusIcon.empty()) << "thread notifications fill nothing";

    EXPECT_EQ(TRUE, DllMain(pictures.get(), DLL_PROCESS_ATTACH, nullptr));
    EXPECT_EQ(std::vector<std::string>{"skinpak1.dll"}, TakeDebugOutput());
    EXPECT_EQ(before, GetHallFace()) << "one address before and after attach";
    EXPECT_EQ(10u, before->m_personList.m_arrStatusIcon.size());
    EXPECT_EQ(8u, before->m_arrToolButton.size());
    const Snapshot filled = Take(*before);

    EXPECT_EQ(TRUE, DllMain(pictures.get(), DLL_PROCESS_ATTACH, nullptr));
    EXPECT_EQ(std::vector<std::string>{}, TakeDebugOutput()) << "a second attach writes nothing";
    EXPECT_TRUE(filled == Take(*before)) << "a second attach changes nothing";

    // The hall face's graphics go back before the pictures' module does.
    before->ReleaseObjects();
    EXPECT_EQ(TRUE, DllMain(pictures.get(), DLL_PROCESS_DETACH, nullptr));
}

}  // namespace
