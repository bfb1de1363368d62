// The tree element: its redraw-only refresh and the release of its graphics.
#include <gtest/gtest.h>

#include "tree_element.h"
#include "window_set.h"

using skintest::SameSequence;
using skintest::WindowSet;

namespace {

HBITMAP NewBitmap() { return CreateBitmap(4, 4, 1, 32, nullptr); }

bool Alive(HGDIOBJ object) { return GetObjectType(object) != 0; }

// Stand-ins for icons that DeleteObject really destroys, so each deletion shows.
HICON NewDeletableIcon() { return reinterpret_cast<HICON>(NewBitmap()); }

TEST(TreeElement, ConstructedEmpty) {
    CTreeShowElements tree;
    EXPECT_TRUE(tree.m_arrIcon.empty());
    EXPECT_EQ(nullptr, tree.m_hbmBack);
    EXPECT_TRUE(tree.m_arrNotifyWnd.empty());
    EXPECT_TRUE(tree.m_arrRedrawWnd.empty());
}

TEST(TreeElement, RefreshRepaintsWithoutTellingAnyone) {
    WindowSet windows;
    CTreeShowElements tree;
    for (int i = 0; i < 2; ++i) {
        tree.m_arrNotifyWnd.push_back(windows.Add("N" + std::to_string(i)));
        tree.m_arrRedrawWnd.push_back(windows.Add("R" + std::to_string(i)));
    }
    tree.RefreshWindows();
    EXPECT_TRUE(SameSequence({}, windows.TakeLog()));
    EXPECT_TRUE(SameSequence({"R0", "R1"}, windows.Invalid()));
}

TEST(TreeElement, RefreshVisitsWindowsAppendedByTheHost) {
    WindowSet windows;
    CTreeShowElements tree;
    tree.m_arrRedrawWnd.push_back(windows.Add("R0"));
    tree.m_arrRedrawWnd.push_back(windows.Add("R1"));
    tree.m_arrRedrawWnd.push_back(windows.Add("R2"));
    tree.RefreshWindows();
    EXPECT_TRUE(SameSequence({"R0", "R1", "R2"}, windows.Invalid())) << "redraw list without notify partners";
}

TEST(TreeElement, ReleaseDeletesEveryHandleAndSkipsNulls) {
    CTreeShowElements tree;
    tree.m_hbmBack = NewBitmap();
    HandleList<HICON> icons;
    for (int i = 0; i < kTreeIconCount; ++i) icons.push_back(i == kTreeIconServer ? nullptr : NewDeletableIcon());
    tree.m_arrIcon = icons;
    const HBITMAP back = tree.m_hbmBack;
    const size_t capacity = tree.m_arrIcon.capacity();

    tree.ReleaseObjects();

    EXPECT_FALSE(Alive(back)) << "background bitmap";
    for (size_t i = 0; i < icons.size(); ++i) {
        if (icons[i] == nullptr) continue;
        EXPECT_FALSE(Alive(icons[i])) << "icon " << i;
    }
    EXPECT_EQ(nullptr, tree.m_hbmBack);
    EXPECT_TRUE(tree.m_arrIcon.empty());
    EXPECT_EQ(capacity, tree.m_arrIcon.capacity()) << "the icon list keeps its storage for the reload";
}

TEST(TreeElement, ReleaseKeepsColoursAndRegistrations) {
    WindowSet windows;
    CTreeShowElements tree;
    tree.m_clrBack = RGB(1, 2, 3);
    tree.m_clrText = RGB(4, 5, 6);
    tree.m_clrLine = RGB(7, 8, 9);
    tree.m_arrNotifyWnd.push_back(windows.Add("N0"));
    tree.m_arrRedrawWnd.push_back(windows.Add("R0"));
    tree.m_hbmBack = NewBitmap();

    tree.ReleaseObjects();
    tree.ReleaseObjects();

    EXPECT_EQ(RGB(1, 2, 3), tree.m_clrBack);
    EXPECT_EQ(RGB(4, 5, 6), tree.m_clrText);
    EXPECT_EQ(RGB(7, 8, 9), tree.m_clrLine);
    ASSERT_EQ(1u, tree.m_arrRedrawWnd.size());
    tree.RefreshWindows();
    EXPECT_TRUE(SameSequence({"R0"}, windows.Invalid())) << "registrations survive a release";
}

TEST(TreeElement, DestroyingALoadedTreeDeletesNothing) {
    const HBITMAP back = NewBitmap();
    const HICON icon = NewDeletableIcon();
    {
        CTreeShowElements tree;
        tree.m_hbmBack = back;
        tree.m_arrIcon.push_back(icon);
    }
    EXPECT_TRUE(Alive(back));
    EXPECT_TRUE(Alive(icon));
    DeleteObject(back);
    DeleteObject(icon);
}

}  // namespace
