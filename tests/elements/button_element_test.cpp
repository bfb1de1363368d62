// The button element and the lists that hold buttons by value, on real
// windows and graphics objects, with the test's own view of the heap.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

#include "panel_handle_fields.h"
#include "tab_element.h"
#include "window_pairs.h"
#include "window_set.h"

using skintest::AddPair;
using skintest::Alive;
using skintest::FillHandles;
using skintest::Names;
using skintest::ReleaseOrder;
using skintest::SameSequence;
using skintest::WindowSet;

namespace {

// Records the allocations and releases made while it is armed, and can make
// one allocation fail.
struct HeapProbe {
    bool armed = false;
    int failAt = -1;  // index of the armed allocation that fails; -1 for none
    int allocations = 0;
    char events[512] = {};
    int eventCount = 0;

    void Arm(int failingAllocation = -1) {
        *this = HeapProbe();
        failAt = failingAllocation;
        armed = true;
    }
    // 'n' for each allocation, 'd' for each release, in the order they happened.
    std::string Disarm() {
        armed = false;
        return std::string(events, events + eventCount);
    }
    void Record(char event) {
        if (eventCount < static_cast<int>(sizeof events)) events[eventCount++] = event;
    }
};

HeapProbe probe;

}  // namespace

// The lists' storage requests come here too, through failing_storage.cpp,
// so that the delete below gives their blocks back.
void* operator new(std::size_t size) {
    if (probe.armed) {
        if (probe.allocations++ == probe.failAt) throw std::bad_alloc();
        probe.Record('n');
    }
    if (void* block = std::malloc(size != 0 ? size : 1)) return block;
    throw std::bad_alloc();
}

