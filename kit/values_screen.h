#pragma once
// A values file made safe to hand to the TOML parser. Every value, key and
// name of a pack is ASCII; the parser's handling of some other characters is
// not sound, so outside comments only ASCII is taken, and inside comments any
// other character is blanked before parsing.
#include <string>
#include <string_view>

#include "problems.h"

namespace kit {

// The text with the characters of its comments that are not ASCII replaced
// by spaces, one for each character; false, with a problem naming the place,
// where the text is not UTF-8 or holds such a character outside a comment.
bool ScreenValuesText(std::string_view text, const std::string& shownAs, std::string& screened, Problems& problems);

}  // namespace kit
