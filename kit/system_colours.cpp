#include "system_colours.h"

#include <iterator>

namespace kit {
namespace {

// By index; index 25 has no name of its own.
constexpr std::string_view kNames[] = {
    "COLOR_SCROLLBAR",       "COLOR_BACKGROUND",    "COLOR_ACTIVECAPTION",
    "COLOR_INACTIVECAPTION", "COLOR_MENU",          "COLOR_WINDOW",
    "COLOR_WINDOWFRAME",     "COLOR_MENUTEXT",      "COLOR_WINDOWTEXT",
    "COLOR_CAPTIONTEXT",     "COLOR_ACTIVEBORDER",  "COLOR_INACTIVEBORDER",
    "COLOR_APPWORKSPACE",    "COLOR_HIGHLIGHT",     "COLOR_HIGHLIGHTTEXT",
    "COLOR_BTNFACE",         "COLOR_BTNSHADOW",     "COLOR_GRAYTEXT",
    "COLOR_BTNTEXT",         "COLOR_INACTIVECAPTIONTEXT", "COLOR_BTNHIGHLIGHT",
    "COLOR_3DDKSHADOW",      "COLOR_3DLIGHT",       "COLOR_INFOTEXT",
    "COLOR_INFOBK",          "",                    "COLOR_HOTLIGHT",
    "COLOR_GRADIENTACTIVECAPTION", "COLOR_GRADIENTINACTIVECAPTION", "COLOR_MENUHILIGHT",
    "COLOR_MENUBAR",
};

}  // namespace

std::optional<int> SystemColourIndex(std::string_view name) {
    if (name.empty()) return std::nullopt;
    for (int i = 0; i < static_cast<int>(std::size(kNames)); ++i)
        if (kNames[i] == name) return i;
    return std::nullopt;
}

std::string_view SystemColourName(int index) {
    if (index < 0 || index >= static_cast<int>(std::size(kNames))) return {};
    return kNames[index];
}

std::vector<std::string_view> SystemColourNames() {
    std::vector<std::string_view> names;
    for (std::string_view name : kNames)
        if (!name.empty()) names.push_back(name);
    return names;
}

}  // namespace kit
