#pragma once
// Windows for the platform's conformance tests, each with a name, whose
// procedure records the messages the tests look at. The real platform sends
// more (activation, painting, input method); only the recorded kinds are
// compared, so one expectation holds on every build.
#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace plattest {

std::string MessageName(UINT message);

class TestWindows {
public:
    // classStyle selects one of two classes: plain, or CS_HREDRAW | CS_VREDRAW.
    explicit TestWindows(UINT classStyle = 0);
    ~TestWindows();
    TestWindows(const TestWindows&) = delete;
    TestWindows& operator=(const TestWindows&) = delete;

    HWND Create(const std::string& name, DWORD style, HWND parentOrOwner = nullptr, RECT rect = RECT{10, 20, 110, 100});
    std::string Name(HWND window) const;

    // "name MESSAGE" for each recorded message since the last call.
    std::vector<std::string> Take();

    // Answers a message instead of the default procedure when it returns true.
    std::function<bool(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)> answer;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    const char* className_;
    std::map<HWND, std::string> names_;
    std::vector<HWND> created_;
    std::vector<std::string> log_;
};

// The update rectangle of a window as text, "empty" when there is none.
std::string UpdateRect(HWND window);

}  // namespace plattest
