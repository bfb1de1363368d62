// skinpack: checks a pack folder and writes what a module is built from, its
// values block as a source and its resource script. Nothing is written where
// the pack has a problem; each is printed on a line of its own.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <fstream>

#include "pack_folder.h"
#include "skin_catalogue.h"
#include "values_source.h"

namespace {

bool Write(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (out) return true;
    std::fprintf(stderr, "skinpack: cannot write %s\n", path.string().c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Checks a skin pack folder and writes its values source and resource script"};
    std::filesystem::path folder, valuesOut, scriptOut;
    std::string name;
    app.add_option("folder", folder, "the pack folder (pack.toml, pictures/)")->required();
    app.add_option("--name", name, "the name the build gives the pack's module")->required();
    app.add_option("--values", valuesOut, "the values block's C++ source to write")->required();
    app.add_option("--script", scriptOut, "the resource script to write")->required();
    CLI11_PARSE(app, argc, argv);

    kit::PackFolder pack = kit::ReadPackFolder(folder);
    folder = pack.root;
    const std::string moduleName = name + ".dll";
    if (moduleName != pack.values.moduleName && pack.problems.empty())
        pack.problems.push_back(kit::Problem{kit::kValuesFile, 1, 1,
                                             "the name makes the module " + std::string(pack.values.moduleName) +
                                                 ", but the build makes " + moduleName});
    for (const kit::Problem& problem : pack.problems)
        std::fprintf(stderr, "%s/%s\n", folder.string().c_str(), problem.Text().c_str());
    if (!pack.problems.empty()) {
        std::fprintf(stderr, "skinpack: %zu problem(s) in %s; no module is made from it\n", pack.problems.size(),
                     folder.string().c_str());
        return 1;
    }
    const std::string pictures = (folder / kit::kPicturesFolder).string();
    return Write(valuesOut, kit::ValuesSource(pack.values, folder.filename().string() + "/pack.toml")) &&
                   Write(scriptOut, catalogue::ResourceScript(pictures))
               ? 0
               : 1;
}
