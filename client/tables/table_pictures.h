#pragma once
// The table library's one export, and the layout of the pictures it makes:
// for every picture group, four tables (free, in play, chosen, locked), then
// two seats (empty, taken) for each seat; after the groups, the marks for
// players waiting and for a full table.
#include <windows.h>

constexpr int kTableWidth = 56;
constexpr int kTableHeight = 40;
constexpr int kSeatSize = 12;
constexpr int kTablesPerGroup = 4;

enum TablePicture { kTableFree, kTableInPlay, kTableChosen, kTableLocked };

constexpr int TablePictureCount(int seats, int groups) { return groups * (kTablesPerGroup + 2 * seats) + 2; }
constexpr int SeatPicture(int seat, bool taken) { return kTablesPerGroup + 2 * seat + (taken ? 1 : 0); }

// Fills pictures with count bitmaps for tables of the given seats; returns
// count, or 0 when count is not TablePictureCount(seats, groups).
using MakeTablePicturesFn = int (*)(int seats, int groups, HBITMAP* pictures, int count);
