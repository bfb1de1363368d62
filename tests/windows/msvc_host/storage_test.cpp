// The DLL with its operator new answered by this test: each storage request
// the module makes, from its process attach on, refused in turn. A refused
// attach fails the load; a refused tree face is null with the reason in the
// last error; a refused merge changes nothing. Each then works when asked again.
#include "check.h"
#include "module_binder.h"
#include "skinpak1.h"

using check::Eq;
using check::Text;
using check::True;

namespace {

constexpr const char* kModule = "skinpak1.dll";

bool g_counting = false;
long g_requests = 0;
long g_refused = -1;

// The module's operator new. What it does not refuse comes from msvcrt.dll's
// own, as the module's storage always does.
void* __cdecl ModuleNew(size_t bytes) {
    if (g_counting && g_requests++ == g_refused) return nullptr;
    return ::operator new(bytes);
}

const ReplacedImport kModuleNew = {"msvcrt.dll", "??2@YAPAXI@Z", reinterpret_cast<void*>(&ModuleNew)};

void Refuse(long n) {
    g_requests = 0;
    g_refused = n;
    g_counting = true;
}

// Stops refusing; true where the refused request came.
bool Stop() {
    g_counting = false;
    return g_requests > g_refused;
}

template <class Fn>
Fn Export(HMODULE module, const char* name) {
    return reinterpret_cast<Fn>(GetProcAddress(module, name));
}

// A list that this host filled, in storage of exactly its size.
void Fill(WindowList& list, ULONG_PTR first, int count) {
    WindowList().swap(list);
    list.reserve(count);
    for (int i = 0; i < count; ++i) list.push_back(reinterpret_cast<HWND>(first + i));
}

bool Holds(const WindowList& list, ULONG_PTR first, int count, ULONG_PTR then, int thenCount) {
    if (list.size() != static_cast<size_t>(count + thenCount)) return false;
    for (int i = 0; i < count; ++i)
        if (list[i] != reinterpret_cast<HWND>(first + i)) return false;
    for (int i = 0; i < thenCount; ++i)
        if (list[count + i] != reinterpret_cast<HWND>(then + i)) return false;
    return true;
}

void RefusedAttach() {
    check::topic = "attach";
    for (long n = 0; n < 100; ++n) {
        Refuse(n);
        const BoundModule bound = LoadBound(kModule, kModuleNew);
        const bool refused = Stop();
        if (!True(Text("request %ld refused: module mapped and bound", n), bound.module != nullptr)) return;
        if (refused) {
            Eq(Text("request %ld refused: attach answer", n), FALSE, bound.attached);
            UnloadBound(bound);
            continue;
        }
        Eq("requests of the attach fill", 4, g_requests);
        Eq("attach answer", TRUE, bound.attached);
        CHallShowElements* hall = Export<GetHallFaceFn>(bound.module, "GetHallFace")();
        Eq("toolbar buttons", 8, static_cast<long>(hall->m_arrToolButton.size()));
        Eq("status icons", 10, static_cast<long>(hall->m_personList.m_arrStatusIcon.size()));
        hall->ReleaseObjects();
        UnloadBound(bound);
        return;
    }
    True("the attach fill ends its requests", false);
}

void RefusedTreeFace() {
    check::topic = "tree face";
    for (long n = 0; n < 100; ++n) {
        const BoundModule bound = LoadBound(kModule, kModuleNew);
        if (!True("module attached", bound.module != nullptr && bound.attached)) return;
        auto getTreeFace = Export<GetTreeFaceFn>(bound.module, "GetTreeFace");
        SetLastError(0);
        Refuse(n);
        CTreeShowElements* face = getTreeFace();
        const bool refused = Stop();
        if (refused) {
            Eq(Text("request %ld refused: face", n), nullptr, face);
            Eq(Text("request %ld refused: last error", n), ERROR_NOT_ENOUGH_MEMORY, GetLastError());
            face = getTreeFace();
        } else {
            Eq("requests of the first tree face", 1, g_requests);
            Refuse(0);
            getTreeFace();
            Stop();
            Eq("requests of a later tree face", 0, g_requests);
        }
        if (True(Text("request %ld: face when asked again", n), face != nullptr)) {
            Eq(Text("request %ld: icons", n), kTreeIconCount, static_cast<long>(face->m_arrIcon.size()));
            face->ReleaseObjects();
        }
        Export<GetHallFaceFn>(bound.module, "GetHallFace")()->ReleaseObjects();
        UnloadBound(bound);
        if (!refused) return;
    }
}

struct MergeRow {
    const char* name;
    CMFCShowElement* target;
    CMFCShowElement* source;
    bool replaces;  // the room takes the other's registrations instead of its own
};

void RefusedMerges() {
    check::topic = "merge";
    const BoundModule bound = LoadBound(kModule, kModuleNew);
    if (!True("module attached", bound.module != nullptr && bound.attached)) return;
    CHallShowElements* hall = Export<GetHallFaceFn>(bound.module, "GetHallFace")();
    const MergeRow rows[] = {
        {"tab from caption", &hall->m_mainTab, &hall->m_caption, false},
        {"room from caption", &hall->m_room, &hall->m_caption, true},
        {"person list from caption", &hall->m_personList, &hall->m_caption, false},
    };
    for (const MergeRow& row : rows) {
        for (long n = 0; n < 100; ++n) {
            Fill(row.target->m_arrNotifyWnd, 0x100, 2);
            Fill(row.target->m_arrRedrawWnd, 0x200, 2);
            Fill(row.source->m_arrNotifyWnd, 0x300, 3);
            Fill(row.source->m_arrRedrawWnd, 0x400, 3);
            SetLastError(0);
            Refuse(n);
            row.target->MergeFrom(row.source);
            const bool refused = Stop();
            const char* what = Text("%s, request %ld %s", row.name, n, refused ? "refused" : "met");
            if (refused) {
                True(Text("%s: notify windows as they were", what), Holds(row.target->m_arrNotifyWnd, 0x100, 2, 0, 0));
                True(Text("%s: redraw windows as they were", what), Holds(row.target->m_arrRedrawWnd, 0x200, 2, 0, 0));
                Eq(Text("%s: last error", what), ERROR_NOT_ENOUGH_MEMORY, GetLastError());
                continue;
            }
            Eq(Text("%s: requests", what), 2, g_requests);
            if (row.replaces) {
                True(Text("%s: notify windows", what), Holds(row.target->m_arrNotifyWnd, 0x300, 3, 0, 0));
                True(Text("%s: redraw windows", what), Holds(row.target->m_arrRedrawWnd, 0x400, 3, 0, 0));
            } else {
                True(Text("%s: notify windows", what), Holds(row.target->m_arrNotifyWnd, 0x100, 2, 0x300, 3));
                True(Text("%s: redraw windows", what), Holds(row.target->m_arrRedrawWnd, 0x200, 2, 0x400, 3));
            }
            break;
        }
        for (CMFCShowElement* element : {row.target, row.source}) {
            WindowList().swap(element->m_arrNotifyWnd);
            WindowList().swap(element->m_arrRedrawWnd);
        }
    }
    hall->ReleaseObjects();
    UnloadBound(bound);
}

}  // namespace

int main() {
    // The libraries the module imports from, loaded as the loader would.
    for (const char* library : {"user32.dll", "gdi32.dll", "msvcrt.dll"}) LoadLibraryA(library);
    RefusedAttach();
    RefusedTreeFace();
    RefusedMerges();
    return check::Finish("msvc_storage_test");
}
