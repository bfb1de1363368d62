// The room element: table pictures and libraries given back, room data
// handed on by merging, and the slots a host calls directly.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "room_element.h"
#include "handle_names.h"
#include "window_pairs.h"
#include "window_set.h"

using skintest::AddPair;
using skintest::ElementDeleter;
using skintest::HandleNames;
using skintest::Names;
using skintest::SameSequence;
using skintest::WindowSet;

// The global heap operators of this executable, replaced so that a test can
// see which blocks the element gives back: the element code is linked in, so
// its operator delete is this one. Only the blocks a test names are counted.
namespace heapwatch {

constexpr int kCapacity = 16;
const void* watched[kCapacity];
int timesFreed[kCapacity];
int watchedCount = 0;
int freedTotal = 0;

void Watch(std::initializer_list<const void*> blocks) {
    watchedCount = 0;
    freedTotal = 0;
    for (const void* block : blocks) {
        if (watchedCount == kCapacity) break;
        watched[watchedCount] = block;
        timesFreed[watchedCount++] = 0;
    }
}

void Stop() { watchedCount = 0; }

void Freed(const void* block) {
    ++freedTotal;
    for (int i = 0; i < watchedCount; ++i) timesFreed[i] += watched[i] == block;
}

int TimesFreed(const void* block) {
    for (int i = 0; i < watchedCount; ++i)
        if (watched[i] == block) return timesFreed[i];
    return -1;
}

}  // namespace heapwatch

// The lists' storage requests come here too, through failing_storage.cpp,
// so that the delete below gives their blocks back.
void* operator new(std::size_t size) {
    if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
    throw std::bad_alloc();
}

