// The PE headers and section table, read from images made in the test and
// from the same images broken one field at a time.
#include "pe_image.h"

#include <gtest/gtest.h>

#include "test_module.h"

namespace {

using namespace modtest;

TEST(PeImage, ReadsHeadersAndMapsAddressesToTheFile) {
    const std::vector<std::uint8_t> file = oneBitmapImage();
    auto image = modfile::PeImage::parse(modfile::ByteSpan(file.data(), file.size()));
    ASSERT_FALSE(image.isError()) << image.error().message;
    const modfile::PeImage& pe = image.value();
    EXPECT_EQ(0x014C, pe.coffHeader().machine);
    EXPECT_EQ(0x10000000u, pe.optionalHeader().imageBase);
    ASSERT_EQ(2u, pe.sections().size());
    EXPECT_EQ(".text", pe.sections()[0].name);
    EXPECT_EQ(".rsrc", pe.sections()[1].name);
    EXPECT_EQ(kRsrcRva, pe.dataDirectory(modfile::kResourceDirectoryIndex).rva);
    EXPECT_EQ(one::kSectionSize, pe.dataDirectory(modfile::kResourceDirectoryIndex).size);
    EXPECT_EQ(0u, pe.dataDirectory(16).rva) << "a directory the header does not have";

    struct Mapping {
        std::uint32_t rva, size;
        std::uint64_t fileOffset;  // 0 when the range is not in a section's file data
    };
    const Mapping mappings[] = {
        {0x1000, 0x200, kTextRawOffset},
        {kRsrcRva + one::kData, 4, kRsrcRawOffset + one::kData},
        {kRsrcRva + one::kSectionSize, 0, kRsrcRawOffset + one::kSectionSize},
        {kRsrcRva + one::kData, 5, 0},
        {0x1200, 1, 0},
        {0x0FFF, 1, 0},
        {0xFFFFFFFF, 0xFFFFFFFF, 0},
    };
    for (const Mapping& m : mappings) {
        SCOPED_TRACE("RVA " + modfile::hex(m.rva) + ", " + std::to_string(m.size) + " bytes");
        auto bytes = pe.bytesAt(m.rva, m.size);
        if (m.fileOffset == 0) {
            EXPECT_TRUE(bytes.isError());
            continue;
        }
        ASSERT_FALSE(bytes.isError()) << bytes.error().message;
        EXPECT_EQ(m.fileOffset, pe.fileOffsetOf(bytes.value()));
        EXPECT_EQ(m.size, bytes.value().size());
    }
}

struct MalformedHeader {
    const char* name;
    std::vector<Poke> pokes;
    const char* message;
};

const MalformedHeader kMalformedHeaders[] = {
    {"DOS magic", {{0, 16, 0x4D5A}}, "offset 0x0: DOS header: magic 0x4d5a is not \"MZ\""},
    {"PE offset beyond the file", {{60, 32, 0x10000}}, "offset 0x10000: PE signature: beyond the end of the file"},
    {"PE offset wrapping", {{60, 32, 0xFFFFFFFE}}, "offset 0xfffffffe: PE signature: beyond the end of the file"},
    {"signature", {{kPeOffset, 32, 0x4551}}, "offset 0x40: PE signature: 0x4551 is not \"PE\\0\\0\""},
    // A signature in the last four bytes of the file, the data entry's reserved field.
    {"COFF header beyond the file",
     {{60, 32, kRsrcRawOffset + one::kDataEntry + 12}, {kRsrcRawOffset + one::kDataEntry + 12, 32, 0x4550}},
     "offset 0x460: COFF header: beyond the end of the file"},
    {"optional header smaller than PE32's",
     {{kCoffOffset + 16, 16, 95}},
     "offset 0x58: optional header: 95 bytes, less than PE32's 96"},
    {"optional header beyond the file",
     {{kCoffOffset + 16, 16, 0xFFFF}},
     "offset 0x58: optional header: beyond the end of the file"},
    {"PE32+", {{kOptionalOffset, 16, 0x20B}}, "offset 0x58: optional header: a PE32+ (64-bit) image, not PE32"},
    {"optional header magic",
     {{kOptionalOffset, 16, 0x107}},
     "offset 0x58: optional header: magic 0x107 is not PE32's 0x10b"},
    {"more directories than the header holds",
     {{kOptionalOffset + 92, 32, 17}},
     "offset 0xb8: data directories: 17 do not fit in the optional header, which has room for 16"},
    {"section table beyond the file",
     {{kCoffOffset + 2, 16, 0xFFFF}},
     "offset 0x138: section table: 65535 sections run beyond the end of the file"},
    {"raw data beyond the file",
     {{kRsrcHeaderOffset + 20, 32, 0x10000}},
     "offset 0x160: section .rsrc: raw data [0x10000, +0x64) beyond the end of the file"},
    {"raw size wrapping",
     {{kRsrcHeaderOffset + 16, 32, 0xFFFFFFFF}},
     "offset 0x160: section .rsrc: raw data [0x400, +0xffffffff) beyond the end of the file"},
};

TEST(PeImage, MalformedHeadersAreNamedWithTheirOffset) {
    for (const MalformedHeader& c : kMalformedHeaders) {
        SCOPED_TRACE(c.name);
        std::vector<std::uint8_t> file = oneBitmapImage();
        poke(file, c.pokes);
        auto image = modfile::PeImage::parse(modfile::ByteSpan(file.data(), file.size()));
        ASSERT_TRUE(image.isError());
        EXPECT_EQ(c.message, image.error().message);
    }
}

}  // namespace
