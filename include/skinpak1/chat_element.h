#pragma once
// The skin of the chat area. The module fills nothing here: the values and
// objects are the host's, and the element only gives the objects back.
#include "show_element.h"

class CChatShowElements : public CMFCShowElement {
public:
    CChatShowElements() = default;
    CChatShowElements(const CChatShowElements&) = default;
    CChatShowElements& operator=(const CChatShowElements&) = default;
    SKIN_DESTRUCTOR(CChatShowElements);

    // Deletes whatever the host stored in the eight object fields.
    void ReleaseObjects() override;

    DWORD m_dwChatValue1 = 0;
    DWORD m_dwChatValue2 = 0;
    DWORD m_dwChatValue3 = 0;
    HGDIOBJ m_hChatObject1 = nullptr;
    HGDIOBJ m_hChatObject2 = nullptr;
    HGDIOBJ m_hChatObject3 = nullptr;
    HGDIOBJ m_hChatObject4 = nullptr;
    HGDIOBJ m_hChatObject5 = nullptr;
    HGDIOBJ m_hChatObject6 = nullptr;
    HGDIOBJ m_hChatObject7 = nullptr;
    HGDIOBJ m_hChatObject8 = nullptr;
};
