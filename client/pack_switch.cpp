#include "pack_switch.h"

namespace client {
namespace {

// The elements' operations are the module's, reached through their virtual
// tables. Called on a member by name, the compiler would know its class and
// call the module's code directly, which the module does not export; kept
// apart from its callers, it cannot know.
[[gnu::noipa]] void Merge(CMFCShowElement* into, CMFCShowElement* from) { into->MergeFrom(from); }

}  // namespace

bool MoveRegistrations(CHallShowElements& to, CHallShowElements& from, CTreeShowElements& toTree,
                       CTreeShowElements& fromTree) {
    CMFCShowElement* const into[] = {&to.m_caption,    &to.m_mainTab, &to.m_tab,      &to.m_room, &to.m_personList,
                                     &to.m_chat,       &to.m_splitter, &to.m_tree,    &toTree};
    CMFCShowElement* const outOf[] = {&from.m_caption, &from.m_mainTab, &from.m_tab,   &from.m_room,
                                      &from.m_personList, &from.m_chat, &from.m_splitter, &from.m_tree, &fromTree};
    bool all = true;
    for (size_t i = 0; i < sizeof into / sizeof *into; ++i) {
        Merge(into[i], outOf[i]);
        all &= into[i]->m_arrRedrawWnd.size() == outOf[i]->m_arrRedrawWnd.size() &&
               into[i]->m_arrNotifyWnd.size() == outOf[i]->m_arrNotifyWnd.size();
    }
    for (int k = 0; k < kRoomTableSizes; ++k)
        all &= to.m_room.m_phTablePic[k] == from.m_room.m_phTablePic[k] &&
               to.m_room.m_nPicGroups[k] == from.m_room.m_nPicGroups[k] &&
               to.m_room.m_arrRoomLib[k].size() == from.m_room.m_arrRoomLib[k].size();
    return all;
}

void LetGoOfRoomData(CRoomShowElements& room) {
    for (int k = 0; k < kRoomTableSizes; ++k) {
        room.m_phTablePic[k] = nullptr;
        room.m_nPicGroups[k] = 0;
        room.m_arrRoomLib[k].clear();
    }
}

}  // namespace client
