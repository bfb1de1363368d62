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
    if (!LoadSkinPack(packFile, nullptr, pack_, why)) {
        Complain(why);
        return false;
    }
    if (!CreateHallWindows(instance_, windows_)) {
        Complain("the hall's windows cannot be made (error " + std::to_string(GetLastError()) + ")");
        Close();
        return false;
    }
    if (!InstallRoomTables(pack_.hall->m_room, why)) Complain(why + "; the room shows no tables");
    if (!RegisterHallWindows(*pack_.hall, *pack_.tree, windows_)) Complain("not every window could be registered");
    PackChanged(windows_);
    ShowWindow(windows_.main, SW_SHOW);
    RepaintNow();
    return true;
}

bool Client::SwitchTo(const std::string& packFile) {
    if (switching_) {
        Complain(packFile + ": a switch is running; keeping " + pack_.name);
        return false;
    }
    switching_ = true;
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    SkinPack next;
    std::string why;
    if (!LoadSkinPack(packFile, pack_.module, next, why)) {
        switching_ = false;
        Complain(why + "; keeping " + pack_.name);
        return false;
    }
    MoveRegistrations(*next.hall, *pack_.hall, *next.tree, *pack_.tree);
    const bool registered = RegisterButtonWindows(*next.hall, windows_);
    LetGoOfRoomData(pack_.hall->m_room);
    SkinPack old = pack_;
    const std::string oldName = old.name;
    pack_ = next;
    // The windows read the new faces from here on; what they cache is made anew.
    PackChanged(windows_);
    pack_.hall->RefreshWindows();
    // The tree face's windows moved with the rest; its refresh repaints them.
    pack_.tree->RefreshWindows();
    UnloadSkinPack(old);
    RepaintNow();
    LARGE_INTEGER end;
    QueryPerformanceCounter(&end);
    switchMilliseconds_ = Milliseconds(start, end);
    switching_ = false;
    if (registered)
        Say("switched " + oldName + " -> " + pack_.name);
    else
        Complain("switched to " + pack_.name + ", but not every button window could be registered");
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
