// The resource tree: read back from sections laid out in the test, and every
// way the one-bitmap section below can be broken reported with its offset.
#include "resource_directory.h"

#include <gtest/gtest.h>

#include "test_module.h"

namespace {

using namespace modtest;
using modfile::ResourceId;

// The first error reading the file gives, or "" when it reads.
std::string firstError(const std::vector<std::uint8_t>& file) {
    auto image = modfile::PeImage::parse(modfile::ByteSpan(file.data(), file.size()));
    if (image.isError()) return image.error().message;
    auto resources = modfile::readResources(image.value());
    return resources.isError() ? resources.error().message : "";
}

TEST(ResourceDirectory, ReadsEveryLevelBackAsLaidOut) {
    const std::vector<TestResource> laidOut = {
        {ResourceId::named(u"SKIN"), ResourceId::named(u"ABC"), 0x0409, {9}},
        {ResourceId::numbered(2), ResourceId::named(u"CAPTION_BK"), 0x0409, {1, 2, 3}},
        {ResourceId::numbered(2), ResourceId::named(u"CAPTION_BK"), 0x0804, {4, 5}},
        {ResourceId::numbered(2), ResourceId::numbered(7), 0x0804, {6, 7, 8, 9, 10}},
        {ResourceId::numbered(3), ResourceId::numbered(1), 0x0804, {11}},
        // Empty, and so at the very end of the section.
        {ResourceId::numbered(14), ResourceId::numbered(1), 0x0804, {}},
    };
    const std::vector<std::uint8_t> file = peImage(resourceSection(laidOut));
    auto image = modfile::PeImage::parse(modfile::ByteSpan(file.data(), file.size()));
    ASSERT_FALSE(image.isError()) << image.error().message;
    auto resources = modfile::readResources(image.value());
    ASSERT_FALSE(resources.isError()) << resources.error().message;
    ASSERT_EQ(laidOut.size(), resources.value().size());
    for (std::size_t i = 0; i < laidOut.size(); ++i) {
        SCOPED_TRACE("resource " + std::to_string(i));
        const modfile::Resource& got = resources.value()[i];
        EXPECT_TRUE(laidOut[i].type == got.type);
        EXPECT_TRUE(laidOut[i].name == got.name);
        EXPECT_EQ(laidOut[i].language, got.language);
        EXPECT_EQ(laidOut[i].data, std::vector<std::uint8_t>(got.data.data(), got.data.data() + got.data.size()));
    }
}

TEST(ResourceDirectory, AnImageWithoutResourceDirectoryHasNoResources) {
    const std::vector<std::uint8_t> file = peImage({});
    auto image = modfile::PeImage::parse(modfile::ByteSpan(file.data(), file.size()));
    ASSERT_FALSE(image.isError()) << image.error().message;
    auto resources = modfile::readResources(image.value());
    ASSERT_FALSE(resources.isError()) << resources.error().message;
    EXPECT_EQ(0u, resources.value().size());
}

// The offsets the cases below break are where the one bitmap's parts lie.
TEST(ResourceDirectory, OneBitmapLiesWhereTheCasesExpectIt) {
    const std::vector<std::uint8_t> file = oneBitmapImage();
    ASSERT_EQ(kRsrcRawOffset + one::kSectionSize, file.size());
    auto image = modfile::PeImage::parse(modfile::ByteSpan(file.data(), file.size()));
    ASSERT_FALSE(image.isError()) << image.error().message;
    auto resources = modfile::readResources(image.value());
    ASSERT_FALSE(resources.isError()) << resources.error().message;
    ASSERT_EQ(1u, resources.value().size());
    const modfile::Resource& bitmap = resources.value()[0];
    EXPECT_EQ(u"AB", bitmap.name.name);
    EXPECT_EQ(0x0804, bitmap.language);
    EXPECT_EQ(kRsrcRawOffset + one::kData, image.value().fileOffsetOf(bitmap.data));
    EXPECT_EQ(2, file[kRsrcRawOffset + one::kNameString]) << "the name's length";
    EXPECT_EQ(0x2060u, file[kRsrcRawOffset + one::kDataEntry] | file[kRsrcRawOffset + one::kDataEntry + 1] << 8);
}

struct MalformedTree {
    const char* name;
    std::vector<Poke> pokes;
    const char* message;
};

constexpr std::uint32_t kTree = kRsrcRawOffset;
constexpr std::uint32_t kSubdirectory = 0x80000000u;

const MalformedTree kMalformedTrees[] = {
    {"resource directory outside every section",
     {{kResourceDirectoryOffset, 32, 0x9000}},
     "resource directory: RVA 0x9000 is in no section's file data"},
    {"resource directory past its section",
     {{kResourceDirectoryOffset + 4, 32, 101}},
     "resource directory: RVA 0x2000: 101 bytes run past the file data of section .rsrc, which ends at RVA 0x2064"},
    {"section smaller in memory than in the file",
     {{kRsrcHeaderOffset + 8, 32, 98}},
     "resource directory: RVA 0x2000: 100 bytes run past the file data of section .rsrc, which ends at RVA 0x2062"},
    {"more root entries than the tree holds",
     {{kTree + one::kRootTable + 14, 16, 50}},
     "offset 0x410: type directory: 50 entries run beyond the resource data"},
    {"type leading to data",
     {{kTree + one::kTypeEntry + 4, 32, one::kNameTable}},
     "offset 0x410: type entry: leads to data, not to a directory"},
    {"name table beyond the tree",
     {{kTree + one::kTypeEntry + 4, 32, kSubdirectory | 0x1000}},
     "offset 0x1400: name directory: table beyond the resource data"},
    {"root listing itself",
     {{kTree + one::kTypeEntry + 4, 32, kSubdirectory | one::kRootTable}},
     "offset 0x400: name directory: table reached a second time"},
    {"name leading back to the root",
     {{kTree + one::kNameEntry + 4, 32, kSubdirectory | one::kRootTable}},
     "offset 0x400: language directory: table reached a second time"},
    {"language leading to a table",
     {{kTree + one::kLanguageEntry + 4, 32, kSubdirectory | one::kDataEntry}},
     "offset 0x440: language entry: leads to a fourth level"},
    {"name beyond the tree",
     {{kTree + one::kNameEntry, 32, kSubdirectory | 0x1000}},
     "offset 0x1400: name entry: name beyond the resource data"},
    {"name longer than the tree",
     {{kTree + one::kNameString, 16, 20}},
     "offset 0x448: name entry: name of 20 characters runs beyond the resource data"},
    {"empty name", {{kTree + one::kNameString, 16, 0}}, "offset 0x448: name entry: empty name"},
    {"name among the numbered entries",
     {{kTree + one::kTypeEntry, 32, kSubdirectory | one::kNameString}},
     "offset 0x410: type entry: a name among the numbered entries"},
    {"number among the named entries",
     {{kTree + one::kNameEntry, 32, 5}},
     "offset 0x428: name entry: a number among the named entries"},
    {"named language",
     {{kTree + one::kLanguageTable + 12, 16, 1},
      {kTree + one::kLanguageTable + 14, 16, 0},
      {kTree + one::kLanguageEntry, 32, kSubdirectory | one::kNameString}},
     "offset 0x440: language entry: a name where a language belongs"},
    {"language wider than 16 bits",
     {{kTree + one::kLanguageEntry, 32, 0x10804}},
     "offset 0x440: language entry: number 0x10804 is wider than 16 bits"},
    {"data entry beyond the tree",
     {{kTree + one::kLanguageEntry + 4, 32, 0x1000}},
     "offset 0x1400: data entry: beyond the resource data"},
    {"data outside every section",
     {{kTree + one::kDataEntry, 32, 0x9000}},
     "offset 0x450: data entry: RVA 0x9000 is in no section's file data"},
    {"data past its section",
     {{kTree + one::kDataEntry + 4, 32, 5}},
     "offset 0x450: data entry: RVA 0x2060: 5 bytes run past the file data of section .rsrc, which ends at RVA 0x2064"},
    {"data size wrapping",
     {{kTree + one::kDataEntry + 4, 32, 0xFFFFFFFF}},
     "offset 0x450: data entry: RVA 0x2060: 4294967295 bytes run past the file data of section .rsrc, which ends at "
     "RVA 0x2064"},
};

TEST(ResourceDirectory, MalformedTreesAreNamedWithTheirOffset) {
    for (const MalformedTree& c : kMalformedTrees) {
        SCOPED_TRACE(c.name);
        std::vector<std::uint8_t> file = oneBitmapImage();
        poke(file, c.pokes);
        EXPECT_EQ(c.message, firstError(file));
    }
}

// A table shared by two entries would list its resources twice, and tables
// shared level after level would multiply them beyond any bound.
TEST(ResourceDirectory, ATableSharedByTwoEntriesIsAnError) {
    std::vector<std::uint8_t> file = peImage(resourceSection({
        {ResourceId::numbered(2), ResourceId::named(u"AB"), 0x0804, {1}},
        {ResourceId::numbered(3), ResourceId::numbered(1), 0x0804, {2}},
    }));
    // The root's second entry, made to lead to the first type's table right after the root.
    const std::uint32_t rootSize = 16 + 2 * 8;
    poke(file, {{kRsrcRawOffset + 16 + 8 + 4, 32, kSubdirectory | rootSize}});
    EXPECT_EQ("offset 0x420: name directory: table reached a second time", firstError(file));
}

// Each prefix is copied into a buffer of its own size, so that a read past
// its end is one the sanitizers see.
TEST(ResourceDirectory, EveryShorterFileIsAnError) {
    const std::vector<std::uint8_t> file = oneBitmapImage();
    for (std::size_t length = 0; length < file.size(); ++length) {
        const std::vector<std::uint8_t> prefix(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(length));
        EXPECT_NE("", firstError(prefix)) << "cut to " << length << " bytes";
    }
}

// The data itself is found by RVA and may lie past the directory's end; the
// tables, the name and the data entry may not.
TEST(ResourceDirectory, ADirectoryCutShortIsAnErrorUntilItHoldsTheDataEntry) {
    for (std::uint32_t size = 0; size <= one::kSectionSize; ++size) {
        std::vector<std::uint8_t> file = oneBitmapImage();
        poke(file, {{kResourceDirectoryOffset + 4, 32, size}});
        const std::string error = firstError(file);
        EXPECT_EQ(size < one::kData, !error.empty()) << "directory of " << size << " bytes: \"" << error << "\"";
    }
}

}  // namespace
