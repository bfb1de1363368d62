// The resource compiler against the platform's own (GNU windres): the same
// script must give the same .res file, byte for byte.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "test_pictures.h"

namespace {

namespace fs = std::filesystem;
using rescomp_test::Bytes;

Bytes readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void writeFile(const fs::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

int run(const std::string& command) {
    return std::system(command.c_str());
}

void expectSameAsWindres(const fs::path& script, const fs::path& work) {
    fs::create_directories(work);
    const fs::path ours = work / "rescomp.res";
    const fs::path theirs = work / "windres.res";
    fs::remove(ours);
    fs::remove(theirs);
    ASSERT_EQ(0, run(std::string(WINDRES_EXE) + " -i '" + script.string() + "' -O res -o '" +
                     theirs.string() + "'"));
    ASSERT_EQ(0, run(std::string(RESCOMP_EXE) + " '" + script.string() + "' '" + ours.string() + "'"));
    const Bytes a = readFile(theirs);
    const Bytes b = readFile(ours);
    ASSERT_FALSE(a.empty());
    ASSERT_EQ(a.size(), b.size()) << "windres wrote " << a.size() << " bytes, rescomp " << b.size();
    const auto diff = std::mismatch(a.begin(), a.end(), b.begin());
    EXPECT_TRUE(diff.first == a.end()) << "first difference at byte " << (diff.first - a.begin())
                                       << ": windres " << int(*diff.first) << ", rescomp " << int(*diff.second);
}

TEST(MatchesWindres, SkinScript) {
    expectSameAsWindres(SKIN_RC, fs::path(WORK_DIR) / "skin");
}

// Names that sort differently by character code than alphabetically, names
// written in lower case, two languages, every depth, and icon directories
// that leave planes and depth to be worked out.
TEST(MatchesWindres, OrderingDepthsAndMissingDirectoryFields) {
    const fs::path work = fs::path(WORK_DIR) / "mixed";
    fs::create_directories(work);
    writeFile(work / "one.bmp", rescomp_test::makeBitmap(46, 36, 1, 2));
    writeFile(work / "eight.bmp", rescomp_test::makeBitmap(114, 21, 8, 61));
    writeFile(work / "true.bmp", rescomp_test::makeBitmap(5, 3, 24, 0));
    writeFile(work / "group.ico", rescomp_test::makeIcon({{16, 16, 4}, {48, 48, 8}, {32, 32, 24}, {32, 32, 1}}));
    Bytes bare = rescomp_test::makeIcon({{16, 16, 4}, {16, 16, 1}, {20, 20, 8}});
    for (unsigned i = 0; i < 3; ++i) {
        rescomp_test::put<std::uint32_t>(bare, rescomp_test::iconEntryAt(i) + 4, 0);  // planes and depth
    }
    writeFile(work / "bare.ico", bare);
    std::ofstream(work / "mixed.rc") << "// mixed\n"
                                        "B_2 BITMAP \"true.bmp\"\n"
                                        "LANGUAGE 0x04, 0x02\n"
                                        "BZ BITMAP \"eight.bmp\"\n"
                                        "b1 BITMAP \"one.bmp\"\n"
                                        "B ICON \"group.ico\"\n"
                                        "LANGUAGE 9, 1\n"
                                        "Z_BARE ICON \"bare.ico\"\n"
                                        "ZBARE ICON \"group.ico\"\n";
    expectSameAsWindres(work / "mixed.rc", work);
}

}  // namespace
