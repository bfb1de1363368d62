#pragma once
// What a host finds in the module by name.
#include "hall_elements.h"
#include "tree_element.h"

#if defined(_WIN32)
#define SKIN_EXPORT
#else
#define SKIN_EXPORT __attribute__((visibility("default")))
#endif

extern "C" {
// The hall face, filled with the default skin at process attach; always the same address.
SKIN_EXPORT CHallShowElements* GetHallFace();
// Releases and reloads the tree face's graphics, then returns it; always the same address.
SKIN_EXPORT CTreeShowElements* GetTreeFace();
}

// The exports' types, for hosts that resolve them by name.
using GetHallFaceFn = CHallShowElements* (*)();
using GetTreeFaceFn = CTreeShowElements* (*)();
