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

#ifdef SKIN_WIN32_LAYOUT
#include <cstddef>
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
static_assert(sizeof(CCaptionShowElements) == 128, "caption size");
static_assert(offsetof(CCaptionShowElements, m_arrRedrawWnd) == 4, "m_arrRedrawWnd");
static_assert(offsetof(CCaptionShowElements, m_arrNotifyWnd) == 16, "m_arrNotifyWnd");
static_assert(offsetof(CCaptionShowElements, m_clrCaption) == 28, "m_clrCaption");
static_assert(offsetof(CCaptionShowElements, m_clrCaptionText) == 32, "m_clrCaptionText");
static_assert(offsetof(CCaptionShowElements, m_clrMenu) == 36, "m_clrMenu");
static_assert(offsetof(CCaptionShowElements, m_hObject) == 40, "m_hObject");
static_assert(offsetof(CCaptionShowElements, m_hbmCaption) == 44, "m_hbmCaption");
static_assert(offsetof(CCaptionShowElements, m_hbmMenu) == 48, "m_hbmMenu");
static_assert(offsetof(CCaptionShowElements, m_hbmBarLeft) == 52, "m_hbmBarLeft");
static_assert(offsetof(CCaptionShowElements, m_hbmBarRight) == 56, "m_hbmBarRight");
static_assert(offsetof(CCaptionShowElements, m_hbmMenuBar) == 60, "m_hbmMenuBar");
static_assert(offsetof(CCaptionShowElements, m_hbmStatusLeft) == 64, "m_hbmStatusLeft");
static_assert(offsetof(CCaptionShowElements, m_hbmStatusMid) == 68, "m_hbmStatusMid");
static_assert(offsetof(CCaptionShowElements, m_hbmStatusRight) == 72, "m_hbmStatusRight");
static_assert(offsetof(CCaptionShowElements, m_hbmTitleLeft) == 76, "m_hbmTitleLeft");
static_assert(offsetof(CCaptionShowElements, m_hbmTitleMid) == 80, "m_hbmTitleMid");
static_assert(offsetof(CCaptionShowElements, m_hbmTitleRight) == 84, "m_hbmTitleRight");
static_assert(offsetof(CCaptionShowElements, m_hbmFrameLeft) == 88, "m_hbmFrameLeft");
static_assert(offsetof(CCaptionShowElements, m_hbmFrameRight) == 92, "m_hbmFrameRight");
static_assert(offsetof(CCaptionShowElements, m_hbmFrameTop) == 96, "m_hbmFrameTop");
static_assert(offsetof(CCaptionShowElements, m_hbmFrameBottom) == 100, "m_hbmFrameBottom");
static_assert(offsetof(CCaptionShowElements, m_hIconMax) == 104, "m_hIconMax");
static_assert(offsetof(CCaptionShowElements, m_hIconMin) == 108, "m_hIconMin");
static_assert(offsetof(CCaptionShowElements, m_hIconNormal) == 112, "m_hIconNormal");
static_assert(offsetof(CCaptionShowElements, m_hIconClose) == 116, "m_hIconClose");
static_assert(offsetof(CCaptionShowElements, m_hIconReserved) == 120, "m_hIconReserved");
static_assert(offsetof(CCaptionShowElements, m_hIconCloseOne) == 124, "m_hIconCloseOne");
#pragma GCC diagnostic pop
#endif
