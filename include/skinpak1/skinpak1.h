#pragma once
// The module as a host sees it: the skin element classes, laid out and
// declared exactly as the module compiles them, and the two exports.
//
// The module builds every element; a host reads their fields, grows their
// lists, and calls their virtual operations through pointers the module gives
// it. The lists' storage comes from the C runtime heap that host and module
// share (msvcrt.dll's), so a host grows them through these declarations and
// never frees them itself.
#include "hall_elements.h"
#include "layout.h"
#include "tree_element.h"

#if defined(_WIN32)
#define SKIN_EXPORT
#else
#define SKIN_EXPORT __attribute__((visibility("default")))
#endif

extern "C" {
// The hall face, filled with the default skin at process attach; always the same address.
SKIN_EXPORT CHallShowElements* GetHallFace();
// Releases and reloads the tree face's graphics, then returns it; always the
// same address. Null, with ERROR_NOT_ENOUGH_MEMORY, where the first call
// cannot get the storage for the icons; the face is then as it was.
SKIN_EXPORT CTreeShowElements* GetTreeFace();
}

// The exports' types, for hosts that resolve them by name.
using GetHallFaceFn = CHallShowElements* (*)();
using GetTreeFaceFn = CTreeShowElements* (*)();
