// Creation, inspection and deletion of graphics objects.
#include "gdi_objects.h"

#include <cstdlib>
#include <cstring>

#include "last_error.h"
#include "trace_record.h"
#include "window_tree.h"

namespace win32 {
namespace {

std::shared_ptr<Bitmap> StockBitmapLocked() {
    // A bitmap of no size is the platform's one stock monochrome pixel.
    static auto* stock = [] {
        auto bitmap = std::make_shared<Bitmap>();
        bitmap->data = BitmapData::Blank(1, 1, 1);
        bitmap->stock = true;
        AddObject(bitmap);
        return new std::shared_ptr<Bitmap>(bitmap);
    }();
    return *stock;
}

bool IsDc(const Object& object) { return object.kind == Kind::WindowDc || object.kind == Kind::MemoryDc; }

template <class T>
int CopyOut(const T& value, int size, LPVOID buffer) {
    if (!buffer) return sizeof(T);
    if (size < static_cast<int>(sizeof(T))) return 0;
    std::memcpy(buffer, &value, sizeof(T));
    return sizeof(T);
}

}  // namespace

std::uint32_t AddBitmapLocked(BitmapData data) {
    auto bitmap = std::make_shared<Bitmap>();
    bitmap->data = std::move(data);
    return AddObject(bitmap);
}

}  // namespace win32

using namespace win32;

extern "C" HBITMAP WINAPI CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitCount, const void* lpBits) {
    Guard guard(GlobalLock());
    nWidth = std::abs(nWidth);
    nHeight = std::abs(nHeight);
    if (nWidth == 0 || nHeight == 0) return MakeHandle<HBITMAP>(StockBitmapLocked()->handle);
    // Only the depths the display and masks use are kept here.
    if (nPlanes != 1 || (nBitCount != 1 && nBitCount != 32)) return Fail<HBITMAP>(ERROR_INVALID_PARAMETER, nullptr);
    if (static_cast<std::uint64_t>(nWidth) * static_cast<std::uint64_t>(nHeight) > kMaxPixels)
        return Fail<HBITMAP>(ERROR_NOT_ENOUGH_MEMORY, nullptr);
    BitmapData data = BitmapData::Blank(nWidth, nHeight, static_cast<int>(nBitCount));
    if (lpBits) std::memcpy(data.bits.data(), lpBits, data.bits.size());
    return MakeHandle<HBITMAP>(AddBitmapLocked(std::move(data)));
}

extern "C" HBRUSH WINAPI CreateSolidBrush(COLORREF color) {
    Guard guard(GlobalLock());
    auto brush = std::make_shared<Brush>();
    brush->color = color & 0x00FFFFFF;
    return MakeHandle<HBRUSH>(AddObject(brush));
}

extern "C" HPEN WINAPI CreatePen(int iStyle, int cWidth, COLORREF color) {
    Guard guard(GlobalLock());
    auto pen = std::make_shared<Pen>();
    pen->style = iStyle;
    pen->width = cWidth < 0 ? 0 : cWidth;
    pen->color = color & 0x00FFFFFF;
    return MakeHandle<HPEN>(AddObject(pen));
}

extern "C" HDC WINAPI GetDC(HWND hWnd) {
    Guard guard(GlobalLock());
    if (hWnd && !FindWindowLocked(hWnd)) return Fail<HDC>(ERROR_INVALID_WINDOW_HANDLE, nullptr);
    return MakeHandle<HDC>(AddObject(std::make_shared<DeviceContext>(Kind::WindowDc)));
}

extern "C" int WINAPI ReleaseDC(HWND, HDC hDC) {
    Guard guard(GlobalLock());
    std::shared_ptr<Object> dc = FindObject(HandleValue(hDC));
    if (!dc || dc->kind != Kind::WindowDc) return 0;
    RemoveObject(dc->handle);
    return 1;
}

extern "C" HDC WINAPI CreateCompatibleDC(HDC hdc) {
    Guard guard(GlobalLock());
    if (hdc) {
        std::shared_ptr<Object> reference = FindObject(HandleValue(hdc));
        if (!reference || !IsDc(*reference)) return Fail<HDC>(ERROR_INVALID_HANDLE, nullptr);
    }
    return MakeHandle<HDC>(AddObject(std::make_shared<DeviceContext>(Kind::MemoryDc)));
}

