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
