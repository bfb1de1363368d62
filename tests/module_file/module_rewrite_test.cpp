// The module rewrite. A module given its own contents again keeps every byte
// but its resource section's layout and its checksum, and a second time every
// byte; other contents land where the loader looks for them, with the
// sections after the resources moved and all that points at them; what the
// rewrite cannot do is named. The release DLL too, where the environment
// variable SKIN_RELEASE_MODULE names it.
#include "module_rewrite.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>

#include "export_name.h"
#include "pe_checksum.h"
#include "resource_manifest.h"
#include "test_module.h"

namespace {

using namespace modtest;
using modfile::ByteSpan;
using modfile::ResourceId;

ByteSpan span(const std::vector<std::uint8_t>& bytes) { return ByteSpan(bytes.data(), bytes.size()); }

std::vector<std::uint8_t> bytesOf(ByteSpan span) { return {span.data(), span.data() + span.size()}; }

std::vector<std::uint8_t> pattern(std::size_t size, std::uint8_t seed) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(seed + i * 7);
    return bytes;
}

std::vector<TestResource> bitmaps(std::size_t size) {
    return {{ResourceId::numbered(2), ResourceId::named(u"CAPTION_BK"), 0x0804, pattern(size, 1)},
            {ResourceId::numbered(14), ResourceId::numbered(1), 0x0804, pattern(size / 3 + 1, 2)}};
}

ModuleParts skinParts(std::size_t resourceBytes) {
    ModuleParts parts;
    parts.code = pattern(0x180, 0x90);
    parts.values = pattern(348, 0x30);
    parts.exportName = "skinpak1.dll";
    parts.resources = bitmaps(resourceBytes);
    return parts;
}

std::vector<modfile::Resource> resourcesOf(const std::vector<TestResource>& owned) {
    std::vector<modfile::Resource> resources;
    for (const TestResource& t : owned)
        resources.push_back({t.type, t.name, t.language, 0, ByteSpan(t.data.data(), t.data.size())});
    return resources;
}

const modfile::Section* sectionNamed(const modfile::PeImage& image, const std::string& name) {
    for (const modfile::Section& s : image.sections())
        if (s.name == name) return &s;
    return nullptr;
}

// Rewritten with its own contents, a module may differ only in its resource
// section's bytes, its checksum and the sizes of the section, the directory
// and the initialised data, and may grow only where the resource section
// ends the file; rewritten again, in nothing.
void expectOwnContentsKeepTheModule(const std::vector<std::uint8_t>& module) {
    auto parsed = modfile::PeImage::parse(span(module));
    ASSERT_FALSE(parsed.isError()) << parsed.error().message;
    const modfile::PeImage& image = parsed.value();
    auto resources = modfile::readResources(image);
    ASSERT_FALSE(resources.isError()) << resources.error().message;
    modfile::ModuleEdits edits;
    edits.resources = resources.value();
    auto values = modfile::sectionBytes(image, ".skinval");
    if (!values.isError()) edits.values = values.value();
    auto name = modfile::exportName(image);
    if (!name.isError()) edits.moduleName = name.value().text;
    auto once = modfile::rewriteModule(span(module), edits);
    ASSERT_FALSE(once.isError()) << once.error().message;
    const std::vector<std::uint8_t>& out = once.value();
    auto reread = modfile::PeImage::parse(span(out));
    ASSERT_FALSE(reread.isError()) << reread.error().message;
    auto rewritten = modfile::readResources(reread.value());
    ASSERT_FALSE(rewritten.isError()) << rewritten.error().message;
    EXPECT_EQ(modfile::formatManifest(resources.value()), modfile::formatManifest(rewritten.value()));
    EXPECT_EQ(modfile::peChecksum(span(out)), reread.value().optionalHeader().checksum);

    std::size_t rsrc = 0;
    while (image.sections()[rsrc].name != ".rsrc") ++rsrc;
    const modfile::SectionHeader& was = image.sections()[rsrc].header;
    const modfile::SectionHeader& now = reread.value().sections()[rsrc].header;
    const std::uint64_t alignment = image.optionalHeader().fileAlignment;
    const std::uint64_t alignedEnd = (was.rawOffset + was.rawSize + alignment - 1) / alignment * alignment;
    ASSERT_EQ(module.size() > alignedEnd ? module.size() : now.rawOffset + now.rawSize, out.size())
        << "the new resource section takes as many file alignments as the old";
    const std::uint64_t optional = image.optionalHeaderOffset(), header = image.sectionTableOffset() + 40 * rsrc;
    const std::pair<std::uint64_t, std::uint64_t> mayDiffer[] = {
        {optional + 8, 4}, {optional + 64, 4}, {optional + 96 + 2 * 8 + 4, 4},
        {header + 8, 4},   {header + 16, 4},   {was.rawOffset, now.rawSize}};
    int changed = 0;
    for (std::size_t i = 0; i < std::min(module.size(), out.size()) && changed < 5; ++i) {
        bool allowed = false;
        for (const auto& [start, length] : mayDiffer) allowed |= i >= start && i < start + length;
        if (!allowed && module[i] != out[i]) ++changed, ADD_FAILURE() << "byte at " << modfile::hex(i) << " changed";
    }

    auto twice = modfile::rewriteModule(span(out), edits);
    ASSERT_FALSE(twice.isError()) << twice.error().message;
    EXPECT_TRUE(out == twice.value()) << "a second rewrite changed the module";
}

