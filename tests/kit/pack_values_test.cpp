// The values file read into the values block: the default pack whole, and
// every kind of bad input reported with its file, line and column, all of
// them in one reading.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

#include "catalogue_table.h"
#include "colour_text.h"
#include "pack_keys.h"
#include "keys_table.h"
#include "pack_values.h"
#include "values_text.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> Read(const std::string& text, skin::SkinValues* out = nullptr) {
    const fs::path path = fs::path(testing::TempDir()) / "pack.toml";
    std::ofstream(path) << text;
    skin::SkinValues values;
    kit::Problems problems;
    kit::ReadPackValues(path, "pack.toml", values, problems);
    if (out != nullptr) *out = values;
    std::vector<std::string> lines;
    for (const kit::Problem& problem : problems) lines.push_back(problem.Text());
    return lines;
}

std::string DefaultPack() {
    std::ifstream in(DEFAULT_PACK_TOML);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The default pack with one line replaced.
std::string WithLine(const std::string& from, const std::string& to) {
    std::string text = DefaultPack();
    const size_t at = text.find(from);
    EXPECT_NE(std::string::npos, at) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// Every shipped values file is in the canonical form: read, then written
// back, it is the same text.
TEST(PackValues, ShippedValuesFilesAreTheirOwnCanonicalForm) {
    skin::SkinValues values;
    ASSERT_EQ(std::vector<std::string>{}, Read(DefaultPack(), &values));
    EXPECT_EQ(skin::kColourUnset, values.personList.person[3].word) << "the default pack has no person4";
    for (const char* file : {DEFAULT_PACK_TOML, SECOND_PACK_TOML}) {
        std::ifstream in(file);
        const std::string text(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>{});
        skin::SkinValues values;
        ASSERT_EQ(std::vector<std::string>{}, Read(text, &values)) << file;
        EXPECT_EQ(0, std::memcmp(values.magic, skin::kValuesMagic, sizeof values.magic));
        EXPECT_EQ(skin::kValuesVersion, values.version);
        EXPECT_EQ(sizeof values, values.size);
        std::string canonical, why;
        ASSERT_TRUE(kit::PackValuesText(values, canonical, why)) << file << ": " << why;
        EXPECT_EQ(text, canonical) << file;
    }
}

// Blocks that no values file gives are refused, not written as something else.
TEST(PackValues, ABlockNoValuesFileGivesIsNotWritten) {
    skin::SkinValues base;
    ASSERT_EQ(std::vector<std::string>{}, Read(DefaultPack(), &base));
    const struct {
        const char* what;
        void (*change)(skin::SkinValues&);
        const char* why;
    } rows[] = {
        {"module name without .dll", [](skin::SkinValues& v) { std::strcpy(v.moduleName, "skinpak1.exe"); },
         "the module name in the values block is not <pack name>.dll"},
        {"module name without its zero", [](skin::SkinValues& v) { std::memset(v.moduleName, 'a', 64); },
         "the module name in the values block is not <pack name>.dll"},
        {"unset required colour", [](skin::SkinValues& v) { v.tree.back.word = skin::kColourUnset; },
         "tree.back in the values block is not a value a pack can give"},
        {"colour of no kind", [](skin::SkinValues& v) { v.tree.back.word = 0x02000000; },
         "tree.back in the values block is not a value a pack can give"},
        {"system colour without a name", [](skin::SkinValues& v) { v.tree.back.word = skin::kColourSystem | 200; },
         "tree.back in the values block is not a value a pack can give"},
        {"negative size", [](skin::SkinValues& v) { v.splitter.sizes[2] = -1; },
         "splitter.size3 in the values block is not a value a pack can give"},
        {"empty stem", [](skin::SkinValues& v) { v.personList.headPicStem[0] = 0; },
         "person_list.head_pic_stem in the values block is not a value a pack can give"},
        {"stem with a space", [](skin::SkinValues& v) { v.room.stems[1][2] = ' '; },
         "room.stems in the values block is not a value a pack can give"},
    };
    for (const auto& row : rows) {
        skin::SkinValues values = base;
        row.change(values);
        std::string text, why;
        EXPECT_FALSE(kit::PackValuesText(values, text, why)) << row.what;
        EXPECT_EQ(row.why, why) << row.what;
    }
}

// The documents' tables are the ones the kit prints.
TEST(PackValues, TheDocumentsHoldTheKitsTables) {
    const struct {
        const char* file;
        const char* command;
        std::string table;
    } rows[] = {
        {AUTHORS_GUIDE, "skinkit keys", kit::KeysTable()},
        {AUTHORS_GUIDE, "skinkit catalogue", kit::CatalogueTable()},
    };
    for (const auto& row : rows) {
        std::ifstream in(row.file);
        const std::string text(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>{});
        EXPECT_NE(std::string::npos, text.find(row.table)) << row.file << " lacks, as " << row.command
                                                           << " prints it:\n" << row.table;
    }
}

TEST(PackValues, ColoursAreRedFirstInTheFileAndInTheLowByteOfTheBlock) {
    const struct {
        const char* text;
        std::uint32_t word;
    } rows[] = {
        {"#FF0000", 0x000000FF}, {"#00FF00", 0x0000FF00}, {"#0000ff", 0x00FF0000},
        {"#5971A5", 0x00A57159}, {"system:COLOR_BTNFACE", skin::kColourSystem | 15},
        {"system:COLOR_MENUBAR", skin::kColourSystem | 30},
    };
    for (const auto& row : rows) {
        skin::SkinColour colour{};
        std::string why;
        ASSERT_TRUE(kit::ParseColour(row.text, colour, why)) << row.text << ": " << why;
        EXPECT_EQ(row.word, colour.word) << row.text;
    }
}

TEST(PackValues, ANearMissOfAColourIsToldWhatItLacks) {
    const struct {
        const char* text;
        const char* why;
    } rows[] = {
        {"#fffff", "\"#fffff\" is not a colour: it has 5 hex digits, want 6"},
        {"#FFFFFF0", "\"#FFFFFF0\" is not a colour: it has 7 hex digits, want 6"},
        {"#", "\"#\" is not a colour: it has 0 hex digits, want 6"},
        {"#f0c", "\"#f0c\" is not a colour: it has 3 hex digits, want 6; did you mean \"#ff00cc\"?"},
        {"#FFFFFG0", "\"#FFFFFG0\" is not a colour: 'G' is not a hex digit"},
        {"FFFFFF", "\"FFFFFF\" is not a colour; did you mean \"#FFFFFF\"?"},
        {"FFFFF", "\"FFFFF\" is not a colour: write \"#RRGGBB\" or \"system:COLOR_…\""},
        {"COLOR_BTNFACE", "\"COLOR_BTNFACE\" is not a colour; did you mean \"system:COLOR_BTNFACE\"?"},
        {"red", "\"red\" is not a colour: write \"#RRGGBB\" or \"system:COLOR_…\""},
        {"system:COLOR_BTNFAC", "\"COLOR_BTNFAC\" is not a system colour; did you mean \"COLOR_BTNFACE\"?"},
        {"system:color_btnface", "\"color_btnface\" is not a system colour; did you mean \"COLOR_BTNFACE\"?"},
        {"system:COLOR_BTNTXET", "\"COLOR_BTNTXET\" is not a system colour; did you mean \"COLOR_BTNTEXT\"?"},
        {"system:COLOR_HILITE", "\"COLOR_HILITE\" is not a system colour (such as COLOR_BTNFACE)"},
        {"system:", "\"\" is not a system colour (such as COLOR_BTNFACE)"},
    };
    for (const auto& row : rows) {
        skin::SkinColour colour{};
        std::string why;
        EXPECT_FALSE(kit::ParseColour(row.text, colour, why)) << row.text;
        EXPECT_EQ(row.why, why) << row.text;
    }
}

TEST(PackValues, EveryProblemIsReportedWithItsPlace) {
    const struct {
        const char* what;
        std::string text;
        std::vector<std::string> expected;
    } rows[] = {
        {"syntax error", WithLine("[tree]", "[tree"),
         {"pack.toml:58:6: Error while parsing table header: expected ']', saw '\\n'"}},
        {"misspelt key", WithLine("caption_text =", "caption_txt ="),
         {"pack.toml:35:1: unknown key \"caption_txt\" in [caption]; did you mean \"caption_text\"?",
          "pack.toml:33:1: [caption] has no \"caption_text\""}},
        {"key far from any", WithLine("caption_text =", "title ="),
         {"pack.toml:35:1: unknown key \"title\" in [caption]", "pack.toml:33:1: [caption] has no \"caption_text\""}},
        {"unknown table", DefaultPack() + "[chat]\nvalue1 = 1\n", {"pack.toml:62:2: unknown table or key \"chat\""}},
        {"misspelt table", WithLine("[caption]", "[captoin]"),
         {"pack.toml:33:2: unknown table or key \"captoin\"; did you mean \"caption\"?",
          "pack.toml:1:1: the table [caption] is missing"}},
        {"junk colour", WithLine("menu = \"#6A76A4\"", "menu = \"#6A76G4\""),
         {"pack.toml:36:8: caption.menu: \"#6A76G4\" is not a colour: 'G' is not a hex digit"}},
        {"short colour", WithLine("menu = \"#6A76A4\"", "menu = \"#fffff\""),
         {"pack.toml:36:8: caption.menu: \"#fffff\" is not a colour: it has 5 hex digits, want 6"}},
        {"colour without its #", WithLine("menu = \"#6A76A4\"", "menu = \"6A76A4\""),
         {"pack.toml:36:8: caption.menu: \"6A76A4\" is not a colour; did you mean \"#6A76A4\"?"}},
        {"misspelt system colour", WithLine("system:COLOR_HIGHLIGHTTEXT", "system:COLOR_HIGHLIGHTEXT"),
         {"pack.toml:49:11: person_list.person8: \"COLOR_HIGHLIGHTEXT\" is not a system colour; did you mean "
          "\"COLOR_HIGHLIGHTTEXT\"?"}},
        {"unknown system colour", WithLine("system:COLOR_HIGHLIGHTTEXT", "system:COLOR_HILITE"),
         {"pack.toml:49:11: person_list.person8: \"COLOR_HILITE\" is not a system colour (such as COLOR_BTNFACE)"}},
        {"colour of the wrong type", WithLine("line = \"#CACACA\"", "line = 0xCACACA"),
         {"pack.toml:61:8: tree.line must be a colour string such as \"#RRGGBB\""}},
        {"size out of range", WithLine("size3 = 11", "size3 = 40000"),
         {"pack.toml:55:9: splitter.size3 is 40000: a size is from 0 to 32767 (its field holds 16 bits)"}},
        {"negative size", WithLine("tab_size2 = 40", "tab_size2 = -1"),
         {"pack.toml:11:13: main_tab.tab_size2 is -1: a size is from 0 to 32767 (its field holds 16 bits)"}},
        {"long stem", WithLine("\"headpic\"", "\"headpictures_of_20ch\""),
         {"pack.toml:50:17: person_list.head_pic_stem \"headpictures_of_20ch\" is 20 bytes: a stem holds at most 19 "
          "(its buffer is 20 bytes with the terminating zero)"}},
        {"too few stems", WithLine(", \"room6\"]", "]"),
         {"pack.toml:40:9: room.stems must be an array of 5 strings, for tables of 2 to 6 seats"}},
        {"name not a file name", WithLine("name = \"skinpak1\"", "name = \"skin pak\""),
         {"pack.toml:1:8: the pack name \"skin pak\" names the module file: use letters, digits, '_' and '-' only"}},
        {"missing table", WithLine("[exit]\nback = \"system:COLOR_BTNFACE\"\ntext = \"#000000\"\n", ""),
         {"pack.toml:1:1: the table [exit] is missing"}},
        {"not UTF-8", WithLine("[tree]", "[tr\xE9" "e]"), {"pack.toml:58:4: the file is not UTF-8 text"}},
        {"non-ASCII outside a comment", WithLine("\"headpic\"", "\"t\xC3\xAAte\""),
         {"pack.toml:50:19: the character U+00EA: outside comments a values file is ASCII"}},
        {"non-ASCII in comments, a byte order mark", "\xEF\xBB\xBF# \xE7\x9A\xAE\xE8\x82\xA4\n" + DefaultPack(), {}},
        {"the recipe of a derived pack",
         DefaultPack() + "\n[derive]\nhue = -30\nsaturation = 400\nlightness = [[0, 20], [255, 235]]\n"
                         "resolve_system = true\n",
         {}},
        {"a misspelt recipe", DefaultPack() + "\n[drive]\nhue = 20\n",
         {"pack.toml:63:2: unknown table or key \"drive\"; did you mean \"derive\"?"}},
        {"a recipe that is not a table", "derive = 20\n" + DefaultPack(),
         {"pack.toml:1:10: \"derive\" must be a table ([derive])"}},
        {"a recipe out of range", DefaultPack() + "\n[derive]\nhue = 20\nsaturation = 500\nlightness = [[9, 0]]\n",
         {"pack.toml:65:14: derive.saturation is 500: a saturation is from 0 to 400 percent (100 keeps it)",
          "pack.toml:66:13: derive.lightness: a lightness curve needs two points or more, IN:OUT each"}},
    };
    for (const auto& row : rows) EXPECT_EQ(row.expected, Read(row.text)) << row.what;
}

}  // namespace
