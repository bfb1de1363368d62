// A pack folder that cannot make a whole module is refused, every problem
// named with its file: pictures missing, extra, or not in their catalogue
// form, and the values file's own problems beside them.
#include <gtest/gtest.h>

#include <fstream>

#include "pack_folder.h"
#include "skin_catalogue.h"

namespace {

namespace fs = std::filesystem;

const fs::path kDefaultPack = DEFAULT_PACK_DIR;

// A copy of the default pack, changed by `change`, read back.
std::vector<std::string> ProblemsAfter(const char* name, void (*change)(const fs::path& pack)) {
    const fs::path pack = fs::path(testing::TempDir()) / "packs" / name;
    fs::remove_all(pack);
    fs::create_directories(pack);
    fs::copy(kDefaultPack, pack, fs::copy_options::recursive);
    change(pack);
    std::vector<std::string> lines;
    for (const kit::Problem& problem : kit::ReadPackFolder(pack).problems) lines.push_back(problem.Text());
    return lines;
}

// Overwrites the bytes at `offset` of a file.
void Patch(const fs::path& file, std::streamoff offset, std::initializer_list<unsigned char> bytes) {
    std::fstream io(file, std::ios::in | std::ios::out | std::ios::binary);
    io.seekp(offset);
    for (unsigned char b : bytes) io.put(static_cast<char>(b));
}

TEST(PackFolder, TheDefaultPackHasNoProblem) {
    const kit::PackFolder pack = kit::ReadPackFolder(kDefaultPack);
    for (const kit::Problem& problem : pack.problems) ADD_FAILURE() << problem.Text();
    EXPECT_STREQ("skinpak1.dll", pack.values.moduleName);
    // Its files are taken as they are, one per catalogue entry in its order.
    ASSERT_EQ(catalogue::Entries().size(), pack.pictures.size());
    for (std::size_t i = 0; i < pack.pictures.size(); ++i) {
        std::ifstream file(kDefaultPack / "pictures" / catalogue::Entries()[i].fileName(), std::ios::binary);
        const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        EXPECT_EQ(bytes, pack.pictures[i]) << catalogue::Entries()[i].name;
    }
}

TEST(PackFolder, EveryBrokenPictureIsNamed) {
    const struct {
        const char* name;
        void (*change)(const fs::path& pack);
        std::vector<std::string> expected;
    } rows[] = {
        {"missing", [](const fs::path& p) { fs::remove(p / "pictures/MENU_BK.bmp"); },
         {"pictures/MENU_BK.bmp: missing"}},
        {"extra", [](const fs::path& p) { fs::copy_file(p / "pictures/MENU_BK.bmp", p / "pictures/MENU_BK2.bmp"); },
         {"pictures/MENU_BK2.bmp: not a picture of the catalogue"}},
        // The width is the 32-bit field after the 14-byte file header and the header's size.
        {"wider", [](const fs::path& p) { Patch(p / "pictures/MENU_BK.bmp", 18, {12}); },
         {"pictures/MENU_BK.bmp: 12×10, want 10×10"}},
        {"top-down", [](const fs::path& p) { Patch(p / "pictures/FRAME_TOP.bmp", 22, {0xF6, 0xFF, 0xFF, 0xFF}); },
         {"pictures/FRAME_TOP.bmp: 10×-10, want 10×10 (rows must be stored bottom-up)"}},
        {"deeper", [](const fs::path& p) { Patch(p / "pictures/CAPTION_BK.bmp", 28, {32}); },
         {"pictures/CAPTION_BK.bmp: 32 bits per pixel, want 24 uncompressed in one plane"}},
        {"smaller table", [](const fs::path& p) { Patch(p / "pictures/SELECT_TAB_BK_90.bmp", 46, {60}); },
         {"pictures/SELECT_TAB_BK_90.bmp: 60 colour table entries, want 61"}},
        {"cut short", [](const fs::path& p) { fs::resize_file(p / "pictures/TREE_BK.bmp", 100); },
         {"pictures/TREE_BK.bmp: the file ends before its pixels do"}},
        {"not a picture", [](const fs::path& p) { std::ofstream(p / "pictures/TREE_ROOT.ico") << "GIF89a"; },
         {"pictures/TREE_ROOT.ico: not an ICO file"}},
        // An icon group's second directory entry dropped: the count is the word at offset 4.
        {"icon image missing", [](const fs::path& p) { Patch(p / "pictures/PERSONLIST_STOP.ico", 4, {1}); },
         {"pictures/PERSONLIST_STOP.ico: images 32×32 at 4, want 32×32 at 4, 16×16 at 4"}},
        {"values and pictures", [](const fs::path& p) {
             fs::remove(p / "pictures/TREE_BK.bmp");
             std::ofstream(p / "pack.toml", std::ios::app) << "[chat]\n";
         },
         {"pack.toml:62:2: unknown table or key \"chat\"", "pictures/TREE_BK.bmp: missing"}},
    };
    for (const auto& row : rows) EXPECT_EQ(row.expected, ProblemsAfter(row.name, row.change)) << row.name;
}

// The build tool writes nothing for a pack with a problem, and fails.
TEST(PackFolder, SkinpackRefusesABrokenPackAndWritesNothing) {
    const fs::path out = fs::path(testing::TempDir()) / "skinpack_out";
    fs::remove_all(out);
    fs::create_directories(out);
    const std::vector<std::string> problems =
        ProblemsAfter("refused", [](const fs::path& p) { fs::remove(p / "pictures/BAR_DEL.ico"); });
    ASSERT_EQ(1u, problems.size());
    const fs::path pack = fs::path(testing::TempDir()) / "packs" / "refused";
    const std::string command = std::string(SKINPACK_EXE) + " " + pack.string() + " --name refused --values " +
                                (out / "v.cpp").string() + " --script " + (out / "s.rc").string() + " 2>" +
                                (out / "errors.txt").string();
    EXPECT_NE(0, std::system(command.c_str()));
    EXPECT_FALSE(fs::exists(out / "v.cpp"));
    EXPECT_FALSE(fs::exists(out / "s.rc"));
    std::ifstream errors(out / "errors.txt");
    std::string first;
    std::getline(errors, first);
    EXPECT_EQ((pack / "pictures/BAR_DEL.ico: missing").string(), first);
}

}  // namespace
