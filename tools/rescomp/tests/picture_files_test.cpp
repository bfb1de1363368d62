#include <gtest/gtest.h>

#include <functional>

#include "compile_error.h"
#include "picture_files.h"
#include "test_pictures.h"

namespace {

using namespace rescomp_test;

TEST(BitmapFile, ResourceIsTheFileWithoutItsFileHeader) {
    for (const int bits : {1, 8, 24}) {
        SCOPED_TRACE("bits " + std::to_string(bits));
        const Bytes file = makeBitmap(7, 3, bits, bits == 8 ? 61 : 0);
        const Bytes res = rescomp::bitmapResourceData(file, "a.bmp");
        EXPECT_EQ(Bytes(file.begin() + 14, file.end()), res);
    }
}

TEST(IconFile, ImagesComeOutInDirectoryOrderWithTheirEntries) {
    const Bytes file = makeIcon({{32, 32, 8}, {16, 16, 4}, {48, 48, 24}});
    const auto images = rescomp::iconFileImages(file, "a.ico");
    ASSERT_EQ(3u, images.size());
    const int expectedBits[] = {8, 4, 24};
    for (unsigned i = 0; i < 3; ++i) {
        SCOPED_TRACE("image " + std::to_string(i));
        const auto entry = get<dib::IconDirEntry>(file, iconEntryAt(i));
        EXPECT_EQ(expectedBits[i], images[i].entry.bitCount);
        EXPECT_EQ(entry.bytesInRes, images[i].data.size());
        EXPECT_EQ(Bytes(file.begin() + entry.imageOffset, file.begin() + entry.imageOffset + entry.bytesInRes),
                  images[i].data);
    }
}

// A well-formed file, broken in one way; every row is a file that was once
// accepted or crashed a reader, or a near miss of one.
struct Malformed {
    const char* name;
    std::function<Bytes()> file;
    const char* message;  // expected at the end of the error text
};

void PrintTo(const Malformed& m, std::ostream* os) { *os << m.name; }

template <class Field>
Bytes bitmapWith(std::size_t at, Field value) {
    Bytes b = makeBitmap(5, 4, 8, 0);
    put(b, at, value);
    return b;
}

constexpr std::size_t kFileSizeAt = 2;
constexpr std::size_t kBitsOffsetAt = 10;
constexpr std::size_t kInfoSizeAt = kInfoAt;
constexpr std::size_t kWidthAt = kInfoAt + 4;
constexpr std::size_t kHeightAt = kInfoAt + 8;
constexpr std::size_t kPlanesAt = kInfoAt + 12;
constexpr std::size_t kBitCountAt = kInfoAt + 14;
constexpr std::size_t kCompressionAt = kInfoAt + 16;
constexpr std::size_t kClrUsedAt = kInfoAt + 32;

Bytes cut(Bytes b, std::size_t size) {
    b.resize(size);
    return b;
}

const Malformed kBadBitmaps[] = {
    {"Empty", [] { return Bytes{}; }, "a.bmp: is not a bitmap file (no \"BM\" signature)"},
    {"TruncatedFileHeader", [] { return cut(makeBitmap(5, 4, 24, 0), 13); },
     "a.bmp: truncated file header (needs 14 bytes at offset 0, 13 available)"},
    {"TruncatedInfoHeader", [] { return cut(makeBitmap(5, 4, 24, 0), 30); },
     "a.bmp: truncated bitmap header (needs 40 bytes at offset 14, 30 available)"},
    {"CoreHeader", [] { return bitmapWith<std::uint32_t>(kInfoSizeAt, 12); },
     "a.bmp: unsupported bitmap header size 12 (expected 40)"},
    {"ZeroWidth", [] { return bitmapWith<std::int32_t>(kWidthAt, 0); }, "a.bmp: width 0 is outside 1..4096"},
    {"OverflowingWidth", [] { return bitmapWith<std::int32_t>(kWidthAt, 0x7FFFFFFF); },
     "a.bmp: width 2147483647 is outside 1..4096"},
    {"NegativeWidth", [] { return bitmapWith<std::int32_t>(kWidthAt, -5); }, "a.bmp: width -5 is outside 1..4096"},
    {"OverflowingHeight", [] { return bitmapWith<std::int32_t>(kHeightAt, 0x40000000); },
     "a.bmp: height 1073741824 is outside 1..4096"},
    {"TopDown", [] { return bitmapWith<std::int32_t>(kHeightAt, -4); },
     "a.bmp: top-down rows (negative height) are not supported"},
    {"TwoPlanes", [] { return bitmapWith<std::uint16_t>(kPlanesAt, 2); }, "a.bmp: planes is 2 (expected 1)"},
    {"SixteenBits", [] { return bitmapWith<std::uint16_t>(kBitCountAt, 16); }, "a.bmp: unsupported bit depth 16"},
    {"RunLengthEncoded", [] { return bitmapWith<std::uint32_t>(kCompressionAt, 1); },
     "a.bmp: compression 1 is not supported (only uncompressed)"},
    {"ColourTableTooLong", [] { return bitmapWith<std::uint32_t>(kClrUsedAt, 300); },
     "a.bmp: colour table of 300 entries exceeds 256 for 8 bits per pixel"},
    {"HugeColourTable", [] { return bitmapWith<std::uint32_t>(kClrUsedAt, 0xFFFFFFFF); },
     "a.bmp: colour table of 4294967295 entries exceeds 256 for 8 bits per pixel"},
    {"ColourTableForTrueColour",
     [] {
         Bytes b = makeBitmap(5, 4, 24, 0);
         put<std::uint32_t>(b, kClrUsedAt, 2);
         return b;
     },
     "a.bmp: colour table given for 24 bits per pixel"},
    {"GapBeforePixels", [] { return bitmapWith<std::uint32_t>(kBitsOffsetAt, 14 + 40 + 1024 + 4); },
     "a.bmp: pixel data at offset 1082, expected right after the colour table at 1078"},
    {"PixelsInsideTable", [] { return bitmapWith<std::uint32_t>(kBitsOffsetAt, 54); },
     "a.bmp: pixel data at offset 54, expected right after the colour table at 1078"},
    {"FileSizeFieldTooLarge", [] { return bitmapWith<std::uint32_t>(kFileSizeAt, 0xFFFFFFF0); },
     "a.bmp: file size field says 4294967280 bytes, the file has 1110"},
    {"TruncatedPixels",
     [] {
         Bytes b = makeBitmap(5, 4, 8, 0);
         b.pop_back();
         put<std::uint32_t>(b, kFileSizeAt, static_cast<std::uint32_t>(b.size()));
         return b;
     },
     "a.bmp: truncated pixel data (needs 1110 bytes, the file has 1109)"},
    {"TableCutShort", [] { return cut(makeBitmap(5, 4, 8, 0), 100); },
     "a.bmp: file size field says 1110 bytes, the file has 100"},
    {"IconGivenAsBitmap", [] { return makeIcon({{16, 16, 8}}); }, "a.bmp: is an icon file, not a bitmap"},
};

class BitmapFileRejects : public testing::TestWithParam<Malformed> {};

TEST_P(BitmapFileRejects, WithAClearReason) {
    const Malformed& row = GetParam();
    try {
        rescomp::bitmapResourceData(row.file(), "a.bmp");
        ADD_FAILURE() << "expected \"" << row.message << "\", the file was accepted";
    } catch (const rescomp::CompileError& e) {
        EXPECT_EQ(std::string(row.message), e.what());
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, BitmapFileRejects, testing::ValuesIn(kBadBitmaps),
                         [](const testing::TestParamInfo<Malformed>& info) { return info.param.name; });

// One image of 16x16 at 4 bits: 40 + 64 + 128 + 64 = 296 bytes at offset 22.
Bytes oneIcon() { return makeIcon({{16, 16, 4}}); }
constexpr std::size_t kImageAt = 22;

template <class Field>
Bytes iconWith(std::size_t at, Field value) {
    Bytes b = oneIcon();
    put(b, at, value);
    return b;
}

constexpr std::size_t kEntryWidthAt = 6;
constexpr std::size_t kEntryPlanesAt = 6 + 4;
constexpr std::size_t kEntryBitsAt = 6 + 6;
constexpr std::size_t kEntryBytesAt = 6 + 8;
constexpr std::size_t kEntryOffsetAt = 6 + 12;

const Malformed kBadIcons[] = {
    {"Empty", [] { return Bytes{}; }, "a.ico: truncated icon directory (needs 6 bytes at offset 0, 0 available)"},
    {"BitmapGivenAsIcon", [] { return makeBitmap(16, 16, 8, 0); }, "a.ico: is a bitmap file, not an icon"},
    {"Cursor", [] { return iconWith<std::uint16_t>(2, 2); }, "a.ico: is a cursor file, not an icon"},
    {"ReservedSet", [] { return iconWith<std::uint16_t>(0, 1); }, "a.ico: is not an icon file"},
    {"NoImages", [] { return iconWith<std::uint16_t>(4, 0); }, "a.ico: icon file holds no images"},
    {"DirectoryPastEnd", [] { return iconWith<std::uint16_t>(4, 200); },
     "a.ico: truncated icon directory (200 entries need 3206 bytes, the file has 318)"},
    {"ImageInsideDirectory", [] { return iconWith<std::uint32_t>(kEntryOffsetAt, 6); },
     "a.ico: image 1: offset 6 lies inside the directory"},
    {"OffsetPastEnd", [] { return iconWith<std::uint32_t>(kEntryOffsetAt, 0xFFFFFFF0); },
     "a.ico: image 1: 296 bytes at offset 4294967280 run past the end of the file (318 bytes)"},
    {"SizeWrapsAround", [] { return iconWith<std::uint32_t>(kEntryBytesAt, 0xFFFFFFFF); },
     "a.ico: image 1: 4294967295 bytes at offset 22 run past the end of the file (318 bytes)"},
    {"ImageTooShortForHeader", [] { return iconWith<std::uint32_t>(kEntryBytesAt, 20); },
     "a.ico: image 1: truncated image header (needs 40 bytes at offset 0, 20 available)"},
    {"MasksCutShort", [] { return iconWith<std::uint32_t>(kEntryBytesAt, 295); },
     "a.ico: image 1: needs 296 bytes for header, colours and masks, has 295"},
    {"Png",
     [] {
         Bytes b = oneIcon();
         const std::uint8_t png[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
         std::copy(std::begin(png), std::end(png), b.begin() + kImageAt);
         return b;
     },
     "a.ico: image 1: is stored as PNG; only uncompressed images are supported"},
    {"HeightNotDoubled", [] { return iconWith<std::int32_t>(kImageAt + 8, 16); },
     "a.ico: image 1: directory says 16x16, image header says 16x8"},
    {"OddHeight", [] { return iconWith<std::int32_t>(kImageAt + 8, 33); },
     "a.ico: image 1: height 33 is not twice the icon height"},
    {"DirectoryWidthDiffers", [] { return iconWith<std::uint8_t>(kEntryWidthAt, 32); },
     "a.ico: image 1: directory says 32x16, image header says 16x16"},
    {"DirectoryDepthDiffers", [] { return iconWith<std::uint16_t>(kEntryBitsAt, 8); },
     "a.ico: image 1: directory says 8 bits per pixel, image header says 4"},
    {"DirectoryPlanes", [] { return iconWith<std::uint16_t>(kEntryPlanesAt, 3); },
     "a.ico: image 1: directory says 3 planes"},
    {"CompressedImage", [] { return iconWith<std::uint32_t>(kImageAt + 16, 2); },
     "a.ico: image 1: compression 2 is not supported (only uncompressed)"},
    {"ImageHeaderSize", [] { return iconWith<std::uint32_t>(kImageAt, 108); },
     "a.ico: image 1: unsupported bitmap header size 108 (expected 40)"},
    {"SecondImageBroken",
     [] {
         Bytes b = makeIcon({{16, 16, 4}, {16, 16, 1}});
         put<std::uint16_t>(b, iconEntryAt(1) + 6, 24);
         return b;
     },
     "a.ico: image 2: directory says 24 bits per pixel, image header says 1"},
};

class IconFileRejects : public testing::TestWithParam<Malformed> {};

TEST_P(IconFileRejects, WithAClearReason) {
    const Malformed& row = GetParam();
    try {
        rescomp::iconFileImages(row.file(), "a.ico");
        ADD_FAILURE() << "expected \"" << row.message << "\", the file was accepted";
    } catch (const rescomp::CompileError& e) {
        EXPECT_EQ(std::string(row.message), e.what());
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, IconFileRejects, testing::ValuesIn(kBadIcons),
                         [](const testing::TestParamInfo<Malformed>& info) { return info.param.name; });

}  // namespace
