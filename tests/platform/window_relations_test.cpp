// Parents, owners and ancestors, and the order in which a thread's
// top-level windows are enumerated.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "test_windows.h"

namespace {

using plattest::TestWindows;

struct Relatives {
    HWND owner = nullptr;
    HWND popup = nullptr;        // owned by owner
    HWND overlapped = nullptr;   // owned by owner, not a popup
    HWND child = nullptr;        // child of popup
    HWND grandchild = nullptr;   // child of child
};

Relatives MakeRelatives(TestWindows& windows) {
    Relatives r;
    r.owner = windows.Create("owner", WS_OVERLAPPEDWINDOW);
    r.popup = windows.Create("popup", WS_POPUP, r.owner);
    r.overlapped = windows.Create("overlapped", WS_OVERLAPPEDWINDOW, r.owner);
    r.child = windows.Create("child", WS_CHILD, r.popup);
    r.grandchild = windows.Create("grandchild", WS_CHILD, r.child);
    return r;
}

struct AncestorCase {
    const char* window;
    UINT flags;
    const char* expected;
};

HWND Pick(const Relatives& r, const std::string& name) {
    if (name == "owner") return r.owner;
    if (name == "popup") return r.popup;
    if (name == "overlapped") return r.overlapped;
    if (name == "child") return r.child;
    if (name == "grandchild") return r.grandchild;
    if (name == "desktop") return GetDesktopWindow();
    return nullptr;
}

TEST(WindowRelations, AncestorsFollowTheRealRules) {
    TestWindows windows;
    const Relatives r = MakeRelatives(windows);
    const AncestorCase cases[] = {
        {"grandchild", GA_PARENT, "child"},     {"child", GA_PARENT, "popup"},
        {"popup", GA_PARENT, "desktop"},        {"grandchild", GA_ROOT, "popup"},
        {"popup", GA_ROOT, "popup"},            {"grandchild", GA_ROOTOWNER, "owner"},
        {"popup", GA_ROOTOWNER, "owner"},
        // An owned window that is not a popup has no parent to follow.
        {"overlapped", GA_ROOTOWNER, "overlapped"},
    };
    for (const AncestorCase& c : cases) {
        SCOPED_TRACE(std::string(c.window) + " flags " + std::to_string(c.flags));
        EXPECT_EQ(Pick(r, c.expected), GetAncestor(Pick(r, c.window), c.flags)) << "expected " << c.expected;
    }
}

TEST(WindowRelations, GetParentGivesPopupOwnersAndChildParentsOnly) {
    TestWindows windows;
    const Relatives r = MakeRelatives(windows);
    EXPECT_EQ(r.owner, GetParent(r.popup));
    EXPECT_EQ(nullptr, GetParent(r.overlapped)) << "an overlapped window's owner is not its parent";
    EXPECT_EQ(r.popup, GetParent(r.child));
    EXPECT_EQ(nullptr, GetParent(r.owner));
}

TEST(WindowRelations, OwnerIsKeptForTopLevelWindowsOnly) {
    TestWindows windows;
    const Relatives r = MakeRelatives(windows);
    EXPECT_EQ(r.owner, GetWindow(r.popup, GW_OWNER));
    EXPECT_EQ(r.owner, GetWindow(r.overlapped, GW_OWNER));
    EXPECT_EQ(nullptr, GetWindow(r.child, GW_OWNER));
    EXPECT_EQ(nullptr, GetWindow(r.owner, GW_OWNER));
}

TEST(WindowRelations, OwningThroughAChildMeansOwningThroughItsTopLevelWindow) {
    TestWindows windows;
    const Relatives r = MakeRelatives(windows);
    HWND owned = windows.Create("owned", WS_POPUP, r.grandchild);
    ASSERT_NE(nullptr, owned);
    EXPECT_EQ(r.popup, GetWindow(owned, GW_OWNER));
}

TEST(WindowRelations, ChildrenKeepCreationOrder) {
    TestWindows windows;
    HWND parent = windows.Create("parent", WS_POPUP);
    HWND first = windows.Create("first", WS_CHILD, parent);
    HWND second = windows.Create("second", WS_CHILD, parent);
    EXPECT_EQ(first, GetWindow(parent, GW_CHILD));
    EXPECT_EQ(second, GetWindow(first, GW_HWNDNEXT));
    EXPECT_EQ(nullptr, GetWindow(second, GW_HWNDNEXT));
    EXPECT_EQ(first, GetWindow(second, GW_HWNDPREV));
}

BOOL CALLBACK Collect(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

TEST(WindowRelations, ThreadWindowsAreEnumeratedNewestFirst) {
    TestWindows windows;
    HWND a = windows.Create("a", WS_POPUP);
    HWND b = windows.Create("b", WS_POPUP);
    HWND c = windows.Create("c", WS_OVERLAPPEDWINDOW, a);
    HWND child = windows.Create("child", WS_CHILD, b);
    std::vector<HWND> all;
    EnumThreadWindows(GetCurrentThreadId(), &Collect, reinterpret_cast<LPARAM>(&all));
    // The platform may own windows of its own; only ours are compared.
    std::vector<HWND> ours;
    for (HWND window : all)
        if (window == a || window == b || window == c || window == child) ours.push_back(window);
    EXPECT_EQ((std::vector<HWND>{c, b, a}), ours) << "top-level windows only, most recent first";
}

BOOL CALLBACK StopAtFirst(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return FALSE;
}

TEST(WindowRelations, EnumerationStopsWhenTheCallbackSaysSo) {
    TestWindows windows;
    windows.Create("a", WS_POPUP);
    windows.Create("b", WS_POPUP);
    int calls = 0;
    EXPECT_FALSE(EnumThreadWindows(GetCurrentThreadId(), &StopAtFirst, reinterpret_cast<LPARAM>(&calls)));
    EXPECT_EQ(1, calls);
}

TEST(WindowRelations, WindowsBelongToTheThreadThatMadeThem) {
    TestWindows windows;
    HWND popup = windows.Create("w", WS_POPUP);
    DWORD process = 0;
    EXPECT_EQ(GetCurrentThreadId(), GetWindowThreadProcessId(popup, &process));
    EXPECT_EQ(GetCurrentProcessId(), process);
}

TEST(WindowRelations, VisibilityNeedsEveryAncestorVisible) {
    TestWindows windows;
    HWND parent = windows.Create("parent", WS_POPUP);
    HWND child = windows.Create("child", WS_CHILD | WS_VISIBLE, parent);
    EXPECT_FALSE(IsWindowVisible(child)) << "its parent is hidden";
    ShowWindow(parent, SW_SHOW);
    EXPECT_TRUE(IsWindowVisible(child));
    EXPECT_TRUE(ShowWindow(parent, SW_HIDE)) << "ShowWindow answers whether the window was visible";
    EXPECT_FALSE(IsWindowVisible(child));
    EXPECT_FALSE(ShowWindow(parent, SW_HIDE));
}

TEST(WindowRelations, RectanglesHaveNoFrame) {
    TestWindows windows;
    HWND parent = windows.Create("parent", WS_POPUP, nullptr, RECT{100, 50, 300, 250});
    HWND child = windows.Create("child", WS_CHILD, parent, RECT{10, 20, 60, 50});
    RECT rect{};
    ASSERT_TRUE(GetClientRect(child, &rect));
    EXPECT_EQ(0, rect.left);
    EXPECT_EQ(0, rect.top);
    EXPECT_EQ(50, rect.right);
    EXPECT_EQ(30, rect.bottom);
    ASSERT_TRUE(GetWindowRect(child, &rect));
    EXPECT_EQ(110, rect.left) << "window rectangles are in screen coordinates";
    EXPECT_EQ(70, rect.top);
    EXPECT_EQ(160, rect.right);
    EXPECT_EQ(100, rect.bottom);
}

TEST(WindowRelations, WindowKeepsAValueForItsUser) {
    TestWindows windows;
    HWND popup = windows.Create("w", WS_POPUP);
    EXPECT_EQ(0, GetWindowLongPtrA(popup, GWLP_USERDATA));
    EXPECT_EQ(0, SetWindowLongPtrA(popup, GWLP_USERDATA, 1234));
    EXPECT_EQ(1234, SetWindowLongPtrA(popup, GWLP_USERDATA, 99));
    EXPECT_EQ(99, GetWindowLongPtrA(popup, GWLP_USERDATA));
    EXPECT_EQ(static_cast<LONG_PTR>(WS_POPUP), GetWindowLongPtrA(popup, GWL_STYLE) & WS_POPUP);
}

}  // namespace
