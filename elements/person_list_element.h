#pragma once
// The skin of the person list: its colours, background, status icons and
// the libraries that carry head pictures.
#include "show_element.h"

// Positions in CPersonListShowElements::m_arrStatusIcon: index i always holds
// the icon of the same status, even when its load failed.
enum PersonStatusIcon {
    kPersonIconWait,
    kPersonIconAgree,
    kPersonIconPlay,
    kPersonIconWatch,
    kPersonIconWork,
    kPersonIconFood,
    kPersonIconSleep,
    kPersonIconStop,
    kPersonIconCall,
    kPersonIconFast,
    kPersonIconCount
};

constexpr int kHeadPicStemBytes = 20;
// Head-picture libraries are asked for by letter, from 'a' to 'j' at most.
constexpr char kFirstHeadLetter = 'a';
constexpr int kHeadLetterCount = 10;

class CPersonListShowElements : public CMFCShowElement {
public:
    CPersonListShowElements() = default;
    CPersonListShowElements(const CPersonListShowElements&) = default;
    CPersonListShowElements& operator=(const CPersonListShowElements&) = default;
    SKIN_DESTRUCTOR(CPersonListShowElements);

    // Appends pOther's registrations and, from another person list, its extra
    // windows. No graphics, library or stem is taken over.
    void MergeFrom(CMFCShowElement* pOther) override;
    // Deletes the status icons and empties their list, deletes the background,
    // then releases the head libraries; that list keeps its length, holding nulls.
    void ReleaseObjects() override;

    // Asks LoadHeadLibrary for the letters a, b, c, ... until it declines or
    // the letters run out; only while no head library is listed at all.
    virtual void LoadHeadLibraries();
    // Returns nonzero to be asked for the next letter.
    virtual BOOL LoadHeadLibrary(char chLetter);

    COLORREF m_clrPerson1 = 0;
    COLORREF m_clrPerson2 = 0;
    COLORREF m_clrPerson3 = 0;
    COLORREF m_clrPerson4 = 0;
    COLORREF m_clrPerson5 = 0;
    COLORREF m_clrPerson6 = 0;
    COLORREF m_clrPerson7 = 0;
    COLORREF m_clrPerson8 = 0;
    HBITMAP m_hbmBack = nullptr;
    // Only gathered by merging; the module reads it for nothing else.
    WindowList m_arrExtraWnd;
    HandleList<HICON> m_arrStatusIcon;
    HandleList<HINSTANCE> m_arrHeadLib;
    char m_szHeadPicStem[kHeadPicStemBytes] = {};
    int m_nPersonReserved = 0;
};

// The hall's own person list: the host loads its head libraries itself.
class CHall_PersonListShowElements : public CPersonListShowElements {
public:
    CHall_PersonListShowElements() = default;
    CHall_PersonListShowElements(const CHall_PersonListShowElements&) = default;
    CHall_PersonListShowElements& operator=(const CHall_PersonListShowElements&) = default;
    SKIN_DESTRUCTOR(CHall_PersonListShowElements);

    void LoadHeadLibraries() override;
};

#ifdef SKIN_WIN32_LAYOUT
// Field offsets as a host built with the platform's own compiler sees them.
#include <cstddef>
#include <type_traits>
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
static_assert(offsetof(CPersonListShowElements, m_arrRedrawWnd) == 4, "CPersonListShowElements::m_arrRedrawWnd");
static_assert(offsetof(CPersonListShowElements, m_arrNotifyWnd) == 16, "CPersonListShowElements::m_arrNotifyWnd");
static_assert(sizeof(WindowList) == 12 && sizeof(HandleList<HICON>) == 12 && sizeof(HandleList<HINSTANCE>) == 12,
              "handle list");
static_assert(offsetof(CPersonListShowElements, m_clrPerson1) == 28, "CPersonListShowElements::m_clrPerson1");
static_assert(offsetof(CPersonListShowElements, m_clrPerson2) == 32, "CPersonListShowElements::m_clrPerson2");
static_assert(offsetof(CPersonListShowElements, m_clrPerson3) == 36, "CPersonListShowElements::m_clrPerson3");
static_assert(offsetof(CPersonListShowElements, m_clrPerson4) == 40, "CPersonListShowElements::m_clrPerson4");
static_assert(offsetof(CPersonListShowElements, m_clrPerson5) == 44, "CPersonListShowElements::m_clrPerson5");
static_assert(offsetof(CPersonListShowElements, m_clrPerson6) == 48, "CPersonListShowElements::m_clrPerson6");
static_assert(offsetof(CPersonListShowElements, m_clrPerson7) == 52, "CPersonListShowElements::m_clrPerson7");
static_assert(offsetof(CPersonListShowElements, m_clrPerson8) == 56, "CPersonListShowElements::m_clrPerson8");
static_assert(offsetof(CPersonListShowElements, m_hbmBack) == 60, "CPersonListShowElements::m_hbmBack");
static_assert(offsetof(CPersonListShowElements, m_arrExtraWnd) == 64, "CPersonListShowElements::m_arrExtraWnd");
static_assert(offsetof(CPersonListShowElements, m_arrStatusIcon) == 76, "CPersonListShowElements::m_arrStatusIcon");
static_assert(offsetof(CPersonListShowElements, m_arrHeadLib) == 88, "CPersonListShowElements::m_arrHeadLib");
static_assert(offsetof(CPersonListShowElements, m_szHeadPicStem) == 100,
              "CPersonListShowElements::m_szHeadPicStem");
static_assert(sizeof(CPersonListShowElements::m_szHeadPicStem) == 20,
              "sizeof(CPersonListShowElements::m_szHeadPicStem)");
static_assert(offsetof(CPersonListShowElements, m_nPersonReserved) == 120,
              "CPersonListShowElements::m_nPersonReserved");
static_assert(sizeof(CPersonListShowElements) == 124, "sizeof(CPersonListShowElements)");
static_assert(sizeof(CHall_PersonListShowElements) == 124, "sizeof(CHall_PersonListShowElements)");
#ifdef SKIN_ONE_SLOT_DESTRUCTOR
static_assert(std::is_same<decltype(&CPersonListShowElements::DeletingDestructor),
                           void* (CPersonListShowElements::*)(unsigned int)>::value,
              "CPersonListShowElements declares its slot-0 destructor");
static_assert(std::is_same<decltype(&CHall_PersonListShowElements::DeletingDestructor),
                           void* (CHall_PersonListShowElements::*)(unsigned int)>::value,
              "CHall_PersonListShowElements declares its slot-0 destructor");
#endif
#pragma GCC diagnostic pop
#endif
