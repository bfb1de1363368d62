// `preview`: a pack's hall and tree painted as the client paints them, from
// the pack's own module, and a contact sheet of its pictures; with --watch,
// painted again whenever the pack changes.
#include <chrono>
#include <csignal>
#include <cstdio>
#include <thread>

#include "commands.h"
#include "pack_kind.h"
#if SKINKIT_PAINTS
#include "pack_watch.h"
#include "preview_paint.h"
#endif
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include "wine_route.h"
#endif

namespace skinkit {
namespace {

namespace fs = std::filesystem;

#if SKINKIT_PAINTS
using Clock = std::chrono::steady_clock;

constexpr auto kPollEvery = std::chrono::milliseconds(300);
constexpr auto kStopCheckEvery = std::chrono::milliseconds(50);

long long MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

volatile std::sig_atomic_t g_stop = 0;
void Stop(int) { g_stop = 1; }

bool MakeOutputFolder(const fs::path& folder, std::string& why) {
    std::error_code error;
    if (fs::is_directory(folder, error)) return true;
    if (fs::exists(folder, error)) {
        why = folder.string() + " is not a folder";
        return false;
    }
    fs::create_directories(folder, error);
    if (error) why = "cannot make the folder " + folder.string() + ": " + error.message();
    return !error;
}

// Paints the pack and writes the three pictures whole; prints each problem
// of the pack and returns what kept them from being written ("": written).
std::string PaintInto(const PreviewRequest& request, PackKind kind, bool progress) {
    std::vector<NamedFile> files;
    kit::Problems problems;
    if (!PaintPack(request.pack, kind, request.module, progress, files, problems)) {
        for (const kit::Problem& problem : problems) std::printf("%s\n", problem.Text().c_str());
        return std::to_string(problems.size()) + " problem(s) with " + request.pack.string();
    }
    std::string why;
    if (!MakeOutputFolder(request.output, why) || !WriteWholeFiles(request.output, files, why)) return why;
    return {};
}

void Painted(const PreviewRequest& request, Clock::time_point start) {
    std::printf("painted %s into %s: hall.png tree.png contact.png (%lld ms)\n", request.pack.string().c_str(),
                request.output.string().c_str(), MillisecondsSince(start));
}

void Unwritten(const PreviewRequest& request, const std::string& why) {
    std::fprintf(stderr, "skinkit preview: %s; nothing in %s was written\n", why.c_str(),
                 request.output.string().c_str());
}

int Watch(const PreviewRequest& request, PackKind kind) {
    std::signal(SIGINT, Stop);
    std::signal(SIGTERM, Stop);
    // Stamped before the first paint, so that a change made during it is painted too.
    std::vector<FileStamp> seen = StampPack(request.pack);
    Clock::time_point start = Clock::now();
    std::string failure = PaintInto(request, kind, true);
    if (failure.empty())
        Painted(request, start);
    else
        Unwritten(request, failure);
    std::fprintf(stderr, "skinkit preview: watching %s; Ctrl-C ends\n", request.pack.string().c_str());
    std::fflush(stdout);
    for (int repaints = 0; !g_stop && (request.repaints == 0 || repaints < request.repaints);) {
        for (auto waited = Clock::duration::zero(); waited < kPollEvery && !g_stop; waited += kStopCheckEvery)
            std::this_thread::sleep_for(kStopCheckEvery);
        std::vector<FileStamp> now = StampPack(request.pack);
        if (g_stop || now == seen) continue;
        seen = std::move(now);
        start = Clock::now();
        failure = PaintInto(request, kind, false);
        if (failure.empty())
            std::printf("repainted hall.png tree.png contact.png (%lld ms)\n", MillisecondsSince(start));
        else
            std::printf("not repainted: %s; the pictures are as they were (%lld ms)\n", failure.c_str(),
                        MillisecondsSince(start));
        std::fflush(stdout);
        ++repaints;
    }
    return failure.empty() ? 0 : 1;
}

int PreviewHere(const PreviewRequest& request, PackKind kind) {
#ifdef _WIN32
    // Plain line ends, so that what Wine passes on reads as the portable build's.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    if (request.watch) return Watch(request, kind);
    const Clock::time_point start = Clock::now();
    const std::string failure = PaintInto(request, kind, true);
    if (!failure.empty()) {
        Unwritten(request, failure);
        return 1;
    }
    Painted(request, start);
    return 0;
}
#endif

#ifndef _WIN32
fs::path Whole(const fs::path& path) { return fs::absolute(path).lexically_normal(); }

int PreviewUnderWine(const PreviewRequest& request, PackKind kind) {
    const fs::path wine = FindWine();
    const fs::path exe = FindWindowsSkinkit();
    if (wine.empty() || exe.empty()) {
        std::string missing;
        if (wine.empty()) missing = "wine is not on PATH";
        if (exe.empty()) {
            missing += std::string(missing.empty() ? "" : ", and ") + "skinkit.exe is in none of these places:";
            for (const fs::path& place : WindowsSkinkitPlaces()) missing += " " + place.string();
        }
        std::fprintf(stderr,
                     "skinkit preview: %s is a %s, whose module runs only on Windows or under Wine; %s.\n"
                     "Either install Wine (apt-get install wine) and build skinkit.exe (cmake --preset "
                     "mingw-i686-release && cmake --build --preset mingw-i686-release), or give the pack's portable "
                     "module, which the portable build makes for every pack in packs/: "
                     "build/linux/lib<name>.so\n",
                     request.pack.string().c_str(), kind == PackKind::Folder ? "pack folder" : "Windows module",
                     missing.c_str());
        return 1;
    }
    std::vector<std::string> args = {"preview", Whole(request.pack).string(), "-o", Whole(request.output).string()};
    if (!request.module.empty()) args.insert(args.end(), {"--module", Whole(request.module).string()});
    if (request.watch) args.push_back("--watch");
    if (request.repaints != 0) args.insert(args.end(), {"--repaints", std::to_string(request.repaints)});
    std::fprintf(stderr, "skinkit preview: starting Wine: %s %s\n", wine.string().c_str(), exe.string().c_str());
    return RunUnderWine(wine, exe, args);
}
#endif

}  // namespace

int Preview(const PreviewRequest& request) {
    const PackKind kind = KindOf(request.pack);
    if (kind == PackKind::Missing) {
        std::fprintf(stderr, "skinkit preview: no pack folder or module at %s\n", request.pack.string().c_str());
        return 1;
    }
    if (kind == PackKind::Unknown) {
        std::fprintf(stderr, "skinkit preview: %s is neither a pack folder nor a module\n",
                     request.pack.string().c_str());
        return 1;
    }
#if SKINKIT_PAINTS
    if (kind == kLoadableModule || (kind == PackKind::Folder && kLoadableModule == PackKind::WindowsModule))
        return PreviewHere(request, kind);
#endif
#ifdef _WIN32
    std::fprintf(stderr,
                 "skinkit preview: %s is a portable module, which only the portable build's skinkit paints; give "
                 "the pack's folder or its .dll\n",
                 request.pack.string().c_str());
    return 1;
#else
    if (kind == PackKind::PortableModule) {
        std::fprintf(stderr,
                     "skinkit preview: %s is a portable module, and this skinkit (the build machine's, without the "
                     "platform) paints only through Wine: use the portable build's skinkit (build/linux/skinkit), "
                     "or give the pack's folder or its .dll\n",
                     request.pack.string().c_str());
        return 1;
    }
    return PreviewUnderWine(request, kind);
#endif
}

}  // namespace skinkit
