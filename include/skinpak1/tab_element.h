#pragma once
// The skin of a tab strip.
#include "show_element.h"

class CTabShowElements : public CMFCShowElement {
public:
    CTabShowElements() = default;
    CTabShowElements(const CTabShowElements&) = default;
    CTabShowElements& operator=(const CTabShowElements&) = default;
    SKIN_DESTRUCTOR(CTabShowElements);

    // Repaints the redraw windows; the hall tells the notify windows itself.
    void RefreshWindows() override;
    // Deletes the six bitmaps.
    void ReleaseObjects() override;

    COLORREF m_clrLine = 0;
    COLORREF m_clrText = 0;
    COLORREF m_clrFace = 0;
    COLORREF m_clrActiveText = 0;
    COLORREF m_clrActiveLine = 0;
    COLORREF m_clrInactiveText = 0;
    short m_nTabSize1 = 0;
    short m_nTabSize2 = 0;
    HBITMAP m_hbmBack = nullptr;
    HBITMAP m_hbmSelect = nullptr;
    HBITMAP m_hbmNoSelect = nullptr;
    // The same pictures turned a quarter; a horizontal-only strip leaves them null.
    HBITMAP m_hbmBack90 = nullptr;
    HBITMAP m_hbmSelect90 = nullptr;
    HBITMAP m_hbmNoSelect90 = nullptr;
};
