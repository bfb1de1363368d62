#include "module_resources.h"

#include <link.h>

#include <win32_resource_note.h>

#include "elf_note.h"
#include "handle_table.h"
#include "last_error.h"

namespace win32 {
namespace {

struct ResourceInfo : Object {
    ResourceInfo() : Object(Kind::Resource) {}
    std::uintptr_t base = 0;
    const std::uint8_t* data = nullptr;
    std::uint32_t size = 0;
};

std::map<std::uintptr_t, std::shared_ptr<ModuleResources>>& Modules() {
    static auto* modules = new std::map<std::uintptr_t, std::shared_ptr<ModuleResources>>();
    return *modules;
}

std::uintptr_t HeaderAddress(const dl_phdr_info& info) {
    for (int i = 0; i < info.dlpi_phnum; ++i) {
        const ElfW(Phdr)& segment = info.dlpi_phdr[i];
        if (segment.p_type == PT_LOAD && segment.p_offset == 0) return info.dlpi_addr + segment.p_vaddr;
    }
    return 0;
}

struct Search {
    std::uintptr_t base = 0;
    LoadedObject* object = nullptr;
    bool found = false;
};

int VisitObject(dl_phdr_info* info, std::size_t, void* context) {
    Search* search = static_cast<Search*>(context);
    if (HeaderAddress(*info) != search->base) return 0;
    search->found = true;
    search->object->path = info->dlpi_name ? info->dlpi_name : "";
    for (int i = 0; i < info->dlpi_phnum; ++i) {
        const ElfW(Phdr)& segment = info->dlpi_phdr[i];
        if (segment.p_type != PT_NOTE) continue;
        const auto* start = reinterpret_cast<const std::uint8_t*>(info->dlpi_addr + segment.p_vaddr);
        if (FindNote(start, segment.p_filesz, segment.p_align, win32note::kOwner, win32note::kType,
                     &search->object->note, &search->object->noteSize))
            break;
    }
    return 1;
}

int VisitFirst(dl_phdr_info* info, std::size_t, void* context) {
    *static_cast<std::uintptr_t*>(context) = HeaderAddress(*info);
    return 1;
}

void DropLocked(std::map<std::uintptr_t, std::shared_ptr<ModuleResources>>::iterator it) {
    for (std::uint32_t handle : it->second->handles)
        if (handle) RemoveObject(handle);
    for (const auto& icon : it->second->icons) RemoveObject(icon.second);
    Modules().erase(it);
}

bool SameObject(const LoadedObject& a, const LoadedObject& b) {
    return a.path == b.path && a.note == b.note && a.noteSize == b.noteSize;
}

// The languages a lookup without a language tries first, as the real loader
// does: neutral, then the process and system defaults.
constexpr WORD kPreferredLanguages[] = {0x0000, 0x0400, 0x0800};

}  // namespace

bool LocateObject(std::uintptr_t base, LoadedObject* object) {
    if (!base) return false;
    *object = LoadedObject{};
    Search search;
    search.base = base;
    search.object = object;
    dl_iterate_phdr(&VisitObject, &search);
    return search.found;
}

std::uintptr_t MainProgramBase() {
    std::uintptr_t base = 0;
    dl_iterate_phdr(&VisitFirst, &base);
    return base;
}

std::uintptr_t ModuleBase(HMODULE module) {
    return module ? reinterpret_cast<std::uintptr_t>(module) : MainProgramBase();
}

std::shared_ptr<ModuleResources> ResourcesFor(HMODULE module) {
    const std::uintptr_t base = ModuleBase(module);
    LoadedObject object;
    const bool loaded = LocateObject(base, &object);
    Guard guard(GlobalLock());
    auto it = Modules().find(base);
    if (it != Modules().end()) {
        if (loaded && SameObject(it->second->object, object)) return it->second;
        DropLocked(it);
    }
    if (!loaded) return nullptr;
    auto record = std::make_shared<ModuleResources>();
    record->base = base;
    record->object = object;
    // A damaged resource file makes a module without resources.
    if (object.note && !ParseResFile(object.note, object.noteSize, &record->entries)) record->entries.clear();
    record->handles.assign(record->entries.size(), 0);
    Modules().emplace(base, record);
    return record;
}

void ForgetUnloadedModule(std::uintptr_t base) {
    LoadedObject object;
    if (LocateObject(base, &object)) return;
    Guard guard(GlobalLock());
    auto it = Modules().find(base);
    if (it != Modules().end()) DropLocked(it);
}

int FindEntryLocked(const ModuleResources& module, const ResName& type, const ResName& name, int language,
                    DWORD* error) {
    bool typeSeen = false;
    bool nameSeen = false;
    std::vector<std::size_t> candidates;
    for (std::size_t i = 0; i < module.entries.size(); ++i) {
        const ResEntry& entry = module.entries[i];
        if (!entry.type.Matches(type)) continue;
        typeSeen = true;
        if (!entry.name.Matches(name)) continue;
        nameSeen = true;
        if (language < 0 || entry.language == language) candidates.push_back(i);
    }
    if (candidates.empty()) {
        *error = !typeSeen ? ERROR_RESOURCE_TYPE_NOT_FOUND
                 : !nameSeen ? ERROR_RESOURCE_NAME_NOT_FOUND
                             : ERROR_RESOURCE_LANG_NOT_FOUND;
        if (module.entries.empty()) *error = ERROR_RESOURCE_DATA_NOT_FOUND;
        return -1;
    }
    if (language < 0)
        for (WORD preferred : kPreferredLanguages)
            for (std::size_t i : candidates)
                if (module.entries[i].language == preferred) return static_cast<int>(i);
    return static_cast<int>(candidates.front());
}

const std::uint8_t* EntryData(const ModuleResources& module, std::size_t index) {
    return module.object.note + module.entries[index].dataOffset;
}

}  // namespace win32

