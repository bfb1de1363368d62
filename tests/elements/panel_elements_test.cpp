// The tab, caption, chat and splitter elements on real windows and graphics
// objects: construction, release, merging and each class's refresh.
#include <gtest/gtest.h>

#include <cstring>
#include <new>

#include "panel_handle_fields.h"
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

// An element constructed over garbage, so that a field its constructor
// forgets shows.
template <class Element>
class BuiltOverGarbage {
public:
    BuiltOverGarbage() {
        std::memset(storage_, 0xA5, sizeof storage_);
        element_ = new (storage_) Element;
    }
    ~BuiltOverGarbage() { element_->~Element(); }
    BuiltOverGarbage(const BuiltOverGarbage&) = delete;
    BuiltOverGarbage& operator=(const BuiltOverGarbage&) = delete;
    Element& operator*() { return *element_; }
    Element* operator->() { return element_; }

private:
    alignas(Element) unsigned char storage_[sizeof(Element)];
    Element* element_;
};

template <class Element>
class PanelElement : public testing::Test {};

using PanelTypes = testing::Types<CTabShowElements, CCaptionShowElements, CChatShowElements, CSplitterShowElements>;

class PanelNames {
public:
    template <class T>
    static std::string GetName(int) {
        if (std::is_same<T, CTabShowElements>()) return "Tab";
        if (std::is_same<T, CCaptionShowElements>()) return "Caption";
        if (std::is_same<T, CChatShowElements>()) return "Chat";
        return "Splitter";
    }
};
TYPED_TEST_SUITE(PanelElement, PanelTypes, PanelNames);

TYPED_TEST(PanelElement, ConstructedWithEveryHandleNullAndNoRegistrations) {
    BuiltOverGarbage<TypeParam> element;
    for (const auto& row : ReleaseOrder<TypeParam>()) EXPECT_EQ(nullptr, row.get(*element)) << row.name;
    EXPECT_EQ(0u, element->m_arrNotifyWnd.capacity());
    EXPECT_EQ(0u, element->m_arrRedrawWnd.capacity());
}

TYPED_TEST(PanelElement, ReleaseDeletesEveryObjectAndNullsEveryField) {
    TypeParam element;
    const std::vector<HGDIOBJ> objects = FillHandles(element);
    const auto& rows = ReleaseOrder<TypeParam>();
    for (size_t i = 0; i < rows.size(); ++i) ASSERT_TRUE(Alive(objects[i])) << rows[i].name << " before release";

    element.ReleaseObjects();

    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_FALSE(Alive(objects[i])) << rows[i].name << " was not deleted";
        EXPECT_EQ(nullptr, rows[i].get(element)) << rows[i].name << " was not nulled";
    }
}

TYPED_TEST(PanelElement, ReleaseOnAnEmptyElementAndASecondReleaseAreHarmless) {
    TypeParam element;
    element.ReleaseObjects();
    FillHandles(element);
    element.ReleaseObjects();
    element.ReleaseObjects();
    for (const auto& row : ReleaseOrder<TypeParam>()) EXPECT_EQ(nullptr, row.get(element)) << row.name;
}

TYPED_TEST(PanelElement, ReleaseKeepsRegistrations) {
    WindowSet windows;
    TypeParam element;
    AddPair(windows, element, "0");
    AddPair(windows, element, "1");
    FillHandles(element);
    element.ReleaseObjects();
    EXPECT_TRUE(SameSequence({"N0", "N1"}, Names(windows, element.m_arrNotifyWnd)));
    EXPECT_TRUE(SameSequence({"R0", "R1"}, Names(windows, element.m_arrRedrawWnd)));
}

TYPED_TEST(PanelElement, DestroyingAFilledElementDeletesNothing) {
    std::vector<HGDIOBJ> objects;
    {
        TypeParam element;
        objects = FillHandles(element);
    }
    const auto& rows = ReleaseOrder<TypeParam>();
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_TRUE(Alive(objects[i])) << rows[i].name << " was deleted by the destructor";
        DeleteObject(objects[i]);
    }
}

