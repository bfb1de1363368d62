#pragma once
// The graphics handles of the button and panel elements, one row per field in
// the order ReleaseObjects gives them back, with whether a null field is
// skipped (no call at all) or passed on to DeleteObject.
#include <windows.h>

#include <string>
#include <vector>

#include "button_element.h"
#include "caption_element.h"
#include "chat_element.h"
#include "splitter_element.h"
#include "tab_element.h"

namespace skintest {

template <class Element>
struct HandleField {
    const char* name;
    HGDIOBJ (*get)(const Element&);
    void (*set)(Element&, HGDIOBJ);
    bool skippedWhenNull;
};

#define SKIN_FIELD(Element, field, skipped)                                                            \
    HandleField<Element> {                                                                           \
        #field, [](const Element& e) -> HGDIOBJ { return e.field; },                                 \
            [](Element& e, HGDIOBJ h) { e.field = static_cast<decltype(Element::field)>(h); }, skipped \
    }

template <class Element>
const std::vector<HandleField<Element>>& ReleaseOrder();

template <>
inline const std::vector<HandleField<CButtonShowElements>>& ReleaseOrder() {
    using E = CButtonShowElements;
    static const std::vector<HandleField<E>> rows = {
        SKIN_FIELD(E, m_hIcon, true),
        SKIN_FIELD(E, m_hIconAlt, true),
        SKIN_FIELD(E, m_hbmBack, false),
    };
    return rows;
}

template <>
inline const std::vector<HandleField<CTabShowElements>>& ReleaseOrder() {
    using E = CTabShowElements;
    static const std::vector<HandleField<E>> rows = {
        SKIN_FIELD(E, m_hbmBack, false),   SKIN_FIELD(E, m_hbmSelect, false),
        SKIN_FIELD(E, m_hbmNoSelect, false), SKIN_FIELD(E, m_hbmBack90, false),
        SKIN_FIELD(E, m_hbmSelect90, false), SKIN_FIELD(E, m_hbmNoSelect90, false),
    };
    return rows;
}

template <>
inline const std::vector<HandleField<CCaptionShowElements>>& ReleaseOrder() {
    using E = CCaptionShowElements;
    static const std::vector<HandleField<E>> rows = {
        SKIN_FIELD(E, m_hbmFrameLeft, false),   SKIN_FIELD(E, m_hbmFrameRight, false),
        SKIN_FIELD(E, m_hbmFrameTop, false),    SKIN_FIELD(E, m_hbmFrameBottom, false),
        SKIN_FIELD(E, m_hbmTitleLeft, false),   SKIN_FIELD(E, m_hbmTitleMid, false),
        SKIN_FIELD(E, m_hbmTitleRight, false),  SKIN_FIELD(E, m_hbmStatusLeft, false),
        SKIN_FIELD(E, m_hbmStatusMid, false),   SKIN_FIELD(E, m_hbmStatusRight, false),
        SKIN_FIELD(E, m_hbmMenuBar, false),     SKIN_FIELD(E, m_hbmBarLeft, false),
        SKIN_FIELD(E, m_hbmBarRight, false),    SKIN_FIELD(E, m_hbmCaption, true),
        SKIN_FIELD(E, m_hObject, true),         SKIN_FIELD(E, m_hIconMax, true),
        SKIN_FIELD(E, m_hIconMin, true),        SKIN_FIELD(E, m_hIconNormal, true),
        SKIN_FIELD(E, m_hIconClose, true),      SKIN_FIELD(E, m_hIconReserved, true),
        SKIN_FIELD(E, m_hIconCloseOne, true),   SKIN_FIELD(E, m_hbmMenu, true),
    };
    return rows;
}

template <>
inline const std::vector<HandleField<CChatShowElements>>& ReleaseOrder() {
    using E = CChatShowElements;
    static const std::vector<HandleField<E>> rows = {
        SKIN_FIELD(E, m_hChatObject3, false), SKIN_FIELD(E, m_hChatObject2, false),
        SKIN_FIELD(E, m_hChatObject4, false), SKIN_FIELD(E, m_hChatObject1, false),
        SKIN_FIELD(E, m_hChatObject5, false), SKIN_FIELD(E, m_hChatObject6, false),
        SKIN_FIELD(E, m_hChatObject7, false), SKIN_FIELD(E, m_hChatObject8, false),
    };
    return rows;
}

template <>
inline const std::vector<HandleField<CSplitterShowElements>>& ReleaseOrder() {
    using E = CSplitterShowElements;
    static const std::vector<HandleField<E>> rows = {
        SKIN_FIELD(E, m_hbmRow, false),
        SKIN_FIELD(E, m_hbmCol, false),
    };
    return rows;
}

#undef SKIN_FIELD

// A distinct, live graphics object for row i: bitmaps and brushes alternate,
// so the deletion of either kind shows.
inline HGDIOBJ NewObject(size_t i) {
    if (i % 2 == 0) return CreateBitmap(2, 2, 1, 32, nullptr);
    return CreateSolidBrush(RGB(i, 2 * i, 3 * i));
}

inline bool Alive(HGDIOBJ object) { return GetObjectType(object) != 0; }

// Stores a new object in every handle field; returns them in release order.
template <class Element>
std::vector<HGDIOBJ> FillHandles(Element& element) {
    std::vector<HGDIOBJ> objects;
    const auto& rows = ReleaseOrder<Element>();
    for (size_t i = 0; i < rows.size(); ++i) {
        objects.push_back(NewObject(i));
        rows[i].set(element, objects.back());
    }
    return objects;
}

}  // namespace skintest
