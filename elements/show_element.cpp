#include "show_element.h"

#include "storage_failure.h"

namespace {

void Invalidate(HWND window) { RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE); }

void Notify(HWND window) { SendMessageA(window, WM_FACECHANGED, 0, 0); }

}  // namespace

// Hosts keep the two lists in step, but a pair is used only when both halves
// exist: nothing is ever read past the end of either list.
size_t CMFCShowElement::PairCount(const CMFCShowElement& element) {
    const size_t redraw = element.m_arrRedrawWnd.size(), notify = element.m_arrNotifyWnd.size();
    return redraw < notify ? redraw : notify;
}

CShowElement::~CShowElement() = default;

void CShowElement::RefreshWindows() {}

CMFCShowElement::~CMFCShowElement() = default;

void CMFCShowElement::RefreshWindows() {
    // The pass covers the pairs present when it starts; pairs a message handler
    // appends wait for the next refresh. A handler that removes pairs ends the
    // pass early instead of leaving it reading freed entries.
    const size_t n = PairCount(*this);
    for (size_t i = 0; i < n && i < m_arrNotifyWnd.size(); ++i) {
        Notify(m_arrNotifyWnd[i]);
        if (i >= m_arrRedrawWnd.size()) break;
        Invalidate(m_arrRedrawWnd[i]);
    }
}

void CMFCShowElement::MergeFrom(CMFCShowElement* pOther) {
    if (pOther == nullptr || pOther == this) return;
    AppendRegistrations(*pOther);
}

void CMFCShowElement::ReleaseObjects() {}

void CMFCShowElement::NotifyWindows() {
    for (size_t i = 0; i < m_arrNotifyWnd.size(); ++i) Notify(m_arrNotifyWnd[i]);
}

void CMFCShowElement::RedrawWindows() {
    for (size_t i = 0; i < m_arrRedrawWnd.size(); ++i) Invalidate(m_arrRedrawWnd[i]);
}

bool CMFCShowElement::AppendRegistrations(const CMFCShowElement& other) {
    const size_t pairs = PairCount(other);
    if (!StorageObtained(m_arrNotifyWnd.reserve(m_arrNotifyWnd.size() + pairs) &&
                         m_arrRedrawWnd.reserve(m_arrRedrawWnd.size() + pairs)))
        return false;
    for (size_t i = 0; i < pairs; ++i) {
        m_arrNotifyWnd.push_back(other.m_arrNotifyWnd[i]);
        m_arrRedrawWnd.push_back(other.m_arrRedrawWnd[i]);
    }
    return true;
}
