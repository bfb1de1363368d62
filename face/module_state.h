#pragma once
// The module's process-wide state: its instance and the faces it hands out.
#include <windows.h>

#include "hall_elements.h"
#include "tree_element.h"

namespace skin {

// The module's own instance, recorded at process attach; every picture is loaded from it.
extern HINSTANCE g_hInstance;
extern CHallShowElements g_hallFace;
extern CTreeShowElements g_treeFace;

}  // namespace skin
