#pragma once
// The module loaded by name, as a host loads it, for the length of a test.
#include <windows.h>

#include <cstdlib>

// The default module, or the pack module the run names in SKIN_TEST_MODULE.
inline const char* TestedModuleFile() {
    const char* named = std::getenv("SKIN_TEST_MODULE");
    return named ? named : SKIN_MODULE_FILE;
}

class LoadedModule {
public:
    LoadedModule() : module_(LoadLibraryA(TestedModuleFile())) {}
    ~LoadedModule() {
        if (module_ != nullptr) FreeLibrary(module_);
    }
    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;

    HMODULE get() const { return module_; }
    template <class Fn>
    Fn Export(const char* name) const {
        return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
    }

private:
    HMODULE module_;
};
