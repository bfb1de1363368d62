#include "shipped_module.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace skinkit {

namespace fs = std::filesystem;

fs::path OwnFolder() {
#ifdef _WIN32
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) return fs::path(path.substr(0, length)).parent_path();
        path.resize(path.size() * 2);
    }
#else
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : self.parent_path();
#endif
}

std::vector<fs::path> BesideOrBuilt(const fs::path& name, const fs::path& built) {
    std::vector<fs::path> places;
    const fs::path own = OwnFolder();
    if (!own.empty()) places.push_back(own / name);
    places.push_back(built);
    return places;
}

fs::path FirstFile(const std::vector<fs::path>& places) {
    std::error_code error;
    for (const fs::path& place : places)
        if (fs::is_regular_file(place, error)) return place;
    return {};
}

std::vector<fs::path> ShippedModulePlaces() { return BesideOrBuilt(SKINKIT_MODULE_NAME, SKINKIT_BUILT_MODULE); }

fs::path FindShippedModule() { return FirstFile(ShippedModulePlaces()); }

}  // namespace skinkit
