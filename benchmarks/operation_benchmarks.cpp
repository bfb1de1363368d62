// The module's operations on the portable build, each timed beside a loop of
// exactly the platform calls it makes; the closing table gives module / calls.
// Before timing, each pair is checked once: the operation did its work, and
// the platform's record of calls shows the same calls on both sides.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "entry.h"
#include "operation_checks.h"
#include "platform_calls.h"
#include "platform_trace.h"
#include "registrations.h"
#include "skinpak1.h"

namespace {

constexpr int kMergePairs = 10000;

// The built module, loaded for its pictures; the module's state is linked
// in, so that the benchmark can be the loader.
HMODULE g_pictures = nullptr;
CHallShowElements* g_hall = nullptr;
CTreeShowElements* g_tree = nullptr;
bench::Pictures g_hallCalls = {}, g_treeCalls = {};
bench::Registrations g_windows;
WindowList g_notify, g_redraw;
bool g_failed = false;

// Virtual calls through base pointers, as a host makes them.
void Release(CMFCShowElement* element) { element->ReleaseObjects(); }
void Refresh(CShowElement* element) { element->RefreshWindows(); }
void Merge(CMFCShowElement* into, CMFCShowElement* from) { into->MergeFrom(from); }

void Attach() {
    Release(g_hall);
    DllMain(g_pictures, DLL_PROCESS_ATTACH, nullptr);
}
void AttachCalls() {
    bench::HallReleaseCalls(g_hallCalls);
    bench::AttachCalls(g_pictures, g_hallCalls);
}
void TreeFace() { benchmark::DoNotOptimize(GetTreeFace()); }
void TreeFaceCalls() { bench::TreeFaceCalls(g_pictures, g_treeCalls); }
void HallRefresh() { Refresh(g_hall); }
void RefreshCalls() { bench::RefreshCalls(g_windows); }
void RoomMerge() { Merge(&g_hall->m_room, g_tree); }
void MergeCalls() { bench::MergeCalls(g_notify, g_redraw, *g_tree); }

void Check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "check failed: %s\n", what);
    g_failed = true;
}

// The recorded calls of `op`, in the trace's shape.
std::vector<std::string> Traced(void (*op)()) {
    platform_trace::Clear();
    op();
    return platform_trace::Shape(platform_trace::Take());
}

bool SameCalls(void (*module)(), void (*calls)(), size_t count) {
    const std::vector<std::string> a = Traced(module), b = Traced(calls);
    return a.size() == count && a == b;
}

bool Prepare() {
    g_pictures = LoadLibraryA(SKIN_MODULE_FILE);
    Check(g_pictures != nullptr && DllMain(g_pictures, DLL_PROCESS_ATTACH, nullptr) == TRUE, "the module attaches");
    Check(bench::MakeWindows(g_windows), "the windows are made");
    if (g_failed) return false;
    g_hall = GetHallFace();
    g_tree = GetTreeFace();
    bench::AttachCalls(g_pictures, g_hallCalls);
    TreeFaceCalls();
    Check(bench::FillReplaces(*g_hall, g_hallCalls, Attach, AttachCalls), "attach and its calls fill the hall");
    Check(bench::TreeFaceReplaces(*g_tree, g_treeCalls, TreeFace, TreeFaceCalls),
          "tree face and its calls replace its pictures");
    Check(bench::RefreshReaches(g_hall, g_windows, HallRefresh, RefreshCalls),
          "refresh and its calls tell and repaint the registered windows");
    Check(bench::MergeTakes(g_tree, kMergePairs, g_hall->m_room, g_notify, g_redraw, RoomMerge, MergeCalls),
          "merge and its appends take every pair");
    // Only the platform's record shows deletions, the debugger line and the frame update.
    Check(SameCalls(Attach, AttachCalls, 174),
          "attach and its calls: the same 94 deletions, debugger line, 62 loads and 17 system colours");
    Check(SameCalls(TreeFace, TreeFaceCalls, 17),
          "tree face and its calls: the same 8 deletions, 8 loads and system colour");
    Check(SameCalls(HallRefresh, RefreshCalls, 1), "refresh and its calls: the same frame update");
    return !g_failed;
}

// Prints the console's report and then, per operation, each side's CPU time
// and their ratio; with repetitions, each side's median repetition.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(OO_None) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                times_[run.run_name.str()].push_back(run.GetAdjustedCPUTime());
    }

    void Finalize() override {
        std::ostream& out = GetOutputStream();
        char line[160];
        std::snprintf(line, sizeof line, "\n%-22s %14s %14s %8s\n", "operation", "module us", "calls us", "ratio");
        out << line;
        for (auto& entry : times_) {
            const size_t at = entry.first.find("/module");
            if (at == std::string::npos) continue;
            auto calls = times_.find(std::string(entry.first).replace(at, 7, "/calls"));
            if (calls == times_.end()) continue;
            const double m = Median(entry.second), c = Median(calls->second);
            std::string name = std::string(entry.first).erase(at, 7);
            std::snprintf(line, sizeof line, "%-22s %14.2f %14.2f %8.3f\n", name.c_str(), m, c, m / c);
            out << line;
        }
    }

private:
    static double Median(std::vector<double> values) {
        std::sort(values.begin(), values.end());
        return values[values.size() / 2];
    }
    std::map<std::string, std::vector<double>> times_;
};

// Registers both sides under one name; with perMember, each run first
// registers that many windows per member: a run of another operation in
// between may have replaced the toolbar or the room's registrations.
void Pair(const char* name, void (*module)(), void (*calls)(), bool perMember = false) {
    for (auto side : {std::make_pair("/module", module), std::make_pair("/calls", calls)}) {
        void (*op)() = side.second;
        auto* registered = benchmark::RegisterBenchmark((name + std::string(side.first)).c_str(),
                                                        [op, perMember](benchmark::State& s) {
            if (perMember && !bench::Register(g_hall, g_windows, static_cast<int>(s.range(0))))
                s.SkipWithError("the windows could not be registered");
            for (auto _ : s) op();
        });
        registered->Unit(benchmark::kMicrosecond);
        if (perMember) registered->Arg(1)->Arg(10)->Arg(100);
    }
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
    if (!Prepare()) return 1;
    Pair("attach_fill", Attach, AttachCalls);
    Pair("tree_face", TreeFace, TreeFaceCalls);
    Pair("refresh", HallRefresh, RefreshCalls, true);
    Pair("merge_10000", RoomMerge, MergeCalls);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
