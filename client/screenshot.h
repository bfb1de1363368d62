#pragma once
// The window as painted, frame and title row included, copied from its DC.
#include <windows.h>

#include <string>

#include "pictures/image.h"

namespace client {

pictures::Image CaptureWindow(HWND window);
// Writes <stem>-<pack>.png; false, with why, when it cannot.
bool WriteScreenshot(HWND window, const std::string& stem, const std::string& pack, std::string& file, std::string& why);

}  // namespace client
