#pragma once
// The resources of a loaded module: the compiled resource file its image
// carries in an ELF note, found from the module's base address.
#include <windows.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "res_format.h"

namespace win32 {

// What the dynamic loader knows of the object whose ELF header is at `base`.
struct LoadedObject {
    std::string path;
    const std::uint8_t* note = nullptr;  // the resource file, if the image has one
    std::size_t noteSize = 0;
};
bool LocateObject(std::uintptr_t base, LoadedObject* object);
std::uintptr_t MainProgramBase();
std::uintptr_t ModuleBase(HMODULE module);  // null stands for the main program

struct ModuleResources {
    std::uintptr_t base = 0;
    LoadedObject object;
    std::vector<ResEntry> entries;
    std::vector<std::uint32_t> handles;       // HRSRC of each entry, 0 until asked for
    std::map<std::size_t, std::uint32_t> icons;  // shared icon of each icon group entry
};

// The resources of a module that is loaded now; null otherwise. A record of
// a module that went away is dropped, with its resource handles and icons.
std::shared_ptr<ModuleResources> ResourcesFor(HMODULE module);
// Drops the record of a module that is no longer loaded.
void ForgetUnloadedModule(std::uintptr_t base);

// Index of the entry of that type and name: in that language, or with
// language -1 in the language the real loader prefers. -1 and the error
// code when there is none. Expect the global lock to be held.
int FindEntryLocked(const ModuleResources& module, const ResName& type, const ResName& name, int language,
                    DWORD* error);
const std::uint8_t* EntryData(const ModuleResources& module, std::size_t index);

}  // namespace win32
