#pragma once
// A module mapped without the loader's binding and entry call: the test binds
// its imports itself, answering one of them with a function of its own, and
// calls its entry point. The replacement then sees every call the module
// makes to that import, from its process attach on.
#include <windows.h>

struct ReplacedImport {
    const char* library;  // as the module names it, e.g. "msvcrt.dll"
    const char* name;     // the imported name, e.g. the decorated operator new
    void* function;
};

struct BoundModule {
    HMODULE module;  // null where the module could not be mapped or bound
    BOOL attached;   // the entry point's answer to process attach
};

// Maps and binds `file`, then runs its process attach. Every library it
// imports from must already be loaded in this process.
BoundModule LoadBound(const char* file, const ReplacedImport& replaced);
// Runs the process detach of an attached module, then unmaps it.
void UnloadBound(const BoundModule& bound);
