#include "caption_element.h"

#include "handle_release.h"

namespace {

// Keep position, size and Z order; recalculate the frame and redraw it
// without a synchronous paint.
constexpr UINT kFrameUpdate = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED | SWP_DEFERERASE;

BOOL CALLBACK TakeFirstUnownedVisible(HWND window, LPARAM found) {
    if (GetWindow(window, GW_OWNER) != nullptr || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// The host registers the caption's windows under its main window, so the
// first notify window leads to it through its parents and owners. A caption
// with no live notify window falls back to the calling thread's first
// visible, unowned top-level window: the host calls from the thread that owns
// its main window.
HWND FindMainWindow(const WindowList& notify) {
    // Not every platform answers GetAncestor for a destroyed window with null.
    if (!notify.empty() && IsWindow(notify.front())) {
        if (HWND root = GetAncestor(notify.front(), GA_ROOTOWNER)) return root;
    }
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &TakeFirstUnownedVisible, reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace

CCaptionShowElements::~CCaptionShowElements() = default;

void CCaptionShowElements::RefreshWindows() {
    if (!m_arrNotifyWnd.empty()) SendMessageA(m_arrNotifyWnd.front(), WM_FACECHANGED, 0, 0);
    // Looked up after the message: its handler may have changed the list.
    if (HWND main = FindMainWindow(m_arrNotifyWnd)) SetWindowPos(main, nullptr, 0, 0, 0, 0, kFrameUpdate);
}

void CCaptionShowElements::ReleaseObjects() {
    DeleteAndForget(m_hbmFrameLeft);
    DeleteAndForget(m_hbmFrameRight);
    DeleteAndForget(m_hbmFrameTop);
    DeleteAndForget(m_hbmFrameBottom);
    DeleteAndForget(m_hbmTitleLeft);
    DeleteAndForget(m_hbmTitleMid);
    DeleteAndForget(m_hbmTitleRight);
    DeleteAndForget(m_hbmStatusLeft);
    DeleteAndForget(m_hbmStatusMid);
    DeleteAndForget(m_hbmStatusRight);
    DeleteAndForget(m_hbmMenuBar);
    DeleteAndForget(m_hbmBarLeft);
    DeleteAndForget(m_hbmBarRight);
    DeleteIfHeld(m_hbmCaption);
    DeleteIfHeld(m_hObject);
    DeleteIfHeld(m_hIconMax);
    DeleteIfHeld(m_hIconMin);
    DeleteIfHeld(m_hIconNormal);
    DeleteIfHeld(m_hIconClose);
    DeleteIfHeld(m_hIconReserved);
    DeleteIfHeld(m_hIconCloseOne);
    DeleteIfHeld(m_hbmMenu);
}
