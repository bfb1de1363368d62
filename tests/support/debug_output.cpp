#include "debug_output.h"

#include <windows.h>

#ifndef _WIN32
#include <platform_trace.h>
#endif

namespace skintest {

#ifdef _WIN32
namespace {

// OutputDebugStringA raises this exception and swallows it when no debugger
// is attached; a vectored handler sees it first.
constexpr DWORD kDebugPrint = 0x40010006;
std::vector<std::string> captured;

LONG CALLBACK Capture(EXCEPTION_POINTERS* info) {
    const EXCEPTION_RECORD* record = info->ExceptionRecord;
    if (record->ExceptionCode == kDebugPrint && record->NumberParameters >= 2) {
        const char* text = reinterpret_cast<const char*>(record->ExceptionInformation[1]);
        const size_t length = static_cast<size_t>(record->ExceptionInformation[0]);
        captured.emplace_back(text, length > 0 && text[length - 1] == '\0' ? length - 1 : length);
    }
    return EXCEPTION_CONTINUE_SEARCH;
}

}  // namespace

void StartDebugOutputCapture() {
    static const PVOID handler = AddVectoredExceptionHandler(1, &Capture);
    (void)handler;
}

std::vector<std::string> TakeDebugOutput() {
    std::vector<std::string> taken;
    taken.swap(captured);
    return taken;
}
#else
namespace {
std::vector<std::string> captured;
}

void StartDebugOutputCapture() {}

// The platform's trace holds every call; the debugger text is kept here until asked for.
std::vector<std::string> TakeDebugOutput() {
    for (const platform_trace::Call& call : platform_trace::Take())
        if (call.function == "OutputDebugStringA") captured.push_back(call.detail);
    std::vector<std::string> taken;
    taken.swap(captured);
    return taken;
}
#endif

}  // namespace skintest
