// Bitmaps and icons loaded from a module's resources, as the real platform's
// LoadBitmap and LoadIcon make them.
#include <cstring>

#include "gdi_objects.h"
#include "last_error.h"
#include "module_resources.h"
#include "trace_record.h"

namespace win32 {
namespace {

// The size and depth the real icon loader aims for.
constexpr int kDisplayDepth = 32;

std::shared_ptr<Icon> FindIconLocked(HICON icon) { return FindAs<Icon>(HandleValue(icon), Kind::Icon); }

// A resource named by number is written "#N", as resource scripts write it.
std::string ResourceNameDetail(LPCSTR name) {
    if (!name) return "null";
    if (IS_INTRESOURCE(name)) return "#" + std::to_string(reinterpret_cast<ULONG_PTR>(name));
    return name;
}

HBITMAP LoadBitmapFrom(HINSTANCE hInstance, LPCSTR lpBitmapName) {
    // The platform's own bitmaps (no module) are not provided here.
    if (!hInstance || !lpBitmapName) return Fail<HBITMAP>(ERROR_RESOURCE_DATA_NOT_FOUND, nullptr);
    std::shared_ptr<ModuleResources> module = ResourcesFor(hInstance);
    if (!module) return Fail<HBITMAP>(ERROR_MOD_NOT_FOUND, nullptr);
    Guard guard(GlobalLock());
    DWORD error = 0;
    const int index = FindEntryLocked(*module, ResName::FromArgument(RT_BITMAP),
                                      ResName::FromArgument(lpBitmapName), -1, &error);
    if (index < 0) return Fail<HBITMAP>(error, nullptr);
    DibView view;
    if (!ParsePackedDib(EntryData(*module, static_cast<std::size_t>(index)),
                        module->entries[static_cast<std::size_t>(index)].dataSize, &view))
        return Fail<HBITMAP>(ERROR_INVALID_PARAMETER, nullptr);
    const std::uint32_t handle = AddBitmapLocked(DibToBitmap(view));
    if (!handle) return Fail<HBITMAP>(ERROR_NOT_ENOUGH_MEMORY, nullptr);
    return MakeHandle<HBITMAP>(handle);
}

HICON LoadIconFrom(HINSTANCE hInstance, LPCSTR lpIconName) {
    // The platform's own icons (no module) are not provided here.
    if (!hInstance || !lpIconName) return Fail<HICON>(ERROR_RESOURCE_DATA_NOT_FOUND, nullptr);
    std::shared_ptr<ModuleResources> module = ResourcesFor(hInstance);
    if (!module) return Fail<HICON>(ERROR_MOD_NOT_FOUND, nullptr);
    Guard guard(GlobalLock());
    DWORD error = 0;
    const int group = FindEntryLocked(*module, ResName::FromArgument(RT_GROUP_ICON), ResName::FromArgument(lpIconName),
                                      -1, &error);
    if (group < 0) return Fail<HICON>(error, nullptr);
    auto cached = module->icons.find(static_cast<std::size_t>(group));
    if (cached != module->icons.end()) return MakeHandle<HICON>(cached->second);

    std::vector<IconDirEntry> images;
    if (!ParseGroupIconDir(EntryData(*module, static_cast<std::size_t>(group)),
                           module->entries[static_cast<std::size_t>(group)].dataSize, &images))
        return Fail<HICON>(ERROR_INVALID_PARAMETER, nullptr);
    const int chosen = ChooseIcon(images, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), kDisplayDepth);
    if (chosen < 0) return Fail<HICON>(ERROR_RESOURCE_NAME_NOT_FOUND, nullptr);
    const int image = FindEntryLocked(*module, ResName::FromArgument(RT_ICON),
                                      ResName::FromArgument(MAKEINTRESOURCEA(images[chosen].id)), -1, &error);
    if (image < 0) return Fail<HICON>(error, nullptr);
    std::optional<IconPicture> picture =
        DecodeIconImage(EntryData(*module, static_cast<std::size_t>(image)),
                        module->entries[static_cast<std::size_t>(image)].dataSize, GetSystemMetrics(SM_CXICON),
                        GetSystemMetrics(SM_CYICON));
    if (!picture) return Fail<HICON>(ERROR_INVALID_PARAMETER, nullptr);

    auto icon = std::make_shared<Icon>();
    icon->shared = true;
    icon->picture = std::move(*picture);
    const std::uint32_t handle = AddObject(icon);
    if (!handle) return Fail<HICON>(ERROR_NOT_ENOUGH_MEMORY, nullptr);
    module->icons.emplace(static_cast<std::size_t>(group), handle);
    return MakeHandle<HICON>(handle);
}

}  // namespace
}  // namespace win32

using namespace win32;

// Both loaders are traced with their result, so that a test can hold a
// module's loads to their order.
extern "C" HBITMAP WINAPI LoadBitmapA(HINSTANCE hInstance, LPCSTR lpBitmapName) {
    HBITMAP bitmap = LoadBitmapFrom(hInstance, lpBitmapName);
    RecordCall("LoadBitmapA", bitmap, ResourceNameDetail(lpBitmapName));
    return bitmap;
}

extern "C" HICON WINAPI LoadIconA(HINSTANCE hInstance, LPCSTR lpIconName) {
    HICON icon = LoadIconFrom(hInstance, lpIconName);
    RecordCall("LoadIconA", icon, ResourceNameDetail(lpIconName));
    return icon;
}

extern "C" BOOL WINAPI GetIconInfo(HICON hIcon, PICONINFO piconinfo) {
    if (!piconinfo) return Fail(ERROR_INVALID_PARAMETER, FALSE);
    Guard guard(GlobalLock());
    std::shared_ptr<Icon> icon = FindIconLocked(hIcon);
    if (!icon) return Fail(ERROR_INVALID_ICON_HANDLE, FALSE);
    const IconPicture& picture = icon->picture;
    // The caller owns fresh copies of both bitmaps, as on the real platform.
    std::uint32_t color = 0;
    if (picture.color) {
        color = AddBitmapLocked(*picture.color);
        if (!color) return Fail(ERROR_NOT_ENOUGH_MEMORY, FALSE);
    }
    const std::uint32_t mask = AddBitmapLocked(picture.mask);
    if (!mask) {
        if (color) RemoveObject(color);
        return Fail(ERROR_NOT_ENOUGH_MEMORY, FALSE);
    }
    piconinfo->fIcon = TRUE;
    piconinfo->xHotspot = static_cast<DWORD>(picture.width / 2);
    piconinfo->yHotspot = static_cast<DWORD>(picture.height / 2);
    piconinfo->hbmColor = MakeHandle<HBITMAP>(color);
    piconinfo->hbmMask = MakeHandle<HBITMAP>(mask);
    return TRUE;
}

extern "C" BOOL WINAPI DestroyIcon(HICON hIcon) {
    Guard guard(GlobalLock());
    std::shared_ptr<Icon> icon = FindIconLocked(hIcon);
    if (!icon) return Fail(ERROR_INVALID_ICON_HANDLE, FALSE);
    // A shared icon lives as long as its module.
    if (!icon->shared) RemoveObject(icon->handle);
    return TRUE;
}