using namespace win32;

namespace {

HRSRC Find(HMODULE hModule, LPCSTR lpType, LPCSTR lpName, int language) {
    if (!lpType || !lpName) return Fail<HRSRC>(ERROR_INVALID_PARAMETER, nullptr);
    std::shared_ptr<ModuleResources> module = ResourcesFor(hModule);
    if (!module) return Fail<HRSRC>(ERROR_MOD_NOT_FOUND, nullptr);
    Guard guard(GlobalLock());
    DWORD error = 0;
    const int index = FindEntryLocked(*module, ResName::FromArgument(lpType), ResName::FromArgument(lpName), language,
                                      &error);
    if (index < 0) return Fail<HRSRC>(error, nullptr);
    std::uint32_t& handle = module->handles[static_cast<std::size_t>(index)];
    if (!handle) {
        auto info = std::make_shared<ResourceInfo>();
        info->base = module->base;
        info->data = EntryData(*module, static_cast<std::size_t>(index));
        info->size = module->entries[static_cast<std::size_t>(index)].dataSize;
        handle = AddObject(info);
    }
    return MakeHandle<HRSRC>(handle);
}

std::shared_ptr<ResourceInfo> FindInfoLocked(HMODULE hModule, HRSRC hResInfo) {
    auto info = FindAs<ResourceInfo>(HandleValue(hResInfo), Kind::Resource);
    if (!info || info->base != ModuleBase(hModule)) return nullptr;
    return info;
}

}  // namespace

extern "C" HRSRC WINAPI FindResourceA(HMODULE hModule, LPCSTR lpName, LPCSTR lpType) {
    return Find(hModule, lpType, lpName, -1);
}

extern "C" HRSRC WINAPI FindResourceExA(HMODULE hModule, LPCSTR lpType, LPCSTR lpName, WORD wLanguage) {
    return Find(hModule, lpType, lpName, wLanguage);
}

extern "C" HGLOBAL WINAPI LoadResource(HMODULE hModule, HRSRC hResInfo) {
    Guard guard(GlobalLock());
    std::shared_ptr<ResourceInfo> info = FindInfoLocked(hModule, hResInfo);
    if (!info) return Fail<HGLOBAL>(ERROR_RESOURCE_DATA_NOT_FOUND, nullptr);
    return const_cast<std::uint8_t*>(info->data);
}

extern "C" LPVOID WINAPI LockResource(HGLOBAL hResData) { return hResData; }

extern "C" DWORD WINAPI SizeofResource(HMODULE hModule, HRSRC hResInfo) {
    Guard guard(GlobalLock());
    std::shared_ptr<ResourceInfo> info = FindInfoLocked(hModule, hResInfo);
    if (!info) return Fail<DWORD>(ERROR_RESOURCE_DATA_NOT_FOUND, 0);
    return info->size;
}
