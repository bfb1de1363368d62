// On the real platform the loader calls DllMain once the module's static
// objects are built, and again before they are destroyed. Elsewhere the shared
// library's own start-up and shut-down play that part: this object is built
// after the faces and so destroyed before them. The platform hears the
// entry point's answer to attach, to fail the load that it refuses.
#include <module_entry.h>

#include "entry.h"

namespace {

HINSTANCE OwnInstance() {
    HMODULE self = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&DllMain), &self);
    return self;
}

struct LoaderCalls {
    LoaderCalls() { ReportProcessAttach(DllMain(OwnInstance(), DLL_PROCESS_ATTACH, nullptr)); }
    ~LoaderCalls() { DllMain(OwnInstance(), DLL_PROCESS_DETACH, nullptr); }
};

LoaderCalls loaderCalls;

}  // namespace
