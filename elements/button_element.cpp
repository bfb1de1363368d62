#include "button_element.h"

#include "handle_release.h"

CButtonShowElements::~CButtonShowElements() = default;

void CButtonShowElements::RefreshWindows() { RedrawWindows(); }

void CButtonShowElements::MergeFrom(CMFCShowElement*) {}

void CButtonShowElements::ReleaseObjects() {
    // Each field on its own: an icon held in both fields is deleted twice.
    DeleteIfHeld(m_hIcon);
    DeleteIfHeld(m_hIconAlt);
    DeleteAndForget(m_hbmBack);
}
