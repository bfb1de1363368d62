// SetWindowPos: the messages around a move, a resize or a frame change, and
// what each leaves to repaint.
#include <gtest/gtest.h>
#include <windows.h>

#include "test_windows.h"

namespace {

using plattest::TestWindows;
using plattest::UpdateRect;
using Log = std::vector<std::string>;

// The caption's frame update: no move, no size, no z-order change, new frame.
constexpr UINT kFrameUpdate = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED | SWP_DEFERERASE;
constexpr RECT kRect{10, 20, 110, 100};  // 100 x 80

TEST(WindowPos, FrameChangeAsksForTheClientAreaBetweenThePositionMessages) {
    TestWindows windows;
    HWND popup = windows.Create("w", WS_POPUP | WS_VISIBLE, nullptr, kRect);
    BOOL calcValidRects = FALSE;
    RECT proposed{};
    UINT posFlags = 0;
    windows.answer = [&](HWND, UINT message, WPARAM wParam, LPARAM lParam, LRESULT*) {
        if (message == WM_NCCALCSIZE) {
            calcValidRects = static_cast<BOOL>(wParam);
            const NCCALCSIZE_PARAMS* params = reinterpret_cast<const NCCALCSIZE_PARAMS*>(lParam);
            proposed = params->rgrc[0];
            posFlags = params->lppos->flags;
        }
        return false;
    };
    windows.Take();
    EXPECT_TRUE(SetWindowPos(popup, nullptr, 0, 0, 0, 0, kFrameUpdate | SWP_NOACTIVATE));
    EXPECT_EQ((Log{"w WM_WINDOWPOSCHANGING", "w WM_NCCALCSIZE", "w WM_WINDOWPOSCHANGED"}), windows.Take());
    EXPECT_TRUE(calcValidRects) << "wParam TRUE: NCCALCSIZE_PARAMS";
    EXPECT_EQ(10, proposed.left);
    EXPECT_EQ(20, proposed.top);
    EXPECT_EQ(110, proposed.right);
    EXPECT_EQ(100, proposed.bottom);
    EXPECT_TRUE(posFlags & SWP_FRAMECHANGED);
}

// A new frame over a client area of the same size keeps the client's
// pixels: only a change of size repaints it, and then all of it for a class
// that redraws on resize, unless the caller asks for no redraw at all.
TEST(WindowPos, WhatAFrameChangeRepaints) {
    struct Row {
        const char* name;
        UINT classStyle;
        int width;
        UINT extraFlags;
        const char* expected;
    };
    const Row rows[] = {
        {"frame only", 0, 100, 0, "empty"},
        {"frame only, class redraws on resize", CS_HREDRAW | CS_VREDRAW, 100, 0, "empty"},
        {"frame and width, class redraws on resize", CS_HREDRAW | CS_VREDRAW, 120, 0, "0,0 120,80"},
        {"frame and width, no redraw", CS_HREDRAW | CS_VREDRAW, 120, SWP_NOREDRAW, "empty"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TestWindows windows(row.classStyle);
        HWND popup = windows.Create("w", WS_POPUP | WS_VISIBLE, nullptr, kRect);
        ValidateRect(popup, nullptr);
        const UINT keepSize = row.width == 100 ? SWP_NOSIZE : 0;
        SetWindowPos(popup, nullptr, 0, 0, row.width, 80,
                     (kFrameUpdate & ~SWP_NOSIZE) | keepSize | SWP_NOACTIVATE | row.extraFlags);
        EXPECT_EQ(row.expected, UpdateRect(popup));
    }
}

TEST(WindowPos, MoveWithoutSizeSkipsTheClientAreaQuestion) {
    TestWindows windows;
    HWND popup = windows.Create("w", WS_POPUP, nullptr, kRect);
    windows.Take();
    EXPECT_TRUE(SetWindowPos(popup, nullptr, 50, 60, 1, 1, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE));
    EXPECT_EQ((Log{"w WM_WINDOWPOSCHANGING", "w WM_WINDOWPOSCHANGED", "w WM_MOVE"}), windows.Take());
    RECT rect{};
    GetWindowRect(popup, &rect);
    EXPECT_EQ(50, rect.left);
    EXPECT_EQ(60, rect.top);
    EXPECT_EQ(150, rect.right) << "the size is kept";
    EXPECT_EQ(140, rect.bottom);
}

TEST(WindowPos, ResizeWithoutMoveKeepsThePosition) {
    TestWindows windows;
    HWND popup = windows.Create("w", WS_POPUP, nullptr, kRect);
    windows.Take();
    EXPECT_TRUE(SetWindowPos(popup, nullptr, 500, 500, 30, 40, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE));
    EXPECT_EQ((Log{"w WM_WINDOWPOSCHANGING", "w WM_NCCALCSIZE", "w WM_WINDOWPOSCHANGED", "w WM_SIZE"}),
              windows.Take());
    RECT rect{};
    GetWindowRect(popup, &rect);
    EXPECT_EQ(10, rect.left);
    EXPECT_EQ(20, rect.top);
    EXPECT_EQ(40, rect.right);
    EXPECT_EQ(60, rect.bottom);
}

TEST(WindowPos, NothingToChangeSendsNoChangedMessage) {
    TestWindows windows;
    HWND popup = windows.Create("w", WS_POPUP, nullptr, kRect);
    windows.Take();
    EXPECT_TRUE(SetWindowPos(popup, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE));
    EXPECT_EQ(Log{"w WM_WINDOWPOSCHANGING"}, windows.Take());
}

TEST(WindowPos, ChangingHandlerCanAdjustTheNewPosition) {
    TestWindows windows;
    HWND popup = windows.Create("w", WS_POPUP, nullptr, kRect);
    windows.answer = [](HWND, UINT message, WPARAM, LPARAM lParam, LRESULT*) {
        if (message == WM_WINDOWPOSCHANGING) reinterpret_cast<WINDOWPOS*>(lParam)->cx = 77;
        return false;
    };
    SetWindowPos(popup, nullptr, 0, 0, 50, 50, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT rect{};
    GetClientRect(popup, &rect);
    EXPECT_EQ(77, rect.right);
    EXPECT_EQ(50, rect.bottom);
}

// A child inside a large parent that clips it, so that only the child's own
// repainting is seen.
HWND GrowingChild(TestWindows& windows) {
    HWND parent = windows.Create("p", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, nullptr, RECT{0, 0, 300, 300});
    HWND child = windows.Create("c", WS_CHILD | WS_VISIBLE, parent, kRect);
    ValidateRect(parent, nullptr);
    ValidateRect(child, nullptr);
    SetWindowPos(child, nullptr, 0, 0, 130, 80, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return child;
}

TEST(WindowPos, GrowingRepaintsOnlyTheNewPart) {
    TestWindows windows;
    EXPECT_EQ("100,0 130,80", UpdateRect(GrowingChild(windows)));
}

TEST(WindowPos, GrowingRepaintsAllOfAClassThatRedrawsOnResize) {
    TestWindows windows(CS_HREDRAW | CS_VREDRAW);
    EXPECT_EQ("0,0 130,80", UpdateRect(GrowingChild(windows)));
}

TEST(WindowPos, MovingAChildExposesWhereItWas) {
    TestWindows windows;
    HWND parent = windows.Create("p", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, nullptr, RECT{0, 0, 200, 200});
    HWND child = windows.Create("c", WS_CHILD | WS_VISIBLE, parent, RECT{10, 10, 30, 30});
    ValidateRect(parent, nullptr);
    ValidateRect(child, nullptr);
    SetWindowPos(child, nullptr, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ("10,10 30,30", UpdateRect(parent));
    EXPECT_EQ("empty", UpdateRect(child)) << "its pixels move with it";
}

TEST(WindowPos, GoneWindowCannotBeMoved) {
    TestWindows windows;
    HWND popup = windows.Create("w", WS_POPUP, nullptr, kRect);
    DestroyWindow(popup);
    windows.Take();
    EXPECT_FALSE(SetWindowPos(popup, nullptr, 0, 0, 0, 0, kFrameUpdate));
    EXPECT_TRUE(windows.Take().empty());
}

}  // namespace
