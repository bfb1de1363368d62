#pragma once
// Colours as pack files write them: "#RRGGBB" (red first) or "system:COLOR_…".
#include <string>
#include <string_view>

#include "skin_values.h"

namespace kit {

// Reads a colour; false with the reason where the text is not one.
bool ParseColour(std::string_view text, skin::SkinColour& colour, std::string& why);
// The canonical text of a colour: upper-case hex or the system colour's name.
std::string ColourText(skin::SkinColour colour);

}  // namespace kit
