#include "tab_element.h"

#include "handle_release.h"

CTabShowElements::~CTabShowElements() {
    // The pictures are only forgotten here; ReleaseObjects alone deletes them.
    m_hbmBack = m_hbmSelect = m_hbmNoSelect = nullptr;
    m_hbmBack90 = m_hbmSelect90 = m_hbmNoSelect90 = nullptr;
}

void CTabShowElements::RefreshWindows() { RedrawWindows(); }

void CTabShowElements::ReleaseObjects() {
    DeleteAndForget(m_hbmBack);
    DeleteAndForget(m_hbmSelect);
    DeleteAndForget(m_hbmNoSelect);
    DeleteAndForget(m_hbmBack90);
    DeleteAndForget(m_hbmSelect90);
    DeleteAndForget(m_hbmNoSelect90);
}
