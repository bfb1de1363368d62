#pragma once
// The skin of the splitter bars.
#include "show_element.h"

class CSplitterShowElements : public CMFCShowElement {
public:
    CSplitterShowElements() = default;
    CSplitterShowElements(const CSplitterShowElements&) = default;
    CSplitterShowElements& operator=(const CSplitterShowElements&) = default;
    SKIN_DESTRUCTOR(CSplitterShowElements);

    // Repaints the redraw windows; the hall tells the notify windows itself.
    void RefreshWindows() override;
    // Deletes both bitmaps.
    void ReleaseObjects() override;

    HBITMAP m_hbmRow = nullptr;
    HBITMAP m_hbmCol = nullptr;
    short m_nSplitterSize1 = 20;
    short m_nSplitterSize2 = 20;
    short m_nSplitterSize3 = 20;
    short m_nSplitterSize4 = 20;
};

#ifdef SKIN_WIN32_LAYOUT
#include <cstddef>
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
static_assert(sizeof(CSplitterShowElements) == 44, "splitter size");
static_assert(offsetof(CSplitterShowElements, m_arrRedrawWnd) == 4, "m_arrRedrawWnd");
static_assert(offsetof(CSplitterShowElements, m_arrNotifyWnd) == 16, "m_arrNotifyWnd");
static_assert(offsetof(CSplitterShowElements, m_hbmRow) == 28, "m_hbmRow");
static_assert(offsetof(CSplitterShowElements, m_hbmCol) == 32, "m_hbmCol");
static_assert(offsetof(CSplitterShowElements, m_nSplitterSize1) == 36, "m_nSplitterSize1");
static_assert(offsetof(CSplitterShowElements, m_nSplitterSize2) == 38, "m_nSplitterSize2");
static_assert(offsetof(CSplitterShowElements, m_nSplitterSize3) == 40, "m_nSplitterSize3");
static_assert(offsetof(CSplitterShowElements, m_nSplitterSize4) == 42, "m_nSplitterSize4");
#pragma GCC diagnostic pop
#endif
