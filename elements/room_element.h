#pragma once
// The skin of the room view: the game tables' pictures and the libraries
// that carry them, one set per table size.
#include "show_element.h"

// Entry k of every per-size field belongs to tables of k + 2 seats.
constexpr int kRoomTableSizes = 5;
constexpr int kRoomFewestSeats = 2;
constexpr int kRoomStemBytes = 20;

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
    // Installed by the host from the shared heap: per group 4 + 2 x seats
    // pictures, then two more.
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

#ifdef SKIN_WIN32_LAYOUT
// Field offsets as a host built with the platform's own compiler sees them.
#include <cstddef>
#include <type_traits>
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
static_assert(offsetof(CRoomShowElements, m_arrRedrawWnd) == 4, "CRoomShowElements::m_arrRedrawWnd");
static_assert(offsetof(CRoomShowElements, m_arrNotifyWnd) == 16, "CRoomShowElements::m_arrNotifyWnd");
static_assert(sizeof(WindowList) == 12 && sizeof(HandleList<HINSTANCE>) == 12, "handle list");
static_assert(offsetof(CRoomShowElements, m_clrRoom) == 28, "CRoomShowElements::m_clrRoom");
static_assert(offsetof(CRoomShowElements, m_phTablePic) == 32, "CRoomShowElements::m_phTablePic");
static_assert(sizeof(CRoomShowElements::m_phTablePic) == 20, "sizeof(CRoomShowElements::m_phTablePic)");
static_assert(offsetof(CRoomShowElements, m_arrRoomLib) == 52, "CRoomShowElements::m_arrRoomLib");
static_assert(sizeof(CRoomShowElements::m_arrRoomLib) == 60, "sizeof(CRoomShowElements::m_arrRoomLib)");
static_assert(offsetof(CRoomShowElements, m_nPicGroups) == 112, "CRoomShowElements::m_nPicGroups");
static_assert(sizeof(CRoomShowElements::m_nPicGroups) == 20, "sizeof(CRoomShowElements::m_nPicGroups)");
static_assert(offsetof(CRoomShowElements, m_szRoomStem) == 132, "CRoomShowElements::m_szRoomStem");
static_assert(sizeof(CRoomShowElements::m_szRoomStem) == 100, "sizeof(CRoomShowElements::m_szRoomStem)");
static_assert(sizeof(CRoomShowElements) == 232, "sizeof(CRoomShowElements)");
static_assert(sizeof(CHall_RoomShowElements) == 232, "sizeof(CHall_RoomShowElements)");
#ifdef SKIN_ONE_SLOT_DESTRUCTOR
static_assert(std::is_same<decltype(&CRoomShowElements::DeletingDestructor),
                           void* (CRoomShowElements::*)(unsigned int)>::value,
              "CRoomShowElements declares its slot-0 destructor");
static_assert(std::is_same<decltype(&CHall_RoomShowElements::DeletingDestructor),
                           void* (CHall_RoomShowElements::*)(unsigned int)>::value,
              "CHall_RoomShowElements declares its slot-0 destructor");
#endif
#pragma GCC diagnostic pop
#endif
