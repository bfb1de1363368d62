#include "entry.h"

#include "module_state.h"

namespace {

bool Attached() { return skin::g_hInstance != nullptr; }

void AttachProcess(HINSTANCE instance) {
    // A second attach must leave everything as the first one made it.
    if (Attached()) return;
    OutputDebugStringA("skinpak1.dll");
    skin::g_hInstance = instance;
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE hinstDLL, DWORD fdwReason, LPVOID) {
    if (fdwReason == DLL_PROCESS_ATTACH) AttachProcess(hinstDLL);
    return TRUE;
}
