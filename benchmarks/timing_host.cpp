// Times skinpak1.dll's operations under the platform, each beside a loop of
// exactly the platform calls it makes, and prints a table with module / calls.
// The two sides run in alternating rounds; each side's figure is its median round.
//
//   skin_timing_host [iterations]    (per side and operation, default 2000;
//                                     the refresh with 100 per member a tenth)
//
// The attach is timed twice. The fill alone runs the module's own entry
// point, compiled into this host as into the DLL, with the DLL's pictures.
// With the loader, the DLL is unloaded and loaded again, beside a mapping of
// it that runs no entry point followed by the fill's calls.
#include "entry.h"
#include "module_state.h"
#include "operation_checks.h"
#include "platform_calls.h"
#include "registrations.h"
#include "skinpak1.h"
#include "timing_host_imports.h"

namespace {

constexpr char kModule[] = "skinpak1.dll";
constexpr int kRounds = 21;
constexpr int kMergePairs = 10000;

int g_failures = 0;
double g_ticksPerSecond = 1;

// The module, loaded as a host loads it (entered) or mapped without its entry point.
HMODULE g_dll = nullptr;
bool g_entered = false;
bench::Pictures g_reloadCalls = {}, g_fillCalls = {}, g_treeCalls = {};
bench::Registrations g_windows;
// Read through globals, so that the compiler cannot see which class a
// virtual call reaches: the module's, not this host's copy.
CHallShowElements* g_hall = nullptr;
CTreeShowElements* g_tree = nullptr;
CMFCShowElement* g_room = nullptr;
GetTreeFaceFn g_getTreeFace = nullptr;
WindowList g_notify, g_redraw;

void Release(CMFCShowElement* element) { element->ReleaseObjects(); }
void Refresh(CShowElement* element) { element->RefreshWindows(); }
void Merge(CMFCShowElement* into, CMFCShowElement* from) { into->MergeFrom(from); }

bool Check(bool ok, const char* what) {
    if (!ok) printf("check failed: %s\n", what);
    g_failures += ok ? 0 : 1;
    return ok;
}

CHallShowElements* Hall() {
    auto getHallFace = reinterpret_cast<GetHallFaceFn>(GetProcAddress(g_dll, "GetHallFace"));
    return getHallFace != nullptr ? getHallFace() : nullptr;
}

void Fill() {
    Release(&skin::g_hallFace);
    DllMain(g_dll, DLL_PROCESS_ATTACH, nullptr);
}
void FillCalls() {
    bench::HallReleaseCalls(g_fillCalls);
    bench::AttachCalls(g_dll, g_fillCalls);
}

// The hall is given back first, as a host gives it back before unloading.
void Reload() {
    Release(Hall());
    FreeLibrary(g_dll);
    g_dll = LoadLibraryA(kModule);
}
void ReloadCalls() {
    bench::HallReleaseCalls(g_reloadCalls);
    FreeLibrary(g_dll);
    g_dll = LoadLibraryExA(kModule, nullptr, kDontResolveDllReferences);
    GetProcAddress(g_dll, "GetHallFace");
    bench::AttachCalls(g_dll, g_reloadCalls);
}
void LoaderAlone() {
    FreeLibrary(g_dll);
    g_dll = LoadLibraryExA(kModule, nullptr, kDontResolveDllReferences);
    GetProcAddress(g_dll, "GetHallFace");
}

// Puts the module the way a side of the reload needs it, outside the timing.
void LoadAs(bool entered) {
    if (entered == g_entered) return;
    if (g_entered) Release(Hall());
    else bench::HallReleaseCalls(g_reloadCalls);
    FreeLibrary(g_dll);
    g_dll = entered ? LoadLibraryA(kModule) : LoadLibraryExA(kModule, nullptr, kDontResolveDllReferences);
    if (!entered) bench::AttachCalls(g_dll, g_reloadCalls);
    g_entered = entered;
}

void TreeFace() { g_getTreeFace(); }
void TreeFaceCalls() { bench::TreeFaceCalls(g_dll, g_treeCalls); }
void HallRefresh() { Refresh(g_hall); }
void RefreshCalls() { bench::RefreshCalls(g_windows); }
void RoomMerge() { Merge(g_room, g_tree); }
void MergeCalls() { bench::MergeCalls(g_notify, g_redraw, *g_tree); }

// Microseconds per call, the median of up to kRounds rounds, so that neither
// a round disturbed by other work nor an unusually lucky one decides.
class Timing {
public:
    explicit Timing(int iterations)
        : rounds_(iterations < kRounds ? iterations : kRounds), calls_(iterations / rounds_) {}
    int rounds() const { return rounds_; }

