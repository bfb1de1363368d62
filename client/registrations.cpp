#include "registrations.h"

namespace client {
namespace {

bool Register(CMFCShowElement& element, HWND window) {
    return element.m_arrNotifyWnd.push_back(window) && element.m_arrRedrawWnd.push_back(window);
}

}  // namespace

bool RegisterButtonWindows(CHallShowElements& hall, const HallWindows& w) {
    bool all = true;
    // Only the first toolbar button is told of a change: the toolbar itself
    // listens there, since its bar pictures come from the caption.
    if (!hall.m_arrToolButton.empty()) all &= Register(hall.m_arrToolButton[0], w.toolbar);
    for (size_t i = 0; i < hall.m_arrToolButton.size() && i < kToolButtons; ++i)
        all &= Register(hall.m_arrToolButton[i], w.toolButtons[i]);
    for (size_t i = 0; i < hall.m_arrExitButton.size() && i < kExitEntries; ++i)
        all &= Register(hall.m_arrExitButton[i], w.exitEntries[i]);
    return all;
}

bool RegisterHallWindows(CHallShowElements& hall, CTreeShowElements& tree, const HallWindows& w) {
    // The caption's first window leads the module to the main window, whose frame it updates.
    bool all = Register(hall.m_caption, w.main);
    all &= Register(hall.m_mainTab, w.mainTabs);
    all &= Register(hall.m_tab, w.tabs);
    all &= Register(hall.m_tab, w.sideTabs);
    all &= Register(hall.m_room, w.room);
    all &= Register(hall.m_personList, w.personList);
    all &= Register(hall.m_chat, w.chat);
    for (HWND splitter : w.splitters) all &= Register(hall.m_splitter, splitter);
    all &= Register(hall.m_tree, w.tree);
    all &= Register(tree, w.treeHeader);
    return RegisterButtonWindows(hall, w) && all;
}

}  // namespace client
