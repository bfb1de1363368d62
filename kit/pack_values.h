#pragma once
// A pack's values file (pack.toml) read into the module's values block.
#include <filesystem>
#include <string_view>

#include "problems.h"
#include "skin_values.h"

namespace kit {

// Reads the values file at `path`, naming it `shownAs` in problems. Every
// problem found is appended, not just the first; `values` is whole only when
// none was.
void ReadPackValues(const std::filesystem::path& path, const std::string& shownAs, skin::SkinValues& values,
                    Problems& problems);

// The same for a values file already in memory.
void ReadPackValuesText(std::string_view text, const std::string& shownAs, skin::SkinValues& values,
                        Problems& problems);

// The module file name a pack name gives ("skinpak1" gives "skinpak1.dll"),
// or why the name cannot be one.
bool ModuleNameFor(const std::string& packName, std::string& moduleName, std::string& why);

}  // namespace kit