    void Round(void (*op)()) {
        long long start = 0, end = 0;
        QueryPerformanceCounter(&start);
        for (int i = 0; i < calls_; ++i) op();
        QueryPerformanceCounter(&end);
        const double us = static_cast<double>(end - start) * 1e6 / g_ticksPerSecond / calls_;
        int at = taken_++;
        for (; at > 0 && times_[at - 1] > us; --at) times_[at] = times_[at - 1];
        times_[at] = us;
    }
    double Median() const { return times_[taken_ / 2]; }

private:
    int rounds_, calls_, taken_ = 0;
    double times_[kRounds] = {};
};

void Row(const char* name, int iterations, void (*module)(), void (*calls)(), bool reload = false) {
    Timing moduleTime(iterations), callsTime(iterations);
    for (int round = 0; round < moduleTime.rounds(); ++round) {
        if (reload) LoadAs(true);
        moduleTime.Round(module);
        if (reload) LoadAs(false);
        callsTime.Round(calls);
    }
    if (reload) LoadAs(true);
    printf("%-26s %12.1f %12.1f %8.3f\n", name, moduleTime.Median(), callsTime.Median(),
           moduleTime.Median() / callsTime.Median());
}

void LoaderRow(int iterations) {
    Timing time(iterations);
    LoadAs(false);
    for (int round = 0; round < time.rounds(); ++round) time.Round(LoaderAlone);
    LoadAs(true);
    printf("%-26s %12.1f   (FreeLibrary, LoadLibraryExA without the entry point)\n", "  mapping alone",
           time.Median());
}

// Each operation is done once on both sides and checked before it is timed.
bool PrepareReload() {
    g_dll = LoadLibraryA(kModule);
    g_entered = true;
    if (!Check(g_dll != nullptr && Hall() != nullptr, "skinpak1.dll loads")) return false;
    const HGDIOBJ menu = Hall()->m_caption.m_hbmMenu;
    Reload();
    const CHallShowElements* hall = g_dll != nullptr ? Hall() : nullptr;
    Check(hall != nullptr && hall->m_personList.m_arrStatusIcon.size() == 10 && GetObjectType(menu) == 0,
          "a reload gives the old hall back and fills the new one");
    LoadAs(false);
    const HGDIOBJ first = g_reloadCalls.handles[0];
    ReloadCalls();
    Check(bench::MissingPictures(g_reloadCalls, false) == 0 && GetObjectType(first) == 0,
          "the reload's calls load every picture and delete the old ones");
    LoadAs(true);
    return g_failures == 0;
}

// The module as loaded last, its faces and this host's copy of its state.
bool PrepareFaces() {
    if (!Check(DllMain(g_dll, DLL_PROCESS_ATTACH, nullptr) == TRUE, "the entry point fills this host's hall") ||
        !Check(bench::MakeWindows(g_windows), "the windows are made"))
        return false;
    FillCalls();
    g_hall = Hall();
    g_room = &g_hall->m_room;
    g_getTreeFace = reinterpret_cast<GetTreeFaceFn>(GetProcAddress(g_dll, "GetTreeFace"));
    g_tree = g_getTreeFace();
    TreeFaceCalls();
    Check(bench::FillReplaces(skin::g_hallFace, g_fillCalls, Fill, FillCalls), "the fill and its calls fill the hall");
    Check(bench::TreeFaceReplaces(*g_tree, g_treeCalls, TreeFace, TreeFaceCalls),
          "the tree face and its calls replace its pictures");
    Check(bench::RefreshReaches(g_hall, g_windows, HallRefresh, RefreshCalls),
          "refresh and its calls tell and repaint the registered windows");
    Check(bench::MergeTakes(g_tree, kMergePairs, *g_room, g_notify, g_redraw, RoomMerge, MergeCalls),
          "merge and its appends take every pair");
    return g_failures == 0;
}

}  // namespace

int main(int argc, char** argv) {
    const int iterations = argc > 1 ? atoi(argv[1]) : 2000;
    long long frequency = 0;
    if (iterations < 1 || !QueryPerformanceFrequency(&frequency)) {
        printf("usage: skin_timing_host [iterations >= 1]\n");
        return 2;
    }
    g_ticksPerSecond = static_cast<double>(frequency);
    if (!PrepareReload()) return 1;
    printf("skin_timing_host: %d iterations a side in up to %d alternating rounds; median round, us per call\n",
           iterations, kRounds);
    printf("%-26s %12s %12s %8s\n", "operation", "module", "calls", "ratio");
    Row("attach with the loader", iterations, Reload, ReloadCalls, true);
    LoaderRow(iterations);
    // The reloads replaced the module's faces: they are taken only now.
    if (!PrepareFaces()) return 1;
    Row("attach fill", iterations, Fill, FillCalls);
    Row("tree face", iterations, TreeFace, TreeFaceCalls);
    const char* const names[] = {"refresh, 1 per member", "refresh, 10 per member", "refresh, 100 per member"};
    const int counts[] = {1, 10, 100};
    for (int i = 0; i < 3; ++i) {
        Check(bench::Register(g_hall, g_windows, counts[i]), "the windows are registered");
        Row(names[i], counts[i] < 100 ? iterations : (iterations + 9) / 10, HallRefresh, RefreshCalls);
    }
    Row("merge, 10,000 pairs", iterations, RoomMerge, MergeCalls);
    return g_failures == 0 ? 0 : 1;
}
