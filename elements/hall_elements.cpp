#include "hall_elements.h"

#include "handle_release.h"

CHallShowElements::~CHallShowElements() = default;

void CHallShowElements::RefreshWindows() {
    // Tab strips and the splitter repaint without telling anyone, so the hall
    // tells their windows first.
    m_caption.RefreshWindows();
    m_mainTab.NotifyWindows();
    m_mainTab.RefreshWindows();
    m_tab.NotifyWindows();
    m_tab.RefreshWindows();
    m_personList.RefreshWindows();
    m_room.RefreshWindows();
    m_chat.RefreshWindows();
    m_splitter.NotifyWindows();
    m_splitter.RefreshWindows();
    m_tree.RefreshWindows();
    // Only the first toolbar button speaks for the toolbar. A message handler
    // may append buttons (moving the list's storage) or release the hall
    // (emptying it), so the button is found through the list at every step,
    // never held across a message.
    for (size_t i = 0; !m_arrToolButton.empty() && i < m_arrToolButton[0].m_arrNotifyWnd.size(); ++i)
        SendMessageA(m_arrToolButton[0].m_arrNotifyWnd[i], WM_FACECHANGED, 0, 0);
    for (size_t i = 0; i < m_arrToolButton.size(); ++i) m_arrToolButton[i].RefreshWindows();
}

void CHallShowElements::MergeFrom(CMFCShowElement*) {}

namespace {

void ReleaseAndClear(ButtonList& buttons) {
    for (CButtonShowElements& button : buttons) button.ReleaseObjects();
    buttons.clear();
}

}  // namespace

void CHallShowElements::ReleaseObjects() {
    DeleteIfHeld(m_hHallObject1);
    DeleteIfHeld(m_hHallObject2);
    ReleaseAndClear(m_arrToolButton);
    ReleaseAndClear(m_arrExitButton);
    m_caption.ReleaseObjects();
    m_personList.ReleaseObjects();
    m_room.ReleaseObjects();
    m_chat.ReleaseObjects();
    m_mainTab.ReleaseObjects();
    m_tab.ReleaseObjects();
    m_splitter.ReleaseObjects();
    m_tree.ReleaseObjects();
}
