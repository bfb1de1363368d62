// The element lists: growth that is all or nothing, entries appended from the
// list itself, and destruction that leaves nothing behind to free twice.
#include <gtest/gtest.h>

#include <cstring>
#include <new>
#include <stdexcept>

#include "hall_elements.h"
#include "shared_heap_list.h"

#pragma GCC diagnostic ignored "-Winvalid-offsetof"

namespace {

// A value whose copy fails on the n-th attempt, counting every live copy.
struct Fragile {
    static int copiesLeft;
    static int live;
    int value;
    explicit Fragile(int v = 0) : value(v) { ++live; }
    Fragile(const Fragile& o) : value(o.value) {
        if (copiesLeft-- == 0) throw std::runtime_error("copy refused");
        ++live;
    }
    Fragile& operator=(const Fragile&) = default;
    ~Fragile() { --live; }
};
int Fragile::copiesLeft = -1;
int Fragile::live = 0;

TEST(SharedHeapList, GrowthThatFailsMidwayLeavesTheListAsItWas) {
    for (int failAt = 0; failAt <= 4; ++failAt) {
        SCOPED_TRACE("copy " + std::to_string(failAt) + " refused");
        {
            SharedHeapList<Fragile> list;
            for (int i = 0; i < 4; ++i) list.push_back(Fragile(i));
            const Fragile* storage = list.data();
            const int liveBefore = Fragile::live;
            ASSERT_EQ(list.size(), list.capacity()) << "the next entry needs new storage";

            Fragile::copiesLeft = failAt;
            EXPECT_THROW(list.push_back(Fragile(9)), std::runtime_error);
            Fragile::copiesLeft = -1;

            EXPECT_EQ(storage, list.data()) << "storage kept";
            ASSERT_EQ(4u, list.size());
            for (int i = 0; i < 4; ++i) EXPECT_EQ(i, list[i].value) << "entry " << i;
            EXPECT_EQ(liveBefore, Fragile::live) << "every copy made was taken apart again";
        }
        EXPECT_EQ(0, Fragile::live) << "nothing outlives the list";
    }
}

TEST(SharedHeapList, AppendsEntriesOfItsOwnThroughAGrowth) {
    SharedHeapList<int> list{1, 2};
    list.reserve(2);
    list.push_back(list[0]);
    list.append(list.begin(), list.end());
    EXPECT_EQ((SharedHeapList<int>{1, 2, 1, 1, 2, 1}), list);
}

TEST(SharedHeapList, AssignmentKeepsStorageThatSuffices) {
    SharedHeapList<int> target{7, 7, 7, 7};
    const int* storage = target.data();
    target = SharedHeapList<int>{1, 2};
    EXPECT_EQ(storage, target.data());
    EXPECT_EQ((SharedHeapList<int>{1, 2}), target);
    target = SharedHeapList<int>{1, 2, 3, 4, 5};
    EXPECT_EQ((SharedHeapList<int>{1, 2, 3, 4, 5}), target);
}

// The three pointers of a list at `offset` inside `object`, read as bytes.
bool NullList(const unsigned char* object, size_t offset) {
    const unsigned char zero[sizeof(SharedHeapList<int>)] = {};
    return std::memcmp(object + offset, zero, sizeof zero) == 0;
}

// A destroyed element holds null lists: destroying it again frees nothing,
// which the sanitizer build would report as a double free.
TEST(SharedHeapList, DestroyedHallHoldsOnlyNullLists) {
    alignas(CHallShowElements) unsigned char storage[sizeof(CHallShowElements)];
    auto* hall = new (storage) CHallShowElements;
    const HWND window = reinterpret_cast<HWND>(0x1234);
    hall->m_arrNotifyWnd.push_back(window);
    hall->m_arrRedrawWnd.push_back(window);
    hall->m_tree.m_arrIcon.push_back(nullptr);
    hall->m_personList.m_arrExtraWnd.push_back(window);
    hall->m_personList.m_arrStatusIcon.push_back(nullptr);
    hall->m_personList.m_arrHeadLib.push_back(nullptr);
    hall->m_room.m_arrRoomLib[4].push_back(nullptr);
    hall->m_arrToolButton.resize(3);
    hall->m_arrToolButton[1].m_arrNotifyWnd.push_back(window);
    hall->m_arrExitButton.resize(2);

    const struct {
        const char* name;
        size_t offset;
    } lists[] = {
        {"m_arrRedrawWnd", offsetof(CHallShowElements, m_arrRedrawWnd)},
        {"m_arrNotifyWnd", offsetof(CHallShowElements, m_arrNotifyWnd)},
        {"m_tree.m_arrIcon", offsetof(CHallShowElements, m_tree) + offsetof(CTreeShowElements, m_arrIcon)},
        {"m_personList.m_arrExtraWnd",
         offsetof(CHallShowElements, m_personList) + offsetof(CPersonListShowElements, m_arrExtraWnd)},
        {"m_personList.m_arrStatusIcon",
         offsetof(CHallShowElements, m_personList) + offsetof(CPersonListShowElements, m_arrStatusIcon)},
        {"m_personList.m_arrHeadLib",
         offsetof(CHallShowElements, m_personList) + offsetof(CPersonListShowElements, m_arrHeadLib)},
        {"m_room.m_arrRoomLib[4]", offsetof(CHallShowElements, m_room) + offsetof(CRoomShowElements, m_arrRoomLib) +
                                       4 * sizeof(HandleList<HINSTANCE>)},
        {"m_arrToolButton", offsetof(CHallShowElements, m_arrToolButton)},
        {"m_arrExitButton", offsetof(CHallShowElements, m_arrExitButton)},
    };
    // Named destructor calls: the first destruction leaves the base's table behind.
    hall->CHallShowElements::~CHallShowElements();
    for (const auto& list : lists) EXPECT_TRUE(NullList(storage, list.offset)) << list.name << " after destruction";
    hall->CHallShowElements::~CHallShowElements();
    for (const auto& list : lists) EXPECT_TRUE(NullList(storage, list.offset)) << list.name << " after a second destruction";
}

}  // namespace
