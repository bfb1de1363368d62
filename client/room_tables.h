#pragma once
// The client's own part of the room: its table library and the table
// pictures made by it, installed in the room as a host installs them.
#include <string>

#include "skinpak1.h"

namespace client {

constexpr char kTableLibrary[] = "skinclient_tables.dll";
constexpr int kTableGroups = 1;

// For every table size: the library loaded once more, and an array of the
// pictures it made, from the heap the module gives them back to. The room
// owns both from then on. False, with why, when the library does not load or
// make them; that size and the larger ones are then not installed.
bool InstallRoomTables(CRoomShowElements& room, std::string& why);

}  // namespace client
