#pragma once
// The skin of one button, and the lists that hold buttons by value.
#include "show_element.h"

class CButtonShowElements : public CMFCShowElement {
public:
    CButtonShowElements() = default;
    // A copy whose window lists could not get storage is not whole: see IsWholeCopy.
    CButtonShowElements(const CButtonShowElements&) = default;
    CButtonShowElements& operator=(const CButtonShowElements&) = default;
    SKIN_DESTRUCTOR(CButtonShowElements);

    // Repaints the redraw windows; which buttons are told of a change is the hall's choice.
    void RefreshWindows() override;
    // A button never takes over another element's registrations.
    void MergeFrom(CMFCShowElement* pOther) override;
    // Deletes both icons and the background. Copies share these handles, so
    // only one of them may be released.
    void ReleaseObjects() override;

    HICON m_hIcon = nullptr;
    HICON m_hIconAlt = nullptr;
    COLORREF m_clrBack = 0;
    COLORREF m_clrText = 0;
    HBITMAP m_hbmBack = nullptr;
};

// A button list keeps a copied button only with both its window lists.
inline bool IsWholeCopy(const CButtonShowElements& copy, const CButtonShowElements& original) {
    return IsWholeCopy(copy.m_arrRedrawWnd, original.m_arrRedrawWnd) &&
           IsWholeCopy(copy.m_arrNotifyWnd, original.m_arrNotifyWnd);
}

// Buttons stored whole and contiguously: the host reads them in place. When
// the list grows, every button is copied before the old ones are destroyed,
// and destroying a button never deletes its graphics.
using ButtonList = SharedHeapList<CButtonShowElements>;
