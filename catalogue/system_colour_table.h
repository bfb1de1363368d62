#pragma once
// The platform's system colours by index: the name pack files write, and the
// colour of the classic default scheme, which the portable platform answers
// GetSysColor with and `skinkit derive --resolve-system` starts from. Plain
// C++ with no system header, so that platform/ and the kit (also built alone
// for the build machine) read the one table.
#include <cstdint>
#include <iterator>
#include <string_view>

namespace catalogue {

struct SystemColour {
    std::string_view name;  // "COLOR_BTNFACE"; empty where the index has no name of its own
    std::uint32_t colorref;  // 0x00BBGGRR
};

constexpr std::uint32_t ColorRef(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return red | green << 8 | blue << 16;
}

inline constexpr SystemColour kSystemColours[] = {
    {"COLOR_SCROLLBAR", ColorRef(212, 208, 200)},
    {"COLOR_BACKGROUND", ColorRef(58, 110, 165)},
    {"COLOR_ACTIVECAPTION", ColorRef(10, 36, 106)},
    {"COLOR_INACTIVECAPTION", ColorRef(128, 128, 128)},
    {"COLOR_MENU", ColorRef(212, 208, 200)},
    {"COLOR_WINDOW", ColorRef(255, 255, 255)},
    {"COLOR_WINDOWFRAME", ColorRef(0, 0, 0)},
    {"COLOR_MENUTEXT", ColorRef(0, 0, 0)},
    {"COLOR_WINDOWTEXT", ColorRef(0, 0, 0)},
    {"COLOR_CAPTIONTEXT", ColorRef(255, 255, 255)},
    {"COLOR_ACTIVEBORDER", ColorRef(212, 208, 200)},
    {"COLOR_INACTIVEBORDER", ColorRef(212, 208, 200)},
    {"COLOR_APPWORKSPACE", ColorRef(128, 128, 128)},
    {"COLOR_HIGHLIGHT", ColorRef(10, 36, 106)},
    {"COLOR_HIGHLIGHTTEXT", ColorRef(255, 255, 255)},
    {"COLOR_BTNFACE", ColorRef(212, 208, 200)},
    {"COLOR_BTNSHADOW", ColorRef(128, 128, 128)},
    {"COLOR_GRAYTEXT", ColorRef(128, 128, 128)},
    {"COLOR_BTNTEXT", ColorRef(0, 0, 0)},
    {"COLOR_INACTIVECAPTIONTEXT", ColorRef(212, 208, 200)},
    {"COLOR_BTNHIGHLIGHT", ColorRef(255, 255, 255)},
    {"COLOR_3DDKSHADOW", ColorRef(64, 64, 64)},
    {"COLOR_3DLIGHT", ColorRef(212, 208, 200)},
    {"COLOR_INFOTEXT", ColorRef(0, 0, 0)},
    {"COLOR_INFOBK", ColorRef(255, 255, 225)},
    {"", ColorRef(181, 181, 181)},  // the alternate button face, which the headers leave unnamed
    {"COLOR_HOTLIGHT", ColorRef(0, 0, 200)},
    {"COLOR_GRADIENTACTIVECAPTION", ColorRef(166, 202, 240)},
    {"COLOR_GRADIENTINACTIVECAPTION", ColorRef(192, 192, 192)},
    {"COLOR_MENUHILIGHT", ColorRef(10, 36, 106)},
    {"COLOR_MENUBAR", ColorRef(212, 208, 200)},
};

constexpr int kSystemColourCount = static_cast<int>(std::size(kSystemColours));

}  // namespace catalogue
