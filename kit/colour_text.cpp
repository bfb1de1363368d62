#include "colour_text.h"

#include <cstdio>

#include "system_colours.h"

namespace kit {
namespace {

constexpr std::string_view kSystemPrefix = "system:";

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

bool ParseColour(std::string_view text, skin::SkinColour& colour, std::string& why) {
    if (text.substr(0, kSystemPrefix.size()) == kSystemPrefix) {
        const std::string_view name = text.substr(kSystemPrefix.size());
        const std::optional<int> index = SystemColourIndex(name);
        if (!index) {
            why = "\"" + std::string(name) + "\" is not a system colour (such as COLOR_BTNFACE)";
            return false;
        }
        colour.word = skin::kColourSystem | static_cast<std::uint32_t>(*index);
        return true;
    }
    if (text.size() != 7 || text[0] != '#') {
        why = "\"" + std::string(text) + "\" is not a colour: write \"#RRGGBB\" or \"system:COLOR_…\"";
        return false;
    }
    std::uint32_t rgb = 0;
    for (char c : text.substr(1)) {
        const int digit = HexDigit(c);
        if (digit < 0) {
            why = "\"" + std::string(text) + "\" is not a colour: '" + std::string(1, c) + "' is not a hex digit";
            return false;
        }
        rgb = rgb << 4 | static_cast<std::uint32_t>(digit);
    }
    // People write red first; a COLORREF holds red in its low byte.
    colour.word = (rgb >> 16 & 0xFFu) | (rgb & 0xFF00u) | (rgb & 0xFFu) << 16;
    return true;
}

std::string ColourText(skin::SkinColour colour) {
    const std::uint32_t kind = colour.word & skin::kColourKindMask;
    if (kind == skin::kColourSystem)
        return std::string(kSystemPrefix) + std::string(SystemColourName(static_cast<int>(colour.word & 0xFFu)));
    if (kind == skin::kColourUnset) return "";
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", static_cast<unsigned>(colour.word & 0xFFu),
                  static_cast<unsigned>(colour.word >> 8 & 0xFFu), static_cast<unsigned>(colour.word >> 16 & 0xFFu));
    return text;
}

}  // namespace kit
