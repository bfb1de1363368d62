// The skin author's tool run as authors run it, from a folder of their own:
// `new` then `check` is clean, a refused `new` leaves the folder as it was,
// and `check` names every problem of a broken copy.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "pictures/png_writer.h"

namespace {

namespace fs = std::filesystem;

struct Step {
    void (*change)(const fs::path& dir);  // before the command, or null
    std::string args;
    int status;
    std::vector<std::string> out, err;  // "{dir}" is the sandbox, "{pack}" the default pack
};

std::vector<std::string> Lines(const fs::path& file) {
    std::ifstream in(file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string Expand(std::string text, const fs::path& dir) {
    for (const auto& [from, to] : {std::pair<std::string, std::string>{"{dir}", dir.string()},
                                   std::pair<std::string, std::string>{"{pack}", DEFAULT_PACK_DIR}})
        for (std::size_t at; (at = text.find(from)) != std::string::npos;) text.replace(at, from.size(), to);
    return text;
}

std::vector<std::string> Expand(const std::vector<std::string>& lines, const fs::path& dir) {
    std::vector<std::string> expanded;
    for (const std::string& line : lines) expanded.push_back(Expand(line, dir));
    return expanded;
}

// Everything in the sandbox: folders with a slash, files with their first
// line, a folder of pictures by its count.
std::vector<std::string> Listing(const fs::path& dir) {
    std::vector<std::string> listing;
    for (auto it = fs::recursive_directory_iterator(dir); it != fs::recursive_directory_iterator(); ++it) {
        const std::string name = fs::relative(it->path(), dir).generic_string();
        if (it->is_directory() && it->path().filename() == "pictures") {
            const auto count = std::distance(fs::directory_iterator(it->path()), fs::directory_iterator());
            listing.push_back(name + "/ (" + std::to_string(count) + " files)");
            it.disable_recursion_pending();
        } else if (it->is_directory()) {
            listing.push_back(name + "/");
        } else {
            const std::vector<std::string> lines = Lines(it->path());
            listing.push_back(name + ": " + (lines.empty() ? "" : lines.front()));
        }
    }
    std::sort(listing.begin(), listing.end());
    return listing;
}

// Overwrites the bytes at `offset` of a file.
void Patch(const fs::path& file, std::streamoff offset, std::initializer_list<unsigned char> bytes) {
    std::fstream io(file, std::ios::in | std::ios::out | std::ios::binary);
    io.seekp(offset);
    for (unsigned char b : bytes) io.put(static_cast<char>(b));
}

void Replace(const fs::path& file, const std::string& from, const std::string& to) {
    std::ifstream in(file);
    std::stringstream all;
    all << in.rdbuf();
    std::string text = all.str();
    const std::size_t at = text.find(from);
    ASSERT_NE(std::string::npos, at) << from << " in " << file;
    std::ofstream(file) << text.replace(at, from.size(), to);
}

TEST(Skinkit, NewAndCheckRoundTrips) {
    const struct {
        const char* what;
        std::vector<Step> steps;
        std::vector<std::string> listing;  // the sandbox afterwards
    } rows[] = {
        {"new then check",
         {{nullptr, "new mine --name mine", 0, {"made mine (module mine.dll) from {pack}"}, {}},
          {nullptr, "check mine", 0, {"mine: ok, pack.toml and 62 pictures make mine.dll"}, {}}},
         {"mine/", "mine/pack.toml: name = \"mine\"", "mine/pictures/ (62 files)"}},
        {"new into an empty folder",
         {{[](const fs::path& d) { fs::create_directory(d / "mine"); }, "new mine/ --name mine", 0,
           {"made mine/ (module mine.dll) from {pack}"}, {}},
          {nullptr, "check mine", 0, {"mine: ok, pack.toml and 62 pictures make mine.dll"}, {}}},
         {"mine/", "mine/pack.toml: name = \"mine\"", "mine/pictures/ (62 files)"}},
        {"new from a pack of one's own",
         {{nullptr, "new a --name a", 0, {"made a (module a.dll) from {pack}"}, {}},
          {nullptr, "new b --name b-2 --from a", 0, {"made b (module b-2.dll) from a"}, {}},
          {nullptr, "check b", 0, {"b: ok, pack.toml and 62 pictures make b-2.dll"}, {}}},
         {"a/", "a/pack.toml: name = \"a\"", "a/pictures/ (62 files)", "b/", "b/pack.toml: name = \"b-2\"",
          "b/pictures/ (62 files)"}},
        {"new over a folder that holds something",
         {{[](const fs::path& d) {
               fs::create_directory(d / "mine");
               std::ofstream(d / "mine/notes.txt") << "keep\n";
           },
           "new mine --name mine", 1, {}, {"skinkit new: {dir}/mine already exists and is not an empty folder"}}},
         {"mine/", "mine/notes.txt: keep"}},
        {"new over a pack",
         {{nullptr, "new mine --name mine", 0, {"made mine (module mine.dll) from {pack}"}, {}},
          {nullptr, "new mine --name other", 1, {}, {"skinkit new: {dir}/mine already exists and is not an empty folder"}},
          {nullptr, "check mine", 0, {"mine: ok, pack.toml and 62 pictures make mine.dll"}, {}}},
         {"mine/", "mine/pack.toml: name = \"mine\"", "mine/pictures/ (62 files)"}},
        {"new with a name that cannot name a module",
         {{nullptr, "new mine --name 'skin pak'", 1, {},
           {"skinkit new: the pack name \"skin pak\" names the module file: use letters, digits, '_' and '-' only"}}},
         {}},
        {"new from a folder that is no pack",
         {{[](const fs::path& d) { fs::create_directory(d / "empty"); }, "new mine --name mine --from empty", 1, {},
           {"skinkit new: cannot read {dir}/empty/pack.toml"}}},
         {"empty/"}},
        {"new from a pack without its pictures",
         {{[](const fs::path& d) {
               fs::create_directory(d / "half");
               fs::copy_file(fs::path(DEFAULT_PACK_DIR) / "pack.toml", d / "half/pack.toml");
           },
           "new mine --name mine --from half", 1, {},
           {"skinkit new: cannot copy {dir}/half/pictures: No such file or directory"}}},
         {"half/", "half/pack.toml: name = \"skinpak1\""}},
        {"new in a folder that does not exist",
         {{nullptr, "new no/such/mine --name mine", 1, {}, {"skinkit new: the folder {dir}/no/such does not exist"}}},
         {}},
        {"check of a broken copy",
         {{nullptr, "new mine --name mine", 0, {"made mine (module mine.dll) from {pack}"}, {}},
          {[](const fs::path& d) {
               Replace(d / "mine/pack.toml", "caption_text =", "caption_txt =");
               Replace(d / "mine/pack.toml", "menu = \"#6A76A4\"", "menu = \"6A76A4\"");
               Replace(d / "mine/pack.toml", "[tree]", "[tre]");
               // The width is the 32-bit field after the 14-byte file header and the header's size.
               Patch(d / "mine/pictures/MENU_BK.bmp", 18, {12});
           },
           "check mine",
           1,
           {"pack.toml:58:2: unknown table or key \"tre\"; did you mean \"tree\"?",
            "pack.toml:35:1: unknown key \"caption_txt\" in [caption]; did you mean \"caption_text\"?",
            "pack.toml:33:1: [caption] has no \"caption_text\"",
            "pack.toml:36:8: caption.menu: \"6A76A4\" is not a colour; did you mean \"#6A76A4\"?",
            "pack.toml:1:1: the table [tree] is missing", "pictures/MENU_BK.bmp: 12×10, want 10×10"},
           {"skinkit check: 6 problem(s) in mine"}}},
         {"mine/", "mine/pack.toml: name = \"mine\"", "mine/pictures/ (62 files)"}},
        {"check of a copy broken in its pictures and a stem",
         {{nullptr, "new mine --name mine", 0, {"made mine (module mine.dll) from {pack}"}, {}},
          {[](const fs::path& d) {
               fs::remove(d / "mine/pictures/TREE_BK.bmp");
               std::ofstream(d / "mine/pictures/notes.txt") << "todo\n";
               // The depth is the 16-bit field 14 + 14 bytes into the file.
               Patch(d / "mine/pictures/CAPTION_BK.bmp", 28, {8});
               pictures::Image many(114, 21);
               for (int i = 0; i < 114 * 21; ++i) many.set(i % 114, i / 114, pictures::rgb(i & 0xFF, i >> 8, 9));
               fs::remove(d / "mine/pictures/SELECT_TAB_BK_90.bmp");
               pictures::writePng((d / "mine/pictures/SELECT_TAB_BK_90.png").string(), many);
               Replace(d / "mine/pack.toml", "\"headpic\"", "\"headpictures_of_20ch\"");
           },
           "check mine",
           1,
           {"pack.toml:50:17: person_list.head_pic_stem \"headpictures_of_20ch\" is 20 bytes: a stem holds at most "
            "19 (its buffer is 20 bytes with the terminating zero)",
            "pictures/CAPTION_BK.bmp: 8 bits per pixel, want 24 uncompressed in one plane",
            "pictures/SELECT_TAB_BK_90.png: 2394 colours, an 8-bit picture holds 61",
            "pictures/TREE_BK.bmp: missing", "pictures/notes.txt: not a picture of the catalogue"},
           {"skinkit check: 5 problem(s) in mine"}}},
         {"mine/", "mine/pack.toml: name = \"mine\"", "mine/pictures/ (62 files)"}},
        {"check of a values file with a syntax error",
         {{nullptr, "new mine --name mine", 0, {"made mine (module mine.dll) from {pack}"}, {}},
          {[](const fs::path& d) { Replace(d / "mine/pack.toml", "[tree]", "[tree"); }, "check mine", 1,
           {"pack.toml:58:6: Error while parsing table header: expected ']', saw '\\n'"},
           {"skinkit check: 1 problem(s) in mine"}}},
         {"mine/", "mine/pack.toml: name = \"mine\"", "mine/pictures/ (62 files)"}},
    };
    int index = 0;
    for (const auto& row : rows) {
        const fs::path base = fs::path(testing::TempDir()) / "skinkit" / std::to_string(++index);
        fs::remove_all(base);
        fs::create_directories(base / "sandbox");
        const fs::path dir = fs::canonical(base / "sandbox");
        for (const Step& step : row.steps) {
            if (step.change != nullptr) step.change(dir);
            const std::string command = "cd '" + dir.string() + "' && " + SKINKIT_EXE + " " + step.args + " >'" +
                                        (base / "out").string() + "' 2>'" + (base / "err").string() + "'";
            const int status = std::system(command.c_str());
            ASSERT_TRUE(WIFEXITED(status)) << row.what << ": " << step.args;
            EXPECT_EQ(step.status, WEXITSTATUS(status)) << row.what << ": " << step.args;
            EXPECT_EQ(Expand(step.out, dir), Lines(base / "out")) << row.what << ": " << step.args;
            EXPECT_EQ(Expand(step.err, dir), Lines(base / "err")) << row.what << ": " << step.args;
        }
        EXPECT_EQ(row.listing, Listing(dir)) << row.what;
    }
}

// A new pack is its source byte for byte but for the string of its name.
TEST(Skinkit, NewCopiesThePackWithOnlyItsNameChanged) {
    const fs::path dir = fs::path(testing::TempDir()) / "skinkit" / "copy";
    fs::remove_all(dir);
    fs::create_directories(dir);
    const std::string command = std::string(SKINKIT_EXE) + " new '" + (dir / "mine").string() + "' --name mine >/dev/null";
    ASSERT_EQ(0, std::system(command.c_str()));
    const auto bytes = [](const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    };
    std::string expected = bytes(fs::path(DEFAULT_PACK_DIR) / "pack.toml");
    expected.replace(0, expected.find('\n'), "name = \"mine\"");
    EXPECT_EQ(expected, bytes(dir / "mine/pack.toml"));
    int pictures = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(fs::path(DEFAULT_PACK_DIR) / "pictures")) {
        ++pictures;
        EXPECT_EQ(bytes(entry.path()), bytes(dir / "mine/pictures" / entry.path().filename()))
            << entry.path().filename();
    }
    EXPECT_EQ(62, pictures);
}

}  // namespace
