// The resource section writer, through the reader: what it writes reads back
// as given, sorted as the loader searches, and what it cannot write is named.
#include "resource_writer.h"

#include <gtest/gtest.h>

#include "resource_manifest.h"
#include "test_module.h"

namespace {

using namespace modtest;
using modfile::ResourceId;

// The resources behind `owned`, the i-th with code page 1200 + i.
std::vector<modfile::Resource> resourcesOf(const std::vector<TestResource>& owned) {
    std::vector<modfile::Resource> resources;
    for (const TestResource& t : owned)
        resources.push_back({t.type, t.name, t.language, static_cast<std::uint32_t>(1200 + resources.size()),
                             modfile::ByteSpan(t.data.data(), t.data.size())});
    return resources;
}

struct RoundTrip {
    const char* name;
    std::vector<TestResource> resources;  // in the order the tree lists them
};

const RoundTrip kRoundTrips[] = {
    {"none", {}},
    {"one numbered", {{ResourceId::numbered(2), ResourceId::numbered(7), 0x0804, {1, 2, 3, 4}}}},
    {"named types and names, odd lengths",
     {{ResourceId::named(u"SKIN"), ResourceId::named(u"A"), 0x0409, {9}},
      {ResourceId::named(u"SKIN"), ResourceId::named(u"BC"), 0x0409, {1, 2, 3}},
      {ResourceId::named(u"SKIN"), ResourceId::numbered(1), 0x0409, {4, 5, 6, 7, 8, 9, 10}},
      {ResourceId::numbered(2), ResourceId::named(u"CAPTION_BK"), 0x0409, {}},
      {ResourceId::numbered(2), ResourceId::named(u"CAPTION_BK"), 0x0804, {11}}}},
    {"several languages",
     {{ResourceId::numbered(3), ResourceId::numbered(1), 0x0000, {1}},
      {ResourceId::numbered(3), ResourceId::numbered(1), 0x0409, {2, 3}},
      {ResourceId::numbered(3), ResourceId::numbered(1), 0x0804, {4, 5, 6}},
      {ResourceId::numbered(14), ResourceId::numbered(1), 0xFFFF, {7}}}},
};

TEST(ResourceWriter, WhatItWritesReadsBackWithEachResource8Aligned) {
    for (const RoundTrip& c : kRoundTrips) {
        SCOPED_TRACE(c.name);
        const std::vector<modfile::Resource> given = resourcesOf(c.resources);
        auto section = modfile::writeResourceSection(given, kRsrcRva);
        ASSERT_FALSE(section.isError()) << section.error().message;
        const std::vector<std::uint8_t> file = peImage(section.value());
        auto image = modfile::PeImage::parse(modfile::ByteSpan(file.data(), file.size()));
        ASSERT_FALSE(image.isError()) << image.error().message;
        auto read = modfile::readResources(image.value());
        ASSERT_FALSE(read.isError()) << read.error().message;
        ASSERT_EQ(given.size(), read.value().size());
        for (std::size_t i = 0; i < given.size(); ++i) {
            const modfile::Resource& got = read.value()[i];
            SCOPED_TRACE("resource " + std::to_string(i));
            EXPECT_TRUE(given[i].type == got.type && given[i].name == got.name);
            EXPECT_EQ(given[i].language, got.language);
            EXPECT_EQ(given[i].codePage, got.codePage);
            EXPECT_EQ(c.resources[i].data,
                      std::vector<std::uint8_t>(got.data.data(), got.data.data() + got.data.size()));
            EXPECT_EQ(0u, (image.value().fileOffsetOf(got.data) - kRsrcRawOffset) % 8);
        }
    }
}

// Upper-casing puts 'z' before '_', where lower-casing would put it after.
TEST(ResourceWriter, EntriesAreSortedAsTheLoaderSearchesThem) {
    const std::vector<ResourceId> ordered = {ResourceId::named(u"ALPHA"), ResourceId::named(u"alphabet"),
                                             ResourceId::named(u"az"),    ResourceId::named(u"A_"),
                                             ResourceId::numbered(2),     ResourceId::numbered(300)};
    std::vector<TestResource> owned;
    for (auto type = ordered.rbegin(); type != ordered.rend(); ++type)
        for (auto name = ordered.rbegin(); name != ordered.rend(); ++name)
            for (std::uint16_t language : {0x0804, 0x0409}) owned.push_back({*type, *name, language, {}});
    std::string expected;
    for (const ResourceId& type : ordered)
        for (const ResourceId& name : ordered)
            for (const char* language : {"0x409", "0x804"})
                expected += modfile::idText(type) + " " + modfile::idText(name) + " " + language + "\n";

    auto section = modfile::writeResourceSection(resourcesOf(owned), kRsrcRva);
    ASSERT_FALSE(section.isError()) << section.error().message;
    const std::vector<std::uint8_t> file = peImage(section.value());
    auto read = modfile::readResources(modfile::PeImage::parse(modfile::ByteSpan(file.data(), file.size())).value());
    ASSERT_FALSE(read.isError()) << read.error().message;
    std::string actual;
    for (const modfile::Resource& r : read.value())
        actual += modfile::idText(r.type) + " " + modfile::idText(r.name) + " " + modfile::hex(r.language) + "\n";
    EXPECT_EQ(expected, actual);
}

struct Unwritable {
    const char* name;
    std::vector<TestResource> resources;
    std::uint32_t rva;
    const char* message;
};

TEST(ResourceWriter, WhatCannotBeWrittenIsNamed) {
    const std::vector<std::uint8_t> big(0x200, 1);
    std::vector<TestResource> everyLanguage;
    for (std::uint32_t language = 0; language <= 0xFFFF; ++language)
        everyLanguage.push_back({ResourceId::numbered(2), ResourceId::numbered(1), std::uint16_t(language), {}});
    const Unwritable cases[] = {
        {"listed twice",
         {{ResourceId::numbered(2), ResourceId::named(u"A"), 9, {}},
          {ResourceId::numbered(2), ResourceId::named(u"A"), 9, {1}}},
         kRsrcRva,
         "resource #2 A 0x9: listed twice"},
        {"types differing in case",
         {{ResourceId::named(u"Skin"), ResourceId::numbered(1), 9, {}},
          {ResourceId::named(u"SKIN"), ResourceId::numbered(2), 9, {}}},
         kRsrcRva,
         "resource types Skin and SKIN differ only in case"},
        {"names differing in case",
         {{ResourceId::numbered(2), ResourceId::named(u"ab"), 9, {}},
          {ResourceId::numbered(2), ResourceId::named(u"AB"), 7, {}}},
         kRsrcRva,
         "resource names AB and ab differ only in case"},
        {"a name too long",
         {{ResourceId::numbered(2), ResourceId::named(std::u16string(0x10000, u'A')), 9, {}}},
         kRsrcRva,
         "a name of more than 65535 characters"},
        {"more languages than a table counts", everyLanguage, kRsrcRva, "resource name #1: more than 65535 languages"},
        {"past the address space",
         {{ResourceId::numbered(2), ResourceId::numbered(1), 9, big}},
         0xFFFFFF00u,
         "resource section of 600 bytes at RVA 0xffffff00 does not fit in the address space"},
    };
    for (const Unwritable& c : cases) {
        SCOPED_TRACE(c.name);
        auto section = modfile::writeResourceSection(resourcesOf(c.resources), c.rva);
        ASSERT_TRUE(section.isError());
        EXPECT_NE(std::string::npos, section.error().message.find(c.message)) << section.error().message;
    }
}

}  // namespace
