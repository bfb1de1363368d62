#pragma once
// The default hall skin, written into the hall face once at process attach.
#include "hall_elements.h"
#include "skin_values.h"

namespace skin {

// True once the hall face has been filled: its person list holds status icons.
bool HallFaceFilled(const CHallShowElements& hall);

// Writes every colour, size and stem of the pack's values and every bitmap and
// icon into a newly constructed hall, loading the pictures from the module
// instance. All
// or nothing: where the lists cannot get storage, the hall is left as
// constructed and this returns false.
bool LoadHallSkin(CHallShowElements& hall, const SkinValues& values, HINSTANCE instance);

}  // namespace skin
