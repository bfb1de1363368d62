#pragma once
// Checks for a test built in the platform compiler's ABI, where no test
// framework builds: every check names itself, is counted, and on failure
// prints what was expected and what was found.
#include <stdarg.h>
#include <stddef.h>

extern "C" int printf(const char* format, ...);
extern "C" int _vsnprintf(char* buffer, size_t size, const char* format, va_list arguments);

namespace check {

inline int passed = 0;
inline int failed = 0;
// The part of the test being run, printed with every failure.
inline const char* topic = "";

// Formats into one of a ring of buffers, so that a check's name and its two
// values can all be made before the check reads them.
inline const char* Text(const char* format, ...) {
    static char ring[8][160];
    static int next = 0;
    char* buffer = ring[next++ % 8];
    va_list arguments;
    va_start(arguments, format);
    _vsnprintf(buffer, sizeof ring[0] - 1, format, arguments);
    va_end(arguments);
    buffer[sizeof ring[0] - 1] = '\0';
    return buffer;
}

inline bool Report(bool ok, const char* name, const char* expected, const char* actual) {
    if (ok) {
        ++passed;
        return true;
    }
    ++failed;
    printf("FAIL [%s] %s: expected %s, got %s\n", topic, name, expected, actual);
    return false;
}

inline bool Eq(const char* name, long expected, long actual) {
    return Report(expected == actual, name, Text("%ld (0x%lx)", expected, expected), Text("%ld (0x%lx)", actual, actual));
}

inline bool Eq(const char* name, const void* expected, const void* actual) {
    return Report(expected == actual, name, Text("%p", expected), Text("%p", actual));
}

inline bool SameText(const char* a, const char* b) {
    size_t i = 0;
    while (a[i] != '\0' && a[i] == b[i]) ++i;
    return a[i] == b[i];
}

inline bool EqText(const char* name, const char* expected, const char* actual) {
    if (actual == nullptr) return Report(false, name, Text("\"%s\"", expected), "null");
    return Report(SameText(expected, actual), name, Text("\"%s\"", expected), Text("\"%s\"", actual));
}

inline bool True(const char* name, bool actual) { return Report(actual, name, "true", "false"); }

// Prints the tally; the exit code says whether anything failed.
inline int Finish(const char* program) {
    printf("%s: %d passed, %d failed\n", program, passed, failed);
    return failed == 0 ? 0 : 1;
}

}  // namespace check
