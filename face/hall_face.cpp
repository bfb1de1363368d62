#include "exports.h"
#include "module_state.h"

CHallShowElements* GetHallFace() { return &skin::g_hallFace; }
