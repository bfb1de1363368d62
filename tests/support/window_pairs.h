#pragma once
// Registered window lists read back as names, for any set of named windows:
// real ones (WindowSet) or stand-ins (HandleNames).
#include <windows.h>

#include <string>
#include <vector>

#include "show_element.h"

namespace skintest {

template <class Namer>
std::vector<std::string> Names(const Namer& windows, const WindowList& list) {
    std::vector<std::string> names;
    for (HWND w : list) names.push_back(windows.Name(w));
    return names;
}

// Registers the pair ("N" + suffix, "R" + suffix).
template <class Namer>
void AddPair(Namer& windows, CMFCShowElement& element, const std::string& suffix) {
    element.m_arrNotifyWnd.push_back(windows.Add("N" + suffix));
    element.m_arrRedrawWnd.push_back(windows.Add("R" + suffix));
}

}  // namespace skintest
