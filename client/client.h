#pragma once
// The lobby client: one skin pack in use, the hall's windows painted from its
// faces, and the switch from one pack to another while it runs.
#include <windows.h>

#include <functional>
#include <string>

#include "hall_windows.h"
#include "skin_pack.h"

namespace client {

class Client {
public:
    explicit Client(HINSTANCE instance);
    ~Client();
    Client(const Client&) = delete;
    Client& operator=(const Client&) = delete;

    // Loads the first pack, makes the windows, registers them, installs the
    // room's tables and shows the hall. False, with Message(), when it cannot.
    bool Open(const std::string& packFile);
    // Loads the other pack, moves every registration to its faces, refreshes
    // them, lets the old pack go and repaints. On failure, and for a switch
    // asked for while one runs, the pack in use stays and Message() says why.
    bool SwitchTo(const std::string& packFile);
    // Paints whatever waits to be painted, frame and children included.
    void RepaintNow();

    const SkinPack& Pack() const { return pack_; }
    const HallWindows& Windows() const { return windows_; }
    const std::string& Message() const { return message_; }
    double LastSwitchMilliseconds() const { return switchMilliseconds_; }
    PaneSizes& Panes() { return panes_; }

    // Shown in the status bar; a complaint is written to the error stream too.
    void Say(const std::string& text);
    void Complain(const std::string& text);

    // Every WM_FACECHANGED and WM_PAINT a hall window handles, as it handles it.
    std::function<void(HWND, UINT)> messageSeen;

private:
    void Close();

    HINSTANCE instance_;
    SkinPack pack_;
    HallWindows windows_;
    PaneSizes panes_;
    std::string message_;
    double switchMilliseconds_ = 0;
    bool switching_ = false;
};

// The one client of the process, whose pack the windows paint with.
Client* CurrentClient();
// Its hall face, or null while there is none.
const CHallShowElements* CurrentHall();
// Hands a message a hall window handles to the client's messageSeen.
void ReportSeen(HWND window, UINT message);

}  // namespace client
