#pragma once
// The module's process-wide state: its instance and the faces it hands out.
#include <windows.h>

#include "hall_elements.h"
#include "skin_values.h"
#include "tree_element.h"

namespace skin {

// The module's own instance, recorded at process attach; every picture is loaded from it.
extern HINSTANCE g_hInstance;
// The pack's values, read from the module at process attach.
extern SkinValues g_values;
extern CHallShowElements g_hallFace;
extern CTreeShowElements g_treeFace;

}  // namespace skin
