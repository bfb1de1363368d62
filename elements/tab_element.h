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

#ifdef SKIN_WIN32_LAYOUT
#include <cstddef>
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
static_assert(sizeof(CTabShowElements) == 80, "tab size");
static_assert(offsetof(CTabShowElements, m_arrRedrawWnd) == 4, "m_arrRedrawWnd");
static_assert(offsetof(CTabShowElements, m_arrNotifyWnd) == 16, "m_arrNotifyWnd");
static_assert(offsetof(CTabShowElements, m_clrLine) == 28, "m_clrLine");
static_assert(offsetof(CTabShowElements, m_clrText) == 32, "m_clrText");
static_assert(offsetof(CTabShowElements, m_clrFace) == 36, "m_clrFace");
static_assert(offsetof(CTabShowElements, m_clrActiveText) == 40, "m_clrActiveText");
static_assert(offsetof(CTabShowElements, m_clrActiveLine) == 44, "m_clrActiveLine");
static_assert(offsetof(CTabShowElements, m_clrInactiveText) == 48, "m_clrInactiveText");
static_assert(offsetof(CTabShowElements, m_nTabSize1) == 52, "m_nTabSize1");
static_assert(offsetof(CTabShowElements, m_nTabSize2) == 54, "m_nTabSize2");
static_assert(offsetof(CTabShowElements, m_hbmBack) == 56, "m_hbmBack");
static_assert(offsetof(CTabShowElements, m_hbmSelect) == 60, "m_hbmSelect");
static_assert(offsetof(CTabShowElements, m_hbmNoSelect) == 64, "m_hbmNoSelect");
static_assert(offsetof(CTabShowElements, m_hbmBack90) == 68, "m_hbmBack90");
static_assert(offsetof(CTabShowElements, m_hbmSelect90) == 72, "m_hbmSelect90");
static_assert(offsetof(CTabShowElements, m_hbmNoSelect90) == 76, "m_hbmNoSelect90");
#pragma GCC diagnostic pop
#endif
