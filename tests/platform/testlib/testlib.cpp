// A small module for the loader tests: an export to call, a way to learn its
// own instance the way the skin module does, and resources of every kind the
// resource loaders decode (testlib_resources.S).
#include <windows.h>

#ifdef _WIN32
#define TESTLIB_EXPORT extern "C" __declspec(dllexport)
#else
#define TESTLIB_EXPORT extern "C" __attribute__((visibility("default")))
#endif

TESTLIB_EXPORT int TestLibAnswer() { return 42; }

TESTLIB_EXPORT HMODULE TestLibSelf() {
    HMODULE self = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&TestLibAnswer), &self);
    return self;
}
