// The hall composite: who is told and who is repainted when the whole hall
// refreshes, and what its release leaves behind.
#include <gtest/gtest.h>

#include "hall_elements.h"
#include "window_set.h"

using skintest::SameSequence;
using skintest::WindowSet;

namespace {

HBITMAP NewBitmap() { return CreateBitmap(2, 2, 1, 32, nullptr); }
bool Alive(HGDIOBJ object) { return object != nullptr && GetObjectType(object) != 0; }

// Builds the expected log in the order the hall works: each message records
// the windows repainted before it.
class Expected {
public:
    void Told(const std::string& window) { Record(window + " WM_FACECHANGED(0,0)"); }
    void FrameUpdated(const std::string& window) { Record(window + " WM_NCCALCSIZE"); }
    void Repainted(const std::string& window) { invalid_.push_back(window); }

    const std::vector<std::string>& log() const { return log_; }
    const std::vector<std::string>& invalid() const { return invalid_; }

private:
    void Record(const std::string& entry) {
        std::string line = entry + " invalid[";
        for (size_t i = 0; i < invalid_.size(); ++i) line += (i ? " " : "") + invalid_[i];
        log_.push_back(line + "]");
    }
    std::vector<std::string> log_;
    std::vector<std::string> invalid_;
};

class HallWithWindows : public testing::Test {
protected:
    // Windows are created in the order the hall reaches them, so that the
    // update snapshots list them in that order too.
    void Register(CMFCShowElement& element, const std::string& notify, const std::string& redraw) {
        element.m_arrNotifyWnd.push_back(windows.Add(notify));
        element.m_arrRedrawWnd.push_back(windows.Add(redraw));
    }
    // Without a notify window the caption would update the frame of whichever
    // visible window the thread has; this gives it a hidden main window of its own.
    void RegisterCaption(CCaptionShowElements& caption) {
        HWND main = windows.Add("CM", WS_OVERLAPPEDWINDOW);
        caption.m_arrNotifyWnd.push_back(windows.Add("CN", WS_CHILD | WS_VISIBLE, main));
        caption.m_arrRedrawWnd.push_back(windows.Add("CR"));
    }
    static constexpr const char* kCaptionTold = "CN WM_FACECHANGED(0,0) invalid[]";
    static constexpr const char* kCaptionFrame = "CM WM_NCCALCSIZE invalid[]";

    void AddButton(ButtonList& list, const std::string& notify, const std::string& redraw) {
        CButtonShowElements button;
        Register(button, notify, redraw);
        list.push_back(button);
    }

