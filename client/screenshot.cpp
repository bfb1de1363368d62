#include "screenshot.h"

#include "pictures/gdi_readback.h"
#include "pictures/png_writer.h"

namespace client {

pictures::Image CaptureWindow(HWND window) {
    RECT r;
    if (!GetWindowRect(window, &r)) return {};
    const int width = r.right - r.left, height = r.bottom - r.top;
    HDC windowDc = GetWindowDC(window);
    HDC copy = CreateCompatibleDC(windowDc);
    HBITMAP picture = CreateCompatibleBitmap(windowDc, width, height);
    HGDIOBJ old = SelectObject(copy, picture);
    BitBlt(copy, 0, 0, width, height, windowDc, 0, 0, SRCCOPY);
    SelectObject(copy, old);
    DeleteDC(copy);
    ReleaseDC(window, windowDc);
    pictures::Image image = pictures::readBitmap(picture);
    DeleteObject(picture);
    return image;
}

bool WriteScreenshot(HWND window, const std::string& stem, const std::string& pack, std::string& file, std::string& why) {
    file = stem + "-" + pack + ".png";
    const pictures::Image image = CaptureWindow(window);
    if (image.empty()) {
        why = file + ": the window could not be copied";
        return false;
    }
    if (!pictures::writePng(file, image)) {
        why = file + ": cannot be written";
        return false;
    }
    return true;
}

}  // namespace client