void operator delete(void* block) noexcept {
    if (block != nullptr) heapwatch::Freed(block);
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept {
    if (block != nullptr) heapwatch::Freed(block);
    std::free(block);
}

namespace {

HBITMAP NewBitmap() { return CreateBitmap(2, 2, 1, 32, nullptr); }

bool Alive(HGDIOBJ object) { return GetObjectType(object) != 0; }

// A picture array as a host installs it, from the shared heap, filled with
// live bitmaps.
struct PictureArray {
    HBITMAP* block = nullptr;
    std::vector<HBITMAP> pictures;

    explicit PictureArray(size_t length) {
        block = static_cast<HBITMAP*>(::operator new(length * sizeof(HBITMAP)));
        for (size_t i = 0; i < length; ++i) pictures.push_back(block[i] = NewBitmap());
    }
    size_t CountAlive(size_t from, size_t to) const {
        size_t alive = 0;
        for (size_t i = from; i < to; ++i) alive += Alive(pictures[i]);
        return alive;
    }
    void DeleteSurvivors() const {
        for (HBITMAP picture : pictures)
            if (Alive(picture)) DeleteObject(picture);
    }
};

// A library handle that is safe to release. On Windows it is a real load of
// a library that nothing else in this process uses, so its release shows as
// an unload; the portable platform ignores releases of handles it never gave
// out, and its trace shows the calls.
#ifdef _WIN32
constexpr char kSpareLibrary[] = "msimg32.dll";

bool SpareLibraryLoaded() {
    HMODULE module = nullptr;
    return GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT, kSpareLibrary, &module) != 0;
}

HINSTANCE SpareLibrary(int) { return LoadLibraryA(kSpareLibrary); }
#else
HINSTANCE SpareLibrary(int i) { return reinterpret_cast<HINSTANCE>(static_cast<uintptr_t>(0x7E000000u + 4u * i)); }
#endif

std::string Stem(const char (&stem)[kRoomStemBytes]) { return std::string(stem, kRoomStemBytes); }

void SetStem(char (&stem)[kRoomStemBytes], const std::string& bytes) {
    ASSERT_LE(bytes.size(), size_t(kRoomStemBytes));
    std::memset(stem, 0, kRoomStemBytes);
    std::memcpy(stem, bytes.data(), bytes.size());
}


// Everything a room holds apart from its registrations, for before/after comparisons.
struct RoomData {
    COLORREF colour;
    std::vector<HBITMAP*> pictures;
    std::vector<HandleList<HINSTANCE>> libraries;
    std::vector<int> groups;
    std::vector<std::string> stems;

    explicit RoomData(const CRoomShowElements& room) : colour(room.m_clrRoom) {
        for (int k = 0; k < kRoomTableSizes; ++k) {
            pictures.push_back(room.m_phTablePic[k]);
            libraries.push_back(room.m_arrRoomLib[k]);
            groups.push_back(room.m_nPicGroups[k]);
            stems.push_back(Stem(room.m_szRoomStem[k]));
        }
    }
    bool operator==(const RoomData& other) const {
        return colour == other.colour && pictures == other.pictures && libraries == other.libraries &&
               groups == other.groups && stems == other.stems;
    }
};

// Fills every room field with values that tell entries and elements apart.
// The picture pointers are markers only: nothing here releases them.
void FillRoomData(CRoomShowElements& room, int seed) {
    static HBITMAP markers[2][kRoomTableSizes];
    room.m_clrRoom = RGB(seed, 2 * seed, 3 * seed);
    for (int k = 0; k < kRoomTableSizes; ++k) {
        room.m_phTablePic[k] = &markers[seed % 2][k];
        room.m_arrRoomLib[k].clear();
        for (int i = 0; i <= k % 3; ++i)
            room.m_arrRoomLib[k].push_back(
                reinterpret_cast<HINSTANCE>(static_cast<uintptr_t>(seed * 0x1000 + 16 * k + 4 * i)));
        room.m_nPicGroups[k] = seed * 10 + k;
        SetStem(room.m_szRoomStem[k], "s" + std::to_string(seed) + "room" + std::to_string(k + 2));
    }
}

using OwnedRoom = std::unique_ptr<CRoomShowElements, ElementDeleter>;

OwnedRoom NewRoom(bool hall) { return OwnedRoom(hall ? new CHall_RoomShowElements : new CRoomShowElements); }

// ---------------------------------------------------------------------------

TEST(RoomElement, ConstructedEmpty) {
    CRoomShowElements room;
    EXPECT_TRUE(room.m_arrNotifyWnd.empty());
    EXPECT_TRUE(room.m_arrRedrawWnd.empty());
    EXPECT_EQ(0u, room.m_clrRoom);
    for (int k = 0; k < kRoomTableSizes; ++k) {
        SCOPED_TRACE("entry " + std::to_string(k));
        EXPECT_EQ(nullptr, room.m_phTablePic[k]);
        EXPECT_EQ(0u, room.m_arrRoomLib[k].capacity());
        EXPECT_EQ(0, room.m_nPicGroups[k]);
        EXPECT_EQ(std::string(kRoomStemBytes, '\0'), Stem(room.m_szRoomStem[k]));
    }
}

TEST(RoomElement, RefreshInterleavesMessagesAndRepaints) {
    for (bool hall : {false, true}) {
        SCOPED_TRACE(hall ? "CHall_RoomShowElements" : "CRoomShowElements");
        WindowSet windows;
        auto room = NewRoom(hall);
        AddPair(windows, *room, "0");
        AddPair(windows, *room, "1");
        for (HWND window : room->m_arrNotifyWnd) ASSERT_TRUE(IsWindow(window)) << "a test window was not created";
        windows.TakeLog();  // what creating the windows sent
        room->RefreshWindows();
        EXPECT_TRUE(SameSequence({"N0 WM_FACECHANGED(0,0) invalid[]", "N1 WM_FACECHANGED(0,0) invalid[R0]"},
                                 windows.TakeLog()));
        EXPECT_TRUE(SameSequence({"R0", "R1"}, windows.Invalid()));
    }
}

// --- ReleaseObjects ---------------------------------------------------------

struct ArrayCase {
    const char* name;
    int entry;            // table entry: seats - 2
    int groups;           // m_nPicGroups
    size_t deleted;       // pictures the release must delete, from index 0
};

// Each array has two live bitmaps behind the handles its count covers, which
// the release must leave alone.
const ArrayCase kArrayCases[] = {
    {"2 seats x 1 group", 0, 1, 10},
    {"3 seats x 2 groups", 1, 2, 22},
    {"4 seats x 3 groups", 2, 3, 38},
    {"5 seats x 1 group", 3, 1, 16},
    {"6 seats x 2 groups", 4, 2, 34},
    {"5 seats x 0 groups", 3, 0, 0},
    {"6 seats x -1 groups", 4, -1, 0},
    {"2 seats x 0 groups", 0, 0, 0},
};

TEST(RoomRelease, DeletesTheCountedPicturesAndGivesBackTheArray) {
    for (const ArrayCase& row : kArrayCases) {
        SCOPED_TRACE(row.name);
        const size_t covered = row.groups > 0 ? row.deleted : 0;
        PictureArray array(covered + 2);
        CRoomShowElements room;
        room.m_phTablePic[row.entry] = array.block;
        room.m_nPicGroups[row.entry] = row.groups;

        heapwatch::Watch({array.block});
        room.ReleaseObjects();
        const int timesFreed = heapwatch::TimesFreed(array.block);
        heapwatch::Stop();

        EXPECT_EQ(0u, array.CountAlive(0, covered)) << "of the first " << covered << " pictures, none may survive";
        EXPECT_EQ(2u, array.CountAlive(covered, covered + 2)) << "pictures behind the counted ones must survive";
        EXPECT_EQ(1, timesFreed) << "the array must go back to the heap exactly once";
        EXPECT_EQ(nullptr, room.m_phTablePic[row.entry]);
        EXPECT_EQ(row.groups, room.m_nPicGroups[row.entry]) << "the count stays as it was";
        array.DeleteSurvivors();
    }
}

TEST(RoomRelease, ReleasesLibrariesAndKeepsTheListLengths) {
#ifdef _WIN32
    ASSERT_FALSE(SpareLibraryLoaded()) << kSpareLibrary << " must not be in use before the test";
#endif
    CRoomShowElements room;
    const size_t lengths[kRoomTableSizes] = {2, 0, 1, 0, 3};
    int made = 0;
    for (int k = 0; k < kRoomTableSizes; ++k)
        for (size_t i = 0; i < lengths[k]; ++i) room.m_arrRoomLib[k].push_back(SpareLibrary(made++));
    for (const auto& list : room.m_arrRoomLib)
        for (HINSTANCE library : list) ASSERT_NE(nullptr, library);

    room.ReleaseObjects();

    for (int k = 0; k < kRoomTableSizes; ++k) {
        SCOPED_TRACE("entry " + std::to_string(k));
        EXPECT_EQ(HandleList<HINSTANCE>(lengths[k], nullptr), room.m_arrRoomLib[k])
            << "every library handle nulled, the length kept";
    }
#ifdef _WIN32
    EXPECT_FALSE(SpareLibraryLoaded()) << "each of the " << made << " loads must be released";
#endif
}

TEST(RoomRelease, FreshElementLosesNothing) {
    CRoomShowElements room;
    room.m_clrRoom = RGB(0, 128, 0);
    SetStem(room.m_szRoomStem[2], "room4");
    const RoomData before(room);

    heapwatch::Watch({});
    room.ReleaseObjects();
    const int freed = heapwatch::freedTotal;
    heapwatch::Stop();

    EXPECT_EQ(0, freed) << "nothing to give back";
    EXPECT_TRUE(before == RoomData(room));
    for (const auto& list : room.m_arrRoomLib) EXPECT_EQ(0u, list.capacity());
}

TEST(RoomRelease, SecondReleaseIsHarmless) {
    WindowSet windows;
    PictureArray array(10);
    CRoomShowElements room;
    AddPair(windows, room, "0");
    room.m_clrRoom = RGB(0, 128, 0);
    SetStem(room.m_szRoomStem[0], "room2");
    room.m_phTablePic[0] = array.block;
    room.m_nPicGroups[0] = 1;
    room.m_arrRoomLib[0].push_back(SpareLibrary(0));
    room.ReleaseObjects();
    const RoomData released(room);
    const HBITMAP bystander = NewBitmap();

    room.ReleaseObjects();

    EXPECT_TRUE(released == RoomData(room)) << "a second release changes no field";
    EXPECT_EQ(1, room.m_nPicGroups[0]);
    EXPECT_EQ(HandleList<HINSTANCE>(1, nullptr), room.m_arrRoomLib[0]);
    EXPECT_TRUE(Alive(bystander));
    room.RefreshWindows();
    EXPECT_TRUE(SameSequence({"R0"}, windows.Invalid())) << "registrations survive releases";
    DeleteObject(bystander);
}

TEST(RoomLifetime, DestroyingAnUnreleasedRoomKeepsPicturesAndLibraries) {
    PictureArray array(10);
    HINSTANCE library = SpareLibrary(0);
    heapwatch::Watch({array.block});
    {
        CHall_RoomShowElements room;
        room.m_phTablePic[0] = array.block;
        room.m_nPicGroups[0] = 1;
        room.m_arrRoomLib[4].push_back(library);
    }
    const int timesFreed = heapwatch::TimesFreed(array.block);
    heapwatch::Stop();
    EXPECT_EQ(10u, array.CountAlive(0, 10));
    EXPECT_EQ(0, timesFreed) << "the array stays with its owner";
#ifdef _WIN32
    EXPECT_TRUE(SpareLibraryLoaded());
    FreeLibrary(library);
#endif
    array.DeleteSurvivors();
    ::operator delete(array.block);
}

// --- MergeFrom --------------------------------------------------------------

struct MergeCase {
    const char* name;
    bool hallTarget;
    bool hallSource;
};

const MergeCase kMergeCases[] = {
    {"room from room", false, false},
    {"room from hall room", false, true},
    {"hall room from room", true, false},
    {"hall room from hall room", true, true},
};


TEST(RoomMerge, ReplacesRegistrationsAndTakesOverRoomDataButNotTheColour) {
    for (const MergeCase& row : kMergeCases) {
        SCOPED_TRACE(row.name);
        HandleNames windows;
        auto target = NewRoom(row.hallTarget);
        auto source = NewRoom(row.hallSource);
        for (const char* suffix : {"7", "8", "9"}) AddPair(windows, *target, suffix);
        AddPair(windows, *source, "0");
        AddPair(windows, *source, "1");
        FillRoomData(*target, 1);
        FillRoomData(*source, 2);
        const RoomData sourceBefore(*source);
        const WindowList sourceNotify = source->m_arrNotifyWnd;
        const WindowList sourceRedraw = source->m_arrRedrawWnd;

        heapwatch::Watch({sourceBefore.pictures[0], sourceBefore.pictures[1],
                          sourceBefore.pictures[2], sourceBefore.pictures[3],
                          sourceBefore.pictures[4]});
        target->MergeFrom(source.get());
        const int freed = heapwatch::freedTotal;
        heapwatch::Stop();

        EXPECT_TRUE(SameSequence({"N0", "N1"}, Names(windows, target->m_arrNotifyWnd)));
        EXPECT_TRUE(SameSequence({"R0", "R1"}, Names(windows, target->m_arrRedrawWnd)));
        RoomData expected = sourceBefore;
        expected.colour = RGB(1, 2, 3);
        EXPECT_TRUE(expected == RoomData(*target)) << "the source's pictures, libraries, counts, stems; own colour";
        for (int k = 0; k < kRoomTableSizes; ++k)
            EXPECT_NE(source->m_arrRoomLib[k].data(), target->m_arrRoomLib[k].data()) << "entry " << k;
        EXPECT_TRUE(sourceBefore == RoomData(*source)) << "the source must not change";
        EXPECT_EQ(sourceNotify, source->m_arrNotifyWnd);
        EXPECT_EQ(sourceRedraw, source->m_arrRedrawWnd);
        EXPECT_EQ(0, freed) << "merging into storage that suffices gives nothing back";
    }
}

TEST(RoomMerge, WithItselfOrNothingChangesNothing) {
    for (bool self : {true, false}) {
        SCOPED_TRACE(self ? "itself" : "null");
        HandleNames windows;
        CHall_RoomShowElements room;
        AddPair(windows, room, "0");
        AddPair(windows, room, "1");
        FillRoomData(room, 3);
        const RoomData before(room);

        room.MergeFrom(self ? &room : nullptr);

        EXPECT_TRUE(SameSequence({"N0", "N1"}, Names(windows, room.m_arrNotifyWnd)));
        EXPECT_TRUE(SameSequence({"R0", "R1"}, Names(windows, room.m_arrRedrawWnd)));
        EXPECT_TRUE(before == RoomData(room));
    }
}

TEST(RoomMerge, FromAnElementThatIsNoRoomTakesOnlyRegistrations) {
    HandleNames windows;
    CRoomShowElements room;
    AddPair(windows, room, "9");
    FillRoomData(room, 1);
    const RoomData before(room);
    CMFCShowElement other;
    AddPair(windows, other, "0");

    room.MergeFrom(&other);

    EXPECT_TRUE(SameSequence({"N0"}, Names(windows, room.m_arrNotifyWnd)));
    EXPECT_TRUE(SameSequence({"R0"}, Names(windows, room.m_arrRedrawWnd)));
    EXPECT_TRUE(before == RoomData(room)) << "no room data without a room to read it from";
}

TEST(RoomMerge, TakesOnlyCompletePairsFromUnequalLists) {
    struct Row {
        const char* name;
        int notify, redraw;
        std::vector<std::string> pairs;
    };
    const Row rows[] = {
        {"one notify window too many", 3, 2, {"0", "1"}},
        {"one redraw window too many", 1, 2, {"0"}},
        {"redraw windows only", 0, 2, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        HandleNames windows;
        CRoomShowElements room, source;
        AddPair(windows, room, "9");
        for (int i = 0; i < row.notify; ++i) source.m_arrNotifyWnd.push_back(windows.Add("N" + std::to_string(i)));
        for (int i = 0; i < row.redraw; ++i) source.m_arrRedrawWnd.push_back(windows.Add("R" + std::to_string(i)));
        room.MergeFrom(&source);
        std::vector<std::string> notify, redraw;
        for (const std::string& suffix : row.pairs) {
            notify.push_back("N" + suffix);
            redraw.push_back("R" + suffix);
        }
        EXPECT_TRUE(SameSequence(notify, Names(windows, room.m_arrNotifyWnd)));
        EXPECT_TRUE(SameSequence(redraw, Names(windows, room.m_arrRedrawWnd)));
    }
}

// A stem is copied with its zero; the old bytes behind that zero stay.
TEST(RoomMerge, StemsCopiedUpToTheirZeroInsideTheBuffer) {
    struct Row {
        const char* name;
        std::string before;   // the target's buffer, up to 20 bytes (rest zero)
        std::string source;   // the source's buffer, up to 20 bytes (rest zero)
        std::string after;    // the target's whole buffer afterwards
    };
    const std::string z(1, '\0');
    const Row rows[] = {
        {"shorter over longer", "room567", "room5", "room5" + z + "7" + z + std::string(12, '\0')},
        {"longer over shorter", "ab", "room567", "room567" + std::string(13, '\0')},
        {"empty over a stem", "room2", "", z + "oom2" + std::string(15, '\0')},
        {"19 characters", std::string(20, '#'), std::string(19, 'x'), std::string(19, 'x') + z},
        {"20 characters and no zero", std::string(20, '#'), std::string(20, 'x'), std::string(19, 'x') + z},
    };
    for (const Row& row : rows) {
        for (int k : {0, kRoomTableSizes - 1}) {
            SCOPED_TRACE(std::string(row.name) + ", entry " + std::to_string(k));
            auto target = std::make_unique<CRoomShowElements>();
            auto source = std::make_unique<CRoomShowElements>();
            for (int e = 0; e < kRoomTableSizes; ++e) {
                SetStem(target->m_szRoomStem[e], e == k ? row.before : "keep" + std::to_string(e));
                SetStem(source->m_szRoomStem[e], e == k ? row.source : "keep" + std::to_string(e));
            }
            const std::string sourceBytes = Stem(source->m_szRoomStem[k]);

            target->MergeFrom(source.get());

            EXPECT_EQ(row.after, Stem(target->m_szRoomStem[k]));
            EXPECT_EQ(sourceBytes, Stem(source->m_szRoomStem[k])) << "the source stem must not change";
            for (int e = 0; e < kRoomTableSizes; ++e) {
                if (e == k) continue;
                EXPECT_EQ("keep" + std::to_string(e) + std::string(15, '\0'), Stem(target->m_szRoomStem[e]))
                    << "entry " << e << " must not be touched";
            }
        }
    }
}

// --- Reserved slots ---------------------------------------------------------

TEST(RoomReserved, DoNothingAndTheThirdAnswersTrue) {
    for (bool hall : {false, true}) {
        SCOPED_TRACE(hall ? "CHall_RoomShowElements" : "CRoomShowElements");
        WindowSet windows;
        auto room = NewRoom(hall);
        AddPair(windows, *room, "0");
        FillRoomData(*room, 4);
        const RoomData before(*room);
        windows.TakeLog();

        room->RoomReserved1(1, 0xFFFFFFFFu);
        room->RoomReserved2(0, 1, 2, 3);
        EXPECT_EQ(TRUE, room->RoomReserved3(0, 0, 0));
        EXPECT_EQ(TRUE, room->RoomReserved3(0xFFFFFFFFu, 7, 0x80000000u));

        EXPECT_TRUE(before == RoomData(*room));
        EXPECT_EQ(1u, room->m_arrNotifyWnd.size());
        EXPECT_TRUE(windows.TakeLog().empty());
    }
}

// --- The slots as a host calls them -----------------------------------------

#ifdef SKIN_ONE_SLOT_DESTRUCTOR
// The host finds each operation by its index in the virtual table and calls
// it with the platform compiler's member calling convention.
template <class Function>
Function Slot(void* element, int index) {
    void** table = *static_cast<void***>(element);
    return reinterpret_cast<Function>(table[index]);
}

using NoArgumentSlot = void(__thiscall*)(void*);
using MergeSlot = void(__thiscall*)(void*, CMFCShowElement*);
using DestructorSlot = void*(__thiscall*)(void*, unsigned int);
using Reserved1Slot = void(__thiscall*)(void*, DWORD, DWORD);
using Reserved2Slot = void(__thiscall*)(void*, DWORD, DWORD, DWORD, DWORD);
using Reserved3Slot = BOOL(__thiscall*)(void*, DWORD, DWORD, DWORD);

TEST(RoomSlots, EveryOperationAtItsIndex) {
    for (bool hall : {false, true}) {
        SCOPED_TRACE(hall ? "CHall_RoomShowElements" : "CRoomShowElements");
        WindowSet windows;
        auto room = NewRoom(hall);
        CRoomShowElements source;
        AddPair(windows, source, "0");
        PictureArray array(16);
        source.m_phTablePic[3] = array.block;
        source.m_nPicGroups[3] = 1;

        Slot<MergeSlot>(room.get(), 2)(room.get(), &source);
        EXPECT_TRUE(SameSequence({"N0"}, Names(windows, room->m_arrNotifyWnd))) << "slot 2: MergeFrom";
        EXPECT_EQ(array.block, room->m_phTablePic[3]);
        windows.TakeLog();

        Slot<NoArgumentSlot>(room.get(), 1)(room.get());
        EXPECT_TRUE(SameSequence({"N0 WM_FACECHANGED(0,0) invalid[]"}, windows.TakeLog())) << "slot 1: RefreshWindows";

        Slot<Reserved1Slot>(room.get(), 4)(room.get(), 1, 2);
        Slot<Reserved2Slot>(room.get(), 5)(room.get(), 1, 2, 3, 4);
        EXPECT_EQ(TRUE, Slot<Reserved3Slot>(room.get(), 6)(room.get(), 1, 2, 3)) << "slot 6: RoomReserved3";

        heapwatch::Watch({array.block});
        Slot<NoArgumentSlot>(room.get(), 3)(room.get());
        const int arrayFreed = heapwatch::TimesFreed(array.block);
        heapwatch::Stop();
        EXPECT_EQ(0u, array.CountAlive(0, 16)) << "slot 3: ReleaseObjects";
        EXPECT_EQ(1, arrayFreed);

        CRoomShowElements* raw = room.release();
        heapwatch::Watch({raw});
        void* returned = Slot<DestructorSlot>(raw, 0)(raw, 1);
        const int objectFreed = heapwatch::TimesFreed(raw);
        heapwatch::Stop();
        EXPECT_EQ(static_cast<void*>(raw), returned) << "slot 0 returns the object's address";
        EXPECT_EQ(1, objectFreed) << "slot 0 with flag 1 frees the object";
    }
}

#endif

}  // namespace
