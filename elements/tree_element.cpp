#include "tree_element.h"

CTreeShowElements::~CTreeShowElements() = default;

void CTreeShowElements::RefreshWindows() { RedrawWindows(); }

void CTreeShowElements::ReleaseObjects() {
    if (m_hbmBack != nullptr) {
        DeleteObject(m_hbmBack);
        m_hbmBack = nullptr;
    }
    // Icons get the same call as bitmaps. The ones loaded by name are shared
    // and survive it, which is what lets the tree face load them again.
    for (HICON& icon : m_arrIcon) {
        if (icon == nullptr) continue;
        DeleteObject(icon);
        icon = nullptr;
    }
    m_arrIcon.clear();
}
