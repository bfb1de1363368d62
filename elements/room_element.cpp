#include "room_element.h"

#include <new>

#include "stem_copy.h"
#include "storage_failure.h"

CRoomShowElements::~CRoomShowElements() = default;

void CRoomShowElements::MergeFrom(CMFCShowElement* pOther) {
    // Emptying this element's lists first would leave nothing to take from itself.
    if (pOther == nullptr || pOther == this) return;
    // The registrations are replaced, so storage for the new ones comes first:
    // a merge that cannot get it leaves the room as it was.
    const size_t pairs = PairCount(*pOther);
    if (!StorageObtained(m_arrNotifyWnd.reserve(pairs) && m_arrRedrawWnd.reserve(pairs))) return;
    m_arrNotifyWnd.clear();
    m_arrRedrawWnd.clear();
    AppendRegistrations(*pOther);

    const CRoomShowElements* room = dynamic_cast<const CRoomShowElements*>(pOther);
    if (room == nullptr) return;
    for (int k = 0; k < kRoomTableSizes; ++k) m_phTablePic[k] = room->m_phTablePic[k];
    for (int k = 0; k < kRoomTableSizes; ++k) m_arrRoomLib[k] = room->m_arrRoomLib[k];
    for (int k = 0; k < kRoomTableSizes; ++k) m_nPicGroups[k] = room->m_nPicGroups[k];
    for (int k = 0; k < kRoomTableSizes; ++k) CopyStem(m_szRoomStem[k], room->m_szRoomStem[k]);
}

void CRoomShowElements::ReleaseObjects() {
    for (int k = 0; k < kRoomTableSizes; ++k) {
        HBITMAP* pictures = m_phTablePic[k];
        if (pictures == nullptr) continue;
        const int groups = m_nPicGroups[k];
        if (groups > 0) {
            const size_t count = RoomPictureCount(k, groups);
            for (size_t j = 0; j < count; ++j) {
                DeleteObject(pictures[j]);
                pictures[j] = nullptr;
            }
        }
        // The host allocated the array from the heap it shares with the module.
        ::operator delete(pictures);
        m_phTablePic[k] = nullptr;
    }
    // The lists keep their length so that the host still finds a slot per library it loaded.
    for (HandleList<HINSTANCE>& libraries : m_arrRoomLib) {
        for (HINSTANCE& library : libraries) {
            FreeLibrary(library);
            library = nullptr;
        }
    }
}

void CRoomShowElements::RoomReserved1(DWORD, DWORD) {}

void CRoomShowElements::RoomReserved2(DWORD, DWORD, DWORD, DWORD) {}

BOOL CRoomShowElements::RoomReserved3(DWORD, DWORD, DWORD) { return TRUE; }

CHall_RoomShowElements::~CHall_RoomShowElements() = default;
