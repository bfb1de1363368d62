#include "entry.h"

#include "hall_skin.h"
#include "module_state.h"

namespace {

void AttachProcess(HINSTANCE instance) {
    // The hall face is filled once per loaded module; a second attach changes nothing.
    if (skin::HallFaceFilled(skin::g_hallFace)) return;
    OutputDebugStringA("skinpak1.dll");
    skin::g_hInstance = instance;
    skin::LoadHallSkin(skin::g_hallFace, instance);
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE hinstDLL, DWORD fdwReason, LPVOID) {
    if (fdwReason == DLL_PROCESS_ATTACH) AttachProcess(hinstDLL);
    return TRUE;
}
