#pragma once
// The root of every skin element, the registrations of the host's windows and
// the protocol that repaints them.
#include <windows.h>

#include "destructor_slot.h"
#include "shared_heap_list.h"

// The list of 32-bit handles that every element uses for windows, icons and
// libraries. Hosts read and grow it in place.
template <class Handle>
using HandleList = SharedHeapList<Handle>;
using WindowList = HandleList<HWND>;

// Sent to a notify window when the skin it paints with has changed.
constexpr UINT WM_FACECHANGED = WM_USER + 106;

class CShowElement {
public:
    CShowElement() = default;
    CShowElement(const CShowElement&) = default;
    CShowElement& operator=(const CShowElement&) = default;
    SKIN_ROOT_DESTRUCTOR(CShowElement);

    virtual void RefreshWindows();
};

class CMFCShowElement : public CShowElement {
public:
    CMFCShowElement() = default;
    CMFCShowElement(const CMFCShowElement&) = default;
    CMFCShowElement& operator=(const CMFCShowElement&) = default;
    SKIN_DESTRUCTOR(CMFCShowElement);

    // Tells every registration's notify window, then invalidates its redraw window.
    void RefreshWindows() override;
    // Appends pOther's registrations behind this element's own, or changes
    // nothing where the lists cannot get storage for them.
    virtual void MergeFrom(CMFCShowElement* pOther);
    // Gives graphics objects and libraries back; the base holds none.
    virtual void ReleaseObjects();

    // Sends WM_FACECHANGED to every notify window, including ones appended meanwhile.
    void NotifyWindows();

    WindowList m_arrRedrawWnd;
    WindowList m_arrNotifyWnd;

protected:
    // The redraw-only refresh: invalidates every redraw window and tells no one.
    void RedrawWindows();
    // The registrations of `element` that have both halves.
    static size_t PairCount(const CMFCShowElement& element);
    // Appends other's registration pairs, all or none: where the lists cannot
    // get storage for them, nothing changes and this returns false.
    bool AppendRegistrations(const CMFCShowElement& other);
};
