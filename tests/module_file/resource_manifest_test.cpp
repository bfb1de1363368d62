// The manifest's text, its hash, and how two manifests are compared.
#include "resource_manifest.h"

#include <gtest/gtest.h>

#include <cstring>

#include "content_hash.h"

namespace {

using modfile::ResourceId;

modfile::ByteSpan text(const char* s) {
    return modfile::ByteSpan(reinterpret_cast<const std::uint8_t*>(s), std::strlen(s));
}

TEST(ResourceManifest, HashIsFnv1a64) {
    // Values from the reference implementation's test suite.
    EXPECT_EQ(0xcbf29ce484222325u, modfile::fnv1a64(text("")));
    EXPECT_EQ(0xaf63dc4c8601ec8cu, modfile::fnv1a64(text("a")));
    EXPECT_EQ(0x85944171f73967e8u, modfile::fnv1a64(text("foobar")));
}

TEST(ResourceManifest, LinesAreSortedAndNamesEscaped) {
    auto resource = [](ResourceId type, ResourceId name, std::uint16_t language, const char* data) {
        modfile::Resource r;
        r.type = std::move(type);
        r.name = std::move(name);
        r.language = language;
        r.data = text(data);
        return r;
    };
    const std::vector<modfile::Resource> resources = {
        resource(ResourceId::numbered(3), ResourceId::numbered(1), 0x0804, "foobar"),
        resource(ResourceId::numbered(2), ResourceId::named(u"CAPTION_BK"), 0x0804, "a"),
        resource(ResourceId::numbered(2), ResourceId::numbered(7), 0x0409, ""),
        resource(ResourceId::named(u"MY TYPE"), ResourceId::named(u"#1\\\u00E9"), 0x0009, "a"),
        resource(ResourceId::numbered(2), ResourceId::named(u"CAPTION_BK"), 0x0409, ""),
    };
    EXPECT_EQ(
        "MY\\u0020TYPE \\u00231\\u005C\\u00E9 0x0009 1 af63dc4c8601ec8c\n"
        "#2 CAPTION_BK 0x0409 0 cbf29ce484222325\n"
        "#2 CAPTION_BK 0x0804 1 af63dc4c8601ec8c\n"
        "#2 #7 0x0409 0 cbf29ce484222325\n"
        "#3 #1 0x0804 6 85944171f73967e8\n",
        modfile::formatManifest(resources));
}

struct Comparison {
    const char* name;
    const char* expected;
    const char* actual;
    std::vector<std::string> differences;
};

const char* const kTwo = "#2 A 0x0804 4 0000000000000001\n#3 #1 0x0804 8 0000000000000002\n";

const Comparison kComparisons[] = {
    {"the same", kTwo, kTwo, {}},
    {"blank lines aside", kTwo, "\n#2 A 0x0804 4 0000000000000001\n\n#3 #1 0x0804 8 0000000000000002", {}},
    {"changed bytes",
     kTwo,
     "#2 A 0x0804 4 00000000000000ff\n#3 #1 0x0804 8 0000000000000002\n",
     {"changed: #2 A 0x0804: expected 4 bytes, hash 0000000000000001, got 4 bytes, hash 00000000000000ff"}},
    {"changed size",
     kTwo,
     "#2 A 0x0804 5 0000000000000001\n#3 #1 0x0804 8 0000000000000002\n",
     {"changed: #2 A 0x0804: expected 4 bytes, hash 0000000000000001, got 5 bytes, hash 0000000000000001"}},
    {"missing and extra",
     kTwo,
     "#2 A 0x0409 4 0000000000000001\n#3 #1 0x0804 8 0000000000000002\n",
     {"missing: #2 A 0x0804 (4 bytes, hash 0000000000000001)", "extra: #2 A 0x0409 (4 bytes, hash 0000000000000001)"}},
    {"not a manifest line",
     "#2 A 0x0804 4\n",
     "",
     {"expected manifest, line 1: not \"<type> <name> <language> <size> <hash>\": #2 A 0x0804 4"}},
    {"a field too many",
     kTwo,
     "#2 A 0x0804 4 0000000000000001 x\n#3 #1 0x0804 8 0000000000000002\n",
     {"actual manifest, line 1: not \"<type> <name> <language> <size> <hash>\": #2 A 0x0804 4 0000000000000001 x",
      "missing: #2 A 0x0804 (4 bytes, hash 0000000000000001)"}},
    {"listed twice",
     kTwo,
     "#2 A 0x0804 4 0000000000000001\n#2 A 0x0804 4 0000000000000003\n#3 #1 0x0804 8 0000000000000002\n",
     {"actual manifest, line 2: #2 A 0x0804 listed twice"}},
};

TEST(ResourceManifest, ComparisonNamesEachDifferingResource) {
    for (const Comparison& c : kComparisons) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.differences, modfile::compareManifests(c.expected, c.actual));
    }
}

}  // namespace
