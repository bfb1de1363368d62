#include "peer.h"

namespace {

template <class Handle>
Handle Fake(unsigned value) {
    return reinterpret_cast<Handle>(static_cast<ULONG_PTR>(value));
}

template <size_t N>
void SetStem(char (&stem)[N], const char* text) {
    size_t i = 0;
    for (; i < N && text[i] != '\0'; ++i) stem[i] = text[i];
    if (i < N) stem[i] = '\0';
}

HBITMAP* NewPictures(int seats, int groups) {
    const int count = groups * (4 + 2 * seats) + 2;
    HBITMAP* pictures = new HBITMAP[count];
    for (int i = 0; i < count; ++i) pictures[i] = CreateBitmap(1, 1, 1, 1, nullptr);
    return pictures;
}

class CHeadLoader : public CPersonListShowElements {
public:
    explicit CHeadLoader(char declineAt) : m_declineAt(declineAt) {}
    ~CHeadLoader() override = default;

    BOOL LoadHeadLibrary(char chLetter) override {
        if (m_asked < kHeadLetterCount) m_letters[m_asked++] = chLetter;
        return chLetter != m_declineAt;
    }

    char m_declineAt;
    int m_asked = 0;
    char m_letters[kHeadLetterCount + 1] = {};
};

}  // namespace

CHall_RoomShowElements* PeerCreateRoom(BOOL withTables) {
    CHall_RoomShowElements* room = new CHall_RoomShowElements;
    room->m_clrRoom = RGB(1, 2, 3);
    for (unsigned i = 0; i < 3; ++i) room->m_arrNotifyWnd.push_back(Fake<HWND>(0x5001 + i));
    for (unsigned i = 0; i < 2; ++i) room->m_arrRedrawWnd.push_back(Fake<HWND>(0x5101 + i));
    SetStem(room->m_szRoomStem[0], "peer2");
    SetStem(room->m_szRoomStem[1], "ABCDEFGHIJKLMNOPQRST");
    SetStem(room->m_szRoomStem[2], "p4");
    SetStem(room->m_szRoomStem[3], "peer-five-seats");
    SetStem(room->m_szRoomStem[4], "peer6");
    for (int k = 0; k < kRoomTableSizes; ++k) room->m_nPicGroups[k] = withTables ? 0 : 9;
    if (withTables) {
        room->m_nPicGroups[0] = 1;
        room->m_phTablePic[0] = NewPictures(2, 1);
        room->m_nPicGroups[4] = 1;
        room->m_phTablePic[4] = NewPictures(6, 1);
        room->m_arrRoomLib[2].push_back(LoadLibraryA(kPeerTableLibrary));
    }
    return room;
}

CHall_PersonListShowElements* PeerCreatePersonList() {
    CHall_PersonListShowElements* list = new CHall_PersonListShowElements;
    for (unsigned i = 0; i < 2; ++i) {
        list->m_arrNotifyWnd.push_back(Fake<HWND>(0x6001 + i));
        list->m_arrRedrawWnd.push_back(Fake<HWND>(0x6101 + i));
        list->m_arrExtraWnd.push_back(Fake<HWND>(0x6201 + i));
    }
    list->m_arrStatusIcon.push_back(Fake<HICON>(0x6301));
    list->m_arrHeadLib.push_back(Fake<HINSTANCE>(0x6401));
    list->m_hbmBack = Fake<HBITMAP>(0x6501);
    list->m_clrPerson1 = RGB(6, 0, 1);
    SetStem(list->m_szHeadPicStem, "peerhead");
    return list;
}

CPersonListShowElements* PeerCreateHeadLoader(char declineAt) { return new CHeadLoader(declineAt); }

const char* PeerHeadLetters(CPersonListShowElements* loader) {
    return static_cast<CHeadLoader*>(loader)->m_letters;
}
