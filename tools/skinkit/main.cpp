// skinkit: the skin author's tool. `new` starts a pack folder from an
// existing pack, `check` names every problem that would keep a folder from
// making a module, `build` makes the module, `unpack` takes one apart again
// and `diff` says what differs between two packs; `preview` paints a pack as
// the client shows it; `derive` makes a colour variant of a pack; `keys`
// lists what a values file may hold and `catalogue` the pictures.
#include <CLI/CLI.hpp>

#include "commands.h"
#include "shipped_module.h"

namespace {

namespace fs = std::filesystem;

// The pack `new` copies unless told another: the source tree's default pack
// where skinkit was built beside it, else the shipped module.
fs::path DefaultSource() {
    std::error_code error;
    if (fs::is_directory(SKINKIT_DEFAULT_PACK, error)) return SKINKIT_DEFAULT_PACK;
    return skinkit::FindShippedModule();
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"The skin author's tool: make, check, build, unpack, compare, preview and recolour skin packs"};
    app.require_subcommand(1);
    // A path that starts with a slash is a path, on Windows too.
    app.allow_windows_style_options(false);

    fs::path newFolder, from = DefaultSource();
    std::string name;
    CLI::App* make = app.add_subcommand("new", "make a pack folder from a copy of an existing pack");
    make->add_option("folder", newFolder, "the folder to make; it may exist only if empty")->required();
    make->add_option("--name", name, "the new pack's name, which names its module (<name>.dll)")->required();
    make->add_option("--from", from, "the pack folder or pack module to copy")->capture_default_str();

    fs::path checkFolder;
    CLI::App* check = app.add_subcommand("check", "print every problem of a pack folder, one a line");
    check->add_option("folder", checkFolder, "the pack folder (pack.toml, pictures/)")->required();

    fs::path buildFolder, buildOutput, module;
    CLI::App* build = app.add_subcommand("build", "check a pack folder, then write its module");
    build->add_option("folder", buildFolder, "the pack folder")->required();
    build->add_option("-o,--output", buildOutput, "the module file to write (<name>.dll)")->required();
    build->add_option("--module", module, "the shipped module to make it from (found beside skinkit otherwise)");

    fs::path unpackModule, unpackFolder;
    CLI::App* unpack = app.add_subcommand("unpack", "make a pack folder from a pack's module");
    unpack->add_option("module", unpackModule, "the module file")->required()->check(CLI::ExistingFile);
    unpack->add_option("-o,--output", unpackFolder, "the folder to make; it may exist only if empty")->required();

    fs::path left, right;
    CLI::App* diff = app.add_subcommand("diff", "say what differs between two packs (folders or modules)");
    diff->add_option("a", left, "a pack folder or module")->required()->check(CLI::ExistingPath);
    diff->add_option("b", right, "another")->required()->check(CLI::ExistingPath);

    skinkit::PreviewRequest look;
    CLI::App* preview = app.add_subcommand(
        "preview", "paint a pack's hall and tree as the client does, from its own module, and a contact sheet");
    preview->add_option("pack", look.pack, "the pack folder, or a pack's module (<name>.dll, or lib<name>.so)")
        ->required();
    preview->add_option("-o,--output", look.output, "the folder to write hall.png, tree.png and contact.png into")
        ->required();
    preview->add_option("--module", look.module, "the shipped module a folder's module is made from");
    CLI::Option* watch =
        preview->add_flag("--watch", look.watch, "paint again whenever the pack changes, until Ctrl-C");
    preview->add_option("--repaints", look.repaints, "with --watch: end after this many changes, painted or not")
        ->check(CLI::PositiveNumber)
        ->needs(watch);
    fs::path deriveFrom, deriveFolder;
    std::string deriveName;
    skinkit::DeriveOptions recipe;
    std::int64_t hue = 0, saturation = 100;
    std::string lightness;
    bool resolveSystem = false;
    CLI::App* derive = app.add_subcommand("derive", "make a pack folder with every colour of a pack transformed");
    derive->add_option("from", deriveFrom, "the pack folder or pack module to recolour")->required();
    derive->add_option("-o,--output", deriveFolder, "the folder to make; it may exist only if empty")->required();
    derive->add_option("--name", deriveName, "the new pack's name, which names its module (<name>.dll)")->required();
    derive->add_option("--table", recipe.table, "a TOML file whose [derive] table gives the transform; "
                                                "the options below override its keys");
    CLI::Option* hueOption = derive->add_option("--hue", hue, "degrees to turn every hue by, any integer");
    CLI::Option* saturationOption =
        derive->add_option("--saturation", saturation, "percent to scale saturation by, 0 to 400 (100 keeps it)");
    CLI::Option* lightnessOption = derive->add_option(
        "--lightness", lightness, "a lightness curve \"IN:OUT,IN:OUT,...\", 0 to 255, such as \"0:255,255:0\"");
    CLI::Option* resolveOption = derive->add_flag(
        "--resolve-system", resolveSystem, "make system colours the default scheme's colours, transformed");

    CLI::App* keys = app.add_subcommand("keys", "print every key of pack.toml as a Markdown table");
    CLI::App* pictures =
        app.add_subcommand("catalogue", "print every picture of a pack, its form and where the host paints it");

    CLI11_PARSE(app, argc, argv);
    if (keys->parsed()) return skinkit::Keys();
    if (pictures->parsed()) return skinkit::Catalogue();
    if (make->parsed()) return skinkit::New(newFolder, name, from);
    if (check->parsed()) return skinkit::Check(checkFolder);
    if (build->parsed()) return skinkit::Build(buildFolder, buildOutput, module);
    if (unpack->parsed()) return skinkit::Unpack(unpackModule, unpackFolder);
    if (preview->parsed()) return skinkit::Preview(look);
    if (derive->parsed()) {
        if (hueOption->count() > 0) recipe.hue = hue;
        if (saturationOption->count() > 0) recipe.saturation = saturation;
        if (lightnessOption->count() > 0) recipe.lightness = lightness;
        if (resolveOption->count() > 0) recipe.resolveSystem = resolveSystem;
        return skinkit::Derive(deriveFrom, deriveFolder, deriveName, recipe);
    }
    return skinkit::Diff(left, right);
}