// The second has neither values nor exports, and its file ends inside the
// last file alignment of its resource section.
TEST(ModuleRewrite, OwnContentsKeepTheModule) {
    for (const std::vector<std::uint8_t>& module : {moduleImage(skinParts(0x123)), oneBitmapImage()}) {
        SCOPED_TRACE(std::to_string(module.size()) + "-byte module");
        expectOwnContentsKeepTheModule(module);
    }
}

TEST(ModuleRewrite, TheReleaseModuleKeepsItselfAndItsChecksum) {
    const char* path = std::getenv("SKIN_RELEASE_MODULE");
    if (path == nullptr || *path == '\0') GTEST_SKIP() << "SKIN_RELEASE_MODULE names no release DLL";
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in.good()) << "cannot open " << path;
    const std::vector<std::uint8_t> module{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    auto image = modfile::PeImage::parse(span(module));
    ASSERT_FALSE(image.isError()) << image.error().message;
    EXPECT_EQ(image.value().optionalHeader().checksum, modfile::peChecksum(span(module)));
    expectOwnContentsKeepTheModule(module);
}

struct Edit {
    const char* name;
    std::size_t resourceBytesBefore, resourceBytesAfter;
    const char* moduleName;
};

const Edit kEdits[] = {
    {"resources outgrowing a page, a name of the same length", 0x20, 0x1800, "skinpak2.dll"},
    {"resources shrinking by a page, a longer name", 0x1800, 0x20, "skinpak-ocean.dll"},
    {"resources in as many pages, a shorter name", 0x20, 0x40, "ocean.dll"},
};

