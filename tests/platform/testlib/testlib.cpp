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

// Like the skin module, this one loads a resource of its own while it is
// being attached, before the loader has returned its handle to anyone.
namespace {
HBITMAP loadedAtAttach = nullptr;
}

#ifdef _WIN32
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) loadedAtAttach = LoadBitmapA(instance, "RGB24");
    return TRUE;
}
#else
__attribute__((constructor)) static void Attach() { loadedAtAttach = LoadBitmapA(TestLibSelf(), "RGB24"); }
#endif

// Hands the bitmap loaded at attach to the caller, who deletes it.
TESTLIB_EXPORT HBITMAP TestLibTakeAttachBitmap() {
    HBITMAP taken = loadedAtAttach;
    loadedAtAttach = nullptr;
    return taken;
}
