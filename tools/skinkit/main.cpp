// skinkit: the skin author's tool. `new` starts a pack folder from an
// existing pack; `check` names every problem that would keep a pack folder
// from making a module.
#include <CLI/CLI.hpp>

#include <cstdio>

#include "new_pack.h"
#include "pack_folder.h"
#include "skin_catalogue.h"

namespace {

namespace fs = std::filesystem;

int New(const fs::path& folder, const std::string& name, const fs::path& from) {
    std::string why;
    if (!skinkit::NewPack(kit::WholeFolder(folder), name, kit::WholeFolder(from), why)) {
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

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"The skin author's tool: start a skin pack folder, check one"};
    app.require_subcommand(1);
    // A path that starts with a slash is a path, on Windows too.
    app.allow_windows_style_options(false);

    fs::path newFolder, from = SKINKIT_DEFAULT_PACK;
    std::string name;
    CLI::App* make = app.add_subcommand("new", "make a pack folder from a copy of an existing pack");
    make->add_option("folder", newFolder, "the folder to make; it may exist only if empty")->required();
    make->add_option("--name", name, "the new pack's name, which names its module (<name>.dll)")->required();
    make->add_option("--from", from, "the pack folder to copy")->capture_default_str();

    fs::path checkFolder;
    CLI::App* check = app.add_subcommand("check", "print every problem of a pack folder, one a line");
    check->add_option("folder", checkFolder, "the pack folder (pack.toml, pictures/)")->required();

    CLI11_PARSE(app, argc, argv);
    return make->parsed() ? New(newFolder, name, from) : Check(checkFolder);
}
