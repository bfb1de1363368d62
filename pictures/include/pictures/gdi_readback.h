#pragma once
// A bitmap's pixels read back through the system's own calls, as any client
// of the skin can read them.
#include <windows.h>

#include "pictures/image.h"

namespace pictures {

// Every pixel opaque, top row first; empty when the handle names no bitmap
// or the system does not give all its rows.
Image readBitmap(HBITMAP bitmap);

}  // namespace pictures
