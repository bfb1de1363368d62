#include "colour_text.h"

#include <cstdio>

#include "nearest_name.h"
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

bool AllHexDigits(std::string_view text) {
    for (char c : text)
        if (HexDigit(c) < 0) return false;
    return true;
}

}  // namespace

bool ParseColour(std::string_view text, skin::SkinColour& colour, std::string& why) {
    const std::string quoted = "\"" + std::string(text) + "\"";
    if (text.substr(0, kSystemPrefix.size()) == kSystemPrefix) {
        const std::string_view name = text.substr(kSystemPrefix.size());
        const std::optional<int> index = SystemColourIndex(name);
        if (!index) {
            const std::optional<std::string> meant = NearestName(name, SystemColourNames());
            why = "\"" + std::string(name) + "\" is not a system colour" +
                  (meant ? "; did you mean \"" + *meant + "\"?" : " (such as COLOR_BTNFACE)");
            return false;
        }
        colour.word = skin::kColourSystem | static_cast<std::uint32_t>(*index);
        return true;
    }
    if (text.empty() || text[0] != '#') {
        why = quoted + " is not a colour";
        if (text.size() == 6 && AllHexDigits(text)) {
            why += "; did you mean \"#" + std::string(text) + "\"?";
        } else if (SystemColourIndex(text)) {
            why += "; did you mean \"system:" + std::string(text) + "\"?";
        } else {
            why += ": write \"#RRGGBB\" or \"system:COLOR_…\"";
        }
        return false;
    }
    const std::string_view digits = text.substr(1);
    for (char c : digits)
        if (HexDigit(c) < 0) {
            why = quoted + " is not a colour: '" + std::string(1, c) + "' is not a hex digit";
            return false;
        }
    if (digits.size() != 6) {
        why = quoted + " is not a colour: it has " + std::to_string(digits.size()) + " hex digits, want 6";
        // The three-digit shorthand of style sheets doubles each digit.
        if (digits.size() == 3)
            why += "; did you mean \"#" + std::string(2, digits[0]) + std::string(2, digits[1]) +
                   std::string(2, digits[2]) + "\"?";
        return false;
    }
    std::uint32_t rgb = 0;
    for (char c : digits) rgb = rgb << 4 | static_cast<std::uint32_t>(HexDigit(c));
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
