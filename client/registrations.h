#pragma once
// Which window is registered in which element. Every window is in both lists
// of its element, as one pair, so that it is told of a change and repainted.
#include "hall_windows.h"
#include "skinpak1.h"

namespace client {

// Everything, into faces that hold no registration of the client's yet.
// False when a list could not grow; what was added stays.
bool RegisterHallWindows(CHallShowElements& hall, CTreeShowElements& tree, const HallWindows& windows);

// The toolbar's and the exit menu's windows alone: a button's merge moves nothing.
bool RegisterButtonWindows(CHallShowElements& hall, const HallWindows& windows);

}  // namespace client
