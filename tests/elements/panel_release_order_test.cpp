// The order in which the button and panel elements give their graphics back,
// and the frame update of the caption: calls that no window can observe, read
// from the portable platform's record of them.
#include <gtest/gtest.h>

#include <cstdio>

#include "panel_handle_fields.h"
#include "platform_trace.h"
#include "window_set.h"

using platform_trace::Call;
using skintest::FillHandles;
using skintest::ReleaseOrder;
using skintest::WindowSet;

namespace {

std::string Describe(const std::vector<Call>& calls) {
    std::string text;
    for (const Call& c : calls) {
        char handle[32];
        std::snprintf(handle, sizeof handle, "%p", c.handle);
        text += "\n    " + c.function + "(" + handle + (c.detail.empty() ? "" : ", " + c.detail) + ")";
    }
    return text.empty() ? "\n    (no calls)" : text;
}

testing::AssertionResult SameCalls(const std::vector<Call>& expected, const std::vector<Call>& actual) {
    if (expected == actual) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "expected:" << Describe(expected) << "\n  actual:" << Describe(actual);
}

Call Deletion(const void* handle) { return Call{"DeleteObject", handle, ""}; }

template <class Element>
class ReleaseOrderOf : public testing::Test {
protected:
    void SetUp() override { platform_trace::Clear(); }
};

using ElementTypes = testing::Types<CButtonShowElements, CTabShowElements, CCaptionShowElements, CChatShowElements,
                                    CSplitterShowElements>;

class ElementNames {
public:
    template <class T>
    static std::string GetName(int) {
        if (std::is_same<T, CButtonShowElements>()) return "Button";
        if (std::is_same<T, CTabShowElements>()) return "Tab";
        if (std::is_same<T, CCaptionShowElements>()) return "Caption";
        if (std::is_same<T, CChatShowElements>()) return "Chat";
        return "Splitter";
    }
};
TYPED_TEST_SUITE(ReleaseOrderOf, ElementTypes, ElementNames);

TYPED_TEST(ReleaseOrderOf, FilledElementDeletesInTableOrder) {
    TypeParam element;
    const std::vector<HGDIOBJ> objects = FillHandles(element);
    platform_trace::Clear();

    element.ReleaseObjects();

    std::vector<Call> expected;
    for (HGDIOBJ object : objects) expected.push_back(Deletion(object));
    EXPECT_TRUE(SameCalls(expected, platform_trace::Take()));
}

TYPED_TEST(ReleaseOrderOf, NullFieldsAreSkippedOrPassedOnAsListed) {
    TypeParam element;
    element.ReleaseObjects();

    std::vector<Call> expected;
    for (const auto& row : ReleaseOrder<TypeParam>())
        if (!row.skippedWhenNull) expected.push_back(Deletion(nullptr));
    EXPECT_TRUE(SameCalls(expected, platform_trace::Take()));
}

// Each row on its own: only that field filled, so a skipped null in any other
// field shows as a missing call and a tested null as an extra one.
TYPED_TEST(ReleaseOrderOf, EachFieldAloneKeepsItsPlace) {
    const auto& rows = ReleaseOrder<TypeParam>();
    for (size_t filled = 0; filled < rows.size(); ++filled) {
        SCOPED_TRACE(rows[filled].name);
        TypeParam element;
        const HGDIOBJ object = skintest::NewObject(filled);
        rows[filled].set(element, object);
        platform_trace::Clear();

        element.ReleaseObjects();

        std::vector<Call> expected;
        for (size_t i = 0; i < rows.size(); ++i) {
            if (i == filled) expected.push_back(Deletion(object));
            else if (!rows[i].skippedWhenNull) expected.push_back(Deletion(nullptr));
        }
        EXPECT_TRUE(SameCalls(expected, platform_trace::Take()));
    }
}

TEST(ButtonReleaseOrder, OneIconInBothFieldsIsDeletedTwice) {
    CButtonShowElements b;
    const HGDIOBJ icon = CreateBitmap(2, 2, 1, 32, nullptr);
    const HBITMAP bitmap = CreateBitmap(2, 2, 1, 32, nullptr);
    b.m_hIcon = b.m_hIconAlt = static_cast<HICON>(icon);
    b.m_hbmBack = bitmap;
    platform_trace::Clear();

    b.ReleaseObjects();

    EXPECT_TRUE(SameCalls({Deletion(icon), Deletion(icon), Deletion(bitmap)}, platform_trace::Take()));
}

TEST(ButtonListLifetime, GrowingClearingAndDestroyingDeleteNothing) {
    WindowSet windows;
    std::vector<HGDIOBJ> objects;
    {
        ButtonList list;
        CButtonShowElements b;
        b.m_arrNotifyWnd.push_back(windows.Add("N"));
        b.m_arrRedrawWnd.push_back(windows.Add("R"));
        platform_trace::Clear();
        for (int i = 0; i < 9; ++i) {
            objects.push_back(CreateBitmap(2, 2, 1, 32, nullptr));
            b.m_hIcon = b.m_hIconAlt = static_cast<HICON>(objects.back());
            b.m_hbmBack = static_cast<HBITMAP>(objects.front());
            list.push_back(b);
        }
        list.clear();
        list.push_back(b);
        EXPECT_TRUE(SameCalls({}, platform_trace::Take())) << "appending and clearing";
    }
    EXPECT_TRUE(SameCalls({}, platform_trace::Take())) << "destroying the list";
    for (HGDIOBJ object : objects) DeleteObject(object);
}

// The caption's frame update, with its exact arguments.
TEST(CaptionFrameUpdate, OneCallOnTheMainWindowWithTheFrameFlags) {
    WindowSet windows;
    HWND main = windows.Add("M");
    HWND a = windows.Add("A", WS_POPUP | WS_VISIBLE, main);
    CCaptionShowElements caption;
    caption.m_arrNotifyWnd = {a, a};
    caption.m_arrRedrawWnd = {windows.Add("D"), windows.Add("E")};
    platform_trace::Clear();

    caption.RefreshWindows();

    EXPECT_TRUE(SameCalls({Call{"SetWindowPos", main, "0x2027"}}, platform_trace::Take()));
}

TEST(CaptionFrameUpdate, NoMainWindowMeansNoCall) {
    WindowSet windows;
    windows.Add("H", WS_OVERLAPPEDWINDOW);
    CCaptionShowElements caption;
    platform_trace::Clear();

    caption.RefreshWindows();

    EXPECT_TRUE(SameCalls({}, platform_trace::Take()));
}

}  // namespace
