/* A pack whose tree face never comes: its hall is the second pack's, and its
 * GetTreeFace answers null as a module out of storage does. */
#include <windows.h>

typedef void* (*FaceFn)(void);
static HMODULE g_hallModule;

__declspec(dllexport) void* GetHallFace(void) {
  FaceFn face;
  if (g_hallModule == NULL) g_hallModule = LoadLibraryA("skinpak2.dll");
  face = g_hallModule ? (FaceFn)(void*)GetProcAddress(g_hallModule, "GetHallFace") : NULL;
  return face ? face() : NULL;
}

__declspec(dllexport) void* GetTreeFace(void) {
  SetLastError(ERROR_NOT_ENOUGH_MEMORY);
  return NULL;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  (void)instance;
  /* Only when unloaded by FreeLibrary: at process exit the loader ends every module itself. */
  if (reason == DLL_PROCESS_DETACH && reserved == NULL && g_hallModule != NULL) FreeLibrary(g_hallModule);
  return TRUE;
}
