#pragma once
// The real loader calls a module's entry point itself and fails LoadLibrary
// when the entry point refuses process attach. A shared library here calls
// its entry point from its own start-up code instead, and passes the answer on
// with this call, so that LoadLibrary can fail in the same way: it unloads the
// module again, which runs its detach, and returns null with
// ERROR_DLL_INIT_FAILED.
#include <windows.h>

extern "C" void WINAPI ReportProcessAttach(BOOL succeeded);
