#pragma once
// What the timing host calls beyond msvc_abi/windows.h: the high-resolution
// clock, and printf and atoi from msvcrt.dll.
#include <windows.h>

extern "C" __declspec(dllimport) BOOL WINAPI QueryPerformanceCounter(long long* count);
extern "C" __declspec(dllimport) BOOL WINAPI QueryPerformanceFrequency(long long* frequency);
extern "C" int printf(const char* format, ...);
extern "C" int atoi(const char* text);

// LoadLibraryExA's flag that maps a library without calling its entry point.
constexpr DWORD kDontResolveDllReferences = 0x00000001;
