#pragma once
// The skin of the main window's caption, frame, menu bar and status bar.
#include "show_element.h"

class CCaptionShowElements : public CMFCShowElement {
public:
    CCaptionShowElements() = default;
    CCaptionShowElements(const CCaptionShowElements&) = default;
    CCaptionShowElements& operator=(const CCaptionShowElements&) = default;
    SKIN_DESTRUCTOR(CCaptionShowElements);

    // Tells the first notify window, then has the host's main window
    // recalculate and repaint its frame. Either step is left out when its
    // window cannot be found.
    void RefreshWindows() override;
    // Deletes the bitmaps, the icons and the host's object.
    void ReleaseObjects() override;

    COLORREF m_clrCaption = 0;
    COLORREF m_clrCaptionText = 0;
    COLORREF m_clrMenu = 0;
    // The host's own object; the module stores nothing here but deletes what it finds.
    HGDIOBJ m_hObject = nullptr;
    HBITMAP m_hbmCaption = nullptr;
    HBITMAP m_hbmMenu = nullptr;
    HBITMAP m_hbmBarLeft = nullptr;
    HBITMAP m_hbmBarRight = nullptr;
    // Loaded from the same picture as m_hbmMenu, but a handle of its own.
    HBITMAP m_hbmMenuBar = nullptr;
    HBITMAP m_hbmStatusLeft = nullptr;
    HBITMAP m_hbmStatusMid = nullptr;
    HBITMAP m_hbmStatusRight = nullptr;
    HBITMAP m_hbmTitleLeft = nullptr;
    HBITMAP m_hbmTitleMid = nullptr;
    HBITMAP m_hbmTitleRight = nullptr;
    HBITMAP m_hbmFrameLeft = nullptr;
    HBITMAP m_hbmFrameRight = nullptr;
    HBITMAP m_hbmFrameTop = nullptr;
    HBITMAP m_hbmFrameBottom = nullptr;
    HICON m_hIconMax = nullptr;
    HICON m_hIconMin = nullptr;
    HICON m_hIconNormal = nullptr;
    HICON m_hIconClose = nullptr;
    // The host's own icon, if it stores one.
    HICON m_hIconReserved = nullptr;
    HICON m_hIconCloseOne = nullptr;
};
