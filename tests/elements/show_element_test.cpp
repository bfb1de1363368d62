// The registration protocol of the element base, on real windows.
#include <gtest/gtest.h>

#include "show_element.h"
#include "window_pairs.h"
#include "window_set.h"

using skintest::AddPair;
using skintest::Names;
using skintest::SameSequence;
using skintest::WindowSet;

namespace {

struct Registrations {
    WindowSet windows;
    CMFCShowElement element;

    // Registers a pair named "N<i>"/"R<i>" for each index given.
    void AddPairs(std::initializer_list<int> indices) {
        for (int i : indices) AddPair(windows, element, std::to_string(i));
    }
};

TEST(ShowElementRefresh, InterleavesEachMessageWithItsInvalidation) {
    Registrations r;
    r.AddPairs({0, 1, 2});
    r.element.RefreshWindows();
    EXPECT_TRUE(SameSequence({"N0 WM_FACECHANGED(0,0) invalid[]", "N1 WM_FACECHANGED(0,0) invalid[R0]",
                              "N2 WM_FACECHANGED(0,0) invalid[R0 R1]"},
                             r.windows.TakeLog()));
    EXPECT_TRUE(SameSequence({"R0", "R1", "R2"}, r.windows.Invalid()));
}

TEST(ShowElementRefresh, SameWindowMayNotifyAndRedraw) {
    Registrations r;
    HWND both = r.windows.Add("B");
    r.element.m_arrNotifyWnd.push_back(both);
    r.element.m_arrRedrawWnd.push_back(both);
    r.element.RefreshWindows();
    EXPECT_TRUE(SameSequence({"B WM_FACECHANGED(0,0) invalid[]"}, r.windows.TakeLog()));
    EXPECT_TRUE(SameSequence({"B"}, r.windows.Invalid()));
}

TEST(ShowElementRefresh, PairsAppendedByAHandlerWaitForTheNextPass) {
    Registrations r;
    r.AddPairs({0});
    HWND n0 = r.element.m_arrNotifyWnd[0];
    r.windows.onMessage = [&](HWND w, UINT) {
        if (w == n0 && r.element.m_arrNotifyWnd.size() == 1) AddPair(r.windows, r.element, "5");
    };
    r.element.RefreshWindows();
    EXPECT_TRUE(SameSequence({"N0 WM_FACECHANGED(0,0) invalid[]"}, r.windows.TakeLog()));
    EXPECT_TRUE(SameSequence({"R0"}, r.windows.Invalid()));
}

TEST(ShowElementRefresh, NotifyWindowsVisitsWindowsAppendedDuringThePass) {
    Registrations r;
    r.AddPairs({0});
    HWND n0 = r.element.m_arrNotifyWnd[0];
    r.windows.onMessage = [&](HWND w, UINT) {
        if (w == n0 && r.element.m_arrNotifyWnd.size() == 1) AddPair(r.windows, r.element, "5");
    };
    r.element.NotifyWindows();
    EXPECT_TRUE(SameSequence({"N0 WM_FACECHANGED(0,0) invalid[]", "N5 WM_FACECHANGED(0,0) invalid[]"},
                             r.windows.TakeLog()));
    EXPECT_TRUE(r.windows.Invalid().empty()) << "NotifyWindows must not invalidate anything";
}

TEST(ShowElementRefresh, AHandlerThatRemovesPairsEndsThePassAtTheNewEnd) {
    Registrations r;
    r.AddPairs({0, 1, 2});
    HWND n0 = r.element.m_arrNotifyWnd[0];
    r.windows.onMessage = [&](HWND w, UINT) {
        if (w != n0) return;
        r.element.m_arrNotifyWnd.resize(1);
        r.element.m_arrRedrawWnd.resize(1);
    };
    r.element.RefreshWindows();
    EXPECT_TRUE(SameSequence({"N0 WM_FACECHANGED(0,0) invalid[]"}, r.windows.TakeLog()));
    EXPECT_TRUE(SameSequence({"R0"}, r.windows.Invalid()));
}

TEST(ShowElementRefresh, AHandlerThatEmptiesTheRedrawListStopsBeforeItsInvalidation) {
    Registrations r;
    r.AddPairs({0, 1});
    r.windows.onMessage = [&](HWND, UINT) { r.element.m_arrRedrawWnd.clear(); };
    r.element.RefreshWindows();
    EXPECT_TRUE(SameSequence({"N0 WM_FACECHANGED(0,0) invalid[]"}, r.windows.TakeLog()));
    EXPECT_TRUE(r.windows.Invalid().empty());
}

TEST(ShowElementRefresh, UnequalListsUseOnlyCompletePairs) {
    Registrations r;
    r.AddPairs({0});
    r.element.m_arrNotifyWnd.push_back(r.windows.Add("N1"));  // no redraw partner
    r.element.RefreshWindows();
    EXPECT_TRUE(SameSequence({"N0 WM_FACECHANGED(0,0) invalid[]"}, r.windows.TakeLog()));

    r.windows.ValidateAll();
    r.element.m_arrRedrawWnd.push_back(r.windows.Add("R1"));
    r.element.m_arrRedrawWnd.push_back(r.windows.Add("R2"));  // no notify partner
    r.element.RefreshWindows();
    EXPECT_TRUE(SameSequence({"N0 WM_FACECHANGED(0,0) invalid[]", "N1 WM_FACECHANGED(0,0) invalid[R0]"},
                             r.windows.TakeLog()));
    EXPECT_TRUE(SameSequence({"R0", "R1"}, r.windows.Invalid()));
}

TEST(ShowElementRefresh, NothingRegisteredMeansNothingHappens) {
    Registrations r;
    HWND bystander = r.windows.Add("X");
    (void)bystander;
    r.element.RefreshWindows();
    r.element.NotifyWindows();
    EXPECT_TRUE(r.windows.TakeLog().empty());
    EXPECT_TRUE(r.windows.Invalid().empty());
}

TEST(ShowElementRefresh, DestroyedWindowsArePassedOnHarmlessly) {
    Registrations r;
    r.AddPairs({0, 1});
    DestroyWindow(r.element.m_arrNotifyWnd[0]);
    DestroyWindow(r.element.m_arrRedrawWnd[0]);
    r.element.RefreshWindows();
    EXPECT_TRUE(SameSequence({"N1 WM_FACECHANGED(0,0) invalid[]"}, r.windows.TakeLog()));
    EXPECT_TRUE(SameSequence({"R1"}, r.windows.Invalid()));
}

TEST(ShowElementMerge, AppendsTheOthersPairsBehindItsOwn) {
    Registrations r;
    AddPair(r.windows, r.element, "9");
    CMFCShowElement other;
    AddPair(r.windows, other, "0");
    AddPair(r.windows, other, "1");

    r.element.MergeFrom(&other);
    EXPECT_TRUE(SameSequence({"N9", "N0", "N1"}, Names(r.windows, r.element.m_arrNotifyWnd)));
    EXPECT_TRUE(SameSequence({"R9", "R0", "R1"}, Names(r.windows, r.element.m_arrRedrawWnd)));
    EXPECT_TRUE(SameSequence({"N0", "N1"}, Names(r.windows, other.m_arrNotifyWnd))) << "the source must not change";
    EXPECT_TRUE(SameSequence({"R0", "R1"}, Names(r.windows, other.m_arrRedrawWnd)));

    r.element.MergeFrom(&other);
    EXPECT_EQ(5u, r.element.m_arrNotifyWnd.size()) << "merging twice adds the pairs twice";
    EXPECT_EQ(5u, r.element.m_arrRedrawWnd.size());
}

TEST(ShowElementMerge, NullSelfAndEmptySourcesChangeNothing) {
    Registrations r;
    r.AddPairs({0, 1});
    CMFCShowElement empty;
    r.element.MergeFrom(nullptr);
    r.element.MergeFrom(&r.element);
    r.element.MergeFrom(&empty);
    EXPECT_TRUE(SameSequence({"N0", "N1"}, Names(r.windows, r.element.m_arrNotifyWnd)));
    EXPECT_TRUE(SameSequence({"R0", "R1"}, Names(r.windows, r.element.m_arrRedrawWnd)));

    CMFCShowElement target;
    target.MergeFrom(&empty);
    EXPECT_EQ(0u, target.m_arrNotifyWnd.capacity()) << "merging nothing must take no storage";
    EXPECT_EQ(0u, target.m_arrRedrawWnd.capacity());
}

TEST(ShowElementMerge, TakesOnlyCompletePairsFromUnequalLists) {
    Registrations r;
    CMFCShowElement other;
    AddPair(r.windows, other, "0");
    other.m_arrNotifyWnd.push_back(r.windows.Add("N1"));
    r.element.MergeFrom(&other);
    EXPECT_TRUE(SameSequence({"N0"}, Names(r.windows, r.element.m_arrNotifyWnd)));
    EXPECT_TRUE(SameSequence({"R0"}, Names(r.windows, r.element.m_arrRedrawWnd)));
}

TEST(ShowElementCopy, CopiesOwnTheirStorage) {
    Registrations r;
    r.AddPairs({0, 1, 2});
    CMFCShowElement copy(r.element);
    EXPECT_TRUE(SameSequence({"N0", "N1", "N2"}, Names(r.windows, copy.m_arrNotifyWnd)));
    EXPECT_TRUE(SameSequence({"R0", "R1", "R2"}, Names(r.windows, copy.m_arrRedrawWnd)));
    EXPECT_NE(r.element.m_arrNotifyWnd.data(), copy.m_arrNotifyWnd.data());
    EXPECT_NE(r.element.m_arrRedrawWnd.data(), copy.m_arrRedrawWnd.data());

    CMFCShowElement assigned;
    AddPair(r.windows, assigned, "7");
    assigned = r.element;
    EXPECT_TRUE(SameSequence({"N0", "N1", "N2"}, Names(r.windows, assigned.m_arrNotifyWnd)));
    EXPECT_NE(r.element.m_arrRedrawWnd.data(), assigned.m_arrRedrawWnd.data());
}

TEST(ShowElementLifetime, DestroyingAnElementTouchesNoWindow) {
    Registrations r;
    {
        CMFCShowElement doomed;
        AddPair(r.windows, doomed, "0");
        AddPair(r.windows, doomed, "1");
    }
    EXPECT_TRUE(r.windows.TakeLog().empty());
    EXPECT_TRUE(r.windows.Invalid().empty());
}

TEST(ShowElementLifetime, ReleaseObjectsOfTheBaseKeepsRegistrations) {
    Registrations r;
    r.AddPairs({0});
    r.element.ReleaseObjects();
    EXPECT_EQ(1u, r.element.m_arrNotifyWnd.size());
    EXPECT_EQ(1u, r.element.m_arrRedrawWnd.size());
}

}  // namespace
