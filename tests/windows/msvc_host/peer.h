#pragma once
// The exports of skin_peer.dll, another skin module built from the same
// element sources, whose rooms and person lists the host merges with the
// module's. Each object it makes is given back through its own deleting
// destructor.
#include "person_list_element.h"
#include "room_element.h"

// The system library a peer room with tables holds for its 4-seat tables.
constexpr char kPeerTableLibrary[] = "lz32.dll";

extern "C" {
// A room coloured RGB(1, 2, 3) with three notify windows and two redraw
// windows (fake handles) and stems of its own, one of them filling its whole
// buffer. With tables it holds pictures for 2 and 6 seats, one group each,
// and kPeerTableLibrary; without, 9 groups of nothing for every size.
CHall_RoomShowElements* PeerCreateRoom(BOOL withTables);
// A person list with two registration pairs, two extra windows, a status
// icon, a head library and a stem, all fake handles and values of its own.
CHall_PersonListShowElements* PeerCreatePersonList();
// A person list whose LoadHeadLibrary notes every letter it is asked for and
// declines at `declineAt` (0: never).
CPersonListShowElements* PeerCreateHeadLoader(char declineAt);
// The letters a head loader has been asked for, in order.
const char* PeerHeadLetters(CPersonListShowElements* loader);
}

using PeerCreateRoomFn = CHall_RoomShowElements* (*)(BOOL);
using PeerCreatePersonListFn = CHall_PersonListShowElements* (*)();
using PeerCreateHeadLoaderFn = CPersonListShowElements* (*)(char);
using PeerHeadLettersFn = const char* (*)(CPersonListShowElements*);
