// The person-list element: release of its icons, background and libraries,
// merging of window handles, and the letter-by-letter loading sequence.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "person_list_element.h"
#include "handle_names.h"
#include "window_pairs.h"
#include "window_set.h"

using skintest::AddPair;
using skintest::ElementDeleter;
using skintest::HandleNames;
using skintest::Names;
using skintest::SameSequence;
using skintest::WindowSet;

namespace {

static_assert(kPersonIconWait == 0 && kPersonIconFood == 5 && kPersonIconFast == 9 && kPersonIconCount == 10,
              "status icon positions are fixed for the host");

HBITMAP NewBitmap() { return CreateBitmap(2, 2, 1, 32, nullptr); }

bool Alive(HGDIOBJ object) { return GetObjectType(object) != 0; }

// Stand-ins for icons that DeleteObject really destroys, so each deletion shows.
HICON NewDeletableIcon() { return reinterpret_cast<HICON>(NewBitmap()); }

// A library handle that is safe to release: on Windows a real load of a
// library nothing else in this process uses, so its release shows as an
// unload; the portable platform ignores handles it never gave out, and its
// trace shows the calls.
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

HWND MarkerWindow(int i) { return reinterpret_cast<HWND>(static_cast<uintptr_t>(0x7C000000u + 4u * i)); }

using OwnedList = std::unique_ptr<CPersonListShowElements, ElementDeleter>;

OwnedList NewList(bool hall) {
    return OwnedList(hall ? new CHall_PersonListShowElements : new CPersonListShowElements);
}

// Every field apart from the registrations and the extra windows, for
// before/after comparisons.
struct Look {
    std::vector<COLORREF> colours;
    HBITMAP back;
    HandleList<HICON> icons;
    HandleList<HINSTANCE> libraries;
    std::string stem;
    int reserved;