TEST(ModuleRewrite, NewContentsLandWhereTheLoaderLooks) {
    for (const Edit& c : kEdits) {
        SCOPED_TRACE(c.name);
        const std::vector<std::uint8_t> module = moduleImage(skinParts(c.resourceBytesBefore));
        const modfile::PeImage before = modfile::PeImage::parse(span(module)).value();
        const std::vector<std::uint8_t> values = pattern(348, 0x55);
        const std::vector<TestResource> owned = bitmaps(c.resourceBytesAfter);
        modfile::ModuleEdits edits{span(values), resourcesOf(owned), std::string(c.moduleName)};
        auto rewritten = modfile::rewriteModule(span(module), edits);
        ASSERT_FALSE(rewritten.isError()) << rewritten.error().message;
        const std::vector<std::uint8_t>& out = rewritten.value();
        auto parsed = modfile::PeImage::parse(span(out));
        ASSERT_FALSE(parsed.isError()) << parsed.error().message;
        const modfile::PeImage& after = parsed.value();

        EXPECT_EQ(values, bytesOf(modfile::sectionBytes(after, ".skinval").value()));
        auto name = modfile::exportName(after);
        ASSERT_FALSE(name.isError()) << name.error().message;
        EXPECT_EQ(c.moduleName, name.value().text);
        auto resources = modfile::readResources(after);
        ASSERT_FALSE(resources.isError()) << resources.error().message;
        EXPECT_EQ(modfile::formatManifest(edits.resources), modfile::formatManifest(resources.value()));
        for (const char* kept : {".text", ".reloc"})
            EXPECT_EQ(bytesOf(modfile::sectionBytes(before, kept).value()),
                      bytesOf(modfile::sectionBytes(after, kept).value()))
                << kept;

        const modfile::Section& rsrc = *sectionNamed(after, ".rsrc");
        const modfile::Section& reloc = *sectionNamed(after, ".reloc");
        EXPECT_EQ((rsrc.header.virtualAddress + rsrc.header.virtualSize + 0xFFF) / 0x1000 * 0x1000,
                  reloc.header.virtualAddress);
        EXPECT_EQ(rsrc.header.rawOffset + rsrc.header.rawSize, reloc.header.rawOffset);
        EXPECT_EQ(reloc.header.virtualAddress, after.dataDirectory(modfile::kBaseRelocationDirectoryIndex).rva);
        EXPECT_EQ(reloc.header.virtualAddress + 0x1000, after.optionalHeader().imageSize);
        std::uint32_t initialized = 0;
        for (const modfile::Section& s : after.sections())
            if (s.header.characteristics & modfile::kSectionInitializedData) initialized += s.header.rawSize;
        EXPECT_EQ(initialized, after.optionalHeader().initializedDataSize);
        EXPECT_EQ(kModuleTimestamp, after.coffHeader().timeDateStamp);
        const std::uint32_t strings = before.coffHeader().symbolTableOffset;
        EXPECT_EQ(std::vector<std::uint8_t>(module.begin() + strings, module.end()),
                  std::vector<std::uint8_t>(out.begin() + after.coffHeader().symbolTableOffset, out.end()));
        EXPECT_EQ(modfile::peChecksum(span(out)), after.optionalHeader().checksum);

        auto twice = modfile::rewriteModule(span(out), edits);
        ASSERT_FALSE(twice.isError()) << twice.error().message;
        EXPECT_TRUE(out == twice.value()) << "a second rewrite changed the module";
    }
}

TEST(ModuleRewrite, PeChecksumFoldsTheCarryAndCountsItsFieldAsZero) {
    std::vector<std::uint8_t> withField(96, 0);
    for (int i = 88; i < 92; ++i) withField[i] = 0xFF;
    const struct {
        const char* name;
        std::vector<std::uint8_t> file;
        std::uint32_t checksum;
    } cases[] = {
        {"empty", {}, 0},
        {"odd length", {0x01, 0x02, 0x03}, 0x0201 + 0x03 + 3},
        {"carry folded", {0xFF, 0xFF, 0x02, 0x00}, 0x0002 + 4},
        {"the field, 88 bytes past a PE header at 0", withField, 96},
    };
    for (const auto& c : cases) EXPECT_EQ(c.checksum, modfile::peChecksum(span(c.file))) << c.name;
}

// A module of small sections, and the places in it that the cases change.
struct Subject {
    std::vector<std::uint8_t> file = moduleImage(skinParts(0x20));
    std::vector<std::uint8_t> values = pattern(348, 0x55);
    std::vector<TestResource> owned = bitmaps(0x20);
    modfile::ModuleEdits edits{span(values), resourcesOf(owned), std::string("skinpak1.dll")};
    std::map<std::string, modfile::SectionHeader> headers;
    std::map<std::string, std::uint32_t> headerOffsets;

