#pragma once
// How the module's operations report storage they could not get.
#include <windows.h>

// Returns `obtained`. Where it is false, the thread's last error says so, as
// after the platform's own calls that run out of memory; the operation that
// asked leaves everything as it was.
inline bool StorageObtained(bool obtained) {
    if (!obtained) SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return obtained;
}
