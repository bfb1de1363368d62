#pragma once
// Graphics objects (bitmaps, brushes, pens, device contexts) and icons,
// which the real platform keeps apart from them as user objects.
#include <windows.h>

#include "dib_format.h"
#include "handle_table.h"
#include "icon_format.h"

namespace win32 {

struct Bitmap : Object {
    Bitmap() : Object(Kind::Bitmap) {}
    BitmapData data;
    bool stock = false;  // the shared 1 x 1 bitmap, never destroyed
};

struct Brush : Object {
    Brush() : Object(Kind::Brush) {}
    COLORREF color = 0;
};

struct Pen : Object {
    Pen() : Object(Kind::Pen) {}
    int style = 0;
    int width = 0;
    COLORREF color = 0;
};

struct DeviceContext : Object {
    explicit DeviceContext(Kind kind) : Object(kind) {}
};

struct Icon : Object {
    Icon() : Object(Kind::Icon) {}
    bool shared = false;  // belongs to its module, outlives DestroyIcon
    IconPicture picture;
};

// Expect the global lock to be held; 0 when no handle is left.
std::uint32_t AddBitmapLocked(BitmapData data);

}  // namespace win32
