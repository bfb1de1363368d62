#pragma once
// The table library's one export, and the layout of the pictures it makes,
// which is the room's (RoomPictureCount): for every picture group, four
// tables (free, in play, chosen, locked), then two seats (empty, taken) for
// each seat; after the groups, the marks for players waiting and for a full
// table.
#include <windows.h>

#include "room_element.h"

constexpr int kTableWidth = 56;
constexpr int kTableHeight = 40;
constexpr int kSeatSize = 12;
constexpr int kTablesPerGroup = 4;

enum TablePicture { kTableFree, kTableInPlay, kTableChosen, kTableLocked };

constexpr int SeatPicture(int seat, bool taken) { return kTablesPerGroup + 2 * seat + (taken ? 1 : 0); }

// Fills pictures with count bitmaps for tables of the given seats; returns
// count, or 0 when count is not the room's count for them.
using MakeTablePicturesFn = int (*)(int seats, int groups, HBITMAP* pictures, int count);
