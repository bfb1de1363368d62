#include "tree_element.h"

#include "handle_release.h"

CTreeShowElements::~CTreeShowElements() = default;

void CTreeShowElements::RefreshWindows() { RedrawWindows(); }

void CTreeShowElements::ReleaseObjects() {
    DeleteIfHeld(m_hbmBack);
    // The icons loaded by name are shared and survive the deletion, which is
    // what lets the tree face load them again.
    for (HICON& icon : m_arrIcon) DeleteIfHeld(icon);
    m_arrIcon.clear();
}
