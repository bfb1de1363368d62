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
