// Update regions: what showing a window, RedrawWindow, InvalidateRect and
// ValidateRect leave for the window to repaint.
#include <gtest/gtest.h>
#include <windows.h>

#include "test_windows.h"

namespace {

using plattest::TestWindows;
using plattest::UpdateRect;

constexpr RECT kPopupRect{10, 20, 110, 100};  // 100 x 80

TEST(UpdateRegion, ShownWindowNeedsAllOfItsClientAreaRepainted) {
    TestWindows windows;
    HWND popup = windows.Create("w", WS_POPUP | WS_VISIBLE, nullptr, kPopupRect);
    EXPECT_EQ("0,0 100,80", UpdateRect(popup));
}

TEST(UpdateRegion, HiddenWindowHasNothingToRepaint) {
    TestWindows windows;
    HWND popup = windows.Create("w", WS_POPUP, nullptr, kPopupRect);
    EXPECT_EQ("empty", UpdateRect(popup));
    EXPECT_TRUE(RedrawWindow(popup, nullptr, nullptr, RDW_INVALIDATE));
    EXPECT_EQ("empty", UpdateRect(popup)) << "a hidden window is not invalidated";
    ShowWindow(popup, SW_SHOW);
    EXPECT_EQ("0,0 100,80", UpdateRect(popup)) << "showing it is what makes it repaint";
}

TEST(UpdateRegion, ValidateEmptiesAndRedrawRefills) {
    TestWindows windows;
    HWND popup = windows.Create("w", WS_POPUP | WS_VISIBLE, nullptr, kPopupRect);
    EXPECT_TRUE(ValidateRect(popup, nullptr));
    EXPECT_EQ("empty", UpdateRect(popup));
    EXPECT_TRUE(RedrawWindow(popup, nullptr, nullptr, RDW_INVALIDATE));
    EXPECT_EQ("0,0 100,80", UpdateRect(popup));
}

TEST(UpdateRegion, InvalidatedRectanglesAddUpToTheirBounds) {
    TestWindows windows;
    HWND popup = windows.Create("w", WS_POPUP | WS_VISIBLE, nullptr, kPopupRect);
    ValidateRect(popup, nullptr);
    const RECT a{5, 5, 10, 10};
    const RECT b{20, 30, 25, 40};
    InvalidateRect(popup, &a, FALSE);
    EXPECT_EQ("5,5 10,10", UpdateRect(popup));
    InvalidateRect(popup, &b, FALSE);
    EXPECT_EQ("5,5 25,40", UpdateRect(popup));
    const RECT outside{90, 70, 200, 200};
    ValidateRect(popup, nullptr);
    InvalidateRect(popup, &outside, FALSE);
    EXPECT_EQ("90,70 100,80", UpdateRect(popup)) << "cut to the client area";
}

TEST(UpdateRegion, GetUpdateRectAcceptsNoRectangle) {
    TestWindows windows;
    HWND popup = windows.Create("w", WS_POPUP | WS_VISIBLE, nullptr, kPopupRect);
    EXPECT_TRUE(GetUpdateRect(popup, nullptr, FALSE));
    ValidateRect(popup, nullptr);
    EXPECT_FALSE(GetUpdateRect(popup, nullptr, FALSE));
}

TEST(UpdateRegion, GoneWindowIsNeitherRedrawnNorAsked) {
    TestWindows windows;
    HWND popup = windows.Create("w", WS_POPUP | WS_VISIBLE, nullptr, kPopupRect);
    DestroyWindow(popup);
    EXPECT_FALSE(RedrawWindow(popup, nullptr, nullptr, RDW_INVALIDATE));
    RECT rect{1, 2, 3, 4};
    EXPECT_FALSE(GetUpdateRect(popup, &rect, FALSE));
}

TEST(UpdateRegion, RedrawReachesChildrenUnlessTheParentClipsThem) {
    TestWindows windows;
    HWND plain = windows.Create("plain", WS_POPUP | WS_VISIBLE, nullptr, kPopupRect);
    HWND clipping = windows.Create("clipping", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, nullptr, kPopupRect);
    HWND plainChild = windows.Create("a", WS_CHILD | WS_VISIBLE, plain, RECT{10, 10, 30, 20});
    HWND clippedChild = windows.Create("b", WS_CHILD | WS_VISIBLE, clipping, RECT{10, 10, 30, 20});
    for (HWND window : {plain, clipping, plainChild, clippedChild}) ValidateRect(window, nullptr);
    // Validating a parent that does not clip has validated its child too.
    RedrawWindow(plain, nullptr, nullptr, RDW_INVALIDATE);
    RedrawWindow(clipping, nullptr, nullptr, RDW_INVALIDATE);
    EXPECT_EQ("0,0 20,10", UpdateRect(plainChild));
    EXPECT_EQ("empty", UpdateRect(clippedChild));
    RedrawWindow(clipping, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    EXPECT_EQ("0,0 20,10", UpdateRect(clippedChild));
}

TEST(UpdateRegion, RedrawOfPartOfAParentReachesOnlyChildrenUnderIt) {
    TestWindows windows;
    HWND parent = windows.Create("p", WS_POPUP | WS_VISIBLE, nullptr, kPopupRect);
    HWND left = windows.Create("l", WS_CHILD | WS_VISIBLE, parent, RECT{0, 0, 40, 40});
    HWND right = windows.Create("r", WS_CHILD | WS_VISIBLE, parent, RECT{60, 0, 100, 40});
    for (HWND window : {parent, left, right}) ValidateRect(window, nullptr);
    const RECT area{30, 10, 50, 20};
    RedrawWindow(parent, &area, nullptr, RDW_INVALIDATE);
    EXPECT_EQ("30,10 50,20", UpdateRect(parent));
    EXPECT_EQ("30,10 40,20", UpdateRect(left)) << "in the child's own coordinates";
    EXPECT_EQ("empty", UpdateRect(right));
}

TEST(UpdateRegion, NoChildrenKeepsTheRedrawToTheWindow) {
    TestWindows windows;
    HWND parent = windows.Create("p", WS_POPUP | WS_VISIBLE, nullptr, kPopupRect);
    HWND child = windows.Create("c", WS_CHILD | WS_VISIBLE, parent, RECT{0, 0, 40, 40});
    ValidateRect(parent, nullptr);
    RedrawWindow(parent, nullptr, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN);
    EXPECT_EQ("0,0 100,80", UpdateRect(parent));
    EXPECT_EQ("empty", UpdateRect(child));
}

TEST(UpdateRegion, HidingAChildExposesItsParent) {
    TestWindows windows;
    HWND parent = windows.Create("p", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, nullptr, kPopupRect);
    HWND child = windows.Create("c", WS_CHILD | WS_VISIBLE, parent, RECT{10, 10, 30, 20});
    ValidateRect(parent, nullptr);
    ValidateRect(child, nullptr);
    ShowWindow(child, SW_HIDE);
    EXPECT_EQ("10,10 30,20", UpdateRect(parent));
    EXPECT_EQ("empty", UpdateRect(child));
}

TEST(UpdateRegion, ShowingAParentRepaintsItsVisibleChildren) {
    TestWindows windows;
    HWND parent = windows.Create("p", WS_POPUP | WS_CLIPCHILDREN, nullptr, kPopupRect);
    HWND shown = windows.Create("s", WS_CHILD | WS_VISIBLE, parent, RECT{0, 0, 20, 20});
    HWND hidden = windows.Create("h", WS_CHILD, parent, RECT{20, 0, 40, 20});
    EXPECT_EQ("empty", UpdateRect(shown)) << "not on screen while the parent is hidden";
    ShowWindow(parent, SW_SHOW);
    EXPECT_EQ("0,0 100,80", UpdateRect(parent));
    EXPECT_EQ("0,0 20,20", UpdateRect(shown));
    EXPECT_EQ("empty", UpdateRect(hidden));
}

}  // namespace
