#pragma once
#include <windows.h>

// The library entry point: process attach fills the module's state once.
extern "C" BOOL WINAPI DllMain(HINSTANCE hinstDLL, DWORD fdwReason, LPVOID lpvReserved);
