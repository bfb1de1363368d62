// Modules over the dynamic loader. A module's handle is the address of its
// ELF header, as on the real platform a module's handle is its image base,
// so a module can find itself from any of its own addresses.
#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

#include <climits>
#include <cstring>
#include <map>
#include <string>

#include "handle_table.h"
#include "last_error.h"
#include "module_entry.h"
#include "module_resources.h"
#include "trace_record.h"

namespace win32 {
namespace {

struct LoadedLibrary {
    void* handle = nullptr;
    int references = 0;
};

// Libraries loaded through this platform, by base address.
std::map<std::uintptr_t, LoadedLibrary>& Libraries() {
    static auto* libraries = new std::map<std::uintptr_t, LoadedLibrary>();
    return *libraries;
}

std::uintptr_t BaseOfHandle(void* handle) {
    link_map* map = nullptr;
    if (dlinfo(handle, RTLD_DI_LINKMAP, &map) != 0 || !map) return 0;
    Dl_info info{};
    if (!dladdr(map->l_ld, &info)) return 0;
    return reinterpret_cast<std::uintptr_t>(info.dli_fbase);
}

std::string ExecutableDirectory() {
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return std::string();
    path[length] = '\0';
    char* slash = std::strrchr(path, '/');
    if (slash) *slash = '\0';
    return path;
}

// A bare file name is looked for beside the program first, as the real
// platform does, then where the dynamic loader looks.
void* OpenLibrary(const char* name, int flags) {
    if (!std::strchr(name, '/')) {
        const std::string local = ExecutableDirectory() + "/" + name;
        if (access(local.c_str(), F_OK) == 0)
            if (void* handle = dlopen(local.c_str(), flags)) return handle;
    }
    return dlopen(name, flags);
}

// Whether a module's entry point refused process attach during the load in
// progress on this thread. The modules a load brings in attach on the thread
// that loads them, and any refusal fails the load, as on the real platform.
thread_local bool attachRefused = false;

// Keeps a module loaded for one more FreeLibrary.
void AddReference(std::uintptr_t base, void* handle) {
    Guard guard(GlobalLock());
    LoadedLibrary& library = Libraries()[base];
    if (library.references == 0) library.handle = handle;
    ++library.references;
}

// A handle of the loader for a loaded module, without taking a reference of
// its own; close it when done.
void* PeekHandle(std::uintptr_t base) {
    LoadedObject object;
    if (!LocateObject(base, &object)) return nullptr;
    return dlopen(object.path.empty() ? nullptr : object.path.c_str(), RTLD_LAZY | RTLD_NOLOAD);
}

}  // namespace
}  // namespace win32

using namespace win32;

extern "C" HMODULE WINAPI LoadLibraryA(LPCSTR lpLibFileName) {
    if (!lpLibFileName || !*lpLibFileName) return Fail<HMODULE>(ERROR_INVALID_PARAMETER, nullptr);
    const bool outerRefused = attachRefused;
    attachRefused = false;
    void* handle = OpenLibrary(lpLibFileName, RTLD_NOW | RTLD_LOCAL);
    const bool refused = attachRefused;
    attachRefused = outerRefused;
    if (!handle) return Fail<HMODULE>(ERROR_MOD_NOT_FOUND, nullptr);
    if (refused) {
        dlclose(handle);
        return Fail<HMODULE>(ERROR_DLL_INIT_FAILED, nullptr);
    }
    const std::uintptr_t base = BaseOfHandle(handle);
    if (!base) {
        dlclose(handle);
        return Fail<HMODULE>(ERROR_MOD_NOT_FOUND, nullptr);
    }
    AddReference(base, handle);
    return reinterpret_cast<HMODULE>(base);
}

extern "C" void WINAPI ReportProcessAttach(BOOL succeeded) {
    if (!succeeded) attachRefused = true;
}

extern "C" BOOL WINAPI FreeLibrary(HMODULE hLibModule) {
    RecordCall("FreeLibrary", hLibModule);
    const std::uintptr_t base = reinterpret_cast<std::uintptr_t>(hLibModule);
    void* handle = nullptr;
    {
        Guard guard(GlobalLock());
        auto it = Libraries().find(base);
        if (!hLibModule || it == Libraries().end()) return Fail(ERROR_INVALID_HANDLE, FALSE);
        handle = it->second.handle;
        if (--it->second.references == 0) Libraries().erase(it);
    }
    // The module's own unload code runs here, free to call the platform.
    if (dlclose(handle) != 0) return Fail(ERROR_INVALID_HANDLE, FALSE);
    ForgetUnloadedModule(base);
    return TRUE;
}

extern "C" BOOL WINAPI GetModuleHandleExA(DWORD dwFlags, LPCSTR lpModuleName, HMODULE* phModule) {
    if (!phModule) return Fail(ERROR_INVALID_PARAMETER, FALSE);
    *phModule = nullptr;
    std::uintptr_t base = 0;
    std::string path;
    if (dwFlags & GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS) {
        Dl_info info{};
        if (!dladdr(lpModuleName, &info) || !info.dli_fbase) return Fail(ERROR_MOD_NOT_FOUND, FALSE);
        base = reinterpret_cast<std::uintptr_t>(info.dli_fbase);
    } else if (!lpModuleName) {
        base = MainProgramBase();
    } else {
        void* handle = OpenLibrary(lpModuleName, RTLD_LAZY | RTLD_NOLOAD);
        if (!handle) return Fail(ERROR_MOD_NOT_FOUND, FALSE);
        base = BaseOfHandle(handle);
        dlclose(handle);
        if (!base) return Fail(ERROR_MOD_NOT_FOUND, FALSE);
    }
    if (!(dwFlags & GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT)) {
        void* handle = PeekHandle(base);
        if (!handle) return Fail(ERROR_MOD_NOT_FOUND, FALSE);
        AddReference(base, handle);
    }
    *phModule = reinterpret_cast<HMODULE>(base);
    return TRUE;
}

extern "C" HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName) {
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT, lpModuleName, &module);
    return module;
}

extern "C" FARPROC WINAPI GetProcAddress(HMODULE hModule, LPCSTR lpProcName) {
    // Exports by ordinal do not exist in ELF images.
    if (!lpProcName || IS_INTRESOURCE(lpProcName)) return Fail<FARPROC>(ERROR_PROC_NOT_FOUND, nullptr);
    const std::uintptr_t base = ModuleBase(hModule);
    void* handle = nullptr;
    {
        Guard guard(GlobalLock());
        auto it = Libraries().find(base);
        if (it != Libraries().end()) handle = it->second.handle;
    }
    bool peeked = false;
    if (!handle) {
        handle = PeekHandle(base);
        if (!handle) return Fail<FARPROC>(ERROR_MOD_NOT_FOUND, nullptr);
        peeked = true;
    }
    void* symbol = dlsym(handle, lpProcName);
    if (peeked) dlclose(handle);
    // The loader also searches a module's dependencies; only the module's own symbols count.
    Dl_info info{};
    if (!symbol || !dladdr(symbol, &info) || reinterpret_cast<std::uintptr_t>(info.dli_fbase) != base)
        return Fail<FARPROC>(ERROR_PROC_NOT_FOUND, nullptr);
    return reinterpret_cast<FARPROC>(symbol);
}
