#pragma once
// Giving a field's graphics object back to the platform. Icons take the same
// call as bitmaps: the ones loaded by name are shared and survive it.
#include <windows.h>

// Deletes whatever the field names, a null handle included (that deletes nothing).
template <class Handle>
void DeleteAndForget(Handle& handle) {
    DeleteObject(handle);
    handle = nullptr;
}

// As DeleteAndForget, but a null field makes no call at all.
template <class Handle>
void DeleteIfHeld(Handle& handle) {
    if (handle != nullptr) DeleteAndForget(handle);
}