    Subject() {
        const modfile::PeImage image = modfile::PeImage::parse(span(file)).value();
        for (std::size_t i = 0; i < image.sections().size(); ++i) {
            headers[image.sections()[i].name] = image.sections()[i].header;
            headerOffsets[image.sections()[i].name] = static_cast<std::uint32_t>(image.sectionTableOffset() + 40 * i);
        }
    }
    std::uint32_t va(const char* name) { return headers[name].virtualAddress; }
    std::uint32_t raw(const char* name) { return headers[name].rawOffset; }
    // Field `field` of the section's header, or of a data directory.
    void section(const char* name, std::uint32_t field, std::uint32_t value) {
        poke(file, {{headerOffsets[name] + field, 32, value}});
    }
    void directory(std::uint32_t index, std::uint32_t rva, std::uint32_t size) {
        poke(file, {{kDirectoriesOffset + 8 * index, 32, rva}, {kDirectoriesOffset + 8 * index + 4, 32, size}});
    }
};

constexpr std::uint32_t kName = 0, kVirtualAddress = 12, kRawSize = 16, kRawOffset = 20, kCharacteristics = 36;

struct Refusal {
    const char* name;
    void (*change)(Subject&);
    const char* message;
};

const Refusal kRefusals[] = {
    {"values, but no values section", [](Subject& s) { s.section(".skinval", kName, 0x696B782E); },
     "values: no section .skinval"},
    {"values of another size", [](Subject& s) { s.values.push_back(0), s.edits.values = span(s.values); },
     "values: 349 bytes for section .skinval, which holds 348"},
    {"no resource section", [](Subject& s) { s.section(".rsrc", kName, 0x6372782E); }, "no section .rsrc"},
    {"the resource directory elsewhere", [](Subject& s) { s.directory(2, s.va(".rsrc") + 8, 16); },
     "resource directory at RVA 0x4008 does not begin section .rsrc at RVA 0x4000"},
    {"no resource directory entry",
     [](Subject& s) {
         poke(s.file, {{kOptionalOffset + 92, 32, 2}});
     },
     "no resource directory among its 2 data directories"},
    {"alignments",
     [](Subject& s) {
         poke(s.file, {{kOptionalOffset + 32, 32, 0x1800}});
     },
     "alignment 0x1800 in memory, 0x200 in the file: not powers of two"},
    {"sections out of order", [](Subject& s) { s.section(".reloc", kVirtualAddress, s.va(".text")); },
     "section .reloc at RVA 0x1000: not after section .rsrc, which ends at RVA 0x40e4"},
    {"resource data not file-aligned",
     [](Subject& s) { s.section(".rsrc", kRawOffset, s.raw(".rsrc") + 8), s.section(".rsrc", kRawSize, 0x1F8); },
     "offset 0x168: section .rsrc: raw data at 0x808 is not file-aligned"},
    {"raw data running into the resource section's", [](Subject& s) { s.section(".edata", kRawSize, 0x400); },
     "offset 0x168: section .rsrc: raw data at 0x800 begins before the headers or the raw data before it end, at "
     "0xa00"},
    {"a section that code may address after the resources",
     [](Subject& s) { s.section(".reloc", kCharacteristics, 0x40000040), s.directory(5, 0, 0); },
     "section .reloc: follows the resource section and would move, but code may address it"},
    {"a section in the resource section's last page",
     [](Subject& s) { s.section(".reloc", kVirtualAddress, 0x4800), s.directory(5, 0x4800, 12); },
     "section .reloc: RVA 0x4800 lies in the resource section's last page"},
    {"raw data in the resource section's last file alignment",
     [](Subject& s) { s.section(".rsrc", kRawSize, 0x100), s.section(".reloc", kRawOffset, 0x900); },
     "section .reloc: raw data at 0x900 lies in the resource section's, up to the end of its last file alignment"},
    {"sections moving past 4 GiB",
     [](Subject& s) {
         s.section(".rsrc", kVirtualAddress, 0xFFFFD000), s.directory(2, 0xFFFFD000, s.headers[".rsrc"].virtualSize);
         s.section(".reloc", kVirtualAddress, 0xFFFFE000), s.directory(5, 0xFFFFE000, 12);
         s.owned = bitmaps(0x2000), s.edits.resources = resourcesOf(s.owned);
     },
     "section .reloc: would move past 4 GiB"},
    {"a directory moving past 4 GiB",
     [](Subject& s) {
         s.directory(6, 0xFFFFFFF0, 28), s.owned = bitmaps(0x2000), s.edits.resources = resourcesOf(s.owned);
     },
     "debug directory at RVA 0xfffffff0 would move past 4 GiB"},
    {"a directory that would move", [](Subject& s) { s.directory(1, s.va(".reloc"), 4); },
     "import directory at RVA 0x5000 lies past the resource section and would move"},
    {"a directory inside the resources", [](Subject& s) { s.directory(1, s.va(".rsrc") + 4, 4); },
     "import directory at RVA 0x4004 lies in the resource section, which is rewritten"},
    {"a signature", [](Subject& s) { s.directory(4, static_cast<std::uint32_t>(s.file.size()), 8); },
     "the module is signed"},
    {"debug data that would move",
     [](Subject& s) {
         s.directory(6, s.va(".text"), 28), poke(s.file, {{s.raw(".text") + 20, 32, s.va(".reloc")}});
     },
     "offset 0x200: debug directory: data at RVA 0x5000, offset 0x4d463f38 lies in or past the resource section"},
    {"the symbol table inside the resources",
     [](Subject& s) {
         poke(s.file, {{kCoffOffset + 8, 32, s.raw(".rsrc") + 4}});
     },
     "COFF symbol table at offset 0x804 lies in the resource section"},
    {"the symbol table beyond the file",
     [](Subject& s) {
         poke(s.file, {{kCoffOffset + 8, 32, 0xFFFFFFFF}});
     },
     "COFF symbol table at offset 0xffffffff lies beyond the end of the file"},
    {"an overlay", [](Subject& s) { s.file.resize(s.file.size() + 16, 0); },
     "16 bytes after the last section: an overlay, which a rewrite would not carry"},
    {"a module name past the resources",
     [](Subject& s) {
         poke(s.file, {{s.raw(".edata") + 12, 32, s.va(".reloc")}});
     },
     "export directory: module name at RVA 0x5000 lies in or past the resource section"},
    {"a module name among the values",
     [](Subject& s) {
         poke(s.file, {{s.raw(".edata") + 12, 32, s.va(".skinval")}});
     },
     "export directory: in section .skinval, which the values replace"},
    {"a section's raw data among the headers", [](Subject& s) { s.section(".text", kRawOffset, 0x100); },
     "section .text: raw data at 0x100 begins before the headers or the raw data before it end, at 0x1b8"},
    {"a module name too long", [](Subject& s) { s.edits.moduleName = std::string(0x200, 'a'); },
     "is too long for this module: 512 characters, room for 440"},
    {"a module name with a path", [](Subject& s) { s.edits.moduleName = "packs/skinpak2.dll"; },
     "module name \"packs/skinpak2.dll\": not a file name of printable ASCII"},
};

TEST(ModuleRewrite, WhatItCannotRewriteIsNamed) {
    {
        Subject unchanged;
        auto out = modfile::rewriteModule(span(unchanged.file), unchanged.edits);
        ASSERT_FALSE(out.isError()) << "the subject itself: " << out.error().message;
    }
    for (const Refusal& c : kRefusals) {
        SCOPED_TRACE(c.name);
        Subject subject;
        c.change(subject);
        auto out = modfile::rewriteModule(span(subject.file), subject.edits);
        ASSERT_TRUE(out.isError());
        EXPECT_NE(std::string::npos, out.error().message.find(c.message)) << out.error().message;
    }
}

}  // namespace
