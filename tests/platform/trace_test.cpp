// The portable platform's trace of calls that no window can observe.
#include <gtest/gtest.h>
#include <platform_trace.h>
#include <windows.h>

namespace {

using platform_trace::Call;

TEST(Trace, RecordsEveryDeletionWithItsHandle) {
    platform_trace::Clear();
    HBRUSH brush = CreateSolidBrush(0);
    DeleteObject(brush);
    DeleteObject(brush);
    DeleteObject(nullptr);
    const std::vector<Call> expected = {{"DeleteObject", brush, ""}, {"DeleteObject", brush, ""},
                                        {"DeleteObject", nullptr, ""}};
    EXPECT_EQ(expected, platform_trace::Take());
}

TEST(Trace, RecordsLibraryReleasesEvenOfUnknownHandles) {
    platform_trace::Clear();
    HMODULE module = LoadLibraryA(TESTLIB_FILE);
    ASSERT_NE(nullptr, module);
    platform_trace::Clear();  // the library's start-up loads pictures of its own
    EXPECT_TRUE(FreeLibrary(module));
    HMODULE bogus = reinterpret_cast<HMODULE>(static_cast<ULONG_PTR>(0x5000));
    EXPECT_FALSE(FreeLibrary(bogus));
    const std::vector<Call> expected = {{"FreeLibrary", module, ""}, {"FreeLibrary", bogus, ""}};
    EXPECT_EQ(expected, platform_trace::Take());
}

TEST(Trace, RecordsLoadsWithTheirResultAndColoursWithTheirIndex) {
    HMODULE module = LoadLibraryA(TESTLIB_FILE);
    ASSERT_NE(nullptr, module);
    platform_trace::Clear();
    HBITMAP bitmap = LoadBitmapA(module, "RGB24");
    HBITMAP missing = LoadBitmapA(module, MAKEINTRESOURCEA(999));
    HICON icon = LoadIconA(module, "small");
    GetSysColor(COLOR_BTNFACE);
    ASSERT_NE(nullptr, bitmap);
    ASSERT_EQ(nullptr, missing);
    const std::vector<Call> expected = {{"LoadBitmapA", bitmap, "RGB24"},
                                        {"LoadBitmapA", nullptr, "#999"},
                                        {"LoadIconA", icon, "small"},
                                        {"GetSysColor", nullptr, "15"}};
    EXPECT_EQ(expected, platform_trace::Take());
    DeleteObject(bitmap);
    FreeLibrary(module);
}

TEST(Trace, RecordsDebuggerTextAndFrameUpdates) {
    platform_trace::Clear();
    OutputDebugStringA("skinpak1.dll");
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = "TraceTestWindow";
    RegisterClassA(&wc);
    HWND window = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED | SWP_DEFERERASE);
    DestroyWindow(window);
    const std::vector<Call> expected = {{"OutputDebugStringA", nullptr, "skinpak1.dll"},
                                        {"SetWindowPos", window, "0x2027"}};
    EXPECT_EQ(expected, platform_trace::Take()) << "hiding a window on destruction is not a SetWindowPos call";
    EXPECT_TRUE(platform_trace::Take().empty()) << "taken calls are forgotten";
}

TEST(Trace, FrameChangeOfAPlainClassLeavesTheClientAreaValid) {
    // A window without a frame has nothing outside its client area to repaint.
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = "TraceTestPlain";
    RegisterClassA(&wc);
    HWND window = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr,
                                  nullptr, nullptr);
    ValidateRect(window, nullptr);
    SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE));
    DestroyWindow(window);
}

}  // namespace
