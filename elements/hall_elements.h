#pragma once
// The skin of the whole hall window: one element per area, refreshed and
// released together in fixed orders.
#include "button_element.h"
#include "caption_element.h"
#include "chat_element.h"
#include "person_list_element.h"
#include "room_element.h"
#include "splitter_element.h"
#include "tab_element.h"
#include "tree_element.h"

class CHallShowElements : public CMFCShowElement {
public:
    CHallShowElements() = default;
    CHallShowElements(const CHallShowElements&) = default;
    CHallShowElements& operator=(const CHallShowElements&) = default;
    SKIN_DESTRUCTOR(CHallShowElements);

    // Refreshes the members in the hall's order; the hall's own lists are never used.
    void RefreshWindows() override;
    // Members are merged one by one through their own MergeFrom, never through the hall.
    void MergeFrom(CMFCShowElement* pOther) override;
    // Deletes the hall's own objects, releases and empties both button lists,
    // then releases the members.
    void ReleaseObjects() override;

    // The host's values; the module never reads or writes them.
    DWORD m_dwHallValue1 = 0;
    DWORD m_dwHallValue2 = 0;
    DWORD m_dwHallValue3 = 0;
    DWORD m_dwHallValue4 = 0;
    DWORD m_dwHallValue5 = 0;
    DWORD m_dwHallValue6 = 0;
    int m_nHallOption = 0;
    // Graphics objects a host may hand over to the hall.
    HGDIOBJ m_hHallObject1 = nullptr;
    HGDIOBJ m_hHallObject2 = nullptr;
    int m_nHallReserved = 0;

    CCaptionShowElements m_caption;
    CTabShowElements m_mainTab;
    CTabShowElements m_tab;
    CHall_RoomShowElements m_room;
    ButtonList m_arrToolButton;
    CHall_PersonListShowElements m_personList;
    ButtonList m_arrExitButton;
    CChatShowElements m_chat;
    CSplitterShowElements m_splitter;
    CTreeShowElements m_tree;
};

#ifdef SKIN_WIN32_LAYOUT
#include <cstddef>
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
static_assert(offsetof(CHallShowElements, m_arrRedrawWnd) == 4, "m_arrRedrawWnd");
static_assert(offsetof(CHallShowElements, m_arrNotifyWnd) == 16, "m_arrNotifyWnd");
static_assert(offsetof(CHallShowElements, m_dwHallValue1) == 28, "m_dwHallValue1");
static_assert(offsetof(CHallShowElements, m_dwHallValue6) == 48, "m_dwHallValue6");
static_assert(offsetof(CHallShowElements, m_nHallOption) == 52, "m_nHallOption");
static_assert(offsetof(CHallShowElements, m_hHallObject1) == 56, "m_hHallObject1");
static_assert(offsetof(CHallShowElements, m_hHallObject2) == 60, "m_hHallObject2");
static_assert(offsetof(CHallShowElements, m_nHallReserved) == 64, "m_nHallReserved");
static_assert(offsetof(CHallShowElements, m_caption) == 68, "m_caption");
static_assert(offsetof(CHallShowElements, m_mainTab) == 68 + 128, "m_mainTab");
static_assert(offsetof(CHallShowElements, m_tab) == 196 + 80, "m_tab");
static_assert(offsetof(CHallShowElements, m_room) == 276 + 80, "m_room");
static_assert(offsetof(CHallShowElements, m_arrToolButton) == 356 + 232, "m_arrToolButton");
static_assert(offsetof(CHallShowElements, m_personList) == 588 + 12, "m_personList");
static_assert(offsetof(CHallShowElements, m_arrExitButton) == 600 + 124, "m_arrExitButton");
static_assert(offsetof(CHallShowElements, m_chat) == 724 + 12, "m_chat");
static_assert(offsetof(CHallShowElements, m_splitter) == 736 + 72, "m_splitter");
static_assert(offsetof(CHallShowElements, m_tree) == 808 + 44, "m_tree");
static_assert(sizeof(CHallShowElements) == 852 + 56, "hall size");
#pragma GCC diagnostic pop
#endif
