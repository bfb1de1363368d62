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
