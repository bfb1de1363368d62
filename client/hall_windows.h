#pragma once
// The client's windows, each painted from one element of the faces.
#include <windows.h>

namespace client {

constexpr int kToolButtons = 8;
constexpr int kExitEntries = 3;
constexpr int kSplitters = 3;  // beside the tree, beside the person list, above the chat

struct HallWindows {
    HWND main = nullptr;  // caption, frame, menu bar and status bar, in its non-client area
    HWND toolbar = nullptr;
    HWND toolButtons[kToolButtons] = {};
    HWND mainTabs = nullptr;
    HWND tabs = nullptr;
    HWND sideTabs = nullptr;  // the secondary strip stood on end beside the room
    HWND treeHeader = nullptr;  // painted from the tree face
    HWND tree = nullptr;
    HWND room = nullptr;
    HWND personList = nullptr;
    HWND chat = nullptr;
    HWND splitters[kSplitters] = {};
    HWND exitMenu = nullptr;
    HWND exitEntries[kExitEntries] = {};
};

// The pane sizes the splitters move.
struct PaneSizes {
    int treeWidth = 190;
    int personWidth = 190;
    int chatHeight = 84;
};

}  // namespace client
