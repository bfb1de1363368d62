#pragma once
// The hall's windows: made, laid out from the faces' sizes, and told when
// the pack changes.
#include <windows.h>

#include "hall_windows.h"

namespace client {

bool CreateHallWindows(HINSTANCE instance, HallWindows& windows);
void DestroyHallWindows(HallWindows& windows);
// After a pack has come: what the windows cache from the faces (the tree's
// image list and colours, the layout) is made anew, and windows the hall's
// refresh leaves alone are repainted.
void PackChanged(const HallWindows& windows);
void LayOutHall(const HallWindows& windows);
void InvalidateStatusBar(HWND main);

// Window procedures of the panes, which the main window's module registers.
LRESULT CALLBACK ToolbarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ToolButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK TabStripProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK RoomProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK PersonListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ChatProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK SplitterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ExitMenuProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ExitEntryProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK TreeHeaderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK SideTabsProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The tree view and its image list of the hall tree's icons.
HWND CreateTreePane(HINSTANCE instance, HWND parent);
void RebuildTreePane(HWND tree);
void DestroyTreePane(HWND tree);


}  // namespace client
