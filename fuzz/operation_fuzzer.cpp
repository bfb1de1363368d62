// Host actions on real windows, decoded from the fuzz input: registrations
// appended in pairs and halves, refreshes, merges between any two elements,
// releases, tree-face reloads, room pictures and libraries installed, and
// message handlers that change the skin while a refresh is telling them.
//
// The harness behaves as a careful host: it never holds a pointer into a
// button list across a call, and when a room merge leaves two rooms naming
// the same pictures and libraries, the source forgets them, so that only one
// holder releases them. Whatever the sequence, the sanitizers must stay
// silent, no graphics object or library goes back outside a release, every
// picture the host installed goes back exactly once, and nothing leaks.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "hall_skin.h"
#include "module_state.h"
#include "platform_trace.h"
#include "values_block.h"
#include "skinpak1.h"

namespace {

constexpr int kWindowCount = 6;
constexpr int kMaxDepth = 3;
constexpr size_t kMaxListEntries = 256;

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "invariant broken: %s\n", what.c_str());
    std::abort();
}

class Input {
public:
    Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool more() const { return at_ < size_; }
    unsigned Byte() { return at_ < size_ ? data_[at_++] : 0; }
    unsigned Pick(unsigned n) { return Byte() % n; }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

struct Session {
    HMODULE pictures;
    HWND windows[kWindowCount];
};

LRESULT CALLBACK WindowProcedure(HWND, UINT, WPARAM, LPARAM);

Session& TheSession() {
    static Session session = [] {
        Session s{};
        s.pictures = LoadLibraryA(SKIN_MODULE_FILE);
        if (s.pictures == nullptr) Fail("the module with the pictures did not load");
        // The linked module state reads its values as the attach would.
        if (!skin::ReadValuesBlock(skin::g_values)) Fail("the values block did not read");
        WNDCLASSA wc{};
        wc.lpfnWndProc = &WindowProcedure;
        wc.lpszClassName = "operation_fuzzer";
        RegisterClassA(&wc);
        for (HWND& w : s.windows)
            w = CreateWindowExA(0, "operation_fuzzer", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 40, 30, nullptr,
                                nullptr, nullptr, nullptr);
        skin::g_hInstance = s.pictures;
        return s;
    }();
    return session;
}

// Everything one input works on.
struct World {
    CHallShowElements hall;
    CRoomShowElements room;
    CPersonListShowElements people;
    CButtonShowElements button;
    CMFCShowElement plain;
    // What each window's handler does when told, one action per message.
    std::map<HWND, std::vector<uint8_t>> handlers;
    Input* input = nullptr;
    int depth = 0;
    bool released = false;
    std::map<HGDIOBJ, int> installedPictures;

