#include "client.h"

#include <cstdio>

#include "hall_panes.h"
#include "pack_switch.h"
#include "registrations.h"
#include "room_tables.h"

namespace client {
namespace {

Client* g_client = nullptr;

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

}  // namespace

Client* CurrentClient() { return g_client; }

const CHallShowElements* CurrentHall() { return g_client != nullptr ? g_client->Pack().hall : nullptr; }

void ReportSeen(HWND window, UINT message) {
    if (g_client != nullptr && g_client->messageSeen) g_client->messageSeen(window, message);
}

Client::Client(HINSTANCE instance) : instance_(instance) { g_client = this; }

Client::~Client() {
    Close();
    g_client = nullptr;
}

void Client::Say(const std::string& text) {
    message_ = text;
    if (windows_.main != nullptr) InvalidateStatusBar(windows_.main);
}

void Client::Complain(const std::string& text) {
    Say(text);
    std::fprintf(stderr, "skinclient: %s\n", text.c_str());
    std::fflush(stderr);
}

bool Client::Open(const std::string& packFile) {
    std::string why;
    if (!LoadSkinPack(packFile, SkinPack{}, pack_, why)) {
        Complain(why);
        return false;
    }
    if (!CreateHallWindows(instance_, windows_)) {
        Complain("the hall's windows cannot be made (error " + std::to_string(GetLastError()) + ")");
        Close();
        return false;
    }
    if (!InstallRoomTables(pack_.hall->m_room, why)) Complain(why);
    if (!RegisterHallWindows(*pack_.hall, *pack_.tree, windows_)) Complain("not every window could be registered");
    PackChanged(windows_);
    ShowWindow(windows_.main, SW_SHOW);
    RepaintNow();
    return true;
}

namespace {

// Whatever way a switch ends, the next may start.
class SwitchRunning {
public:
    explicit SwitchRunning(bool& running) : running_(running) { running_ = true; }
    ~SwitchRunning() { running_ = false; }
    SwitchRunning(const SwitchRunning&) = delete;
    SwitchRunning& operator=(const SwitchRunning&) = delete;

private:
    bool& running_;
};

}  // namespace

bool Client::SwitchTo(const std::string& packFile) {
    if (pack_.module == nullptr) {
        Complain(packFile + ": no pack is open to switch from");
        return false;
    }
    if (switching_) {
        Complain(packFile + ": a switch is running; keeping " + pack_.name);
        return false;
    }
    const SwitchRunning running(switching_);
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    SkinPack next;
    std::string why;
    if (!LoadSkinPack(packFile, pack_, next, why)) {
        Complain(why + "; keeping " + pack_.name);
        return false;
    }
    // Moving changes nothing of the pack in use, so a move that falls short
    // is undone by letting the new pack go, its room first forgetting the
    // tables it shares with the old one.
    if (!MoveRegistrations(*next.hall, *pack_.hall, *next.tree, *pack_.tree) ||
        !RegisterButtonWindows(*next.hall, windows_)) {
        const DWORD error = GetLastError();
        LetGoOfRoomData(next.hall->m_room);
        UnloadSkinPack(next);
        Complain(packFile + ": not every window could move to its faces (error " + std::to_string(error) +
                 "); keeping " + pack_.name);
        return false;
    }
    LetGoOfRoomData(pack_.hall->m_room);
    SkinPack old = pack_;
    pack_ = next;
    // The windows read the new faces from here on; what they cache is made anew.
    PackChanged(windows_);
    pack_.hall->RefreshWindows();
    // The tree face's windows moved with the rest; its refresh repaints them.
    pack_.tree->RefreshWindows();
    Say("switched " + old.name + " -> " + pack_.name);
    UnloadSkinPack(old);
    RepaintNow();
    LARGE_INTEGER end;
    QueryPerformanceCounter(&end);
    switchMilliseconds_ = Milliseconds(start, end);
    return true;
}

void Client::RepaintNow() {
    if (windows_.main == nullptr) return;
    RedrawWindow(windows_.main, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void Client::Close() {
    DestroyHallWindows(windows_);
    UnloadSkinPack(pack_);
}

}  // namespace client