    explicit Look(const CPersonListShowElements& list)
        : colours{list.m_clrPerson1, list.m_clrPerson2, list.m_clrPerson3, list.m_clrPerson4,
                  list.m_clrPerson5, list.m_clrPerson6, list.m_clrPerson7, list.m_clrPerson8},
          back(list.m_hbmBack),
          icons(list.m_arrStatusIcon),
          libraries(list.m_arrHeadLib),
          stem(list.m_szHeadPicStem, kHeadPicStemBytes),
          reserved(list.m_nPersonReserved) {}
    bool operator==(const Look& other) const {
        return colours == other.colours && back == other.back && icons == other.icons &&
               libraries == other.libraries && stem == other.stem && reserved == other.reserved;
    }
};

// Distinct values in every field; the handles are markers that nothing here releases.
void FillLook(CPersonListShowElements& list, int seed) {
    COLORREF* colours[] = {&list.m_clrPerson1, &list.m_clrPerson2, &list.m_clrPerson3, &list.m_clrPerson4,
                           &list.m_clrPerson5, &list.m_clrPerson6, &list.m_clrPerson7, &list.m_clrPerson8};
    for (int i = 0; i < 8; ++i) *colours[i] = RGB(seed, i, 200);
    const uintptr_t base = 0x7B000000u + 0x1000u * seed;
    list.m_hbmBack = reinterpret_cast<HBITMAP>(base);
    list.m_arrStatusIcon.clear();
    for (int i = 0; i < kPersonIconCount; ++i)
        list.m_arrStatusIcon.push_back(reinterpret_cast<HICON>(base + 4 + 4 * i));
    list.m_arrHeadLib = {reinterpret_cast<HINSTANCE>(base + 0x100)};
    std::memset(list.m_szHeadPicStem, 0, kHeadPicStemBytes);
    std::strcpy(list.m_szHeadPicStem, seed % 2 ? "headpic" : "faces");
    list.m_nPersonReserved = seed;
}

// Records the letters LoadHeadLibraries asks for and declines at one of them.
template <class List>
class LetterRecorder : public List {
public:
    explicit LetterRecorder(char declineAt = 0) : declineAt_(declineAt) {}
    BOOL LoadHeadLibrary(char chLetter) override {
        letters += chLetter;
        return chLetter == declineAt_ ? FALSE : TRUE;
    }
    std::string letters;

private:
    char declineAt_;
};

// ---------------------------------------------------------------------------

TEST(PersonListElement, ConstructedEmpty) {
    CPersonListShowElements list;
    EXPECT_EQ(std::vector<COLORREF>(8, 0), Look(list).colours);
    EXPECT_EQ(nullptr, list.m_hbmBack);
    EXPECT_EQ(0u, list.m_arrExtraWnd.capacity());
    EXPECT_EQ(0u, list.m_arrStatusIcon.capacity());
    EXPECT_EQ(0u, list.m_arrHeadLib.capacity());
    EXPECT_EQ(std::string(kHeadPicStemBytes, '\0'), Look(list).stem);
    EXPECT_EQ(0, list.m_nPersonReserved);
    EXPECT_TRUE(list.m_arrNotifyWnd.empty());
    EXPECT_TRUE(list.m_arrRedrawWnd.empty());
}

TEST(PersonListElement, RefreshInterleavesMessagesAndRepaints) {
    for (bool hall : {false, true}) {
        SCOPED_TRACE(hall ? "CHall_PersonListShowElements" : "CPersonListShowElements");
        WindowSet windows;
        auto list = NewList(hall);
        AddPair(windows, *list, "0");
        AddPair(windows, *list, "1");
        list->m_arrExtraWnd.push_back(windows.Add("X0"));
        for (HWND window : list->m_arrNotifyWnd) ASSERT_TRUE(IsWindow(window)) << "a test window was not created";
        windows.TakeLog();  // what creating the windows sent
        list->RefreshWindows();
        EXPECT_TRUE(SameSequence({"N0 WM_FACECHANGED(0,0) invalid[]", "N1 WM_FACECHANGED(0,0) invalid[R0]"},
                                 windows.TakeLog()));
        EXPECT_TRUE(SameSequence({"R0", "R1"}, windows.Invalid())) << "extra windows are not repainted";
    }
}

// --- ReleaseObjects ---------------------------------------------------------

TEST(PersonListRelease, DeletesIconsAndBackgroundAndReleasesLibraries) {
#ifdef _WIN32
    ASSERT_FALSE(SpareLibraryLoaded()) << kSpareLibrary << " must not be in use before the test";
#endif
    for (bool hall : {false, true}) {
        SCOPED_TRACE(hall ? "CHall_PersonListShowElements" : "CPersonListShowElements");
        HandleNames windows;
        auto list = NewList(hall);
        AddPair(windows, *list, "0");
        list->m_arrExtraWnd.push_back(windows.Add("X0"));
        FillLook(*list, 1);
        HandleList<HICON> icons;
        for (int i = 0; i < kPersonIconCount; ++i)
            icons.push_back(i == kPersonIconWatch ? nullptr : NewDeletableIcon());
        list->m_arrStatusIcon = icons;
        const size_t iconCapacity = list->m_arrStatusIcon.capacity();
        const HBITMAP back = list->m_hbmBack = NewBitmap();
        list->m_arrHeadLib = {SpareLibrary(0), SpareLibrary(1), SpareLibrary(2)};
        for (HINSTANCE library : list->m_arrHeadLib) ASSERT_NE(nullptr, library);
        Look expected(*list);
        expected.back = nullptr;
        expected.icons.clear();
        expected.libraries.assign(3, nullptr);

        list->ReleaseObjects();

        for (size_t i = 0; i < icons.size(); ++i) {
            if (icons[i] == nullptr) continue;
            EXPECT_FALSE(Alive(icons[i])) << "status icon " << i;
        }
        EXPECT_FALSE(Alive(back)) << "background bitmap";
        EXPECT_TRUE(expected == Look(*list)) << "icons emptied, background and libraries nulled, the rest kept";
        EXPECT_EQ(iconCapacity, list->m_arrStatusIcon.capacity()) << "the icon list keeps its storage";
        EXPECT_TRUE(SameSequence({"X0"}, Names(windows, list->m_arrExtraWnd)));
        EXPECT_TRUE(SameSequence({"N0"}, Names(windows, list->m_arrNotifyWnd)));
        EXPECT_TRUE(SameSequence({"R0"}, Names(windows, list->m_arrRedrawWnd)));
#ifdef _WIN32
        EXPECT_FALSE(SpareLibraryLoaded()) << "each of the three loads must be released";
#endif
    }
}

TEST(PersonListRelease, FreshElementChangesNothing) {
    CPersonListShowElements list;
    const Look before(list);
    list.ReleaseObjects();
    EXPECT_TRUE(before == Look(list));
    EXPECT_EQ(0u, list.m_arrStatusIcon.capacity());
    EXPECT_EQ(0u, list.m_arrHeadLib.capacity());
    EXPECT_EQ(0u, list.m_arrExtraWnd.capacity());
}

TEST(PersonListRelease, SecondReleaseIsHarmless) {
    CPersonListShowElements list;
    list.m_arrStatusIcon = {NewDeletableIcon(), NewDeletableIcon()};
    list.m_hbmBack = NewBitmap();
    list.m_arrHeadLib = {SpareLibrary(0)};
    list.ReleaseObjects();
    const Look released(list);
    const HBITMAP bystander = NewBitmap();

    list.ReleaseObjects();

    EXPECT_TRUE(released == Look(list));
    EXPECT_EQ(HandleList<HINSTANCE>(1, nullptr), list.m_arrHeadLib) << "the released list keeps its length";
    EXPECT_TRUE(Alive(bystander));
    DeleteObject(bystander);
}

TEST(PersonListLifetime, DestroyingAnUnreleasedListKeepsEverything) {
    const HBITMAP back = NewBitmap();
    const HICON icon = NewDeletableIcon();
    const HINSTANCE library = SpareLibrary(0);
    {
        CHall_PersonListShowElements list;
        list.m_hbmBack = back;
        list.m_arrStatusIcon.push_back(icon);
        list.m_arrHeadLib.push_back(library);
    }
    EXPECT_TRUE(Alive(back));
    EXPECT_TRUE(Alive(icon));
#ifdef _WIN32
    EXPECT_TRUE(SpareLibraryLoaded());
    FreeLibrary(library);
#endif
    DeleteObject(back);
    DeleteObject(icon);
}

// --- MergeFrom --------------------------------------------------------------

struct MergeCase {
    const char* name;
    bool hallTarget;
    bool hallSource;
};

const MergeCase kMergeCases[] = {
    {"list from list", false, false},
    {"list from hall list", false, true},
    {"hall list from list", true, false},
    {"hall list from hall list", true, true},
};

TEST(PersonListMerge, AppendsPairsThenExtraWindowsAndTakesNothingElse) {
    for (const MergeCase& row : kMergeCases) {
        SCOPED_TRACE(row.name);
        HandleNames windows;
        auto target = NewList(row.hallTarget);
        auto source = NewList(row.hallSource);
        AddPair(windows, *target, "9");
        target->m_arrExtraWnd.push_back(windows.Add("X9"));
        AddPair(windows, *source, "0");
        AddPair(windows, *source, "1");
        source->m_arrExtraWnd = {windows.Add("X0"), windows.Add("X1")};
        FillLook(*target, 1);
        FillLook(*source, 2);
        const Look targetLook(*target), sourceLook(*source);
        const WindowList sourceNotify = source->m_arrNotifyWnd, sourceRedraw = source->m_arrRedrawWnd,
                         sourceExtra = source->m_arrExtraWnd;

        target->MergeFrom(source.get());

        EXPECT_TRUE(SameSequence({"N9", "N0", "N1"}, Names(windows, target->m_arrNotifyWnd)));
        EXPECT_TRUE(SameSequence({"R9", "R0", "R1"}, Names(windows, target->m_arrRedrawWnd)));
        EXPECT_TRUE(SameSequence({"X9", "X0", "X1"}, Names(windows, target->m_arrExtraWnd)));
        EXPECT_TRUE(targetLook == Look(*target)) << "colours, background, icons, libraries and stem stay";
        EXPECT_TRUE(sourceLook == Look(*source)) << "the source must not change";
        EXPECT_EQ(sourceNotify, source->m_arrNotifyWnd);
        EXPECT_EQ(sourceRedraw, source->m_arrRedrawWnd);
        EXPECT_EQ(sourceExtra, source->m_arrExtraWnd);

        target->MergeFrom(source.get());
        EXPECT_EQ(5u, target->m_arrNotifyWnd.size()) << "merging twice adds the pairs twice";
        EXPECT_EQ(5u, target->m_arrExtraWnd.size()) << "and the extra windows twice";
    }
}

TEST(PersonListMerge, WithItselfOrNothingChangesNothing) {
    for (bool self : {true, false}) {
        SCOPED_TRACE(self ? "itself" : "null");
        CHall_PersonListShowElements list;
        list.m_arrNotifyWnd = {MarkerWindow(0), MarkerWindow(1)};
        list.m_arrRedrawWnd = {MarkerWindow(2), MarkerWindow(3)};
        list.m_arrExtraWnd = {MarkerWindow(4)};
        FillLook(list, 3);
        const Look before(list);

        list.MergeFrom(self ? &list : nullptr);

        EXPECT_EQ(WindowList({MarkerWindow(0), MarkerWindow(1)}), list.m_arrNotifyWnd);
        EXPECT_EQ(WindowList({MarkerWindow(2), MarkerWindow(3)}), list.m_arrRedrawWnd);
        EXPECT_EQ(WindowList({MarkerWindow(4)}), list.m_arrExtraWnd);
        EXPECT_TRUE(before == Look(list));
    }
}

TEST(PersonListMerge, FromAnElementThatIsNoPersonListTakesOnlyPairs) {
    CPersonListShowElements list;
    list.m_arrNotifyWnd = {MarkerWindow(0)};
    list.m_arrRedrawWnd = {MarkerWindow(1)};
    list.m_arrExtraWnd = {MarkerWindow(2)};
    CMFCShowElement other;
    other.m_arrNotifyWnd = {MarkerWindow(10)};
    other.m_arrRedrawWnd = {MarkerWindow(11)};

    list.MergeFrom(&other);

    EXPECT_EQ(WindowList({MarkerWindow(0), MarkerWindow(10)}), list.m_arrNotifyWnd);
    EXPECT_EQ(WindowList({MarkerWindow(1), MarkerWindow(11)}), list.m_arrRedrawWnd);
    EXPECT_EQ(WindowList({MarkerWindow(2)}), list.m_arrExtraWnd);
}

TEST(PersonListMerge, TakesOnlyCompletePairsButEveryExtraWindow) {
    struct Row {
        const char* name;
        int notify, redraw;
        size_t pairs;
    };
    const Row rows[] = {
        {"one notify window too many", 3, 2, 2},
        {"one redraw window too many", 1, 2, 1},
        {"redraw windows only", 0, 2, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CPersonListShowElements list, source;
        for (int i = 0; i < row.notify; ++i) source.m_arrNotifyWnd.push_back(MarkerWindow(i));
        for (int i = 0; i < row.redraw; ++i) source.m_arrRedrawWnd.push_back(MarkerWindow(100 + i));
        source.m_arrExtraWnd = {MarkerWindow(200), MarkerWindow(201), MarkerWindow(202)};

        list.MergeFrom(&source);

        EXPECT_EQ(WindowList(source.m_arrNotifyWnd.begin(), source.m_arrNotifyWnd.begin() + row.pairs),
                  list.m_arrNotifyWnd);
        EXPECT_EQ(WindowList(source.m_arrRedrawWnd.begin(), source.m_arrRedrawWnd.begin() + row.pairs),
                  list.m_arrRedrawWnd);
        EXPECT_EQ(source.m_arrExtraWnd, list.m_arrExtraWnd);
    }
}

// --- LoadHeadLibraries ------------------------------------------------------

TEST(PersonListHeadLibraries, AskLetterByLetterUntilDeclined) {
    struct Row {
        const char* name;
        char declineAt;
        std::string asked;
    };
    const Row rows[] = {
        {"never declined", 0, "abcdefghij"},
        {"declined at c", 'c', "abc"},
        {"declined at once", 'a', "a"},
        {"declined at the last letter", 'j', "abcdefghij"},
        {"declined after the last letter", 'k', "abcdefghij"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        LetterRecorder<CPersonListShowElements> list(row.declineAt);
        list.LoadHeadLibraries();
        EXPECT_EQ(row.asked, list.letters);
        EXPECT_TRUE(list.m_arrHeadLib.empty()) << "the sequence itself appends nothing";

        list.letters.clear();
        list.LoadHeadLibraries();
        EXPECT_EQ(row.asked, list.letters) << "an empty list is loaded again";
    }
}

TEST(PersonListHeadLibraries, NothingAskedWhileTheListHoldsAnEntry) {
    const HandleList<HINSTANCE> contents[] = {
        {nullptr},
        {SpareLibrary(0)},
        {nullptr, nullptr, nullptr},
    };
    for (const auto& content : contents) {
        SCOPED_TRACE(std::to_string(content.size()) + " entries, first " + (content[0] ? "a library" : "null"));
        LetterRecorder<CPersonListShowElements> list;
        list.m_arrHeadLib = content;
        list.LoadHeadLibraries();
        EXPECT_EQ("", list.letters);
        EXPECT_EQ(content, list.m_arrHeadLib);
    }
#ifdef _WIN32
    FreeLibrary(contents[1][0]);
#endif
}

TEST(PersonListHeadLibraries, ReleasedListsStayLoaded) {
    LetterRecorder<CPersonListShowElements> list;
    list.m_arrHeadLib = {SpareLibrary(0)};
    list.ReleaseObjects();
    list.LoadHeadLibraries();
    EXPECT_EQ("", list.letters) << "a released list keeps its null entries, so nothing is asked";
}

TEST(PersonListHeadLibraries, TheHallListAsksNothing) {
    for (bool holding : {false, true}) {
        SCOPED_TRACE(holding ? "list holding an entry" : "empty list");
        LetterRecorder<CHall_PersonListShowElements> list;
        if (holding) list.m_arrHeadLib.push_back(nullptr);
        list.LoadHeadLibraries();
        EXPECT_EQ("", list.letters);
    }
}

TEST(PersonListHeadLibraries, TheOwnLoaderAgreesToEveryLetter) {
    for (bool hall : {false, true}) {
        SCOPED_TRACE(hall ? "CHall_PersonListShowElements" : "CPersonListShowElements");
        auto list = NewList(hall);
        for (char letter = 'a'; letter <= 'j'; ++letter) EXPECT_EQ(TRUE, list->LoadHeadLibrary(letter)) << letter;
        list->LoadHeadLibraries();
        EXPECT_TRUE(list->m_arrHeadLib.empty());
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
using LetterSlot = BOOL(__thiscall*)(void*, char);

TEST(PersonListSlots, EveryOperationAtItsIndex) {
    for (bool hall : {false, true}) {
        SCOPED_TRACE(hall ? "CHall_PersonListShowElements" : "CPersonListShowElements");
        WindowSet windows;
        auto list = NewList(hall);
        CPersonListShowElements source;
        AddPair(windows, source, "0");
        source.m_arrExtraWnd.push_back(windows.Add("X0"));
        windows.TakeLog();

        Slot<MergeSlot>(list.get(), 2)(list.get(), &source);
        EXPECT_TRUE(SameSequence({"X0"}, Names(windows, list->m_arrExtraWnd))) << "slot 2: MergeFrom";

        Slot<NoArgumentSlot>(list.get(), 1)(list.get());
        EXPECT_TRUE(SameSequence({"N0 WM_FACECHANGED(0,0) invalid[]"}, windows.TakeLog())) << "slot 1: RefreshWindows";

        const HBITMAP back = list->m_hbmBack = NewBitmap();
        Slot<NoArgumentSlot>(list.get(), 3)(list.get());
        EXPECT_FALSE(Alive(back)) << "slot 3: ReleaseObjects";

        EXPECT_EQ(TRUE, Slot<LetterSlot>(list.get(), 5)(list.get(), 'a')) << "slot 5: LoadHeadLibrary";

        CPersonListShowElements* raw = list.release();
        EXPECT_EQ(static_cast<void*>(raw), Slot<DestructorSlot>(raw, 0)(raw, 1)) << "slot 0: deleting destructor";
    }
}

TEST(PersonListSlots, TheSequenceSlotReachesTheMostDerivedLoader) {
    struct Row {
        const char* name;
        bool hall;
        std::string asked;
    };
    const Row rows[] = {{"CPersonListShowElements", false, "abc"}, {"CHall_PersonListShowElements", true, ""}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        LetterRecorder<CPersonListShowElements> plain('c');
        LetterRecorder<CHall_PersonListShowElements> hall('c');
        void* element = row.hall ? static_cast<void*>(static_cast<CShowElement*>(&hall))
                                  : static_cast<void*>(static_cast<CShowElement*>(&plain));
        Slot<NoArgumentSlot>(element, 4)(element);
        EXPECT_EQ(row.asked, row.hall ? hall.letters : plain.letters);
        EXPECT_EQ(FALSE, Slot<LetterSlot>(element, 5)(element, 'c')) << "slot 5 is the recorder's own";
    }
}
#endif

}  // namespace
