#include "chat_element.h"

#include "handle_release.h"

CChatShowElements::~CChatShowElements() = default;

void CChatShowElements::ReleaseObjects() {
    // The order hosts have always seen, not the declaration order.
    DeleteAndForget(m_hChatObject3);
    DeleteAndForget(m_hChatObject2);
    DeleteAndForget(m_hChatObject4);
    DeleteAndForget(m_hChatObject1);
    DeleteAndForget(m_hChatObject5);
    DeleteAndForget(m_hChatObject6);
    DeleteAndForget(m_hChatObject7);
    DeleteAndForget(m_hChatObject8);
}
