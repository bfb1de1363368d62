#pragma once
// The skin of a server/room tree.
#include "show_element.h"

// Positions in CTreeShowElements::m_arrIcon: index i always holds the icon of
// the same kind of node, even when its load failed.
enum TreeIcon {
    kTreeIconRoot,
    kTreeIconFolder,
    kTreeIconLoad,
    kTreeIconServer,
    kTreeIconRoom,
    kTreeIconDownload,
    kTreeIconOpenedRoom,
    kTreeIconCount
};

class CTreeShowElements : public CMFCShowElement {
public:
    CTreeShowElements() = default;
    CTreeShowElements(const CTreeShowElements&) = default;
    CTreeShowElements& operator=(const CTreeShowElements&) = default;
    SKIN_DESTRUCTOR(CTreeShowElements);

    // Repaints the redraw windows; the tree tells no notify window.
    void RefreshWindows() override;
    // Deletes the background and every icon, then empties the icon list.
    void ReleaseObjects() override;

    COLORREF m_clrBack = 0;
    COLORREF m_clrText = 0;
    COLORREF m_clrLine = 0;
    HandleList<HICON> m_arrIcon;
    HBITMAP m_hbmBack = nullptr;
};

#ifdef SKIN_WIN32_LAYOUT
// Field offsets as a host built with the platform's own compiler sees them.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
static_assert(offsetof(CTreeShowElements, m_arrRedrawWnd) == 4, "CTreeShowElements::m_arrRedrawWnd");
static_assert(offsetof(CTreeShowElements, m_arrNotifyWnd) == 16, "CTreeShowElements::m_arrNotifyWnd");
static_assert(offsetof(CTreeShowElements, m_clrBack) == 28, "CTreeShowElements::m_clrBack");
static_assert(offsetof(CTreeShowElements, m_clrText) == 32, "CTreeShowElements::m_clrText");
static_assert(offsetof(CTreeShowElements, m_clrLine) == 36, "CTreeShowElements::m_clrLine");
static_assert(offsetof(CTreeShowElements, m_arrIcon) == 40, "CTreeShowElements::m_arrIcon");
static_assert(offsetof(CTreeShowElements, m_hbmBack) == 52, "CTreeShowElements::m_hbmBack");
static_assert(sizeof(CTreeShowElements) == 56, "sizeof(CTreeShowElements)");
#ifdef SKIN_ONE_SLOT_DESTRUCTOR
static_assert(std::is_same<decltype(&CTreeShowElements::DeletingDestructor),
                           void* (CTreeShowElements::*)(unsigned int)>::value,
              "CTreeShowElements declares its slot-0 destructor");
#endif
#pragma GCC diagnostic pop
#endif
