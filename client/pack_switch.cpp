#include "pack_switch.h"

namespace client {
namespace {

// The elements' operations are the module's, reached through their virtual
// tables. Called on a member by name, the compiler would know its class and
// call the module's code directly, which the module does not export.
[[gnu::noinline]] void Merge(CMFCShowElement* into, CMFCShowElement* from) { into->MergeFrom(from); }

}  // namespace

void MoveRegistrations(CHallShowElements& to, CHallShowElements& from, CTreeShowElements& toTree,
                       CTreeShowElements& fromTree) {
    Merge(&to.m_caption, &from.m_caption);
    Merge(&to.m_mainTab, &from.m_mainTab);
    Merge(&to.m_tab, &from.m_tab);
    Merge(&to.m_room, &from.m_room);
    Merge(&to.m_personList, &from.m_personList);
    Merge(&to.m_chat, &from.m_chat);
    Merge(&to.m_splitter, &from.m_splitter);
    Merge(&to.m_tree, &from.m_tree);
    Merge(&toTree, &fromTree);
}

void LetGoOfRoomData(CRoomShowElements& room) {
    for (int k = 0; k < kRoomTableSizes; ++k) {
        room.m_phTablePic[k] = nullptr;
        room.m_nPicGroups[k] = 0;
        room.m_arrRoomLib[k].clear();
    }
}

}  // namespace client
