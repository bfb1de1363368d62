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

#ifdef SKIN_WIN32_LAYOUT
#include <cstddef>
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
static_assert(sizeof(CChatShowElements) == 72, "chat size");
static_assert(offsetof(CChatShowElements, m_arrRedrawWnd) == 4, "m_arrRedrawWnd");
static_assert(offsetof(CChatShowElements, m_arrNotifyWnd) == 16, "m_arrNotifyWnd");
static_assert(offsetof(CChatShowElements, m_dwChatValue1) == 28, "m_dwChatValue1");
static_assert(offsetof(CChatShowElements, m_dwChatValue2) == 32, "m_dwChatValue2");
static_assert(offsetof(CChatShowElements, m_dwChatValue3) == 36, "m_dwChatValue3");
static_assert(offsetof(CChatShowElements, m_hChatObject1) == 40, "m_hChatObject1");
static_assert(offsetof(CChatShowElements, m_hChatObject2) == 44, "m_hChatObject2");
static_assert(offsetof(CChatShowElements, m_hChatObject3) == 48, "m_hChatObject3");
static_assert(offsetof(CChatShowElements, m_hChatObject4) == 52, "m_hChatObject4");
static_assert(offsetof(CChatShowElements, m_hChatObject5) == 56, "m_hChatObject5");
static_assert(offsetof(CChatShowElements, m_hChatObject6) == 60, "m_hChatObject6");
static_assert(offsetof(CChatShowElements, m_hChatObject7) == 64, "m_hChatObject7");
static_assert(offsetof(CChatShowElements, m_hChatObject8) == 68, "m_hChatObject8");
#pragma GCC diagnostic pop
#endif
