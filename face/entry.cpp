#include "entry.h"

#include "hall_skin.h"
#include "module_state.h"
#include "values_block.h"

namespace {

// The hall face is filled once per loaded module; a second attach changes
// nothing. A fill that cannot get its storage, or a module whose values block
// it cannot read, refuses the attach, so the host's LoadLibrary fails cleanly
// instead of handing out an empty skin.
BOOL AttachProcess(HINSTANCE instance) {
    if (skin::HallFaceFilled(skin::g_hallFace)) return TRUE;
    if (!skin::ReadValuesBlock(skin::g_values)) {
        SetLastError(ERROR_BAD_FORMAT);
        return FALSE;
    }
    OutputDebugStringA(skin::g_values.moduleName);
    skin::g_hInstance = instance;
    return skin::LoadHallSkin(skin::g_hallFace, skin::g_values, instance) ? TRUE : FALSE;
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE hinstDLL, DWORD fdwReason, LPVOID) {
    if (fdwReason == DLL_PROCESS_ATTACH) return AttachProcess(hinstDLL);
    return TRUE;
}
