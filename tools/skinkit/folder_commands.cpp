// The commands that make or read pack folders: new, check, unpack, and the
// list of what a folder's values file may hold.
#include <cstdio>

#include "catalogue_table.h"
#include "commands.h"
#include "keys_table.h"
#include "new_pack.h"
#include "output_files.h"
#include "pack_folder.h"
#include "pack_source.h"
#include "pack_writer.h"
#include "skin_catalogue.h"

namespace skinkit {

namespace fs = std::filesystem;

int New(const fs::path& folder, const std::string& name, const fs::path& from) {
    std::string why;
    if (from.empty()) {
        std::fprintf(stderr, "skinkit new: no pack to copy: give --from <pack folder or module>\n");
        return 1;
    }
    if (!NewPack(kit::WholeFolder(folder), name, kit::WholeFolder(from), why)) {
        std::fprintf(stderr, "skinkit new: %s\n", why.c_str());
        return 1;
    }
    std::printf("made %s (module %s.dll) from %s\n", folder.string().c_str(), name.c_str(), from.string().c_str());
    return 0;
}

int Check(const fs::path& folder) {
    const kit::PackFolder pack = kit::ReadPackFolder(folder);
    for (const kit::Problem& problem : pack.problems) std::printf("%s\n", problem.Text().c_str());
    if (!pack.problems.empty()) {
        std::fprintf(stderr, "skinkit check: %zu problem(s) in %s\n", pack.problems.size(), folder.string().c_str());
        return 1;
    }
    std::printf("%s: ok, %s and %zu pictures make %s\n", folder.string().c_str(), kit::kValuesFile,
                catalogue::Entries().size(), pack.values.moduleName);
    return 0;
}

int Unpack(const fs::path& module, const fs::path& folder) {
    kit::PackContents pack;
    kit::Problems problems;
    if (!ReadPack(module, pack, problems)) {
        for (const kit::Problem& problem : problems) std::printf("%s\n", problem.Text().c_str());
        std::fprintf(stderr, "skinkit unpack: %s is not a pack's module\n", module.string().c_str());
        return 1;
    }
    std::string why;
    const auto fill = [&pack](const fs::path& staging, std::string& why) {
        return kit::WritePackFolder(staging, pack, why);
    };
    if (!MakeWholeFolder(kit::WholeFolder(folder), fill, why)) {
        std::fprintf(stderr, "skinkit unpack: %s\n", why.c_str());
        return 1;
    }
    std::printf("unpacked %s into %s: %s and %zu pictures\n", module.string().c_str(), folder.string().c_str(),
                kit::kValuesFile, pack.pictures.size());
    return 0;
}

int Keys() {
    std::fputs(kit::KeysTable().c_str(), stdout);
    return 0;
}

int Catalogue() {
    std::fputs(kit::CatalogueTable().c_str(), stdout);
    return 0;
}

}  // namespace skinkit