    WindowSet windows;
    CHallShowElements hall;
};

class HallRefresh : public HallWithWindows {};

TEST_F(HallRefresh, FansOutToTheMembersInTheHallsOrder) {
    RegisterCaption(hall.m_caption);
    Register(hall.m_mainTab, "MN0", "MR0");
    Register(hall.m_mainTab, "MN1", "MR1");
    Register(hall.m_tab, "TN0", "TR0");
    Register(hall.m_personList, "PN0", "PR0");
    Register(hall.m_personList, "PN1", "PR1");
    Register(hall.m_room, "RN0", "RR0");
    Register(hall.m_chat, "HN0", "HR0");
    Register(hall.m_splitter, "SN0", "SR0");
    Register(hall.m_tree, "TreeN0", "TreeR0");
    AddButton(hall.m_arrToolButton, "B0N0", "B0R0");
    AddButton(hall.m_arrToolButton, "B1N0", "B1R0");
    AddButton(hall.m_arrExitButton, "XN0", "XR0");
    Register(hall, "HallN", "HallR");

    hall.RefreshWindows();

    Expected e;
    e.Told("CN");
    e.FrameUpdated("CM");
    e.Told("MN0");
    e.Told("MN1");
    e.Repainted("MR0");
    e.Repainted("MR1");
    e.Told("TN0");
    e.Repainted("TR0");
    e.Told("PN0");
    e.Repainted("PR0");
    e.Told("PN1");
    e.Repainted("PR1");
    e.Told("RN0");
    e.Repainted("RR0");
    e.Told("HN0");
    e.Repainted("HR0");
    e.Told("SN0");
    e.Repainted("SR0");
    e.Repainted("TreeR0");
    e.Told("B0N0");
    e.Repainted("B0R0");
    e.Repainted("B1R0");
    EXPECT_TRUE(SameSequence(e.log(), windows.TakeLog()));
    EXPECT_TRUE(SameSequence(e.invalid(), windows.Invalid()));
}

TEST_F(HallRefresh, ButtonsOtherThanTheFirstAreRepaintedButNeverTold) {
    RegisterCaption(hall.m_caption);
    HWND shared = windows.Add("W");
    for (int i = 0; i < 4; ++i) AddButton(hall.m_arrToolButton, "N" + std::to_string(i), "R" + std::to_string(i));
    hall.m_arrToolButton[3].m_arrNotifyWnd[0] = shared;
    hall.m_arrToolButton[3].m_arrRedrawWnd[0] = shared;
    hall.m_arrToolButton[0].m_arrNotifyWnd.push_back(shared);
    hall.m_arrToolButton[0].m_arrRedrawWnd.push_back(windows.Add("R0b"));

    hall.RefreshWindows();

    EXPECT_TRUE(SameSequence({kCaptionTold, kCaptionFrame, "N0 WM_FACECHANGED(0,0) invalid[]",
                              "W WM_FACECHANGED(0,0) invalid[]"},
                             windows.TakeLog()))
        << "the window of button 3 is told once, as button 0's";
    EXPECT_TRUE(SameSequence({"W", "R0", "R1", "R2", "R0b"}, windows.Invalid()));
}

TEST_F(HallRefresh, AnEmptyToolbarStillRefreshesTheOtherMembers) {
    RegisterCaption(hall.m_caption);
    Register(hall.m_chat, "N", "R");
    hall.RefreshWindows();
    EXPECT_TRUE(SameSequence({kCaptionTold, kCaptionFrame, "N WM_FACECHANGED(0,0) invalid[]"}, windows.TakeLog()));
    EXPECT_TRUE(SameSequence({"R"}, windows.Invalid()));
}

// A handler of the first button's message may move or empty the toolbar's
// storage; the rest of the pass then follows the list as it is. The
// sanitizer build turns any read of the old storage into a failure.
TEST_F(HallRefresh, HandlersThatMoveOrEmptyTheToolbarEndTheToolbarPassSafely) {
    const struct {
        const char* name;
        std::function<void(CHallShowElements&)> handler;
        std::vector<std::string> log;
        std::vector<std::string> invalid;
    } rows[] = {
        {"appending buttons moves the storage",
         [](CHallShowElements& h) {
             while (h.m_arrToolButton.size() < 64) h.m_arrToolButton.push_back(h.m_arrToolButton[0]);
         },
         {"N0 WM_FACECHANGED(0,0) invalid[]", "N1 WM_FACECHANGED(0,0) invalid[]"},
         {"R0", "R1"}},
        {"releasing the hall empties the toolbar", [](CHallShowElements& h) { h.ReleaseObjects(); },
         {"N0 WM_FACECHANGED(0,0) invalid[]"}, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        WindowSet set;
        CHallShowElements h;
        h.m_caption.m_arrNotifyWnd.push_back(set.Add("CN", WS_CHILD | WS_VISIBLE, set.Add("CM", WS_OVERLAPPEDWINDOW)));
        CButtonShowElements button;
        for (int i = 0; i < 2; ++i) {
            button.m_arrNotifyWnd.push_back(set.Add("N" + std::to_string(i)));
            button.m_arrRedrawWnd.push_back(set.Add("R" + std::to_string(i)));
        }
        h.m_arrToolButton.push_back(button);
        bool handled = false;
        set.onMessage = [&](HWND window, UINT message) {
            if (message != WM_FACECHANGED || window != button.m_arrNotifyWnd[0] || handled) return;
            handled = true;
            row.handler(h);
        };

        h.RefreshWindows();

        std::vector<std::string> log = {kCaptionTold, kCaptionFrame};
        log.insert(log.end(), row.log.begin(), row.log.end());
        EXPECT_TRUE(SameSequence(log, set.TakeLog()));
        EXPECT_TRUE(SameSequence(row.invalid, set.Invalid()));
    }
}

TEST_F(HallRefresh, MergeIntoTheHallChangesNothing) {
    Register(hall, "N", "R");
    CHallShowElements other;
    Register(other, "ON", "OR");
    Register(other.m_chat, "CN", "CR");
    for (CMFCShowElement* source : {static_cast<CMFCShowElement*>(&other), static_cast<CMFCShowElement*>(nullptr),
                                    static_cast<CMFCShowElement*>(&hall)}) {
        hall.MergeFrom(source);
        EXPECT_EQ(1u, hall.m_arrNotifyWnd.size());
        EXPECT_EQ(1u, hall.m_arrRedrawWnd.size());
        EXPECT_TRUE(hall.m_chat.m_arrNotifyWnd.empty());
    }
    EXPECT_EQ(1u, other.m_arrNotifyWnd.size());
}

class HallRelease : public HallWithWindows {
protected:
    void Fill() {
        hall.m_hHallObject1 = NewBitmap();
        hall.m_hHallObject2 = CreateSolidBrush(RGB(1, 2, 3));
        CButtonShowElements button;
        button.m_hbmBack = NewBitmap();
        hall.m_arrToolButton.push_back(button);
        button.m_hbmBack = NewBitmap();
        hall.m_arrExitButton.push_back(button);
        hall.m_caption.m_hbmCaption = NewBitmap();
        hall.m_mainTab.m_hbmBack = NewBitmap();
        hall.m_tab.m_hbmSelect = NewBitmap();
        hall.m_chat.m_hChatObject1 = NewBitmap();
        hall.m_splitter.m_hbmRow = NewBitmap();
        hall.m_tree.m_hbmBack = NewBitmap();
        hall.m_personList.m_hbmBack = NewBitmap();
    }
    std::vector<HGDIOBJ> Objects() const {
        return {hall.m_hHallObject1,         hall.m_hHallObject2,
                hall.m_arrToolButton[0].m_hbmBack, hall.m_arrExitButton[0].m_hbmBack,
                hall.m_caption.m_hbmCaption, hall.m_mainTab.m_hbmBack,
                hall.m_tab.m_hbmSelect,      hall.m_chat.m_hChatObject1,
                hall.m_splitter.m_hbmRow,    hall.m_tree.m_hbmBack,
                hall.m_personList.m_hbmBack};
    }
};

TEST_F(HallRelease, DeletesEveryObjectAndEmptiesBothButtonLists) {
    Fill();
    const std::vector<HGDIOBJ> objects = Objects();
    hall.ReleaseObjects();
    for (size_t i = 0; i < objects.size(); ++i) EXPECT_FALSE(Alive(objects[i])) << "object " << i;
    EXPECT_TRUE(hall.m_arrToolButton.empty());
    EXPECT_TRUE(hall.m_arrExitButton.empty());
    EXPECT_EQ(nullptr, hall.m_hHallObject1);
    EXPECT_EQ(nullptr, hall.m_hHallObject2);

    // Objects created afterwards are never touched by a second release.
    HBITMAP later = NewBitmap();
    hall.ReleaseObjects();
    EXPECT_TRUE(Alive(later));
    DeleteObject(later);
}

TEST_F(HallRelease, RefreshAfterReleaseStillReachesTheMembers) {
    Fill();
    RegisterCaption(hall.m_caption);
    hall.m_arrToolButton[0].m_arrNotifyWnd.push_back(windows.Add("BN"));
    hall.m_arrToolButton[0].m_arrRedrawWnd.push_back(windows.Add("BR"));
    hall.m_splitter.m_arrNotifyWnd.push_back(windows.Add("SN"));
    hall.m_splitter.m_arrRedrawWnd.push_back(windows.Add("SR"));
    hall.ReleaseObjects();
    hall.RefreshWindows();
    EXPECT_TRUE(SameSequence({kCaptionTold, kCaptionFrame, "SN WM_FACECHANGED(0,0) invalid[]"}, windows.TakeLog()))
        << "the toolbar's windows went with its buttons";
    EXPECT_TRUE(SameSequence({"SR"}, windows.Invalid()));
}

TEST_F(HallRelease, DestroyingAFilledHallDeletesNothing) {
    std::vector<HGDIOBJ> objects;
    {
        CHallShowElements doomed;
        doomed.m_hHallObject1 = NewBitmap();
        doomed.m_tree.m_hbmBack = NewBitmap();
        CButtonShowElements button;
        button.m_hbmBack = NewBitmap();
        doomed.m_arrToolButton.push_back(button);
        objects = {doomed.m_hHallObject1, doomed.m_tree.m_hbmBack, button.m_hbmBack};
    }
    for (size_t i = 0; i < objects.size(); ++i) {
        EXPECT_TRUE(Alive(objects[i])) << "object " << i;
        DeleteObject(objects[i]);
    }
}

// The toolbar shares one background among its buttons, so release deletes
// that handle once per button. A handle once deleted must never name an
// object created later, or the repeated deletions would destroy it.
TEST(DeletedHandles, NeverNameAnObjectCreatedLater) {
    HBITMAP shared = NewBitmap();
    ASSERT_TRUE(DeleteObject(shared));
    std::vector<HGDIOBJ> later;
    for (int i = 0; i < 300; ++i) {
        later.push_back(i % 2 ? static_cast<HGDIOBJ>(NewBitmap()) : CreateSolidBrush(RGB(i, 0, 0)));
        ASSERT_NE(static_cast<HGDIOBJ>(shared), later.back()) << "object " << i << " reuses a deleted handle";
    }
    EXPECT_FALSE(DeleteObject(shared));
    for (size_t i = 0; i < later.size(); ++i) {
        EXPECT_TRUE(Alive(later[i])) << "object " << i;
        DeleteObject(later[i]);
    }
}

}  // namespace
