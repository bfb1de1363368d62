// `derive`: a new pack folder, its source with every colour put through one
// transform, for the author to refine by hand.
#include <cstdio>

#include "commands.h"
#include "output_files.h"
#include "pack_folder.h"
#include "pack_recolour.h"
#include "pack_rename.h"
#include "pack_source.h"
#include "pack_writer.h"

namespace skinkit {
namespace {

namespace fs = std::filesystem;

int Refuse(const std::string& why) {
    std::fprintf(stderr, "skinkit derive: %s\n", why.c_str());
    return 1;
}

int Refuse(const kit::Problems& problems, const fs::path& where, const fs::path& folder) {
    for (const kit::Problem& problem : problems) std::printf("%s\n", problem.Text().c_str());
    return Refuse(std::to_string(problems.size()) + " problem(s) in " + where.string() + "; " + folder.string() +
                  " is left as it was");
}

}  // namespace

int Derive(const fs::path& from, const fs::path& folder, const std::string& name, const DeriveOptions& options) {
    kit::DeriveRecipe recipe;
    kit::Problems problems;
    if (!options.table.empty()) kit::ReadDeriveFile(options.table, options.table.string(), recipe, problems);
    if (!problems.empty()) return Refuse(problems, options.table, folder);
    std::string why;
    if (options.hue) recipe.transform.hue = kit::HueDegrees(*options.hue);
    if (options.saturation && !kit::CheckSaturation(*options.saturation, why))
        return Refuse("--saturation " + std::to_string(*options.saturation) + ": " + why);
    if (options.saturation) recipe.transform.saturation = static_cast<int>(*options.saturation);
    if (options.lightness && !kit::ParseLightness(*options.lightness, recipe.transform.lightness, why))
        return Refuse("--lightness \"" + *options.lightness + "\": " + why);
    if (options.resolveSystem) recipe.resolveSystem = *options.resolveSystem;

    kit::PackContents pack;
    if (!ReadPack(from, pack, problems)) return Refuse(problems, from, folder);
    kit::RecolourCounts counts;
    if (!kit::RenamePackBlock(pack.values, name, why)) return Refuse(why);
    if (!kit::RecolourPack(pack, recipe, counts, why)) return Refuse(from.string() + ": " + why);
    // A pack derived the default way is its source again, so it keeps no recipe.
    const std::string recipeText = recipe == kit::DeriveRecipe{} ? "" : kit::DeriveTableText(recipe);
    const auto fill = [&](const fs::path& staging, std::string& why) {
        return kit::WritePackFolder(staging, pack, why, recipeText);
    };
    if (!MakeWholeFolder(kit::WholeFolder(folder), fill, why)) return Refuse(why);
    std::printf("derived %s (module %s) from %s: recoloured %zu pictures (%zu table colours, %zu pixels) and %zu "
                "colours of %s; %zu system colours kept, %zu resolved\n",
                folder.string().c_str(), pack.values.moduleName, from.string().c_str(), counts.pictures,
                counts.tableColours, counts.pixels, counts.values, kit::kValuesFile, counts.systemKept,
                counts.systemResolved);
    return 0;
}

}  // namespace skinkit
