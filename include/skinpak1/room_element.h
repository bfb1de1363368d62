#pragma once
// The skin of the room view: the game tables' pictures and the libraries
// that carry them, one set per table size.
#include "show_element.h"

// Entry k of every per-size field belongs to tables of k + 2 seats.
constexpr int kRoomTableSizes = 5;
constexpr int kRoomFewestSeats = 2;
constexpr int kRoomStemBytes = 20;

// Handles in the picture array of table entry k, for tables of k + 2 seats:
// each group holds 4 + 2 x seats pictures, and two more follow the last group.
constexpr size_t RoomPictureCount(int entry, int groups) {
    return static_cast<size_t>(groups) * (4 + 2 * static_cast<size_t>(entry + kRoomFewestSeats)) + 2;
}

class CRoomShowElements : public CMFCShowElement {
public:
    CRoomShowElements() = default;
    CRoomShowElements(const CRoomShowElements&) = default;
    CRoomShowElements& operator=(const CRoomShowElements&) = default;
    SKIN_DESTRUCTOR(CRoomShowElements);

    // Takes over pOther's registrations in place of this element's own and,
    // from another room, its pictures, libraries, counts and stems. The
    // colour stays. Afterwards both elements name the same objects.
    void MergeFrom(CMFCShowElement* pOther) override;
    // Deletes every table picture and gives back its array, then releases
    // every library; the library lists keep their length, holding nulls.
    void ReleaseObjects() override;

    // Slots the host's interface reserves; their arguments mean nothing here.
    virtual void RoomReserved1(DWORD dw1, DWORD dw2);
    virtual void RoomReserved2(DWORD dw1, DWORD dw2, DWORD dw3, DWORD dw4);
    virtual BOOL RoomReserved3(DWORD dw1, DWORD dw2, DWORD dw3);

    COLORREF m_clrRoom = 0;
    // Installed by the host from the shared heap, RoomPictureCount handles each.
    HBITMAP* m_phTablePic[kRoomTableSizes] = {};
    HandleList<HINSTANCE> m_arrRoomLib[kRoomTableSizes];
    int m_nPicGroups[kRoomTableSizes] = {};
    char m_szRoomStem[kRoomTableSizes][kRoomStemBytes] = {};
};

// The hall's own room element; it behaves exactly as any room.
class CHall_RoomShowElements : public CRoomShowElements {
public:
    CHall_RoomShowElements() = default;
    CHall_RoomShowElements(const CHall_RoomShowElements&) = default;
    CHall_RoomShowElements& operator=(const CHall_RoomShowElements&) = default;
    SKIN_DESTRUCTOR(CHall_RoomShowElements);
};
