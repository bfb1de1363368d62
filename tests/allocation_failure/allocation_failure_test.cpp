// Every storage request of the attach fill, the tree face, each class's merge
// and the button lists refused in turn: the caller hears of it, the object is
// as it was (or as constructed), and it goes on working. Leaks are the
// sanitizer build's to find, here after every refusal.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "entry.h"
#include "failing_storage.h"
#include "../face/loaded_module.h"
#include "module_state.h"
#include "skinpak1.h"
#include "window_pairs.h"
#include "window_set.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SKIN_LEAK_CHECKS 1
#endif
#endif
#ifdef __SANITIZE_ADDRESS__
#define SKIN_LEAK_CHECKS 1
#endif
#ifdef SKIN_LEAK_CHECKS
#include <sanitizer/lsan_interface.h>
#endif

using skintest::Names;
using skintest::SameSequence;
using skintest::WindowSet;

namespace {

bool NoLeaks() {
#ifdef SKIN_LEAK_CHECKS
    return __lsan_do_recoverable_leak_check() == 0;
#else
    return true;
#endif
}

// Runs `operation` once for each of its storage requests, with that request
// refused, and then once with none refused; `prepare` runs before each and
// `check` after, told which request was refused (-1 for none). Returns the
// number of requests the operation makes.
long RefuseEachRequest(const std::function<void()>& prepare, const std::function<void()>& operation,
                       const std::function<void(long refused)>& check) {
    for (long n = 0;; ++n) {
        SCOPED_TRACE("storage request " + std::to_string(n) + " refused");
        prepare();
        failing_storage::FailRequest(n);
        operation();
        const failing_storage::Outcome outcome = failing_storage::Stop();
        check(outcome.refused ? n : -1);
        EXPECT_TRUE(NoLeaks());
        if (!outcome.refused) return outcome.requests;
        if (n > 1000) {
            ADD_FAILURE() << "the operation never ends its requests";
            return -1;
        }
    }
}

// Registers pairs named <prefix>N<i> and <prefix>R<i>, in lists with no room to spare.
void Register(WindowSet& windows, CMFCShowElement& element, const std::string& prefix, int pairs) {
    WindowList notify, redraw;
    for (int i = 0; i < pairs; ++i) {
        notify.push_back(windows.Add(prefix + "N" + std::to_string(i)));
        redraw.push_back(windows.Add(prefix + "R" + std::to_string(i)));
    }
    element.m_arrNotifyWnd = WindowList(notify.begin(), notify.end());
    element.m_arrRedrawWnd = WindowList(redraw.begin(), redraw.end());
    windows.ValidateAll();
}

std::vector<std::string> Told(const std::vector<std::string>& windows) {
    std::vector<std::string> log;
    for (const std::string& w : windows) log.push_back(w + " WM_FACECHANGED(0,0) invalid[]");
    return log;
}

// The windows told in a log, without the frame updates a hall's caption makes
// and what they leave invalid, which differs between platforms.
std::vector<std::string> WindowsTold(const std::vector<std::string>& log) {
    std::vector<std::string> told;
    for (const std::string& entry : log) {
        const size_t at = entry.find(" WM_FACECHANGED");
        if (at != std::string::npos) told.push_back(entry.substr(0, at));
    }
    return told;
}

struct MergeRow {
    const char* name;
    std::function<std::unique_ptr<CMFCShowElement>()> make;
    // Registrations after a merge of three pairs into one that holds two.
    std::vector<std::string> notifyAfter;
    long requests;
};

std::vector<MergeRow> MergeRows() {
    const std::vector<std::string> appended = {"tN0", "tN1", "sN0", "sN1", "sN2"};
    const std::vector<std::string> replaced = {"sN0", "sN1", "sN2"};
    auto make = [](auto* element) { return std::function<std::unique_ptr<CMFCShowElement>()>([element] {
                                        using T = std::remove_pointer_t<decltype(element)>;
                                        return std::unique_ptr<CMFCShowElement>(new T);
                                    }); };
    return {
        {"caption", make(static_cast<CCaptionShowElements*>(nullptr)), appended, 2},
        {"tab", make(static_cast<CTabShowElements*>(nullptr)), appended, 2},
        {"chat", make(static_cast<CChatShowElements*>(nullptr)), appended, 2},
        {"splitter", make(static_cast<CSplitterShowElements*>(nullptr)), appended, 2},
        {"tree", make(static_cast<CTreeShowElements*>(nullptr)), appended, 2},
        // The room replaces its registrations, in the storage it has.
        {"room", make(static_cast<CRoomShowElements*>(nullptr)), replaced, 2},
        {"hall room", make(static_cast<CHall_RoomShowElements*>(nullptr)), replaced, 2},
        // The person list takes the other's extra windows too.
        {"person list", make(static_cast<CPersonListShowElements*>(nullptr)), appended, 3},
        {"hall person list", make(static_cast<CHall_PersonListShowElements*>(nullptr)), appended, 3},
        {"button", make(static_cast<CButtonShowElements*>(nullptr)), {"tN0", "tN1"}, 0},
        {"hall", make(static_cast<CHallShowElements*>(nullptr)), {"tN0", "tN1"}, 0},
    };
}

TEST(AllocationFailure, AMergeThatCannotGetStorageChangesNothing) {
    for (const MergeRow& row : MergeRows()) {
        SCOPED_TRACE(row.name);
        WindowSet windows;
        std::unique_ptr<CMFCShowElement> target, source;
        CRoomShowElements* room = nullptr;
        CPersonListShowElements* list = nullptr;
        const long requests = RefuseEachRequest(
            [&] {
                target = row.make();
                source = row.make();
                Register(windows, *target, "t", 2);
                Register(windows, *source, "s", 3);
                room = dynamic_cast<CRoomShowElements*>(target.get());
                if (room) {
                    room->m_nPicGroups[0] = 1;
                    dynamic_cast<CRoomShowElements&>(*source).m_nPicGroups[0] = 7;
                }
                list = dynamic_cast<CPersonListShowElements*>(target.get());
                if (list) {
                    list->m_arrExtraWnd = WindowList{windows.Add("tX")};
                    dynamic_cast<CPersonListShowElements&>(*source).m_arrExtraWnd = WindowList{windows.Add("sX")};
                }
                SetLastError(0);
            },
            [&] { target->MergeFrom(source.get()); },
            [&](long refused) {
                const bool merged = refused < 0;
                EXPECT_TRUE(SameSequence(merged ? row.notifyAfter : std::vector<std::string>{"tN0", "tN1"},
                                         Names(windows, target->m_arrNotifyWnd)));
                EXPECT_EQ(target->m_arrNotifyWnd.size(), target->m_arrRedrawWnd.size()) << "pairs stay whole";
                EXPECT_EQ(merged ? 0u : DWORD(ERROR_NOT_ENOUGH_MEMORY), GetLastError());
                if (room) {
                    EXPECT_EQ(merged ? 7 : 1, room->m_nPicGroups[0]) << "the room's data moves with its windows";
                }
                if (list) {
                    EXPECT_TRUE(SameSequence(merged ? std::vector<std::string>{"tX", "sX"} : std::vector<std::string>{"tX"},
                                             Names(windows, list->m_arrExtraWnd)));
                }
                // Still in working order: it tells its own windows and releases.
                target->NotifyWindows();
                EXPECT_TRUE(SameSequence(Told(Names(windows, target->m_arrNotifyWnd)), windows.TakeLog()));
                target->ReleaseObjects();
            });
        EXPECT_EQ(row.requests, requests);
    }
}

TEST(AllocationFailure, ButtonListGrowthAndCopiesAreAllOrNothing) {
    WindowSet windows;
    CButtonShowElements button;
    Register(windows, button, "b", 1);
    ButtonList buttons;
    const CButtonShowElements* storage = nullptr;
    auto prepare = [&] {
        buttons = ButtonList(2, button);
        storage = buttons.data();
    };
    auto unchanged = [&] {
        EXPECT_EQ(storage, buttons.data());
        ASSERT_EQ(2u, buttons.size());
        for (const CButtonShowElements& b : buttons)
            EXPECT_TRUE(SameSequence({"bN0"}, Names(windows, b.m_arrNotifyWnd)));
    };
    // New storage, then each button's two lists: the two kept and the one appended.
    EXPECT_EQ(7, RefuseEachRequest(prepare, [&] { buttons.push_back(button); }, [&](long refused) {
                  if (refused >= 0) return unchanged();
                  EXPECT_EQ(3u, buttons.size());
              }));

    ButtonList copy;
    EXPECT_EQ(5, RefuseEachRequest(prepare, [&] { copy = buttons; }, [&](long refused) {
                  unchanged();
                  EXPECT_EQ(refused >= 0 ? 0u : 2u, copy.size()) << "a copy is whole or empty";
                  copy.clear();
              }));
    // The copies went and the originals still tell their windows.
    for (CButtonShowElements& b : buttons) b.NotifyWindows();
    EXPECT_TRUE(SameSequence(Told({"bN0", "bN0"}), windows.TakeLog()));
}

#ifndef _WIN32
// The loader, as on the real platform, fails a load whose attach is refused
// and unloads the module again. (There the module's storage comes from the C
// runtime's own heap, which this program cannot refuse.)
TEST(AllocationFailure, ALoadWhoseAttachCannotGetStorageFailsAndUnloads) {
    HMODULE module = nullptr;
    const long requests = RefuseEachRequest(
        [] { SetLastError(0); }, [&] { module = LoadLibraryA(SKIN_MODULE_FILE); },
        [&](long refused) {
            if (refused >= 0) {
                EXPECT_EQ(nullptr, module);
                EXPECT_EQ(DWORD(ERROR_DLL_INIT_FAILED), GetLastError());
                return;
            }
            ASSERT_NE(nullptr, module);
            auto getHallFace = reinterpret_cast<GetHallFaceFn>(reinterpret_cast<void*>(GetProcAddress(module, "GetHallFace")));
            ASSERT_NE(nullptr, getHallFace);
            CHallShowElements* hall = getHallFace();
            EXPECT_EQ(8u, hall->m_arrToolButton.size());
            hall->ReleaseObjects();
            EXPECT_EQ(TRUE, FreeLibrary(module));
        });
    // Each refused load ran the attach afresh: the module did not stay behind.
    EXPECT_EQ(4, requests);
}
#endif

class ModuleState : public testing::Test {
protected:
    void TearDown() override {
        skin::g_hallFace.ReleaseObjects();
        skin::g_treeFace.ReleaseObjects();
    }
    LoadedModule pictures;
};

TEST_F(ModuleState, AnAttachThatCannotGetStorageIsRefusedAndLeavesTheHallAsConstructed) {
    ASSERT_NE(nullptr, pictures.get());
    CHallShowElements& hall = skin::g_hallFace;
    BOOL attached = FALSE;
    const long requests = RefuseEachRequest(
        [] {}, [&] { attached = DllMain(pictures.get(), DLL_PROCESS_ATTACH, nullptr); },
        [&](long refused) {
            if (refused < 0) {
                EXPECT_EQ(TRUE, attached);
                EXPECT_EQ(8u, hall.m_arrToolButton.size());
                EXPECT_EQ(3u, hall.m_arrExitButton.size());
                EXPECT_EQ(10u, hall.m_personList.m_arrStatusIcon.size());
                EXPECT_EQ(size_t(kTreeIconCount), hall.m_tree.m_arrIcon.size());
                return;
            }
            EXPECT_EQ(FALSE, attached);
            EXPECT_EQ(DWORD(ERROR_NOT_ENOUGH_MEMORY), GetLastError());
            for (const void* storage : {static_cast<const void*>(hall.m_arrToolButton.data()),
                                        static_cast<const void*>(hall.m_arrExitButton.data()),
                                        static_cast<const void*>(hall.m_personList.m_arrStatusIcon.data()),
                                        static_cast<const void*>(hall.m_tree.m_arrIcon.data())})
                EXPECT_EQ(nullptr, storage) << "storage given back";
            EXPECT_EQ(nullptr, hall.m_caption.m_hbmMenu) << "no picture loaded";
            EXPECT_EQ(nullptr, hall.m_personList.m_hbmBack) << "no picture loaded";
        });
    EXPECT_EQ(4, requests) << "one request per list the fill appends to";

    // The filled hall works: its toolbar's first button tells its windows.
    WindowSet windows;
    Register(windows, hall.m_arrToolButton[0], "b", 1);
    hall.RefreshWindows();
    EXPECT_TRUE(SameSequence({"bN0"}, WindowsTold(windows.TakeLog())));
}

TEST_F(ModuleState, ATreeFaceThatCannotGetStorageIsNullAndKeepsItsSkin) {
    ASSERT_EQ(TRUE, DllMain(pictures.get(), DLL_PROCESS_ATTACH, nullptr));
    CTreeShowElements* face = nullptr;
    const long requests = RefuseEachRequest(
        [] { SetLastError(0); }, [&] { face = GetTreeFace(); },
        [&](long refused) {
            if (refused >= 0) {
                EXPECT_EQ(nullptr, face);
                EXPECT_EQ(DWORD(ERROR_NOT_ENOUGH_MEMORY), GetLastError());
                EXPECT_TRUE(skin::g_treeFace.m_arrIcon.empty());
                EXPECT_EQ(nullptr, skin::g_treeFace.m_hbmBack) << "nothing loaded";
                return;
            }
            ASSERT_EQ(&skin::g_treeFace, face);
            EXPECT_EQ(size_t(kTreeIconCount), face->m_arrIcon.size());
        });
    EXPECT_EQ(1, requests);
    // Later calls reuse the storage and cannot fail for the want of it.
    EXPECT_EQ(0, RefuseEachRequest([] {}, [&] { face = GetTreeFace(); }, [&](long) { EXPECT_NE(nullptr, face); }));
}

}  // namespace
