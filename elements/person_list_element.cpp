#include "person_list_element.h"

#include "storage_failure.h"

CPersonListShowElements::~CPersonListShowElements() = default;

void CPersonListShowElements::MergeFrom(CMFCShowElement* pOther) {
    // Taking from itself would append to the very lists being read.
    if (pOther == nullptr || pOther == this) return;
    // All three lists get their storage before any of them changes.
    const CPersonListShowElements* list = dynamic_cast<const CPersonListShowElements*>(pOther);
    if (list != nullptr &&
        !StorageObtained(m_arrExtraWnd.reserve(m_arrExtraWnd.size() + list->m_arrExtraWnd.size())))
        return;
    if (!AppendRegistrations(*pOther) || list == nullptr) return;
    m_arrExtraWnd.append(list->m_arrExtraWnd.begin(), list->m_arrExtraWnd.end());
}

void CPersonListShowElements::ReleaseObjects() {
    // Icons get the same call as bitmaps.
    for (HICON& icon : m_arrStatusIcon) {
        DeleteObject(icon);
        icon = nullptr;
    }
    m_arrStatusIcon.clear();
    DeleteObject(m_hbmBack);
    m_hbmBack = nullptr;
    // The list keeps its length: a listed library, even a released one, stops
    // LoadHeadLibraries from loading the set again.
    for (HINSTANCE& library : m_arrHeadLib) {
        FreeLibrary(library);
        library = nullptr;
    }
}

void CPersonListShowElements::LoadHeadLibraries() {
    if (!m_arrHeadLib.empty()) return;
    for (int i = 0; i < kHeadLetterCount; ++i)
        if (!LoadHeadLibrary(static_cast<char>(kFirstHeadLetter + i))) return;
}

BOOL CPersonListShowElements::LoadHeadLibrary(char) { return TRUE; }

CHall_PersonListShowElements::~CHall_PersonListShowElements() = default;

void CHall_PersonListShowElements::LoadHeadLibraries() {}
