#pragma once
// Real windows for tests, named so that a recorded message sequence reads
// like the case it checks, with the update state of every window captured at
// each message.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace skintest {

class WindowSet {
public:
    WindowSet();
    ~WindowSet();
    WindowSet(const WindowSet&) = delete;
    WindowSet& operator=(const WindowSet&) = delete;

    // A visible top-level window by default; its initial update region is
    // cleared so that only what a test does shows up.
    HWND Add(const std::string& name, DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE, HWND parentOrOwner = nullptr);
    std::string Name(HWND window) const;

    void ValidateAll();
    // Names of the windows whose update region is not empty, in creation order.
    std::vector<std::string> Invalid() const;

    // Every WM_FACECHANGED and WM_NCCALCSIZE received since the last call, as
    // "N0 WM_FACECHANGED(0,0) invalid[R0 R1]".
    std::vector<std::string> TakeLog();

    // Runs inside the window procedure after a logged message is recorded.
    std::function<void(HWND window, UINT message)> onMessage;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Record(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    std::vector<std::pair<HWND, std::string>> windows_;
    std::vector<std::string> log_;
};

// Compares two sequences entry by entry and reports every differing index.
testing::AssertionResult SameSequence(const std::vector<std::string>& expected,
                                      const std::vector<std::string>& actual);

}  // namespace skintest
