// The exact deletions and library releases of the room and person-list
// elements, in order: calls that no window can observe, read from the
// portable platform's record of them.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <new>
#include <string>
#include <vector>

#include "person_list_element.h"
#include "platform_trace.h"
#include "room_element.h"

using platform_trace::Call;

namespace {

std::string Describe(const std::vector<Call>& calls) {
    std::string text;
    for (size_t i = 0; i < calls.size(); ++i) {
        char line[96];
        std::snprintf(line, sizeof line, "\n    [%zu] %s(%p)", i, calls[i].function.c_str(), calls[i].handle);
        text += line;
    }
    return text.empty() ? "\n    (no calls)" : text;
}

testing::AssertionResult SameCalls(const std::vector<Call>& expected, const std::vector<Call>& actual) {
    if (expected == actual) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "expected:" << Describe(expected) << "\n  actual:" << Describe(actual);
}

Call Deletion(const void* handle) { return Call{"DeleteObject", handle, ""}; }
Call Release(const void* handle) { return Call{"FreeLibrary", handle, ""}; }

// Handle values that name no object of the platform, so the calls only show
// in the record. Each group of values is apart from the others.
template <class Handle>
Handle Fake(uintptr_t group, uintptr_t index) {
    return reinterpret_cast<Handle>(0x70000000u + group * 0x100000u + 4u * index);
}

class ReleaseOrder : public testing::Test {
protected:
    void SetUp() override { platform_trace::Clear(); }
};

// --- Room -------------------------------------------------------------------

TEST_F(ReleaseOrder, RoomDeletesExactlyTheCountedPicturesOfEachArray) {
    struct Row {
        const char* name;
        int entry, groups;
        size_t deleted;
    };
    const Row rows[] = {
        {"2 seats x 1 group", 0, 1, 10},  {"3 seats x 1 group", 1, 1, 12},  {"4 seats x 3 groups", 2, 3, 38},
        {"5 seats x 2 groups", 3, 2, 30}, {"6 seats x 2 groups", 4, 2, 34}, {"5 seats x 0 groups", 3, 0, 0},
        {"4 seats x -2 groups", 2, -2, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const size_t length = row.deleted + 3;  // three handles behind the counted ones
        auto* array = static_cast<HBITMAP*>(::operator new(length * sizeof(HBITMAP)));
        for (size_t j = 0; j < length; ++j) array[j] = Fake<HBITMAP>(row.entry, j);
        CRoomShowElements room;
        room.m_phTablePic[row.entry] = array;
        room.m_nPicGroups[row.entry] = row.groups;

        room.ReleaseObjects();

        std::vector<Call> expected;
        for (size_t j = 0; j < row.deleted; ++j) expected.push_back(Deletion(Fake<HBITMAP>(row.entry, j)));
        EXPECT_TRUE(SameCalls(expected, platform_trace::Take()));
    }
}

TEST_F(ReleaseOrder, RoomDeletesEntryByEntryThenReleasesLibrariesEntryByEntry) {
    CRoomShowElements room;
    const size_t lengths[kRoomTableSizes] = {10, 0, 14, 0, 18};  // entries 1 and 3 hold no array
    for (int k = 0; k < kRoomTableSizes; ++k) {
        if (lengths[k] == 0) continue;
        room.m_phTablePic[k] = static_cast<HBITMAP*>(::operator new(lengths[k] * sizeof(HBITMAP)));
        for (size_t j = 0; j < lengths[k]; ++j) room.m_phTablePic[k][j] = Fake<HBITMAP>(k, j);
        room.m_nPicGroups[k] = 1;
    }
    room.m_nPicGroups[1] = 5;  // a count without an array deletes nothing
    room.m_arrRoomLib[4] = {Fake<HINSTANCE>(9, 0)};
    room.m_arrRoomLib[0] = {Fake<HINSTANCE>(9, 1), Fake<HINSTANCE>(9, 2)};
    room.m_arrRoomLib[2] = {Fake<HINSTANCE>(9, 3)};

    room.ReleaseObjects();

    std::vector<Call> expected;
    for (int k = 0; k < kRoomTableSizes; ++k)
        for (size_t j = 0; j < lengths[k]; ++j) expected.push_back(Deletion(Fake<HBITMAP>(k, j)));
    for (size_t i : {1, 2, 3, 0}) expected.push_back(Release(Fake<HINSTANCE>(9, i)));
    EXPECT_TRUE(SameCalls(expected, platform_trace::Take()));
}

TEST_F(ReleaseOrder, RoomReleasedTwiceDeletesNothingMore) {
    CRoomShowElements room;
    room.m_phTablePic[0] = static_cast<HBITMAP*>(::operator new(10 * sizeof(HBITMAP)));
    for (size_t j = 0; j < 10; ++j) room.m_phTablePic[0][j] = Fake<HBITMAP>(0, j);
    room.m_nPicGroups[0] = 1;
    room.m_arrRoomLib[3] = {Fake<HINSTANCE>(9, 0), Fake<HINSTANCE>(9, 1)};
    room.ReleaseObjects();
    platform_trace::Clear();

    room.ReleaseObjects();

    // The library handles are null by now: their calls release nothing.
    EXPECT_TRUE(SameCalls({Release(nullptr), Release(nullptr)}, platform_trace::Take()));
}

TEST_F(ReleaseOrder, RoomFreshOrDestroyedOrMergedMakesNoCall) {
    CRoomShowElements source;
    source.m_arrRoomLib[2] = {Fake<HINSTANCE>(9, 0)};
    {
        CRoomShowElements fresh;
        fresh.ReleaseObjects();
        CHall_RoomShowElements merged;
        merged.m_arrRoomLib[2] = {Fake<HINSTANCE>(9, 1), Fake<HINSTANCE>(9, 2)};
        merged.MergeFrom(&source);
        EXPECT_EQ(source.m_arrRoomLib[2], merged.m_arrRoomLib[2]);
    }
    EXPECT_TRUE(SameCalls({}, platform_trace::Take())) << "only ReleaseObjects releases, and only what it holds";
}

// --- Person list ------------------------------------------------------------

TEST_F(ReleaseOrder, PersonListDeletesIconsThenBackgroundThenReleasesLibraries) {
    for (bool hall : {false, true}) {
        SCOPED_TRACE(hall ? "CHall_PersonListShowElements" : "CPersonListShowElements");
        CHall_PersonListShowElements hallList;
        CPersonListShowElements plainList;
        CPersonListShowElements& list = hall ? hallList : plainList;
        for (int i = 0; i < kPersonIconCount; ++i)
            list.m_arrStatusIcon.push_back(i == kPersonIconSleep ? nullptr : Fake<HICON>(1, i));
        list.m_hbmBack = Fake<HBITMAP>(2, 0);
        list.m_arrHeadLib = {Fake<HINSTANCE>(3, 0), Fake<HINSTANCE>(3, 1), Fake<HINSTANCE>(3, 2)};
        list.m_arrExtraWnd = {Fake<HWND>(4, 0)};

        list.ReleaseObjects();

        std::vector<Call> expected;
        for (int i = 0; i < kPersonIconCount; ++i)
            expected.push_back(Deletion(i == kPersonIconSleep ? nullptr : Fake<HICON>(1, i)));
        expected.push_back(Deletion(Fake<HBITMAP>(2, 0)));
        for (int i = 0; i < 3; ++i) expected.push_back(Release(Fake<HINSTANCE>(3, i)));
        EXPECT_TRUE(SameCalls(expected, platform_trace::Take()));
    }
}

TEST_F(ReleaseOrder, PersonListReleasedTwiceReleasesNothingMore) {
    CPersonListShowElements list;
    list.m_arrStatusIcon = {Fake<HICON>(1, 0)};
    list.m_hbmBack = Fake<HBITMAP>(2, 0);
    list.m_arrHeadLib = {Fake<HINSTANCE>(3, 0), Fake<HINSTANCE>(3, 1)};
    list.ReleaseObjects();
    platform_trace::Clear();

    list.ReleaseObjects();

    // Every handle is null by now: these calls delete and release nothing.
    EXPECT_TRUE(SameCalls({Deletion(nullptr), Release(nullptr), Release(nullptr)}, platform_trace::Take()));
}

TEST_F(ReleaseOrder, PersonListDestroyedOrMergedMakesNoCall) {
    CPersonListShowElements source;
    source.m_hbmBack = Fake<HBITMAP>(2, 0);
    source.m_arrStatusIcon = {Fake<HICON>(1, 0)};
    source.m_arrHeadLib = {Fake<HINSTANCE>(3, 0)};
    {
        CHall_PersonListShowElements list;
        list.m_hbmBack = Fake<HBITMAP>(2, 1);
        list.m_arrStatusIcon = {Fake<HICON>(1, 1)};
        list.m_arrHeadLib = {Fake<HINSTANCE>(3, 1)};
        list.MergeFrom(&source);
        list.LoadHeadLibraries();
    }
    EXPECT_TRUE(SameCalls({}, platform_trace::Take()));
}

}  // namespace
