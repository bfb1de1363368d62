#include "skinpak1.h"
#include "module_state.h"

CHallShowElements* GetHallFace() { return &skin::g_hallFace; }
