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
