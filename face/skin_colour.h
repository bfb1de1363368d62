#pragma once
// How the fill writes a colour of the pack's values into an element's field.
#include <windows.h>

#include "skin_values.h"

namespace skin {

// A system colour is read as the field is written, so the face holds the
// scheme of that moment; a colour the pack leaves unset leaves the field alone.
inline void WriteColour(COLORREF& field, SkinColour colour) {
    switch (colour.word & kColourKindMask) {
        case kColourLiteral: field = colour.word; break;
        case kColourSystem: field = GetSysColor(static_cast<int>(colour.word & 0xFFu)); break;
        default: break;
    }
}

}  // namespace skin