TYPED_TEST(PanelElement, MergeAppendsTheOthersRegistrationsOnly) {
    WindowSet windows;
    TypeParam element;
    AddPair(windows, element, "9");
    TypeParam other;
    AddPair(windows, other, "0");
    AddPair(windows, other, "1");
    const std::vector<HGDIOBJ> objects = FillHandles(other);

    element.MergeFrom(&other);

    EXPECT_TRUE(SameSequence({"N9", "N0", "N1"}, Names(windows, element.m_arrNotifyWnd)));
    EXPECT_TRUE(SameSequence({"R9", "R0", "R1"}, Names(windows, element.m_arrRedrawWnd)));
    EXPECT_TRUE(SameSequence({"N0", "N1"}, Names(windows, other.m_arrNotifyWnd))) << "the source must not change";
    for (const auto& row : ReleaseOrder<TypeParam>())
        EXPECT_EQ(nullptr, row.get(element)) << row.name << " must not be merged";
    other.ReleaseObjects();
}

TYPED_TEST(PanelElement, CopiesShareHandlesButOwnTheirLists) {
    WindowSet windows;
    TypeParam element;
    AddPair(windows, element, "0");
    const std::vector<HGDIOBJ> objects = FillHandles(element);

    TypeParam copy(element);
    EXPECT_NE(element.m_arrNotifyWnd.data(), copy.m_arrNotifyWnd.data());
    EXPECT_NE(element.m_arrRedrawWnd.data(), copy.m_arrRedrawWnd.data());
    const auto& rows = ReleaseOrder<TypeParam>();
    for (size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(objects[i], rows[i].get(copy)) << rows[i].name;

    copy.ReleaseObjects();
    for (size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(objects[i], rows[i].get(element)) << rows[i].name << " of the source must keep its value";
}

// Values that no handle field touches survive ReleaseObjects.
TEST(PanelValues, ReleaseKeepsColoursSizesAndChatValues) {
    CTabShowElements tab;
    tab.m_clrLine = 1, tab.m_clrText = 2, tab.m_clrFace = 3;
    tab.m_clrActiveText = 4, tab.m_clrActiveLine = 5, tab.m_clrInactiveText = 6;
    tab.m_nTabSize1 = 28, tab.m_nTabSize2 = 40;
    FillHandles(tab);
    tab.ReleaseObjects();
    EXPECT_EQ((std::vector<COLORREF>{1, 2, 3, 4, 5, 6}),
              (std::vector<COLORREF>{tab.m_clrLine, tab.m_clrText, tab.m_clrFace, tab.m_clrActiveText,
                                     tab.m_clrActiveLine, tab.m_clrInactiveText}));
    EXPECT_EQ(28, tab.m_nTabSize1);
    EXPECT_EQ(40, tab.m_nTabSize2);

    CCaptionShowElements caption;
    caption.m_clrCaption = 7, caption.m_clrCaptionText = 8, caption.m_clrMenu = 9;
    FillHandles(caption);
    caption.ReleaseObjects();
    EXPECT_EQ((std::vector<COLORREF>{7, 8, 9}),
              (std::vector<COLORREF>{caption.m_clrCaption, caption.m_clrCaptionText, caption.m_clrMenu}));

    CChatShowElements chat;
    chat.m_dwChatValue1 = 10, chat.m_dwChatValue2 = 11, chat.m_dwChatValue3 = 12;
    FillHandles(chat);
    chat.ReleaseObjects();
    EXPECT_EQ((std::vector<DWORD>{10, 11, 12}),
              (std::vector<DWORD>{chat.m_dwChatValue1, chat.m_dwChatValue2, chat.m_dwChatValue3}));

    CSplitterShowElements splitter;
    splitter.m_nSplitterSize1 = splitter.m_nSplitterSize2 = 11;
    splitter.m_nSplitterSize3 = splitter.m_nSplitterSize4 = 11;
    FillHandles(splitter);
    splitter.ReleaseObjects();
    EXPECT_EQ((std::vector<short>{11, 11, 11, 11}),
              (std::vector<short>{splitter.m_nSplitterSize1, splitter.m_nSplitterSize2, splitter.m_nSplitterSize3,
                                  splitter.m_nSplitterSize4}));
}

TEST(PanelValues, ConstructionGivesSplitterSizesTwentyAndLeavesTheRestZero) {
    BuiltOverGarbage<CSplitterShowElements> splitter;
    EXPECT_EQ((std::vector<short>{20, 20, 20, 20}),
              (std::vector<short>{splitter->m_nSplitterSize1, splitter->m_nSplitterSize2, splitter->m_nSplitterSize3,
                                  splitter->m_nSplitterSize4}));
    BuiltOverGarbage<CChatShowElements> chat;
    EXPECT_EQ((std::vector<DWORD>{0, 0, 0}),
              (std::vector<DWORD>{chat->m_dwChatValue1, chat->m_dwChatValue2, chat->m_dwChatValue3}));
    BuiltOverGarbage<CTabShowElements> tab;
    EXPECT_EQ((std::vector<COLORREF>{0, 0, 0, 0, 0, 0}),
              (std::vector<COLORREF>{tab->m_clrLine, tab->m_clrText, tab->m_clrFace, tab->m_clrActiveText,
                                     tab->m_clrActiveLine, tab->m_clrInactiveText}));
    EXPECT_EQ((std::vector<short>{0, 0}), (std::vector<short>{tab->m_nTabSize1, tab->m_nTabSize2}));
    BuiltOverGarbage<CCaptionShowElements> caption;
    EXPECT_EQ((std::vector<COLORREF>{0, 0, 0}),
              (std::vector<COLORREF>{caption->m_clrCaption, caption->m_clrCaptionText, caption->m_clrMenu}));
}

// The redraw-only refresh of the tab and the splitter, called through the
// virtual slot as the host calls it.
template <class Element>
class RedrawOnlyRefresh : public testing::Test {};

using RedrawOnlyTypes = testing::Types<CTabShowElements, CSplitterShowElements>;
TYPED_TEST_SUITE(RedrawOnlyRefresh, RedrawOnlyTypes, PanelNames);

TYPED_TEST(RedrawOnlyRefresh, InvalidatesEveryRedrawWindowAndTellsNoOne) {
    WindowSet windows;
    TypeParam element;
    AddPair(windows, element, "1");
    AddPair(windows, element, "2");
    windows.TakeLog();

    static_cast<CMFCShowElement&>(element).RefreshWindows();

    EXPECT_TRUE(SameSequence({}, windows.TakeLog())) << "no WM_FACECHANGED expected";
    EXPECT_TRUE(SameSequence({"R1", "R2"}, windows.Invalid()));
}

TYPED_TEST(RedrawOnlyRefresh, VisitsRedrawWindowsThatHaveNoPartner) {
    WindowSet windows;
    TypeParam element;
    element.m_arrRedrawWnd.push_back(windows.Add("R0"));
    element.m_arrRedrawWnd.push_back(windows.Add("R1"));
    static_cast<CMFCShowElement&>(element).RefreshWindows();
    EXPECT_TRUE(SameSequence({"R0", "R1"}, windows.Invalid()));
}

TEST(ChatRefresh, NotifiesAndRedrawsPairByPair) {
    WindowSet windows;
    CChatShowElements chat;
    AddPair(windows, chat, "1");
    AddPair(windows, chat, "2");
    windows.TakeLog();

    static_cast<CMFCShowElement&>(chat).RefreshWindows();

    EXPECT_TRUE(SameSequence({"N1 WM_FACECHANGED(0,0) invalid[]", "N2 WM_FACECHANGED(0,0) invalid[R1]"},
                             windows.TakeLog()));
    EXPECT_TRUE(SameSequence({"R1", "R2"}, windows.Invalid()));
}

// The caption tells its first notify window and then has the host's main
// window recalculate its frame, which the main window sees as WM_NCCALCSIZE.
struct CaptionWindows {
    WindowSet windows;
    CCaptionShowElements caption;

    std::vector<std::string> Refresh() {
        windows.TakeLog();
        windows.ValidateAll();
        caption.RefreshWindows();
        return windows.TakeLog();
    }
    void Register(HWND notify, HWND redraw) {
        caption.m_arrNotifyWnd.push_back(notify);
        caption.m_arrRedrawWnd.push_back(redraw);
    }
};

TEST(CaptionRefresh, TellsTheFirstNotifyWindowThenUpdatesTheMainFrame) {
    CaptionWindows w;
    HWND main = w.windows.Add("M");
    const DWORD popup = WS_POPUP | WS_VISIBLE;
    HWND a = w.windows.Add("A", popup, main);
    HWND b = w.windows.Add("B", popup, main);
    HWND c = w.windows.Add("C", popup, main);
    w.Register(a, w.windows.Add("D"));
    w.Register(b, w.windows.Add("E"));
    w.Register(c, w.windows.Add("F"));

    EXPECT_TRUE(SameSequence({"A WM_FACECHANGED(0,0) invalid[]", "M WM_NCCALCSIZE invalid[]"}, w.Refresh()));
    for (const std::string& name : w.windows.Invalid())
        EXPECT_TRUE(name == "M") << name << " was invalidated; the caption repaints only the main window's frame";
}

TEST(CaptionRefresh, FindsTheMainWindowThroughParentsAndOwners) {
    CaptionWindows w;
    HWND main = w.windows.Add("M");
    HWND popup = w.windows.Add("P", WS_POPUP | WS_VISIBLE, main);
    HWND child = w.windows.Add("C", WS_CHILD | WS_VISIBLE, popup);
    w.windows.Add("X");  // another unowned window of the thread: not the one
    w.Register(child, child);

    EXPECT_TRUE(SameSequence({"C WM_FACECHANGED(0,0) invalid[]", "M WM_NCCALCSIZE invalid[]"}, w.Refresh()));
}

TEST(CaptionRefresh, AnUnownedNotifyWindowIsItsOwnMainWindow) {
    CaptionWindows w;
    HWND top = w.windows.Add("T");
    w.windows.Add("X");
    w.Register(top, top);

    EXPECT_TRUE(SameSequence({"T WM_FACECHANGED(0,0) invalid[]", "T WM_NCCALCSIZE invalid[]"}, w.Refresh()));
}

TEST(CaptionRefresh, WithoutNotifyWindowsUsesTheThreadsVisibleUnownedWindow) {
    CaptionWindows w;
    HWND hidden = w.windows.Add("H", WS_OVERLAPPEDWINDOW);
    w.windows.Add("O", WS_POPUP | WS_VISIBLE, hidden);  // visible but owned
    w.windows.Add("T");

    EXPECT_TRUE(SameSequence({"T WM_NCCALCSIZE invalid[]"}, w.Refresh()));
}

TEST(CaptionRefresh, ADestroyedNotifyWindowCountsAsNone) {
    CaptionWindows w;
    HWND gone = w.windows.Add("G");
    DestroyWindow(gone);
    w.Register(gone, gone);
    w.windows.Add("T");

    EXPECT_TRUE(SameSequence({"T WM_NCCALCSIZE invalid[]"}, w.Refresh()));
}

TEST(CaptionRefresh, WithoutNotifyWindowOrMainWindowNothingHappens) {
    CaptionWindows w;
    HWND hidden = w.windows.Add("H", WS_OVERLAPPEDWINDOW);
    w.windows.Add("O", WS_POPUP | WS_VISIBLE, hidden);  // visible but owned
    EXPECT_TRUE(SameSequence({}, w.Refresh()));

    HWND gone = w.windows.Add("G");
    DestroyWindow(gone);
    w.Register(gone, gone);
    EXPECT_TRUE(SameSequence({}, w.Refresh())) << "a destroyed notify window and no main window";
}

TEST(CaptionRefresh, TheRootOwnerIsTheMainWindowEvenWhenHidden) {
    CaptionWindows w;
    HWND hidden = w.windows.Add("H", WS_OVERLAPPEDWINDOW);
    HWND owned = w.windows.Add("O", WS_POPUP | WS_VISIBLE, hidden);
    w.windows.Add("T");
    w.Register(owned, owned);
    EXPECT_TRUE(SameSequence({"O WM_FACECHANGED(0,0) invalid[]", "H WM_NCCALCSIZE invalid[]"}, w.Refresh()));
}

TEST(CaptionRefresh, LooksForTheMainWindowAfterTheNotifyHandlerRan) {
    CaptionWindows w;
    HWND main = w.windows.Add("M", WS_OVERLAPPEDWINDOW);  // hidden: only the notify window leads to it
    HWND a = w.windows.Add("A", WS_POPUP | WS_VISIBLE, main);
    w.windows.Add("T");
    w.Register(a, a);
    w.windows.onMessage = [&](HWND, UINT message) {
        if (message == WM_FACECHANGED) w.caption.m_arrNotifyWnd.clear();
    };
    EXPECT_TRUE(SameSequence({"A WM_FACECHANGED(0,0) invalid[]", "T WM_NCCALCSIZE invalid[]"}, w.Refresh()))
        << "the handler emptied the notify list, so the thread's visible window is the main window";
}

}  // namespace