    // The elements a step may name; the tree face is the module's own.
    CMFCShowElement* Element(unsigned i) {
        CMFCShowElement* all[] = {&hall,          &hall.m_caption, &hall.m_mainTab,    &hall.m_tab,
                                  &hall.m_room,   &hall.m_chat,    &hall.m_personList, &hall.m_splitter,
                                  &hall.m_tree,   &room,           &people,            &button,
                                  &plain,         &skin::g_treeFace};
        return all[i % (sizeof all / sizeof all[0])];
    }
    CRoomShowElements* Room(unsigned i) { return i % 2 ? &room : &hall.m_room; }
};

World* g_world = nullptr;

HWND AnyWindow(Input& in) { return TheSession().windows[in.Pick(kWindowCount)]; }

void Append(WindowList& list, HWND window) {
    if (list.size() < kMaxListEntries) list.push_back(window);
}

void RemoveLast(WindowList& list) {
    if (!list.empty()) list.erase(list.end() - 1);
}

// Room pictures from the shared heap: per group 4 + 2 x seats, then two more.
void InstallPictures(World& w, CRoomShowElements& room, unsigned entry, unsigned groups) {
    if (room.m_phTablePic[entry] != nullptr) return;
    const size_t count = groups * (4 + 2 * (entry + kRoomFewestSeats)) + 2;
    HBITMAP* pictures = static_cast<HBITMAP*>(::operator new(count * sizeof(HBITMAP)));
    for (size_t i = 0; i < count; ++i) {
        pictures[i] = CreateBitmap(1, 1, 1, 32, nullptr);
        w.installedPictures[pictures[i]] = 0;
    }
    room.m_phTablePic[entry] = pictures;
    room.m_nPicGroups[entry] = static_cast<int>(groups);
}

void Act(World& w, Input& in, unsigned action) {
    switch (action % 14) {
    case 0: {  // a registration pair
        CMFCShowElement* e = w.Element(in.Byte());
        HWND notify = AnyWindow(in), redraw = AnyWindow(in);
        if (e->m_arrNotifyWnd.size() < kMaxListEntries) {
            e->m_arrNotifyWnd.push_back(notify);
            e->m_arrRedrawWnd.push_back(redraw);
        }
        break;
    }
    case 1: {  // half a pair, leaving the lists of unequal length
        CMFCShowElement* e = w.Element(in.Byte());
        Append(in.Pick(2) ? e->m_arrNotifyWnd : e->m_arrRedrawWnd, AnyWindow(in));
        break;
    }
    case 2: {  // the host drops a registration
        CMFCShowElement* e = w.Element(in.Byte());
        RemoveLast(in.Pick(2) ? e->m_arrNotifyWnd : e->m_arrRedrawWnd);
        break;
    }
    case 3:
        w.Element(in.Byte())->RefreshWindows();
        break;
    case 4:
        w.Element(in.Byte())->NotifyWindows();
        break;
    case 5: {  // merge, from itself, from nothing, or from any other element
        CMFCShowElement* target = w.Element(in.Byte());
        const unsigned pick = in.Byte();
        CMFCShowElement* source = pick == 255 ? nullptr : w.Element(pick);
        if (source != nullptr &&
            target->m_arrNotifyWnd.size() + source->m_arrNotifyWnd.size() > kMaxListEntries)
            break;
        // A room taking over another room's pictures gives its own back first.
        const bool roomToRoom = source != target && (source == w.Room(0) || source == w.Room(1)) &&
                                (target == w.Room(0) || target == w.Room(1));
        if (roomToRoom) {
            target->ReleaseObjects();
            w.released = true;
        }
        target->MergeFrom(source);
        if (roomToRoom) {
            // The rooms now share; the source gives its share up.
            CRoomShowElements* room = static_cast<CRoomShowElements*>(source);
            for (int k = 0; k < kRoomTableSizes; ++k) {
                room->m_phTablePic[k] = nullptr;
                room->m_nPicGroups[k] = 0;
                room->m_arrRoomLib[k].clear();
            }
        }
        break;
    }
    case 6:
        w.Element(in.Byte())->ReleaseObjects();
        w.released = true;
        break;
    case 7:
        GetTreeFace();
        w.released = true;
        break;
    case 8:
        InstallPictures(w, *w.Room(in.Byte()), in.Pick(kRoomTableSizes), 1 + in.Pick(2));
        break;
    case 9: {  // a room library, one reference of the module's
        CRoomShowElements* room = w.Room(in.Byte());
        HandleList<HINSTANCE>& libraries = room->m_arrRoomLib[in.Pick(kRoomTableSizes)];
        if (libraries.size() < 4) libraries.push_back(LoadLibraryA(SKIN_MODULE_FILE));
        break;
    }
    case 10: {  // buttons appended to, or emptied from, a toolbar list
        ButtonList& list = in.Pick(2) ? w.hall.m_arrToolButton : w.hall.m_arrExitButton;
        if (in.Pick(4) == 0) {
            list.clear();
        } else if (list.size() < 32) {
            CButtonShowElements b;
            b.m_arrNotifyWnd.push_back(AnyWindow(in));
            b.m_arrRedrawWnd.push_back(AnyWindow(in));
            list.push_back(b);
        }
        break;
    }
    case 11:
        w.people.LoadHeadLibraries();
        w.hall.m_personList.LoadHeadLibraries();
        break;
    case 12: {  // what a window's handler will do when next told
        std::vector<uint8_t>& script = w.handlers[AnyWindow(in)];
        for (unsigned n = in.Pick(4); n > 0; --n) script.push_back(static_cast<uint8_t>(in.Byte()));
        break;
    }
    case 13:
        w.hall.RefreshWindows();
        break;
    }
}

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_FACECHANGED || g_world == nullptr || g_world->depth >= kMaxDepth)
        return DefWindowProcA(window, message, wParam, lParam);
    auto found = g_world->handlers.find(window);
    if (found == g_world->handlers.end() || found->second.empty()) return 0;
    const unsigned action = found->second.front();
    found->second.erase(found->second.begin());
    ++g_world->depth;
    Act(*g_world, *g_world->input, action);
    --g_world->depth;
    return 0;
}

// Lists stay within their storage and hold only windows the host gave them.
void CheckLists(World& w) {
    for (unsigned i = 0; i < 14; ++i) {
        CMFCShowElement* e = w.Element(i);
        for (const WindowList* list : {&e->m_arrNotifyWnd, &e->m_arrRedrawWnd}) {
            if (list->size() > list->capacity()) Fail("a list longer than its storage");
            for (HWND h : *list)
                if (!IsWindow(h)) Fail("a list holds something that is no window");
        }
    }
}

// Deletions and library releases come only from release steps.
void CheckTrace(World& w) {
    for (const platform_trace::Call& call : platform_trace::Take()) {
        const bool giveBack = call.function == "DeleteObject" || call.function == "FreeLibrary";
        if (giveBack && !w.released) Fail(call.function + " outside a release");
        if (call.function == "DeleteObject") {
            auto picture = w.installedPictures.find(const_cast<void*>(call.handle));
            if (picture != w.installedPictures.end() && ++picture->second > 1) Fail("a room picture deleted twice");
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Session& session = TheSession();
    Input in(data, size);
    {
        World w;
        g_world = &w;
        w.input = &in;
        skin::LoadHallSkin(w.hall, skin::g_values, session.pictures);
        GetTreeFace();
        platform_trace::Clear();
        while (in.more()) {
            w.released = false;
            Act(w, in, in.Byte());
            CheckLists(w);
            CheckTrace(w);
        }
        // The host gives everything back; each installed picture exactly once.
        w.hall.ReleaseObjects();
        w.room.ReleaseObjects();
        w.people.ReleaseObjects();
        w.button.ReleaseObjects();
        skin::g_treeFace.ReleaseObjects();
        w.released = true;
        CheckTrace(w);
        for (const auto& picture : w.installedPictures)
            if (picture.second != 1 || GetObjectType(picture.first) != 0) Fail("a room picture not given back once");
        // The tree face outlives the input; its registrations do not.
        skin::g_treeFace.m_arrNotifyWnd.clear();
        skin::g_treeFace.m_arrRedrawWnd.clear();
        g_world = nullptr;
    }
    return 0;
}
