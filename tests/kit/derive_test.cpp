// `skinkit derive` and the integer colour transform under it: exact results
// of the maths, every picture form recoloured in place and cut files left
// alone, the default pack put through a table of transforms keeping its form,
// and bad input writing nothing.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "colour_transform.h"
#include "pack_folder.h"
#include "pack_keys.h"
#include "pack_recolour.h"
#include "pictures/dib_reader.h"
#include "skin_catalogue.h"
#include "system_colour_table.h"

namespace {

namespace fs = std::filesystem;
using kit::ColourTransform;
using pictures::rgb;

std::string Text(pictures::Rgb c) {
    return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
}

TEST(ColourTransform, ExactResults) {
    const std::vector<kit::LightnessPoint> inverted{{0, 255}, {255, 0}}, mids{{0, 20}, {128, 70}, {255, 235}},
        stretch{{64, 0}, {192, 255}};
    const struct {
        const char* what;
        ColourTransform transform;
        pictures::Rgb in, out;
    } rows[] = {
        {"red +120 is green", {120, 100, {}}, rgb(255, 0, 0), rgb(0, 255, 0)},
        {"red +60 is yellow", {60, 100, {}}, rgb(255, 0, 0), rgb(255, 255, 0)},
        {"orange +180 is its complement", {180, 100, {}}, rgb(255, 128, 0), rgb(0, 127, 255)},
        {"grey under a hue and full saturation", {77, 400, {}}, rgb(128, 128, 128), rgb(128, 128, 128)},
        {"grey under a hue and a curve", {250, 100, mids}, rgb(128, 128, 128), rgb(70, 70, 70)},
        {"red without saturation, halves up", {0, 0, {}}, rgb(255, 0, 0), rgb(128, 128, 128)},
        {"red at half saturation", {0, 50, {}}, rgb(255, 0, 0), rgb(191, 64, 64)},
        {"saturation held to full", {0, 400, {}}, rgb(160, 96, 96), rgb(255, 1, 1)},
        {"white inverted", {0, 100, inverted}, rgb(255, 255, 255), rgb(0, 0, 0)},
        {"black inverted", {0, 100, inverted}, rgb(0, 0, 0), rgb(255, 255, 255)},
        {"pure red keeps its lightness inverted", {0, 100, inverted}, rgb(255, 0, 0), rgb(255, 0, 0)},
        {"dark blue inverted", {0, 100, inverted}, rgb(0, 0, 100), rgb(155, 155, 255)},
        {"the curve's first point", {0, 100, mids}, rgb(0, 0, 0), rgb(20, 20, 20)},
        {"the curve's last point", {0, 100, mids}, rgb(255, 255, 255), rgb(235, 235, 235)},
        {"level before the first point", {0, 100, stretch}, rgb(10, 10, 10), rgb(0, 0, 0)},
        {"level after the last point", {0, 100, stretch}, rgb(250, 250, 250), rgb(255, 255, 255)},
        {"between two points", {0, 100, stretch}, rgb(96, 96, 96), rgb(64, 64, 64)},
    };
    for (const auto& row : rows) EXPECT_EQ(Text(row.out), Text(row.transform.Apply(row.in))) << row.what;
}

// The identity, a third of a turn and a half turn, exact over a lattice of
// colours: the same colour, its channels moved round, its complement.
TEST(ColourTransform, TheIdentityAndWholeTurnsAreExact) {
    const ColourTransform identity, curve{0, 100, {{0, 0}, {255, 255}}}, third{120, 100, {}}, half{180, 100, {}};
    int wrong = 0;
    for (int r = 0; r < 256; r += 3)
        for (int g = 1; g < 256; g += 5)
            for (int b = 0; b < 256; b += 3) {
                const pictures::Rgb c = rgb(r, g, b);
                const int sum = std::max({r, g, b}) + std::min({r, g, b});
                const struct {
                    const ColourTransform& transform;
                    pictures::Rgb want;
                } checks[] = {{identity, c}, {curve, c}, {third, rgb(b, r, g)}, {half, rgb(sum - r, sum - g, sum - b)}};
                for (const auto& check : checks) {
                    const pictures::Rgb got = check.transform.Apply(c);
                    if (got != check.want && ++wrong <= 5)
                        ADD_FAILURE() << "hue " << check.transform.hue << " of " << Text(c) << ": want "
                                      << Text(check.want) << ", got " << Text(got);
                }
            }
}

// A 2×1 bitmap at 32 bits: a red pixel at alpha 0x80, a grey one at 0x10.
std::vector<std::uint8_t> ThirtyTwoBitBitmap() {
    std::vector<std::uint8_t> file(sizeof(dib::FileHeader) + sizeof(dib::InfoHeader));
    const dib::FileHeader header{{'B', 'M'}, static_cast<std::uint32_t>(file.size() + 8), 0, 0,
                                 static_cast<std::uint32_t>(file.size())};
    dib::InfoHeader info{};
    info.size = sizeof info, info.width = 2, info.height = 1, info.planes = 1, info.bitCount = 32;
    std::memcpy(file.data(), &header, sizeof header);
    std::memcpy(file.data() + sizeof header, &info, sizeof info);
    file.insert(file.end(), {0, 0, 255, 0x80, 90, 90, 90, 0x10});
    return file;
}

TEST(RecolourPicture, ThirtyTwoBitPixelsKeepTheirAlpha) {
    std::vector<std::uint8_t> file = ThirtyTwoBitBitmap(), want = file;
    std::copy_n(std::vector<std::uint8_t>{0, 255, 0, 0x80, 90, 90, 90, 0x10}.begin(), 8, want.end() - 8);
    kit::RecolourCounts counts;
    std::string why;
    ASSERT_TRUE(kit::RecolourPicture(file, ColourTransform{120, 100, {}}, counts, why)) << why;
    EXPECT_EQ(want, file);
    EXPECT_EQ(2u, counts.pixels);
}

TEST(RecolourPicture, AFileCutOrOutOfFormIsRefusedAndLeftAsItWas) {
    const auto patched = [](std::size_t at, std::initializer_list<std::uint8_t> bytes) {
        std::vector<std::uint8_t> file = ThirtyTwoBitBitmap();
        std::copy(bytes.begin(), bytes.end(), file.begin() + at);
        return file;
    };
    std::vector<std::uint8_t> cut = ThirtyTwoBitBitmap();
    cut.pop_back();
    // An icon directory of one entry whose image starts past the file.
    const std::vector<std::uint8_t> icon{0, 0, 1, 0, 1, 0, 16, 16, 0, 0, 1, 0, 24, 0, 40, 0, 0, 0, 200, 0, 0, 0};
    const struct {
        const char* what;
        std::vector<std::uint8_t> file;
        const char* why;
    } rows[] = {
        {"pixels cut short", cut, "its 2×1 pixels at offset 54 run past the data"},
        {"pixels placed past the file", patched(10, {0x80}), "its 2×1 pixels at offset 128 run past the data"},
        {"a table longer than the file", patched(46, {0xFF, 0xFF}),
         "its colour table of 65535 entries runs past the data"},
        {"16 bits per pixel", patched(28, {16}), "compressed or at 16 bits per pixel: only 1, 4, 8, 24 and 32 uncompressed"},
        {"a header past its own size", patched(14, {0x40, 0, 0, 0}), "no DIB header at offset 14"},
        {"pixels over the header", patched(10, {14}), "its pixels at offset 14 overlap its header and colour table"},
        {"an icon image past the file", icon, "image 1 lies outside the file or inside its directory"},
        {"neither", {'G', 'I', 'F', '8'}, "not a .bmp or .ico file"},
    };
    for (const auto& row : rows) {
        std::vector<std::uint8_t> file = row.file;
        kit::RecolourCounts counts;
        std::string why;
        EXPECT_FALSE(kit::RecolourPicture(file, ColourTransform{120, 100, {}}, counts, why)) << row.what;
        EXPECT_EQ(row.why, why) << row.what;
        EXPECT_EQ(row.file, file) << row.what;
        EXPECT_EQ(0u, counts.pictures + counts.pixels + counts.tableColours) << row.what;
    }
}

std::string Bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> Lines(const fs::path& file) {
    std::ifstream in(file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

struct Outcome {
    int status;
    std::vector<std::string> out, err;
};

Outcome Skinkit(const fs::path& dir, const std::string& args) {
    const std::string command = "cd '" + dir.string() + "' && " + SKINKIT_EXE + " " + args + " >out.txt 2>err.txt";
    const int status = std::system(command.c_str());
    Outcome run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, Lines(dir / "out.txt"), Lines(dir / "err.txt")};
    fs::remove(dir / "out.txt");
    fs::remove(dir / "err.txt");
    return run;
}

fs::path Sandbox(const std::string& name) {
    const fs::path dir = fs::path(testing::TempDir()) / "derive" / name;
    fs::remove_all(dir);
    fs::create_directories(dir);
    return fs::canonical(dir);
}

// Every picture of `derived` is `source`'s in form, size, depth, table
// length, indices and masks, with each colour put through `transform`.
void ExpectPicturesRecoloured(const std::string& what, const kit::PackFolder& source, const kit::PackFolder& derived,
                              const ColourTransform& transform) {
    const auto expectPixels = [&](const std::string& where, const pictures::StoredPixels& from,
                                  const pictures::StoredPixels& to) {
        EXPECT_EQ(std::make_tuple(from.width, from.height, from.bits, from.table.size()),
                  std::make_tuple(to.width, to.height, to.bits, to.table.size()))
            << where;
        pictures::StoredPixels want = from;
        for (pictures::Rgb& colour : want.table) colour = transform.Apply(colour);
        if (from.bits == 24)
            for (std::uint32_t& v : want.values) v = transform.Apply(rgb(v >> 16, v >> 8 & 0xFF, v & 0xFF)).key();
        EXPECT_TRUE(want == to) << where;
    };
    ASSERT_EQ(source.pictures.size(), derived.pictures.size()) << what;
    for (std::size_t i = 0; i < source.pictures.size(); ++i) {
        const catalogue::Entry& entry = catalogue::Entries()[i];
        const std::string where = what + ": " + entry.fileName();
        std::string why;
        if (entry.kind == catalogue::Kind::Bitmap) {
            const auto from = pictures::readBitmapFile(source.pictures[i], why);
            const auto to = pictures::readBitmapFile(derived.pictures[i], why);
            ASSERT_TRUE(from && to) << where << ": " << why;
            expectPixels(where, *from, *to);
            continue;
        }
        const auto from = pictures::readIconFile(source.pictures[i], why);
        const auto to = pictures::readIconFile(derived.pictures[i], why);
        ASSERT_TRUE(from && to && from->size() == to->size()) << where << ": " << why;
        for (std::size_t k = 0; k < from->size(); ++k) {
            expectPixels(where + " image " + std::to_string(k + 1), (*from)[k].colours, (*to)[k].colours);
            EXPECT_EQ((*from)[k].transparent, (*to)[k].transparent) << where << " image " << k + 1 << "'s mask";
        }
    }
}

void ExpectValuesRecoloured(const std::string& what, const skin::SkinValues& source, const skin::SkinValues& derived,
                            const kit::DeriveRecipe& recipe) {
    for (const kit::PackKey& key : kit::PackKeys()) {
        if (key.kind != kit::ValueKind::Colour) continue;
        skin::SkinColour from, to;
        std::memcpy(&from, reinterpret_cast<const unsigned char*>(&source) + key.offset, sizeof from);
        std::memcpy(&to, reinterpret_cast<const unsigned char*>(&derived) + key.offset, sizeof to);
        std::uint32_t want = from.word;
        const std::uint32_t kind = from.word & skin::kColourKindMask;
        if (kind == skin::kColourSystem && recipe.resolveSystem)
            want = recipe.transform.ApplyColorRef(catalogue::kSystemColours[from.word & 0xFF].colorref);
        else if (kind == skin::kColourLiteral)
            want = recipe.transform.ApplyColorRef(from.word);
        EXPECT_EQ(want, to.word) << what << ": " << key.table << "." << key.key;
    }
}

TEST(SkinkitDerive, EveryTransformKeepsThePacksForm) {
    const fs::path dir = Sandbox("transforms");
    const kit::PackFolder source = kit::ReadPackFolder(DEFAULT_PACK_DIR);
    ASSERT_EQ(0u, source.problems.size());
    const std::string counts = ": recoloured 62 pictures (14359 table colours, 84530 pixels) and 23 colours of pack.toml; ";
    const struct {
        const char* folder;
        std::string options;
        kit::DeriveRecipe recipe;
        const char* system;  // the summary's last words
    } rows[] = {
        {"identity", "", {}, "9 system colours kept, 0 resolved"},
        {"hue180", "--hue 180", {{180, 100, {}}, false}, "9 system colours kept, 0 resolved"},
        {"grey", "--saturation 0", {{0, 0, {}}, false}, "9 system colours kept, 0 resolved"},
        {"inverted", "--lightness 0:255,255:0", {{0, 100, {{0, 255}, {255, 0}}}, false},
         "9 system colours kept, 0 resolved"},
        {"night", "--hue 20 --saturation 70 --lightness 0:235,128:80,255:28 --resolve-system",
         {{20, 70, {{0, 235}, {128, 80}, {255, 28}}}, true}, "0 system colours kept, 9 resolved"},
        {"vivid", "--saturation 400 --hue -420", {{300, 400, {}}, false}, "9 system colours kept, 0 resolved"},
        // The night pack's own recipe, its resolving overridden.
        {"night_kept", "--table night/pack.toml --resolve-system=false",
         {{20, 70, {{0, 235}, {128, 80}, {255, 28}}}, false}, "9 system colours kept, 0 resolved"},
    };
    for (const auto& row : rows) {
        const std::string what = row.folder;
        const Outcome run = Skinkit(dir, "derive " + std::string(DEFAULT_PACK_DIR) + " -o " + row.folder + " --name " +
                                         row.folder + " " + row.options);
        EXPECT_EQ(0, run.status) << what;
        EXPECT_EQ(std::vector<std::string>{}, run.err) << what;
        EXPECT_EQ(std::vector<std::string>{"derived " + what + " (module " + what + ".dll) from " +
                                           DEFAULT_PACK_DIR + counts + row.system},
                  run.out)
            << what;
        const Outcome check = Skinkit(dir, "check " + what);
        EXPECT_EQ(0, check.status) << what;
        EXPECT_EQ(std::vector<std::string>{what + ": ok, pack.toml and 62 pictures make " + what + ".dll"}, check.out)
            << what;
        const kit::PackFolder derived = kit::ReadPackFolder(dir / row.folder);
        ASSERT_EQ(0u, derived.problems.size()) << what << ": " << derived.problems.front().Text();
        ExpectPicturesRecoloured(what, source, derived, row.recipe.transform);
        ExpectValuesRecoloured(what, source.values, derived.values, row.recipe);
    }

    // Under its source's name, the identity gives the source back byte for byte.
    const fs::path again = dir / "skinpak1";
    ASSERT_EQ(0, Skinkit(dir, "derive " + std::string(DEFAULT_PACK_DIR) + " -o skinpak1 --name skinpak1").status);
    std::vector<std::string> files;
    for (const fs::directory_entry& file : fs::recursive_directory_iterator(DEFAULT_PACK_DIR))
        files.push_back(fs::relative(file.path(), DEFAULT_PACK_DIR).string());
    for (const fs::directory_entry& file : fs::recursive_directory_iterator(again))
        if (std::find(files.begin(), files.end(), fs::relative(file.path(), again).string()) == files.end())
            ADD_FAILURE() << "the identity wrote " << file.path() << ", which its source lacks";
    EXPECT_EQ(64u, files.size());
    for (const std::string& file : files) {
        if (fs::is_directory(again / file)) continue;
        EXPECT_EQ(Bytes(fs::path(DEFAULT_PACK_DIR) / file), Bytes(again / file)) << file;
    }

    // The recipe a derived pack keeps makes the same pack again.
    const std::string night = Bytes(dir / "night/pack.toml");
    EXPECT_EQ("\n\n[derive]\nhue = 20\nsaturation = 70\nlightness = [[0, 235], [128, 80], [255, 28]]\n"
              "resolve_system = true\n",
              night.substr(std::min(night.size(), night.find("\n\n[derive]"))));
    ASSERT_EQ(0, Skinkit(dir, "derive " + std::string(DEFAULT_PACK_DIR) +
                                  " -o night_again --name night --table night/pack.toml")
                     .status);
    for (const fs::directory_entry& file : fs::recursive_directory_iterator(dir / "night")) {
        if (!file.is_regular_file()) continue;
        EXPECT_EQ(Bytes(file.path()), Bytes(dir / "night_again" / fs::relative(file.path(), dir / "night")))
            << file.path();
    }
}

// Everything in a folder, names only, sorted.
std::vector<std::string> Listing(const fs::path& dir) {
    std::vector<std::string> names;
    for (const fs::directory_entry& file : fs::recursive_directory_iterator(dir))
        names.push_back(fs::relative(file.path(), dir).generic_string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(SkinkitDerive, BadInputWritesNothing) {
    const struct {
        const char* what;
        void (*setUp)(const fs::path& dir);  // or null
        const char* from;                    // in the sandbox; null for the default pack
        std::string options;
        std::vector<std::string> out, err;  // "{dir}" is the sandbox
    } rows[] = {
        {"a lightness point without its OUT", nullptr, nullptr, "--lightness 0:20,128", {},
         {"skinkit derive: --lightness \"0:20,128\": point 2 \"128\" is not IN:OUT, two whole numbers"}},
        {"lightness points out of order", nullptr, nullptr, "--lightness 0:0,200:50,100:255", {},
         {"skinkit derive: --lightness \"0:0,200:50,100:255\": point 3 (100:255): IN must be above the point "
          "before's (200)"}},
        {"a lightness point out of range", nullptr, nullptr, "--lightness 0:0,255:256", {},
         {"skinkit derive: --lightness \"0:0,255:256\": point 2 (255:256) is outside 0 to 255"}},
        {"one lightness point", nullptr, nullptr, "--lightness 128:128", {},
         {"skinkit derive: --lightness \"128:128\": a lightness curve needs two points or more, IN:OUT each"}},
        {"saturation past 400", nullptr, nullptr, "--saturation 401", {},
         {"skinkit derive: --saturation 401: a saturation is from 0 to 400 percent (100 keeps it)"}},
        {"a bad [derive] table",
         [](const fs::path& d) {
             std::ofstream(d / "recipe.toml") << "# night\n[derive]\nhue = 20.5\nsaturaton = 70\n"
                                                 "lightness = [[0, 235], [128]]\nresolve_system = \"yes\"\n";
         },
         nullptr, "--table recipe.toml --hue 20",
         {"recipe.toml:4:1: unknown key \"saturaton\" in [derive]; did you mean \"saturation\"?",
          "recipe.toml:3:7: derive.hue must be an integer, in degrees",
          "recipe.toml:5:24: derive.lightness must be an array of [IN, OUT] pairs of integers, such as "
          "[[0, 255], [255, 0]]",
          "recipe.toml:6:18: derive.resolve_system must be true or false"},
         {"skinkit derive: 4 problem(s) in recipe.toml; out is left as it was"}},
        {"a [derive] table that does not parse",
         [](const fs::path& d) { std::ofstream(d / "recipe.toml") << "[derive]\nhue = \n"; }, nullptr,
         "--table recipe.toml", {"recipe.toml:2:7: Error while parsing key-value pair: expected value, saw '\\n'"},
         {"skinkit derive: 1 problem(s) in recipe.toml; out is left as it was"}},
        {"a file without a [derive] table",
         [](const fs::path& d) { std::ofstream(d / "recipe.toml") << "[drive]\nhue = 20\n"; }, nullptr,
         "--table recipe.toml", {"recipe.toml: has no [derive] table"},
         {"skinkit derive: 1 problem(s) in recipe.toml; out is left as it was"}},
        {"an output folder that holds something",
         [](const fs::path& d) {
             fs::create_directory(d / "out");
             std::ofstream(d / "out/notes.txt") << "keep\n";
         },
         nullptr, "--hue 90", {}, {"skinkit derive: {dir}/out already exists and is not an empty folder"}},
        {"a source with problems",
         [](const fs::path& d) {
             fs::copy(DEFAULT_PACK_DIR, d / "broken", fs::copy_options::recursive);
             fs::remove(d / "broken/pictures/TREE_BK.bmp");
             std::ofstream(d / "broken/pack.toml", std::ios::app) << "\n[derive]\nsaturation = -5\n";
         },
         "broken", "--hue 90",
         {"pack.toml:64:14: derive.saturation is -5: a saturation is from 0 to 400 percent (100 keeps it)",
          "pictures/TREE_BK.bmp: missing"},
         {"skinkit derive: 2 problem(s) in broken; out is left as it was"}},
    };
    int index = 0;
    for (const auto& row : rows) {
        const fs::path dir = Sandbox("bad" + std::to_string(++index));
        if (row.setUp != nullptr) row.setUp(dir);
        const std::vector<std::string> before = Listing(dir);
        const Outcome run = Skinkit(dir, "derive " + std::string(row.from ? row.from : DEFAULT_PACK_DIR) +
                                         " -o out --name out " + row.options);
        std::vector<std::string> err = row.err;
        for (std::string& line : err)
            if (const std::size_t at = line.find("{dir}"); at != std::string::npos) line.replace(at, 5, dir.string());
        EXPECT_EQ(1, run.status) << row.what;
        EXPECT_EQ(row.out, run.out) << row.what;
        EXPECT_EQ(err, run.err) << row.what;
        EXPECT_EQ(before, Listing(dir)) << row.what;
    }
}

}  // namespace
