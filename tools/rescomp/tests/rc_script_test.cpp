#include <gtest/gtest.h>

#include "compile_error.h"
#include "rc_script.h"

namespace {

using rescomp::ScriptEntry;

TEST(RcScript, ReadsLanguageBitmapsIconsAndComments) {
    const char* script =
        "// skin pictures\n"
        "LANGUAGE 0x04, 0x02\n"
        "\n"
        "/* two\n   lines */ Caption_Bk BITMAP \"CAPTION_BK.bmp\"  // trailing\n"
        "TREE_ROOT ICON \"sub/TREE_ROOT.ico\"\n"
        "language 9, 1\n"
        "LATE bitmap \"late.bmp\"\n";
    const auto entries = rescomp::parseScript(script, "skin.rc");
    ASSERT_EQ(3u, entries.size());

    EXPECT_EQ(ScriptEntry::Kind::Bitmap, entries[0].kind);
    EXPECT_EQ("CAPTION_BK", entries[0].name) << "names are stored in upper case";
    EXPECT_EQ("CAPTION_BK.bmp", entries[0].file);
    EXPECT_EQ(0x0804, entries[0].language);
    EXPECT_EQ(5, entries[0].line) << "the line where the name stands, after a two-line comment";

    EXPECT_EQ(ScriptEntry::Kind::Icon, entries[1].kind);
    EXPECT_EQ("TREE_ROOT", entries[1].name);
    EXPECT_EQ("sub/TREE_ROOT.ico", entries[1].file);
    EXPECT_EQ(6, entries[1].line);

    EXPECT_EQ(0x0409, entries[2].language) << "a later LANGUAGE applies to what follows it";
    EXPECT_EQ(8, entries[2].line);
}

TEST(RcScript, ResourcesBeforeAnyLanguageGetTheDefault) {
    const auto entries = rescomp::parseScript("A BITMAP \"a.bmp\"\n", "s.rc");
    ASSERT_EQ(1u, entries.size());
    EXPECT_EQ(rescomp::kDefaultLanguage, entries[0].language);
}

TEST(RcScript, EmptyScriptHasNoEntries) {
    EXPECT_TRUE(rescomp::parseScript("  // nothing\n\n", "s.rc").empty());
}

struct BadScript {
    const char* name;
    const char* text;
    const char* message;  // the whole error text
};

class RcScriptRejects : public testing::TestWithParam<BadScript> {};

TEST_P(RcScriptRejects, WithFileAndLine) {
    const BadScript& row = GetParam();
    try {
        rescomp::parseScript(row.text, "t.rc");
        ADD_FAILURE() << "expected the error \"" << row.message << "\", the script was accepted";
    } catch (const rescomp::CompileError& e) {
        EXPECT_EQ(std::string(row.message), e.what());
    }
}

const BadScript kBadScripts[] = {
    {"OtherResourceType", "LANGUAGE 4, 2\nMAIN DIALOG \"x\"\n", "t.rc:2: unsupported resource type DIALOG"},
    {"StringTable", "STRINGTABLE\n", "t.rc:2: expected a resource type after STRINGTABLE, found end of file"},
    {"NumberedName", "101 BITMAP \"a.bmp\"\n", "t.rc:1: numbered resources are not supported, name it: 101"},
    {"NameUsedTwice", "A BITMAP \"a.bmp\"\nB ICON \"b.ico\"\na ICON \"c.ico\"\n",
     "t.rc:3: resource name A is used twice"},
    {"MemoryOption", "A BITMAP DISCARDABLE \"a.bmp\"\n",
     "t.rc:1: expected a quoted file name, found 'DISCARDABLE'"},
    {"MissingFile", "A BITMAP\nB BITMAP \"b.bmp\"\n", "t.rc:2: expected a quoted file name, found 'B'"},
    {"EmptyFile", "A BITMAP \"\"\n", "t.rc:1: empty file name"},
    {"StringNotClosed", "\nA BITMAP \"a.bmp\n", "t.rc:2: string is not closed"},
    {"EscapeInString", "A BITMAP \"res\\\\a.bmp\"\n", "t.rc:1: escape sequences in strings are not supported"},
    {"CommentNotClosed", "A BITMAP \"a.bmp\"\n/* open\n\n", "t.rc:2: comment is not closed"},
    {"Include", "#include \"x.h\"\n", "t.rc:1: preprocessor directives are not supported"},
    {"Braces", "A BITMAP \"a.bmp\" {\n", "t.rc:1: unexpected character '{'"},
    {"LanguageWithoutComma", "LANGUAGE 4 2\n", "t.rc:1: expected ',' between the languages, found '2'"},
    {"LanguageNotANumber", "LANGUAGE LANG_CHINESE, 2\n",
     "t.rc:1: expected primary language, found 'LANG_CHINESE'"},
    {"PrimaryOutOfRange", "LANGUAGE 0x400, 2\n", "t.rc:1: primary language 0x400 is out of range"},
    {"SubOutOfRange", "LANGUAGE 4, 64\n", "t.rc:1: sublanguage 64 is out of range"},
    {"HugeNumber", "LANGUAGE 99999999999999999999, 1\n",
     "t.rc:1: primary language 99999999999999999999 is out of range"},
    {"TruncatedLanguage", "LANGUAGE 4,", "t.rc:1: expected sublanguage, found end of file"},
};

INSTANTIATE_TEST_SUITE_P(Cases, RcScriptRejects, testing::ValuesIn(kBadScripts),
                         [](const testing::TestParamInfo<BadScript>& info) { return info.param.name; });

}  // namespace
