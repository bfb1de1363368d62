// skinclient: the lobby hall in real windows, painted from a skin pack's
// faces, with the pack switched while it runs.
//
//   skinclient.exe [--pack skinpak1.dll] [--switch skinpak2.dll [--switch-after 1000]]
//                  [--screenshot <stem>] [--quit]
#include <windows.h>

#include <CLI/CLI.hpp>
#include <cstdio>
#include <string>

#include "client.h"
#include "screenshot.h"

namespace {

struct Script {
    std::string pack = "skinpak1.dll";
    std::string switchTo;
    unsigned switchAfter = 1000;
    std::string screenshot;
    bool quit = false;
};

Script g_script;
int g_exitCode = 0;

bool Screenshot() {
    if (g_script.screenshot.empty()) return true;
    client::Client* const c = client::CurrentClient();
    c->RepaintNow();
    std::string file, why;
    if (!client::WriteScreenshot(c->Windows().main, g_script.screenshot, c->Pack().name, file, why)) {
        c->Complain(why);
        return false;
    }
    std::printf("screenshot %s\n", file.c_str());
    return true;
}

void CALLBACK RunScript(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    client::Client* const c = client::CurrentClient();
    if (!Screenshot()) g_exitCode = 3;
    if (!g_script.switchTo.empty()) {
        const std::string from = c->Pack().name;
        if (c->SwitchTo(g_script.switchTo)) {
            std::printf("switch %s -> %s: %.1f ms\n", from.c_str(), c->Pack().name.c_str(), c->LastSwitchMilliseconds());
            if (!Screenshot()) g_exitCode = 3;
        } else {
            g_exitCode = 2;
        }
    }
    std::fflush(stdout);
    if (g_script.quit) PostQuitMessage(g_exitCode);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    CLI::App app{"The lobby hall, painted from a skin pack; switches packs while it runs."};
    app.add_option("--pack", g_script.pack, "the pack to start with")->capture_default_str();
    app.add_option("--switch", g_script.switchTo, "a pack to switch to once the hall is up");
    app.add_option("--switch-after", g_script.switchAfter, "milliseconds before that switch")->capture_default_str();
    app.add_option("--screenshot", g_script.screenshot,
                   "write <stem>-<pack>.png of the window, before the switch and after it");
    app.add_flag("--quit", g_script.quit, "end once the switch and the screenshots are done");
    try {
        app.parse(__argc, __argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e);
    }

    client::Client c(instance);
    if (!c.Open(g_script.pack)) return 1;
    const bool scripted = !g_script.switchTo.empty() || !g_script.screenshot.empty() || g_script.quit;
    if (scripted) SetTimer(nullptr, 0, g_script.switchTo.empty() ? 0 : g_script.switchAfter, &RunScript);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
