// Parsing compiled resource files, malformed ones included.
#include "res_format.h"

#include <gtest/gtest.h>

#include "byte_builder.h"

namespace {

using plattest::Bytes;
using plattest::ResEntry;
using plattest::ResStart;
using win32::ResName;

std::vector<std::uint8_t> TwoEntries() {
    Bytes file = ResStart();
    file.Append(ResEntry(2, "FRAME_TOP", 0x0804, {1, 2, 3}).data());
    file.Append(ResEntry(14, "#5", 0x0409, {9, 9, 9, 9, 9}).data());
    return file.data();
}

TEST(ResFormat, ReadsEveryEntryAndSkipsTheEmptyOne) {
    const std::vector<std::uint8_t> file = TwoEntries();
    std::vector<win32::ResEntry> entries;
    ASSERT_TRUE(win32::ParseResFile(file.data(), file.size(), &entries));
    ASSERT_EQ(2u, entries.size());
    EXPECT_TRUE(entries[0].type.isId);
    EXPECT_EQ(2, entries[0].type.id);
    EXPECT_FALSE(entries[0].name.isId);
    EXPECT_EQ(u"FRAME_TOP", entries[0].name.text);
    EXPECT_EQ(0x0804, entries[0].language);
    ASSERT_EQ(3u, entries[0].dataSize);
    EXPECT_EQ(1, file[entries[0].dataOffset]);
    EXPECT_EQ(3, file[entries[0].dataOffset + 2]);
    EXPECT_TRUE(entries[1].name.isId);
    EXPECT_EQ(5, entries[1].name.id);
    EXPECT_EQ(0x0409, entries[1].language);
    EXPECT_EQ(5u, entries[1].dataSize);
}

TEST(ResFormat, NamesCompareLikeTheRealLoader) {
    struct Case {
        const char* argument;
        const char* stored;  // "#n" for a number
        bool matches;
    };
    const Case cases[] = {
        {"TREE_ROOT", "TREE_ROOT", true}, {"tree_root", "TREE_ROOT", true}, {"TREE_ROO", "TREE_ROOT", false},
        {"#12", "#12", true},             {"#12", "#13", false},            {"12", "#12", false},
        {"#1x", "#1X", true},  // not a number: a name
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.argument) + " vs " + c.stored);
        const ResName argument = ResName::FromArgument(c.argument);
        ResName stored;
        if (c.stored[0] == '#' && std::string(c.stored).find_first_not_of("0123456789", 1) == std::string::npos) {
            stored.id = static_cast<WORD>(std::stoi(c.stored + 1));
        } else {
            stored.isId = false;
            for (const char* p = c.stored; *p; ++p) stored.text.push_back(static_cast<char16_t>(*p));
        }
        EXPECT_EQ(c.matches, argument.Matches(stored));
    }
    EXPECT_TRUE(ResName::FromArgument(MAKEINTRESOURCEA(14)).Matches(ResName::FromArgument("#14")));
}

struct Malformed {
    const char* name;
    std::vector<std::uint8_t> bytes;
};

std::vector<Malformed> MalformedFiles() {
    const std::vector<std::uint8_t> good = TwoEntries();
    std::vector<Malformed> cases;
    auto patched = [&](std::size_t offset, std::uint32_t value) {
        std::vector<std::uint8_t> bytes = good;
        for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
        return bytes;
    };
    const std::size_t second = 32;  // the first real entry follows the empty one
    cases.push_back({"data size beyond the end", patched(second, 0x10000)});
    cases.push_back({"data size wrapping around", patched(second, 0xFFFFFFF0u)});
    cases.push_back({"header size beyond the end", patched(second + 4, 0x10000)});
    cases.push_back({"header size too small", patched(second + 4, 16)});
    cases.push_back({"header size not aligned", patched(second + 4, 42)});
    cases.push_back({"cut inside an entry", std::vector<std::uint8_t>(good.begin(), good.begin() + second + 20)});
    cases.push_back({"cut inside the last data", std::vector<std::uint8_t>(good.begin(), good.end() - 6)});
    std::vector<std::uint8_t> trailing = good;
    trailing.insert(trailing.end(), {1, 2, 3});
    cases.push_back({"stray bytes after the last entry", trailing});
    Bytes unterminated;
    unterminated.U32(0).U32(32).U16(0xFFFF).U16(2);
    for (int i = 0; i < 12; ++i) unterminated.U16('A');
    cases.push_back({"name without its end", unterminated.data()});
    Bytes noTail;
    noTail.U32(0).U32(36).U16(0xFFFF).U16(2).Utf16("ABCDEFGHIJK");
    cases.push_back({"no room for the fixed part", noTail.Fill(36 - noTail.size(), 0).data()});
    return cases;
}

TEST(ResFormat, MalformedFilesHaveNoResources) {
    for (const Malformed& c : MalformedFiles()) {
        SCOPED_TRACE(c.name);
        std::vector<win32::ResEntry> entries(1);
        EXPECT_FALSE(win32::ParseResFile(c.bytes.data(), c.bytes.size(), &entries));
        EXPECT_TRUE(entries.empty()) << "nothing of a damaged file is used";
    }
}

TEST(ResFormat, PaddingAfterTheLastEntryIsAccepted) {
    std::vector<std::uint8_t> file = TwoEntries();
    file.insert(file.end(), {0, 0});
    std::vector<win32::ResEntry> entries;
    EXPECT_TRUE(win32::ParseResFile(file.data(), file.size(), &entries));
    EXPECT_EQ(2u, entries.size());
}

}  // namespace
