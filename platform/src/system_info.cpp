// System colours, metrics and identities of the calling process and thread.
#include <windows.h>

#include <sys/syscall.h>
#include <unistd.h>

#include "system_colour_table.h"
#include "trace_record.h"

extern "C" DWORD WINAPI GetSysColor(int nIndex) {
    win32::RecordCall("GetSysColor", nullptr, std::to_string(nIndex));
    if (nIndex < 0 || nIndex >= catalogue::kSystemColourCount) return 0;
    return catalogue::kSystemColours[nIndex].colorref;
}

extern "C" int WINAPI GetSystemMetrics(int nIndex) {
    switch (nIndex) {
        case SM_CXSCREEN: return 1024;
        case SM_CYSCREEN: return 768;
        case SM_CXICON:
        case SM_CYICON: return 32;
        case SM_CXSMICON:
        case SM_CYSMICON: return 16;
        default: return 0;
    }
}

extern "C" DWORD WINAPI GetCurrentThreadId(void) {
    thread_local const DWORD id = static_cast<DWORD>(syscall(SYS_gettid));
    return id;
}

extern "C" DWORD WINAPI GetCurrentProcessId(void) { return static_cast<DWORD>(getpid()); }

extern "C" void WINAPI OutputDebugStringA(LPCSTR lpOutputString) {
    win32::RecordCall("OutputDebugStringA", nullptr, lpOutputString ? lpOutputString : "");
}
