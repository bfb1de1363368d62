#pragma once
// The resource script subset the skin uses: LANGUAGE statements, bitmaps and
// icon groups named by identifiers and stored in files, and C/C++ comments.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rescomp {

struct ScriptEntry {
    enum class Kind { Bitmap, Icon };
    Kind kind;
    std::string name;        // upper case, as the compiled resource carries it
    std::string file;        // as written in the script
    std::uint16_t language;  // from the last LANGUAGE statement before it
    int line;
};

// Language of resources that precede any LANGUAGE statement (U.S. English),
// the same default the platform's own compiler uses.
constexpr std::uint16_t kDefaultLanguage = 0x0409;

// Throws CompileError naming scriptName and the line for anything outside
// the subset, and for a name given twice.
std::vector<ScriptEntry> parseScript(std::string_view text, const std::string& scriptName);

}  // namespace rescomp
