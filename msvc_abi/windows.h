#pragma once
// The platform services the module calls, declared for a build in the
// platform compiler's own ABI: the system's headers do not compile there, and
// the module needs only this much of them. Types, values and calling
// conventions are the platform's.
#include <stddef.h>

#define WINAPI __stdcall
#define CALLBACK __stdcall
#define SKIN_IMPORT extern "C" __declspec(dllimport)

typedef int BOOL;
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef unsigned long DWORD;
typedef unsigned int UINT;
typedef long LONG;
typedef int INT_PTR;
typedef unsigned int UINT_PTR;
typedef long LONG_PTR;
typedef unsigned long ULONG_PTR;
typedef UINT_PTR WPARAM;
typedef LONG_PTR LPARAM;
typedef LONG_PTR LRESULT;
typedef DWORD COLORREF;
typedef void* LPVOID;
typedef const char* LPCSTR;
typedef char* LPSTR;

#define SKIN_DECLARE_HANDLE(name) \
    struct name##__ {             \
        int unused;               \
    };                            \
    typedef struct name##__* name
SKIN_DECLARE_HANDLE(HWND);
SKIN_DECLARE_HANDLE(HICON);
SKIN_DECLARE_HANDLE(HBITMAP);
SKIN_DECLARE_HANDLE(HBRUSH);
SKIN_DECLARE_HANDLE(HINSTANCE);
SKIN_DECLARE_HANDLE(HRGN);
#undef SKIN_DECLARE_HANDLE
typedef void* HGDIOBJ;
typedef HINSTANCE HMODULE;
typedef struct tagRECT {
    LONG left, top, right, bottom;
} RECT;

#define TRUE 1
#define FALSE 0
#define RGB(r, g, b) ((COLORREF)(((BYTE)(r) | ((WORD)((BYTE)(g)) << 8)) | (((DWORD)(BYTE)(b)) << 16)))

#define DLL_PROCESS_DETACH 0
#define DLL_PROCESS_ATTACH 1
#define WM_USER 0x0400
#define COLOR_HIGHLIGHT 13
#define COLOR_HIGHLIGHTTEXT 14
#define COLOR_BTNFACE 15
#define COLOR_BTNTEXT 18
#define COLOR_CAPTIONTEXT 9
#define COLOR_INACTIVECAPTIONTEXT 19
#define SWP_NOSIZE 0x0001
#define SWP_NOMOVE 0x0002
#define SWP_NOZORDER 0x0004
#define SWP_FRAMECHANGED 0x0020
#define SWP_DEFERERASE 0x2000
#define RDW_INVALIDATE 0x0001
#define GW_OWNER 4
#define GA_ROOTOWNER 3

typedef BOOL(CALLBACK* WNDENUMPROC)(HWND, LPARAM);

SKIN_IMPORT HBITMAP WINAPI LoadBitmapA(HINSTANCE instance, LPCSTR name);
SKIN_IMPORT HICON WINAPI LoadIconA(HINSTANCE instance, LPCSTR name);
SKIN_IMPORT DWORD WINAPI GetSysColor(int index);
SKIN_IMPORT LRESULT WINAPI SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
SKIN_IMPORT BOOL WINAPI RedrawWindow(HWND window, const RECT* update, HRGN region, UINT flags);
SKIN_IMPORT BOOL WINAPI SetWindowPos(HWND window, HWND after, int x, int y, int cx, int cy, UINT flags);
SKIN_IMPORT HWND WINAPI GetWindow(HWND window, UINT relation);
SKIN_IMPORT HWND WINAPI GetAncestor(HWND window, UINT flags);
SKIN_IMPORT BOOL WINAPI IsWindow(HWND window);
SKIN_IMPORT BOOL WINAPI IsWindowVisible(HWND window);
SKIN_IMPORT BOOL WINAPI EnumThreadWindows(DWORD thread, WNDENUMPROC callback, LPARAM data);
SKIN_IMPORT BOOL WINAPI DeleteObject(HGDIOBJ object);
SKIN_IMPORT BOOL WINAPI FreeLibrary(HMODULE module);
SKIN_IMPORT DWORD WINAPI GetCurrentThreadId(void);
SKIN_IMPORT void WINAPI OutputDebugStringA(LPCSTR text);
#undef SKIN_IMPORT