extern "C" BOOL WINAPI DeleteDC(HDC hdc) {
    Guard guard(GlobalLock());
    std::shared_ptr<Object> dc = FindObject(HandleValue(hdc));
    // A window's device context goes back through ReleaseDC, never here.
    if (!dc || dc->kind != Kind::MemoryDc) return Fail(ERROR_INVALID_HANDLE, FALSE);
    RemoveObject(dc->handle);
    return TRUE;
}

extern "C" int WINAPI GetDeviceCaps(HDC hdc, int index) {
    Guard guard(GlobalLock());
    std::shared_ptr<Object> dc = FindObject(HandleValue(hdc));
    if (!dc || !IsDc(*dc)) return 0;
    switch (index) {
        case BITSPIXEL: return 32;
        case PLANES: return 1;
        default: return 0;
    }
}

extern "C" BOOL WINAPI DeleteObject(HGDIOBJ ho) {
    RecordCall("DeleteObject", ho);
    Guard guard(GlobalLock());
    std::shared_ptr<Object> object = FindObject(HandleValue(ho));
    if (!object) return Fail(ERROR_INVALID_HANDLE, FALSE);
    switch (object->kind) {
        case Kind::Bitmap:
            if (!std::static_pointer_cast<Bitmap>(object)->stock) RemoveObject(object->handle);
            return TRUE;
        case Kind::Brush:
        case Kind::Pen:
        case Kind::MemoryDc: RemoveObject(object->handle); return TRUE;
        default: return Fail(ERROR_INVALID_HANDLE, FALSE);  // windows, window DCs, icons, resources
    }
}

extern "C" HANDLE WINAPI GetCurrentProcess(void) { return reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-1)); }

// Only the calling process exists here, by its pseudo-handle.
extern "C" DWORD WINAPI GetGuiResources(HANDLE hProcess, DWORD uiFlags) {
    if (hProcess != GetCurrentProcess() || uiFlags > GR_USEROBJECTS) return Fail<DWORD>(ERROR_INVALID_PARAMETER, 0);
    Guard guard(GlobalLock());
    if (uiFlags == GR_USEROBJECTS)
        return static_cast<DWORD>(CountObjects([](Kind k) { return k == Kind::Window || k == Kind::Icon; }));
    return static_cast<DWORD>(CountObjects([](Kind k) {
        return k == Kind::Bitmap || k == Kind::Brush || k == Kind::Pen || k == Kind::WindowDc || k == Kind::MemoryDc;
    }));
}

extern "C" DWORD WINAPI GetObjectType(HGDIOBJ h) {
    Guard guard(GlobalLock());
    std::shared_ptr<Object> object = FindObject(HandleValue(h));
    if (!object) return Fail<DWORD>(ERROR_INVALID_HANDLE, 0);
    switch (object->kind) {
        case Kind::Bitmap: return OBJ_BITMAP;
        case Kind::Brush: return OBJ_BRUSH;
        case Kind::Pen: return OBJ_PEN;
        case Kind::WindowDc: return OBJ_DC;
        case Kind::MemoryDc: return OBJ_MEMDC;
        default: return Fail<DWORD>(ERROR_INVALID_HANDLE, 0);
    }
}

extern "C" int WINAPI GetObjectA(HANDLE h, int c, LPVOID pv) {
    Guard guard(GlobalLock());
    std::shared_ptr<Object> object = FindObject(HandleValue(h));
    if (!object) return Fail(ERROR_INVALID_HANDLE, 0);
    switch (object->kind) {
        case Kind::Bitmap: {
            const BitmapData& data = std::static_pointer_cast<Bitmap>(object)->data;
            BITMAP bm{};
            bm.bmWidth = data.width;
            bm.bmHeight = data.height;
            bm.bmWidthBytes = static_cast<LONG>(data.Stride());
            bm.bmPlanes = 1;
            bm.bmBitsPixel = static_cast<WORD>(data.bitsPerPixel);
            return CopyOut(bm, c, pv);
        }
        case Kind::Brush: {
            LOGBRUSH lb{BS_SOLID, std::static_pointer_cast<Brush>(object)->color, 0};
            return CopyOut(lb, c, pv);
        }
        case Kind::Pen: {
            const auto pen = std::static_pointer_cast<Pen>(object);
            LOGPEN lp{static_cast<UINT>(pen->style), POINT{pen->width, 0}, pen->color};
            return CopyOut(lp, c, pv);
        }
        default: return Fail(ERROR_INVALID_HANDLE, 0);
    }
}
