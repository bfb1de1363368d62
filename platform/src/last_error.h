#pragma once
#include <windows.h>

namespace win32 {

// Sets the calling thread's last error and passes the result through, for
// one-line failure returns.
template <class T>
T Fail(DWORD error, T result) {
    SetLastError(error);
    return result;
}

}  // namespace win32
