#pragma once
// What moves from the faces of one pack to those of the next.
#include "skinpak1.h"

namespace client {

// Every registration, member by member, into faces that hold none yet: the
// hall's own merge does nothing. The toolbar and exit-menu buttons move
// nothing, so they are registered anew (RegisterButtonWindows). The room
// takes over the host's table pictures and libraries, and its registrations
// are replaced. False when a merge could not get its storage and so moved
// less than all; the faces moved from are as they were.
bool MoveRegistrations(CHallShowElements& to, CHallShowElements& from, CTreeShowElements& toTree,
                       CTreeShowElements& fromTree);

// After the merge both rooms name the same pictures and libraries. The old
// room forgets them, so that only the new one gives them back.
void LetGoOfRoomData(CRoomShowElements& room);

}  // namespace client
