#include "window_set.h"

#include <algorithm>
#include <sstream>

namespace skintest {
namespace {

constexpr char kClassName[] = "SkinTestWindow";
constexpr UINT kFaceChanged = WM_USER + 106;

// The window procedure is shared by every test window; the set being recorded is the live one.
WindowSet* current = nullptr;

void RegisterOnce(WNDPROC procedure) {
    static const bool registered = [procedure] {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = procedure;
        wc.lpszClassName = kClassName;
        return RegisterClassA(&wc) != 0;
    }();
    (void)registered;
}

std::string MessageName(UINT message) {
    switch (message) {
        case kFaceChanged: return "WM_FACECHANGED";
        case WM_NCCALCSIZE: return "WM_NCCALCSIZE";
        default: return "message " + std::to_string(message);
    }
}

}  // namespace

WindowSet::WindowSet() {
    RegisterOnce(&WindowSet::Procedure);
    current = this;
}

WindowSet::~WindowSet() {
    // Owned windows go with their owners; destroy the latest first so none is destroyed twice.
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it)
        if (IsWindow(it->first)) DestroyWindow(it->first);
    if (current == this) current = nullptr;
}

HWND WindowSet::Add(const std::string& name, DWORD style, HWND parentOrOwner) {
    // What the platform sends while it creates a window is not the test's business.
    current = nullptr;
    HWND window = CreateWindowExA(0, kClassName, name.c_str(), style, 10, 10, 120, 80, parentOrOwner, nullptr,
                                  nullptr, nullptr);
    current = this;
    windows_.emplace_back(window, name);
    ValidateRect(window, nullptr);
    return window;
}

std::string WindowSet::Name(HWND window) const {
    for (const auto& entry : windows_)
        if (entry.first == window) return entry.second;
    return "?";
}

void WindowSet::ValidateAll() {
    for (const auto& entry : windows_) ValidateRect(entry.first, nullptr);
}

std::vector<std::string> WindowSet::Invalid() const {
    std::vector<std::string> names;
    for (const auto& entry : windows_) {
        RECT rc;
        if (GetUpdateRect(entry.first, &rc, FALSE)) names.push_back(entry.second);
    }
    return names;
}

std::vector<std::string> WindowSet::TakeLog() {
    std::vector<std::string> taken;
    taken.swap(log_);
    return taken;
}

void WindowSet::Record(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    std::ostringstream line;
    line << Name(window) << ' ' << MessageName(message);
    if (message == kFaceChanged) line << '(' << wParam << ',' << lParam << ')';
    line << " invalid[";
    const std::vector<std::string> invalid = Invalid();
    for (size_t i = 0; i < invalid.size(); ++i) line << (i ? " " : "") << invalid[i];
    line << ']';
    log_.push_back(line.str());
}

LRESULT CALLBACK WindowSet::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (current != nullptr && (message == kFaceChanged || message == WM_NCCALCSIZE)) {
        current->Record(window, message, wParam, lParam);
        if (current->onMessage) current->onMessage(window, message);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

testing::AssertionResult SameSequence(const std::vector<std::string>& expected,
                                      const std::vector<std::string>& actual) {
    if (expected == actual) return testing::AssertionSuccess();
    testing::AssertionResult failure = testing::AssertionFailure();
    const size_t n = std::max(expected.size(), actual.size());
    for (size_t i = 0; i < n; ++i) {
        const std::string want = i < expected.size() ? expected[i] : "(nothing)";
        const std::string got = i < actual.size() ? actual[i] : "(nothing)";
        if (want != got) failure << "\n  [" << i << "] expected: " << want << "\n  [" << i << "]      got: " << got;
    }
    return failure << "\n  (" << expected.size() << " expected, " << actual.size() << " recorded)";
}

}  // namespace skintest
