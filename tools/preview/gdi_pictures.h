#pragma once
// The pixels of the skin's bitmaps and icons, read back through the
// platform's own calls as any client can.
#include <windows.h>

#include "canvas.h"

namespace preview {

// Empty when the handle is null or names no bitmap.
Picture ReadBitmap(HBITMAP bitmap);
// The bitmap's width and height; false when the handle names no bitmap.
bool BitmapSize(HBITMAP bitmap, int* width, int* height);
// The icon's colours with its AND mask; empty when the handle names no icon.
Picture ReadIcon(HICON icon);

}  // namespace preview
