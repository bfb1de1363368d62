#include <gtest/gtest.h>

#include <map>

#include "compile_error.h"
#include "compile_script.h"
#include "test_pictures.h"

namespace {

using namespace rescomp_test;
using rescomp::Resource;

rescomp::FileReader filesFrom(std::map<std::string, Bytes> files) {
    return [files = std::move(files)](const std::string& name) {
        const auto it = files.find(name);
        if (it == files.end()) throw rescomp::CompileError("cannot open " + name);
        return it->second;
    };
}

std::vector<Resource> compile(const char* script, std::map<std::string, Bytes> files) {
    return rescomp::compileScript(rescomp::parseScript(script, "s.rc"), "s.rc", filesFrom(std::move(files)));
}

TEST(CompileScript, IconImagesAreNumberedAcrossGroupsInScriptOrder) {
    const auto out = compile("LANGUAGE 4,2\nFIRST ICON \"a.ico\"\nPIC BITMAP \"p.bmp\"\nSECOND ICON \"b.ico\"\n",
                             {{"a.ico", makeIcon({{32, 32, 8}, {16, 16, 4}})},
                              {"b.ico", makeIcon({{24, 24, 24}})},
                              {"p.bmp", makeBitmap(3, 3, 24, 0)}});
    ASSERT_EQ(6u, out.size());
    struct Row { std::uint16_t type; std::string name; std::uint16_t number; std::uint16_t flags; };
    const Row expected[] = {{3, "", 1, 0x1010}, {3, "", 2, 0x1010}, {14, "FIRST", 0, 0x1010},
                            {2, "PIC", 0, 0x1030}, {3, "", 3, 0x1010}, {14, "SECOND", 0, 0x1010}};
    for (std::size_t i = 0; i < out.size(); ++i) {
        SCOPED_TRACE("resource " + std::to_string(i));
        EXPECT_EQ(expected[i].type, out[i].type.number);
        EXPECT_EQ(expected[i].name, out[i].name.name);
        EXPECT_EQ(expected[i].number, out[i].name.number);
        EXPECT_EQ(expected[i].flags, out[i].memoryFlags);
        EXPECT_EQ(0x0804, out[i].language);
    }
}

TEST(CompileScript, GroupDirectoryNamesEachImageByNumber) {
    const Bytes ico = makeIcon({{32, 32, 8}, {16, 16, 4}});
    const auto out = compile("G ICON \"a.ico\"\n", {{"a.ico", ico}});
    ASSERT_EQ(3u, out.size());
    const Bytes& group = out[2].data;
    ASSERT_EQ(6u + 2 * 14, group.size());
    EXPECT_EQ((Bytes{0, 0, 1, 0, 2, 0}), Bytes(group.begin(), group.begin() + 6));
    for (unsigned i = 0; i < 2; ++i) {
        SCOPED_TRACE("entry " + std::to_string(i));
        const auto fileEntry = get<dib::IconDirEntry>(ico, iconEntryAt(i));
        const auto g = get<dib::GroupIconEntry>(group, 6 + 14 * i);
        EXPECT_EQ(fileEntry.width, g.width);
        EXPECT_EQ(fileEntry.height, g.height);
        EXPECT_EQ(fileEntry.colorCount, g.colorCount);
        EXPECT_EQ(1, g.planes);
        EXPECT_EQ(fileEntry.bitCount, g.bitCount);
        EXPECT_EQ(fileEntry.bytesInRes, g.bytesInRes);
        EXPECT_EQ(i + 1, g.id);
        EXPECT_EQ(fileEntry.bytesInRes, out[i].data.size());
    }
}

TEST(CompileScript, MissingPlanesAndDepthInTheFileAreFilledIn) {
    Bytes ico = makeIcon({{16, 16, 4}, {16, 16, 1}, {16, 16, 8}});
    for (unsigned i = 0; i < 3; ++i) {
        put<std::uint16_t>(ico, iconEntryAt(i) + 4, 0);  // planes
        put<std::uint16_t>(ico, iconEntryAt(i) + 6, 0);  // bit count
    }
    const auto out = compile("G ICON \"a.ico\"\n", {{"a.ico", ico}});
    ASSERT_EQ(4u, out.size());
    const int expectedBits[] = {4, 1, 0};  // from the colour counts 16, 2 and 0
    for (unsigned i = 0; i < 3; ++i) {
        SCOPED_TRACE("entry " + std::to_string(i));
        const auto g = get<dib::GroupIconEntry>(out[3].data, 6 + 14 * i);
        EXPECT_EQ(1, g.planes);
        EXPECT_EQ(expectedBits[i], g.bitCount);
    }
}

TEST(CompileScript, ErrorsNameTheScriptLine) {
    try {
        compile("A BITMAP \"a.bmp\"\nB BITMAP \"b.ico\"\n",
                {{"a.bmp", makeBitmap(2, 2, 24, 0)}, {"b.ico", makeIcon({{16, 16, 8}})}});
        ADD_FAILURE() << "an icon file was accepted as a bitmap";
    } catch (const rescomp::CompileError& e) {
        EXPECT_EQ(std::string("s.rc:2: b.ico: is an icon file, not a bitmap"), e.what());
    }
    try {
        compile("A ICON \"gone.ico\"\n", {});
        ADD_FAILURE() << "a missing file was accepted";
    } catch (const rescomp::CompileError& e) {
        EXPECT_EQ(std::string("s.rc:1: cannot open gone.ico"), e.what());
    }
}

}  // namespace
