#include "wine_route.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "shipped_module.h"

extern char** environ;

namespace skinkit {
namespace {

namespace fs = std::filesystem;

volatile std::sig_atomic_t g_child = 0;

// Ctrl-C reaches Wine from the terminal as well; a signal sent to this
// process alone (a script ending it by its PID) must reach Wine too, or the
// preview would run on without anyone waiting for it.
void PassOn(int signal) {
    if (g_child > 0) kill(static_cast<pid_t>(g_child), signal);
}

}  // namespace

fs::path FindWine() {
    const char* path = std::getenv("PATH");
    std::string rest = path != nullptr ? path : "";
    while (!rest.empty()) {
        const std::size_t colon = rest.find(':');
        const std::string dir = rest.substr(0, colon);
        rest = colon == std::string::npos ? "" : rest.substr(colon + 1);
        const fs::path candidate = fs::path(dir.empty() ? "." : dir) / "wine";
        if (access(candidate.c_str(), X_OK) == 0) return candidate;
    }
    return {};
}

std::vector<fs::path> WindowsSkinkitPlaces() { return BesideOrBuilt("skinkit.exe", SKINKIT_BUILT_EXE); }

fs::path FindWindowsSkinkit() { return FirstFile(WindowsSkinkitPlaces()); }

int RunUnderWine(const fs::path& wine, const fs::path& exe, const std::vector<std::string>& args) {
    std::vector<std::string> words = {wine.string(), exe.string()};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);

    std::vector<std::string> settings;
    for (char** setting = environ; *setting != nullptr; ++setting) settings.emplace_back(*setting);
    if (std::getenv("WINEDEBUG") == nullptr) settings.emplace_back("WINEDEBUG=-all");
    std::vector<char*> envp;
    for (std::string& setting : settings) envp.push_back(setting.data());
    envp.push_back(nullptr);

    pid_t child = 0;
    const int failed = posix_spawn(&child, wine.c_str(), nullptr, nullptr, argv.data(), envp.data());
    if (failed != 0) {
        std::fprintf(stderr, "skinkit preview: cannot start %s: %s\n", wine.c_str(), std::strerror(failed));
        return 1;
    }
    g_child = child;
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) std::signal(signal, PassOn);
    int status = 0;
    pid_t waited = 0;
    do waited = waitpid(child, &status, 0);
    while (waited < 0 && errno == EINTR);
    g_child = 0;
    if (waited < 0) return 1;
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : 1;
}

}  // namespace skinkit
