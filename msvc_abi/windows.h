#pragma once
// The platform services the module and its test hosts call, declared for a
// build in the platform compiler's own ABI: the system's headers do not
// compile there, and only this much of them is needed. Types, values and
// calling conventions are the platform's.
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
typedef ULONG_PTR SIZE_T;
typedef UINT_PTR WPARAM;
typedef LONG_PTR LPARAM;
typedef LONG_PTR LRESULT;
typedef DWORD COLORREF;
typedef void* LPVOID;
typedef const char* LPCSTR;
typedef void* HANDLE;
typedef char* LPSTR;
typedef WORD ATOM;

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
SKIN_DECLARE_HANDLE(HMENU);
#undef SKIN_DECLARE_HANDLE
typedef void* HGDIOBJ;
typedef HINSTANCE HMODULE;
typedef HICON HCURSOR;
typedef struct tagRECT {
    LONG left, top, right, bottom;
} RECT;
typedef struct tagBITMAP {
    LONG bmType;
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;
    WORD bmPlanes;
    WORD bmBitsPixel;
    LPVOID bmBits;
} BITMAP;

#define TRUE 1
#define FALSE 0
#define RGB(r, g, b) ((COLORREF)(((BYTE)(r) | ((WORD)((BYTE)(g)) << 8)) | (((DWORD)(BYTE)(b)) << 16)))

#define ERROR_NOT_ENOUGH_MEMORY 8L
#define ERROR_BAD_FORMAT 11L
#define PAGE_READWRITE 0x04
#define DLL_PROCESS_DETACH 0
#define DLL_PROCESS_ATTACH 1
#define WM_NCCALCSIZE 0x0083
#define WM_USER 0x0400
#define WS_OVERLAPPEDWINDOW 0x00CF0000L
#define WS_VISIBLE 0x10000000L
#define WS_CHILD 0x40000000L
#define OBJ_BRUSH 2
#define OBJ_BITMAP 7
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
typedef LRESULT(CALLBACK* WNDPROC)(HWND, UINT, WPARAM, LPARAM);
typedef INT_PTR(WINAPI* FARPROC)(void);
typedef struct tagWNDCLASSA {
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    LPCSTR lpszMenuName;
    LPCSTR lpszClassName;
} WNDCLASSA;

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
SKIN_IMPORT void WINAPI SetLastError(DWORD error);
SKIN_IMPORT DWORD WINAPI GetLastError(void);
// Used by the test hosts alone.
SKIN_IMPORT ATOM WINAPI RegisterClassA(const WNDCLASSA* windowClass);
SKIN_IMPORT HWND WINAPI CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                                        int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                                        LPVOID param);
SKIN_IMPORT BOOL WINAPI DestroyWindow(HWND window);
SKIN_IMPORT LRESULT WINAPI DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
SKIN_IMPORT BOOL WINAPI GetUpdateRect(HWND window, RECT* rect, BOOL erase);
SKIN_IMPORT BOOL WINAPI ValidateRect(HWND window, const RECT* rect);
SKIN_IMPORT DWORD WINAPI GetObjectType(HGDIOBJ object);
SKIN_IMPORT int WINAPI GetObjectA(HGDIOBJ object, int size, LPVOID buffer);
SKIN_IMPORT HBITMAP WINAPI CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
SKIN_IMPORT HBRUSH WINAPI CreateSolidBrush(COLORREF colour);
SKIN_IMPORT HMODULE WINAPI LoadLibraryA(LPCSTR fileName);
SKIN_IMPORT HMODULE WINAPI LoadLibraryExA(LPCSTR fileName, HANDLE file, DWORD flags);
SKIN_IMPORT BOOL WINAPI VirtualProtect(LPVOID address, SIZE_T size, DWORD protection, DWORD* oldProtection);
SKIN_IMPORT FARPROC WINAPI GetProcAddress(HMODULE module, LPCSTR procName);
SKIN_IMPORT HMODULE WINAPI GetModuleHandleA(LPCSTR moduleName);
#undef SKIN_IMPORT
