#include <gtest/gtest.h>

#include "compile_error.h"
#include "note_source.h"

namespace {

TEST(NoteSource, NamesTheSectionHeaderAndFile) {
    const std::string s = rescomp::noteSource("/b/skin.res", 1234, "skin.rc");
    const char* expectedLines[] = {
        "\".pushsection .note.winrsrc,\\\"a\\\",@note\\n\"",
        "\"\\t.long 8\\n\"",
        "\"\\t.long 1234\\n\"",
        "\"\\t.long 0x52535243\\n\"",
        "\"\\t.asciz \\\"WinRsrc\\\"\\n\"",
        "\"1:\\t.incbin \\\"/b/skin.res\\\"\\n\"",
        "\"2:\\t.balign 4\\n\"",
        "\"\\t.if 2b - 1b - 1234\\n\"",
    };
    for (const char* line : expectedLines)
        EXPECT_NE(std::string::npos, s.find(line)) << "missing " << line << " in:\n" << s;
}

TEST(NoteSource, RefusesPathsThatNeedEscaping) {
    for (const char* path : {"/b/a\"b.res", "/b\\c.res", "/b/\n.res"}) {
        SCOPED_TRACE(path);
        EXPECT_THROW(rescomp::noteSource(path, 4, "s.rc"), rescomp::CompileError);
    }
}

}  // namespace
