// Reloads the tree face over and over, the way a client that re-skins often
// would: GetTreeFace calls interleaved with refreshes of registered windows
// and, every thousand calls, a merge. Prints, at the start and every tenth of
// the run, what the process holds: graphics and window objects, heap blocks
// and bytes, and memory. Fails unless the figures stay flat.
//
//   tree_face_soak [calls]      (default 1,000,000)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "process_figures.h"
#include "skinpak1.h"

namespace {

constexpr int kWindows = 4;
constexpr long kMergeEvery = 1000;

HWND NewWindow() {
    static const bool registered = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = &DefWindowProcA;
        wc.lpszClassName = "tree_face_soak";
        return RegisterClassA(&wc) != 0;
    }();
    if (!registered) return nullptr;
    return CreateWindowExA(0, "tree_face_soak", "", WS_POPUP | WS_VISIBLE, 0, 0, 8, 8, nullptr, nullptr, nullptr,
                           nullptr);
}

}  // namespace

int main(int argc, char** argv) {
    const long calls = argc > 1 ? std::atol(argv[1]) : 1000000;
    if (calls < 10) {
        std::fprintf(stderr, "usage: tree_face_soak [calls >= 10]\n");
        return 2;
    }
    HMODULE module = LoadLibraryA(SKIN_MODULE_FILE);
    auto getTreeFace = reinterpret_cast<GetTreeFaceFn>(reinterpret_cast<void*>(GetProcAddress(module, "GetTreeFace")));
    if (getTreeFace == nullptr) {
        std::fprintf(stderr, "the module %s or its GetTreeFace is missing\n", SKIN_MODULE_FILE);
        return 1;
    }
    CTreeShowElements* face = getTreeFace();
    if (NewWindow() == nullptr) {
        std::fprintf(stderr, "no window could be made\n");
        return 1;
    }
    for (int i = 0; i < kWindows; ++i) {
        face->m_arrNotifyWnd.push_back(NewWindow());
        face->m_arrRedrawWnd.push_back(NewWindow());
    }
    // The merge's source, the hall's tree: a registration that the face takes
    // over and then gives up again. Only the module makes elements.
    auto getHallFace = reinterpret_cast<GetHallFaceFn>(reinterpret_cast<void*>(GetProcAddress(module, "GetHallFace")));
    CTreeShowElements& source = getHallFace()->m_tree;
    source.m_arrNotifyWnd.push_back(NewWindow());
    source.m_arrRedrawWnd.push_back(NewWindow());

    std::vector<soak::Figures> seen;
    const long step = calls / 10;
    // Where the platform counts no objects for a process, the bitmap a
    // reload replaced must at least be gone.
    HBITMAP replaced = nullptr;
    for (long call = 0; call <= calls; ++call) {
        if (call % step == 0) {
            seen.push_back(soak::Measure());
            soak::Print(call, seen.back());
            if (replaced != nullptr && GetObjectType(replaced) != 0) {
                std::printf("the tree background of an earlier reload is still alive\n");
                return 1;
            }
            replaced = face->m_hbmBack;
        }
        face = getTreeFace();
        face->RefreshWindows();
        if (call % kMergeEvery == 0) {
            const size_t keep = face->m_arrNotifyWnd.size();
            face->MergeFrom(&source);
            face->m_arrNotifyWnd.resize(keep);
            face->m_arrRedrawWnd.resize(keep);
        }
    }
    face->ReleaseObjects();
    FreeLibrary(module);

    // The first tenth lets every first-time allocation happen; from there on nothing may grow.
    const std::string drift = soak::Drift(seen[1], seen.back());
    if (!drift.empty()) {
        std::printf("not flat: %s\n", drift.c_str());
        return 1;
    }
    std::printf("flat over %ld calls\n", calls);
    return 0;
}
