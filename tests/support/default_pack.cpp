#include "default_pack.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "colour_text.h"
#include "pack_values.h"

namespace skintest {

skin::SkinValues PackValues(const std::string& tomlPath) {
    skin::SkinValues read;
    kit::Problems problems;
    kit::ReadPackValues(tomlPath, "pack.toml", read, problems);
    for (const kit::Problem& problem : problems) ADD_FAILURE() << tomlPath << ": " << problem.Text();
    return read;
}

const skin::SkinValues& DefaultPackValues() {
    static const skin::SkinValues values = PackValues(DEFAULT_PACK_TOML);
    return values;
}

const skin::SkinValues& TestedPackValues() {
    static const skin::SkinValues values = [] {
        const char* folder = std::getenv("SKIN_TEST_PACK_DIR");
        return folder ? PackValues(std::string(folder) + "/pack.toml") : DefaultPackValues();
    }();
    return values;
}

COLORREF Resolved(skin::SkinColour colour) {
    switch (colour.word & skin::kColourKindMask) {
        case skin::kColourLiteral: return colour.word;
        case skin::kColourSystem: return GetSysColor(static_cast<int>(colour.word & 0xFFu));
        default: return 0;
    }
}

std::string ResolvedText(skin::SkinColour colour) { return kit::ColourText(skin::SkinColour{Resolved(colour)}); }

}  // namespace skintest
