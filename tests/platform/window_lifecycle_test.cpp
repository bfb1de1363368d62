// How windows come and go: the messages of creation and destruction in the
// real platform's order, and SendMessageA running the procedure at once.
#include <gtest/gtest.h>
#include <windows.h>

#include "test_windows.h"

namespace {

using plattest::TestWindows;
using Log = std::vector<std::string>;

constexpr DWORD kHiddenTop = WS_OVERLAPPEDWINDOW;
constexpr DWORD kHiddenPopup = WS_POPUP;

// An overlapped window learns its size and position on its first showing,
// once; a popup learns them while it is created.
TEST(WindowLifecycle, HiddenTopLevelCreationSendsCreationMessagesInOrder) {
    TestWindows windows;
    HWND top = windows.Create("T", kHiddenTop);
    ASSERT_NE(nullptr, top);
    EXPECT_EQ((Log{"T WM_NCCREATE", "T WM_NCCALCSIZE", "T WM_CREATE"}), windows.Take());
    EXPECT_TRUE(IsWindow(top));
    EXPECT_FALSE(IsWindowVisible(top));

    ShowWindow(top, SW_SHOWNA);
    EXPECT_EQ((Log{"T WM_SHOWWINDOW", "T WM_WINDOWPOSCHANGING", "T WM_WINDOWPOSCHANGED", "T WM_SIZE", "T WM_MOVE"}),
              windows.Take());
    ShowWindow(top, SW_HIDE);
    ShowWindow(top, SW_SHOWNA);
    const Log showOrHide = {"T WM_SHOWWINDOW", "T WM_WINDOWPOSCHANGING", "T WM_WINDOWPOSCHANGED"};
    Log twice = showOrHide;
    twice.insert(twice.end(), showOrHide.begin(), showOrHide.end());
    EXPECT_EQ(twice, windows.Take()) << "no second WM_SIZE";

    HWND popup = windows.Create("P", kHiddenPopup);
    EXPECT_EQ((Log{"P WM_NCCREATE", "P WM_NCCALCSIZE", "P WM_CREATE", "P WM_SIZE", "P WM_MOVE"}), windows.Take());
    ShowWindow(popup, SW_SHOWNA);
    EXPECT_EQ((Log{"P WM_SHOWWINDOW", "P WM_WINDOWPOSCHANGING", "P WM_WINDOWPOSCHANGED"}), windows.Take());
}

TEST(WindowLifecycle, VisibleChildCreationShowsAfterCreating) {
    TestWindows windows;
    HWND parent = windows.Create("P", kHiddenPopup | WS_VISIBLE);
    windows.Take();
    HWND child = windows.Create("C", WS_CHILD | WS_VISIBLE, parent);
    ASSERT_NE(nullptr, child);
    const Log expected = {"C WM_NCCREATE", "C WM_NCCALCSIZE", "C WM_CREATE",           "C WM_SIZE",
                          "C WM_MOVE",     "C WM_SHOWWINDOW", "C WM_WINDOWPOSCHANGING", "C WM_WINDOWPOSCHANGED"};
    EXPECT_EQ(expected, windows.Take());
    EXPECT_TRUE(IsWindowVisible(child));
}

TEST(WindowLifecycle, WindowIsNotVisibleWhileItsCreateMessageIsHandled) {
    TestWindows windows;
    BOOL visibleDuringCreate = TRUE;
    windows.answer = [&](HWND window, UINT message, WPARAM, LPARAM, LRESULT*) {
        if (message == WM_CREATE) visibleDuringCreate = IsWindowVisible(window);
        return false;
    };
    HWND popup = windows.Create("W", kHiddenPopup | WS_VISIBLE);
    ASSERT_NE(nullptr, popup);
    EXPECT_FALSE(visibleDuringCreate) << "WS_VISIBLE takes effect only after WM_CREATE";
    EXPECT_TRUE(IsWindowVisible(popup));
}

TEST(WindowLifecycle, RefusedNcCreateFailsCreation) {
    TestWindows windows;
    HWND seen = nullptr;
    windows.answer = [&](HWND window, UINT message, WPARAM, LPARAM, LRESULT* result) {
        if (message != WM_NCCREATE) return false;
        seen = window;
        *result = FALSE;
        return true;
    };
    EXPECT_EQ(nullptr, windows.Create("F", kHiddenPopup));
    ASSERT_NE(nullptr, seen);
    EXPECT_FALSE(IsWindow(seen)) << "the refused window must be gone";
    const Log log = windows.Take();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ("F WM_NCCREATE", log.front());
    EXPECT_EQ("F WM_NCDESTROY", log.back());
}

TEST(WindowLifecycle, CreateAnsweringMinusOneFailsCreation) {
    TestWindows windows;
    HWND seen = nullptr;
    windows.answer = [&](HWND window, UINT message, WPARAM, LPARAM, LRESULT* result) {
        if (message != WM_CREATE) return false;
        seen = window;
        *result = -1;
        return true;
    };
    EXPECT_EQ(nullptr, windows.Create("F", kHiddenPopup));
    ASSERT_NE(nullptr, seen);
    EXPECT_FALSE(IsWindow(seen));
    const Log log = windows.Take();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ("F WM_NCDESTROY", log.back());
}

TEST(WindowLifecycle, DestroyingParentSendsDestroyDownAndNcDestroyUp) {
    TestWindows windows;
    HWND parent = windows.Create("P", kHiddenPopup);
    HWND child = windows.Create("C", WS_CHILD, parent);
    HWND grandchild = windows.Create("G", WS_CHILD, child);
    ASSERT_NE(nullptr, grandchild);
    windows.Take();
    EXPECT_TRUE(DestroyWindow(parent));
    const Log expected = {"P WM_DESTROY", "C WM_DESTROY", "G WM_DESTROY", "G WM_NCDESTROY", "C WM_NCDESTROY",
                          "P WM_NCDESTROY"};
    EXPECT_EQ(expected, windows.Take());
    EXPECT_FALSE(IsWindow(parent));
    EXPECT_FALSE(IsWindow(child));
    EXPECT_FALSE(IsWindow(grandchild));
}

TEST(WindowLifecycle, VisibleChildIsHiddenBeforeItIsDestroyed) {
    TestWindows windows;
    HWND parent = windows.Create("P", kHiddenPopup | WS_VISIBLE);
    HWND child = windows.Create("C", WS_CHILD | WS_VISIBLE, parent);
    windows.Take();
    EXPECT_TRUE(DestroyWindow(child));
    const Log expected = {"C WM_SHOWWINDOW", "C WM_WINDOWPOSCHANGING", "C WM_WINDOWPOSCHANGED", "C WM_DESTROY",
                          "C WM_NCDESTROY"};
    EXPECT_EQ(expected, windows.Take());
    EXPECT_TRUE(IsWindow(parent));
}

TEST(WindowLifecycle, OwnedWindowsAreDestroyedBeforeTheirOwner) {
    TestWindows windows;
    HWND owner = windows.Create("O", kHiddenPopup);
    HWND owned = windows.Create("D", kHiddenPopup, owner);
    ASSERT_NE(nullptr, owned);
    windows.Take();
    EXPECT_TRUE(DestroyWindow(owner));
    const Log expected = {"D WM_DESTROY", "D WM_NCDESTROY", "O WM_DESTROY", "O WM_NCDESTROY"};
    EXPECT_EQ(expected, windows.Take());
    EXPECT_FALSE(IsWindow(owned));
}

TEST(WindowLifecycle, WindowStaysAWindowUntilItsLastMessage) {
    TestWindows windows;
    HWND popup = windows.Create("W", kHiddenPopup);
    BOOL duringDestroy = FALSE;
    BOOL duringNcDestroy = FALSE;
    windows.answer = [&](HWND window, UINT message, WPARAM, LPARAM, LRESULT*) {
        if (message == WM_DESTROY) duringDestroy = IsWindow(window);
        if (message == WM_NCDESTROY) duringNcDestroy = IsWindow(window);
        return false;
    };
    EXPECT_TRUE(DestroyWindow(popup));
    EXPECT_TRUE(duringDestroy);
    EXPECT_TRUE(duringNcDestroy);
    EXPECT_FALSE(IsWindow(popup));
}

TEST(WindowLifecycle, DestroyingAGoneWindowFails) {
    TestWindows windows;
    HWND popup = windows.Create("W", kHiddenPopup);
    ASSERT_TRUE(DestroyWindow(popup));
    windows.Take();
    EXPECT_FALSE(DestroyWindow(popup));
    EXPECT_TRUE(windows.Take().empty()) << "a gone window receives nothing";
}

TEST(WindowLifecycle, SendMessageRunsTheProcedureBeforeReturning) {
    TestWindows windows;
    HWND popup = windows.Create("W", kHiddenPopup);
    int handled = 0;
    windows.answer = [&](HWND, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
        if (message != WM_USER) return false;
        ++handled;
        *result = static_cast<LRESULT>(wParam + lParam);
        return true;
    };
    windows.Take();
    EXPECT_EQ(7, SendMessageA(popup, WM_USER, 3, 4));
    EXPECT_EQ(1, handled) << "handled before SendMessageA returned";
    EXPECT_EQ(Log{"W WM_USER"}, windows.Take());
}

TEST(WindowLifecycle, SendMessageToAGoneWindowCallsNothing) {
    TestWindows windows;
    HWND popup = windows.Create("W", kHiddenPopup);
    ASSERT_TRUE(DestroyWindow(popup));
    windows.Take();
    EXPECT_EQ(0, SendMessageA(popup, WM_USER, 1, 2));
    EXPECT_TRUE(windows.Take().empty());
}

TEST(WindowLifecycle, ChildWithoutParentIsRefused) {
    TestWindows windows;
    EXPECT_EQ(nullptr, windows.Create("C", WS_CHILD, nullptr));
    EXPECT_TRUE(windows.Take().empty());
}

TEST(WindowLifecycle, UnknownClassIsRefused) {
    EXPECT_EQ(nullptr, CreateWindowExA(0, "NoSuchPlatformClass", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                       nullptr, nullptr));
}

TEST(WindowLifecycle, ClassWithLiveWindowsCannotBeUnregistered) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = "PlatformTestShortLived";
    ASSERT_NE(0, RegisterClassA(&wc));
    EXPECT_EQ(0, RegisterClassA(&wc)) << "a class name is registered once";
    HWND window = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, window);
    EXPECT_FALSE(UnregisterClassA(wc.lpszClassName, nullptr));
    DestroyWindow(window);
    EXPECT_TRUE(UnregisterClassA(wc.lpszClassName, nullptr));
    EXPECT_FALSE(UnregisterClassA(wc.lpszClassName, nullptr));
}

}  // namespace
