// The system colours of the portable platform: the classic default scheme.
#include <gtest/gtest.h>
#include <windows.h>

namespace {

struct Colour {
    int index;
    COLORREF value;
};

TEST(SystemColours, ClassicDefaultScheme) {
    const Colour table[] = {
        {COLOR_SCROLLBAR, RGB(212, 208, 200)},  {COLOR_BACKGROUND, RGB(58, 110, 165)},
        {COLOR_ACTIVECAPTION, RGB(10, 36, 106)}, {COLOR_INACTIVECAPTION, RGB(128, 128, 128)},
        {COLOR_MENU, RGB(212, 208, 200)},        {COLOR_WINDOW, RGB(255, 255, 255)},
        {COLOR_WINDOWFRAME, RGB(0, 0, 0)},       {COLOR_MENUTEXT, RGB(0, 0, 0)},
        {COLOR_WINDOWTEXT, RGB(0, 0, 0)},        {COLOR_CAPTIONTEXT, RGB(255, 255, 255)},
        {COLOR_ACTIVEBORDER, RGB(212, 208, 200)}, {COLOR_INACTIVEBORDER, RGB(212, 208, 200)},
        {COLOR_APPWORKSPACE, RGB(128, 128, 128)}, {COLOR_HIGHLIGHT, RGB(10, 36, 106)},
        {COLOR_HIGHLIGHTTEXT, RGB(255, 255, 255)}, {COLOR_BTNFACE, RGB(212, 208, 200)},
        {COLOR_BTNSHADOW, RGB(128, 128, 128)},   {COLOR_GRAYTEXT, RGB(128, 128, 128)},
        {COLOR_BTNTEXT, RGB(0, 0, 0)},           {COLOR_INACTIVECAPTIONTEXT, RGB(212, 208, 200)},
        {COLOR_BTNHIGHLIGHT, RGB(255, 255, 255)}, {COLOR_3DDKSHADOW, RGB(64, 64, 64)},
        {COLOR_3DLIGHT, RGB(212, 208, 200)},     {COLOR_INFOTEXT, RGB(0, 0, 0)},
        {COLOR_INFOBK, RGB(255, 255, 225)},      {25, RGB(181, 181, 181)},
        {COLOR_HOTLIGHT, RGB(0, 0, 200)},        {COLOR_GRADIENTACTIVECAPTION, RGB(166, 202, 240)},
        {COLOR_GRADIENTINACTIVECAPTION, RGB(192, 192, 192)}, {COLOR_MENUHILIGHT, RGB(10, 36, 106)},
        {COLOR_MENUBAR, RGB(212, 208, 200)},
    };
    for (const Colour& c : table) {
        SCOPED_TRACE("index " + std::to_string(c.index));
        EXPECT_EQ(c.value, GetSysColor(c.index));
    }
    EXPECT_EQ(0u, GetSysColor(31)) << "beyond the table";
    EXPECT_EQ(0u, GetSysColor(-1));
}

}  // namespace
