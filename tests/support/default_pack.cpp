#include "default_pack.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "pack_values.h"

namespace skintest {

const skin::SkinValues& DefaultPackValues() {
    static const skin::SkinValues values = [] {
        skin::SkinValues read;
        kit::Problems problems;
        kit::ReadPackValues(DEFAULT_PACK_TOML, "pack.toml", read, problems);
        for (const kit::Problem& problem : problems) ADD_FAILURE() << DEFAULT_PACK_TOML << ": " << problem.Text();
        return read;
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

std::string ResolvedText(skin::SkinColour colour) {
    const COLORREF value = Resolved(colour);
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", GetRValue(value), GetGValue(value), GetBValue(value));
    return text;
}

}  // namespace skintest
