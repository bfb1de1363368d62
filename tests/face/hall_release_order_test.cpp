// The order in which releasing the filled hall face gives its handles back,
// read from the portable platform's record of deletions.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include <platform_trace.h>

#include "skinpak1.h"
#include "loaded_module.h"

namespace {

using Calls = std::vector<platform_trace::Call>;
using Handles = std::initializer_list<const void*>;

class Expected {
public:
    // A field whose null value is skipped without a call.
    void IfHeld(const void* handle) {
        if (handle != nullptr) Always(handle);
    }
    // A field handed to DeleteObject whatever it holds.
    void Always(const void* handle) { calls_.push_back({"DeleteObject", handle, ""}); }
    const Calls& calls() const { return calls_; }

private:
    Calls calls_;
};

Calls Deletions(const Calls& trace) {
    Calls deletions;
    for (const auto& call : trace)
        if (call.function == "DeleteObject" || call.function == "FreeLibrary") deletions.push_back(call);
    return deletions;
}

std::string Describe(const Calls& calls, size_t i) {
    if (i >= calls.size()) return "(nothing)";
    std::ostringstream text;
    text << calls[i].function << ' ' << calls[i].handle;
    return text.str();
}

TEST(HallReleaseOrder, FollowsTheHallsOrderWithEachMembersNullTests) {
    LoadedModule module;
    auto getHallFace = module.Export<GetHallFaceFn>("GetHallFace");
    ASSERT_NE(nullptr, getHallFace);
    CHallShowElements& h = *getHallFace();
    ASSERT_EQ(8u, h.m_arrToolButton.size());

    Expected e;
    for (const ButtonList* list : {&h.m_arrToolButton, &h.m_arrExitButton}) {
        for (const CButtonShowElements& b : *list) {
            e.IfHeld(b.m_hIcon);
            e.IfHeld(b.m_hIconAlt);
            e.Always(b.m_hbmBack);
        }
    }
    const CCaptionShowElements& c = h.m_caption;
    for (const void* always : Handles{c.m_hbmFrameLeft, c.m_hbmFrameRight, c.m_hbmFrameTop, c.m_hbmFrameBottom,
                               c.m_hbmTitleLeft, c.m_hbmTitleMid, c.m_hbmTitleRight, c.m_hbmStatusLeft,
                               c.m_hbmStatusMid, c.m_hbmStatusRight, c.m_hbmMenuBar, c.m_hbmBarLeft, c.m_hbmBarRight})
        e.Always(always);
    for (const void* tested : Handles{c.m_hbmCaption, c.m_hObject, c.m_hIconMax, c.m_hIconMin, c.m_hIconNormal,
                                      c.m_hIconClose, c.m_hIconReserved, c.m_hIconCloseOne, c.m_hbmMenu})
        e.IfHeld(tested);
    for (HICON icon : h.m_personList.m_arrStatusIcon) e.Always(icon);
    e.Always(h.m_personList.m_hbmBack);
    const CChatShowElements& chat = h.m_chat;
    for (const void* object : Handles{chat.m_hChatObject3, chat.m_hChatObject2, chat.m_hChatObject4, chat.m_hChatObject1,
                               chat.m_hChatObject5, chat.m_hChatObject6, chat.m_hChatObject7, chat.m_hChatObject8})
        e.Always(object);
    for (const CTabShowElements* tab : {&h.m_mainTab, &h.m_tab})
        for (const void* bitmap : Handles{tab->m_hbmBack, tab->m_hbmSelect, tab->m_hbmNoSelect, tab->m_hbmBack90,
                                   tab->m_hbmSelect90, tab->m_hbmNoSelect90})
            e.Always(bitmap);
    e.Always(h.m_splitter.m_hbmRow);
    e.Always(h.m_splitter.m_hbmCol);
    e.IfHeld(h.m_tree.m_hbmBack);
    for (HICON icon : h.m_tree.m_arrIcon) e.IfHeld(icon);

    platform_trace::Clear();
    h.ReleaseObjects();
    const Calls actual = Deletions(platform_trace::Take());

    const Calls& expected = e.calls();
    const size_t n = std::max(expected.size(), actual.size());
    for (size_t i = 0; i < n; ++i)
        EXPECT_EQ(Describe(expected, i), Describe(actual, i)) << "call " << i;
    // 8 toolbar and 3 exit entries of 3 calls, the caption's 22 less its two
    // empty tested fields, 10 status icons and a background, 8 chat objects,
    // 2 x 6 tab bitmaps, 2 splitter bitmaps, the tree's background and 7 icons.
    EXPECT_EQ(24u + 9 + 20 + 11 + 8 + 12 + 2 + 8, actual.size());

    platform_trace::Clear();
    h.ReleaseObjects();
    const Calls again = Deletions(platform_trace::Take());
    for (const auto& call : again) EXPECT_EQ(nullptr, call.handle) << "a second release deletes nothing";
}

}  // namespace