void operator delete(void* block) noexcept {
    if (block != nullptr && probe.armed) probe.Record('d');
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept { operator delete(block); }

namespace {

HBITMAP NewBitmap() { return CreateBitmap(2, 2, 1, 32, nullptr); }

// Stand-ins for icons that DeleteObject really destroys, so each deletion shows.
HICON NewDeletableIcon() { return reinterpret_cast<HICON>(NewBitmap()); }

struct Fields {
    HICON icon, iconAlt;
    COLORREF back, text;
    HBITMAP bitmap;
};

Fields FieldsOf(const CButtonShowElements& b) { return {b.m_hIcon, b.m_hIconAlt, b.m_clrBack, b.m_clrText, b.m_hbmBack}; }

testing::AssertionResult SameFields(const Fields& expected, const CButtonShowElements& button) {
    const Fields actual = FieldsOf(button);
    if (std::memcmp(&expected, &actual, sizeof expected) == 0) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "expected icon " << expected.icon << ", alt " << expected.iconAlt << ", back "
                                       << expected.back << ", text " << expected.text << ", bitmap "
                                       << expected.bitmap << "\n     got icon " << actual.icon << ", alt "
                                       << actual.iconAlt << ", back " << actual.back << ", text " << actual.text
                                       << ", bitmap " << actual.bitmap;
}

CButtonShowElements FilledButton(HICON icon, HBITMAP bitmap) {
    CButtonShowElements b;
    b.m_hIcon = icon;
    b.m_hIconAlt = icon;
    b.m_clrBack = RGB(128, 0, 0);
    b.m_clrText = RGB(255, 255, 255);
    b.m_hbmBack = bitmap;
    return b;
}

TEST(Button, ConstructedWithNullHandlesZeroColoursAndNoRegistrations) {
    alignas(CButtonShowElements) unsigned char storage[sizeof(CButtonShowElements)];
    std::memset(storage, 0xA5, sizeof storage);
    CButtonShowElements* b = new (storage) CButtonShowElements;
    EXPECT_TRUE(SameFields({nullptr, nullptr, 0, 0, nullptr}, *b));
    EXPECT_EQ(0u, b->m_arrNotifyWnd.capacity());
    EXPECT_EQ(0u, b->m_arrRedrawWnd.capacity());
    b->~CButtonShowElements();
}

TEST(Button, CopyHoldsTheSameValuesInListsOfItsOwn) {
    WindowSet windows;
    CButtonShowElements source = FilledButton(NewDeletableIcon(), NewBitmap());
    AddPair(windows, source, "0");
    AddPair(windows, source, "1");

    CButtonShowElements copy(source);

    EXPECT_TRUE(SameFields(FieldsOf(source), copy));
    EXPECT_TRUE(SameSequence({"N0", "N1"}, Names(windows, copy.m_arrNotifyWnd)));
    EXPECT_TRUE(SameSequence({"R0", "R1"}, Names(windows, copy.m_arrRedrawWnd)));
    EXPECT_NE(source.m_arrNotifyWnd.data(), copy.m_arrNotifyWnd.data());
    EXPECT_NE(source.m_arrRedrawWnd.data(), copy.m_arrRedrawWnd.data());
    source.ReleaseObjects();
}

// A list keeps no such copy, and destroying it gives back what it did get.
TEST(Button, ACopyThatCannotGetStorageForEitherListIsNotWhole) {
    WindowSet windows;
    CButtonShowElements source;
    AddPair(windows, source, "0");

    for (int failAt = 0; failAt < 2; ++failAt) {
        probe.Arm(failAt);
        bool whole;
        {
            CButtonShowElements copy(source);
            whole = IsWholeCopy(copy, source);
        }
        const std::string events = probe.Disarm();
        EXPECT_FALSE(whole) << "storage request " << failAt << " refused";
        EXPECT_EQ("nd", events) << "storage request " << failAt << " refused: the other list's taken, then given back";
    }
}

TEST(Button, AssignmentCopiesBothListsAndAllFiveFields) {
    WindowSet windows;
    CButtonShowElements source = FilledButton(NewDeletableIcon(), NewBitmap());
    source.m_clrText = RGB(1, 2, 3);
    AddPair(windows, source, "0");
    CButtonShowElements target;
    AddPair(windows, target, "7");
    AddPair(windows, target, "8");

    target = source;

    EXPECT_TRUE(SameFields(FieldsOf(source), target));
    EXPECT_TRUE(SameSequence({"N0"}, Names(windows, target.m_arrNotifyWnd)));
    EXPECT_TRUE(SameSequence({"R0"}, Names(windows, target.m_arrRedrawWnd)));
    EXPECT_NE(source.m_arrRedrawWnd.data(), target.m_arrRedrawWnd.data());

    const Fields before = FieldsOf(target);
    CButtonShowElements& alias = target;
    target = alias;
    EXPECT_TRUE(SameFields(before, target)) << "assigning a button to itself";
    EXPECT_TRUE(SameSequence({"N0"}, Names(windows, target.m_arrNotifyWnd)));
    source.ReleaseObjects();
}

TEST(Button, RefreshRepaintsWithoutTellingAnyone) {
    WindowSet windows;
    CButtonShowElements b;
    AddPair(windows, b, "0");
    AddPair(windows, b, "1");
    windows.TakeLog();

    static_cast<CMFCShowElement&>(b).RefreshWindows();

    EXPECT_TRUE(SameSequence({}, windows.TakeLog())) << "no WM_FACECHANGED expected";
    EXPECT_TRUE(SameSequence({"R0", "R1"}, windows.Invalid()));
}

TEST(Button, MergeTakesNothingFromAnyElement) {
    WindowSet windows;
    CButtonShowElements b;
    AddPair(windows, b, "0");
    CTabShowElements tab;
    AddPair(windows, tab, "1");
    CButtonShowElements other;
    AddPair(windows, other, "2");

    static_cast<CMFCShowElement&>(b).MergeFrom(&tab);
    b.MergeFrom(&other);
    b.MergeFrom(nullptr);
    b.MergeFrom(&b);

    EXPECT_TRUE(SameSequence({"N0"}, Names(windows, b.m_arrNotifyWnd)));
    EXPECT_TRUE(SameSequence({"R0"}, Names(windows, b.m_arrRedrawWnd)));
}

TEST(Button, ReleaseDeletesBothIconsAndTheBitmap) {
    CButtonShowElements b;
    b.m_clrBack = RGB(9, 8, 7);
    b.m_clrText = RGB(6, 5, 4);
    const std::vector<HGDIOBJ> objects = FillHandles(b);
    const auto& rows = ReleaseOrder<CButtonShowElements>();

    b.ReleaseObjects();

    for (size_t i = 0; i < rows.size(); ++i) EXPECT_FALSE(Alive(objects[i])) << rows[i].name << " was not deleted";
    EXPECT_TRUE(SameFields({nullptr, nullptr, RGB(9, 8, 7), RGB(6, 5, 4), nullptr}, b));

    b.ReleaseObjects();
    EXPECT_TRUE(SameFields({nullptr, nullptr, RGB(9, 8, 7), RGB(6, 5, 4), nullptr}, b)) << "second release";
}

TEST(Button, ReleaseOfOneIconInBothFieldsLeavesBothNull) {
    const HICON icon = NewDeletableIcon();
    const HBITMAP bitmap = NewBitmap();
    CButtonShowElements b = FilledButton(icon, bitmap);

    b.ReleaseObjects();

    EXPECT_FALSE(Alive(icon));
    EXPECT_FALSE(Alive(bitmap));
    EXPECT_TRUE(SameFields({nullptr, nullptr, RGB(128, 0, 0), RGB(255, 255, 255), nullptr}, b));
}

TEST(Button, ReleasingACopyLeavesTheSourcesValues) {
    WindowSet windows;
    CButtonShowElements source = FilledButton(NewDeletableIcon(), NewBitmap());
    AddPair(windows, source, "0");
    const Fields before = FieldsOf(source);
    CButtonShowElements copy(source);

    copy.ReleaseObjects();

    EXPECT_TRUE(SameFields({nullptr, nullptr, before.back, before.text, nullptr}, copy));
    EXPECT_TRUE(SameFields(before, source)) << "the source keeps the old handle values";
    EXPECT_FALSE(Alive(before.bitmap)) << "the shared bitmap is gone for both";
    EXPECT_EQ(1u, copy.m_arrRedrawWnd.size()) << "release keeps registrations";
}

TEST(Button, DestroyingAButtonDeletesNothing) {
    const HICON icon = NewDeletableIcon();
    const HBITMAP bitmap = NewBitmap();
    { CButtonShowElements b = FilledButton(icon, bitmap); }
    EXPECT_TRUE(Alive(icon));
    EXPECT_TRUE(Alive(bitmap));
    DeleteObject(icon);
    DeleteObject(bitmap);
}

// A list of buttons that each carry one registration and the one shared
// bitmap, as the toolbar does.
struct Toolbar {
    WindowSet windows;
    HBITMAP bitmap = NewBitmap();
    std::vector<HICON> icons;
    ButtonList list;

    CButtonShowElements Button(int i) {
        icons.push_back(NewDeletableIcon());
        CButtonShowElements b = FilledButton(icons.back(), bitmap);
        AddPair(windows, b, std::to_string(i));
        return b;
    }
    void ExpectIntact(size_t count) {
        ASSERT_EQ(count, list.size());
        EXPECT_TRUE(Alive(bitmap)) << "the shared bitmap";
        for (size_t i = 0; i < count; ++i) {
            SCOPED_TRACE("button " + std::to_string(i));
            EXPECT_TRUE(Alive(icons[i]));
            EXPECT_TRUE(SameFields({icons[i], icons[i], RGB(128, 0, 0), RGB(255, 255, 255), bitmap}, list[i]));
            EXPECT_TRUE(SameSequence({"N" + std::to_string(i)}, Names(windows, list[i].m_arrNotifyWnd)));
            EXPECT_TRUE(SameSequence({"R" + std::to_string(i)}, Names(windows, list[i].m_arrRedrawWnd)));
        }
    }
    ~Toolbar() {
        for (HICON icon : icons) DeleteObject(icon);
        DeleteObject(bitmap);
    }
};

TEST(ButtonList, GrowingCopiesEveryButtonBeforeDestroyingTheOldOnes) {
    Toolbar t;
    for (int i = 0; i < 9; ++i) {
        const CButtonShowElements next = t.Button(i);
        const bool grows = t.list.size() == t.list.capacity();
        probe.Arm();
        t.list.push_back(next);
        const std::string events = probe.Disarm();
        SCOPED_TRACE("append " + std::to_string(i) + (grows ? " (grows)" : ""));
        if (grows) {
            // The new block, two lists for each copy and for the new button,
            // then the old buttons' lists and the old block.
            const std::string expected =
                std::string(1 + 2 * (t.list.size()), 'n') + std::string(i == 0 ? 0 : 2 * i + 1, 'd');
            EXPECT_EQ(expected, events);
        } else {
            EXPECT_EQ("nn", events) << "the new button's two lists only";
        }
        t.ExpectIntact(t.list.size());
        if (HasFailure()) return;
    }
}

TEST(ButtonList, ClearDestroysTheButtonsAndKeepsTheStorage) {
    Toolbar t;
    for (int i = 0; i < 3; ++i) t.list.push_back(t.Button(i));
    const CButtonShowElements* block = t.list.data();
    const size_t capacity = t.list.capacity();

    probe.Arm();
    t.list.clear();
    EXPECT_EQ("dddddd", probe.Disarm()) << "each button's two lists, and not the block";

    EXPECT_EQ(0u, t.list.size());
    EXPECT_EQ(capacity, t.list.capacity());
    EXPECT_TRUE(Alive(t.bitmap));
    for (HICON icon : t.icons) EXPECT_TRUE(Alive(icon));

    t.list.push_back(t.Button(3));
    EXPECT_EQ(block, t.list.data()) << "appending after a clear reuses the storage";
}

TEST(ButtonList, ReleasingEveryButtonDeletesTheSharedBitmapAgainHarmlessly) {
    Toolbar t;
    for (int i = 0; i < 3; ++i) t.list.push_back(t.Button(i));
    t.list[0].ReleaseObjects();
    // Made after the first deletion, so it may be given the freed handle's place.
    const HBITMAP other = NewBitmap();
    t.list[1].ReleaseObjects();
    t.list[2].ReleaseObjects();
    EXPECT_FALSE(Alive(t.bitmap));
    for (HICON icon : t.icons) EXPECT_FALSE(Alive(icon));
    EXPECT_TRUE(Alive(other)) << "deleting a deleted handle again must leave newer objects alone";
    DeleteObject(other);
    t.icons.clear();
    t.bitmap = nullptr;
}

}  // namespace
