// `build`: a pack folder checked, then made into its module.
#include <cstdio>

#include "commands.h"
#include "file_bytes.h"
#include "output_files.h"
#include "pack_build.h"
#include "pack_folder.h"
#include "shipped_module.h"

namespace skinkit {

namespace fs = std::filesystem;

int Build(const fs::path& folder, const fs::path& output, fs::path module) {
    const kit::PackFolder pack = kit::ReadPackFolder(folder);
    for (const kit::Problem& problem : pack.problems) std::printf("%s\n", problem.Text().c_str());
    if (!pack.problems.empty()) {
        std::fprintf(stderr, "skinkit build: %zu problem(s) in %s; %s is left as it was\n", pack.problems.size(),
                     folder.string().c_str(), output.string().c_str());
        return 1;
    }
    if (module.empty()) module = FindShippedModule();
    if (module.empty()) {
        std::string places;
        for (const fs::path& place : ShippedModulePlaces()) places += "\n  " + place.string();
        std::fprintf(stderr, "skinkit build: the shipped module is in none of these places; give --module:%s\n",
                     places.c_str());
        return 1;
    }
    kit::Bytes shipped, built;
    std::string why;
    const bool made = kit::ReadFileBytes(module, shipped, why) &&
                      kit::BuildPackModule(shipped, kit::PackContents{pack.values, pack.pictures}, built, why);
    if (!made) {
        std::fprintf(stderr, "skinkit build: %s: %s\n", module.string().c_str(), why.c_str());
        return 1;
    }
    if (!WriteWholeFile(output, built, why)) {
        std::fprintf(stderr, "skinkit build: %s\n", why.c_str());
        return 1;
    }
    std::printf("built %s (%s, %zu bytes) from %s and %s\n", output.string().c_str(), pack.values.moduleName,
                built.size(), folder.string().c_str(), module.string().c_str());
    return 0;
}

}  // namespace skinkit
