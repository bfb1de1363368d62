#include "room_tables.h"

#include <new>

#include "tables/table_pictures.h"

namespace client {

bool InstallRoomTables(CRoomShowElements& room, std::string& why) {
    for (int k = 0; k < kRoomTableSizes; ++k) {
        const int seats = k + kRoomFewestSeats;
        HMODULE library = LoadLibraryA(kTableLibrary);
        if (library == nullptr) {
            why = std::string(kTableLibrary) + ": the table library does not load (error " +
                  std::to_string(GetLastError()) + "): no tables of " + std::to_string(seats) + " seats or more";
            return false;
        }
        const auto make =
            reinterpret_cast<MakeTablePicturesFn>(reinterpret_cast<void*>(GetProcAddress(library, "MakeTablePictures")));
        const int count = static_cast<int>(RoomPictureCount(k, kTableGroups));
        // The room gives the array back with the global operator delete.
        auto* pictures = static_cast<HBITMAP*>(::operator new(count * sizeof(HBITMAP), std::nothrow));
        const bool made = make != nullptr && pictures != nullptr && make(seats, kTableGroups, pictures, count) == count;
        if (!made || !room.m_arrRoomLib[k].push_back(library)) {
            for (int i = 0; made && i < count; ++i) DeleteObject(pictures[i]);
            ::operator delete(pictures);
            FreeLibrary(library);
            why = std::string(kTableLibrary) + ": made no pictures: no tables of " + std::to_string(seats) +
                  " seats or more";
            return false;
        }
        room.m_phTablePic[k] = pictures;
        room.m_nPicGroups[k] = kTableGroups;
    }
    return true;
}

}  // namespace client
