// The picture files the library writes: two small files byte for byte, every
// depth read back by the artwork tests' own reader and by the library's, and
// the pixels no DIB can hold refused, as the files no loader shows.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "picture_reader.h"
#include "pictures/dib_format.h"
#include "pictures/dib_reader.h"
#include "pictures/dib_writer.h"

namespace {

using pictures::Bytes;
using pictures::IconPixels;
using pictures::rgb;
using pictures::StoredPixels;

TEST(DibWriter, BitmapFileByteForByte) {
    const StoredPixels pixels{2, 2, 1, {rgb(1, 2, 3), rgb(250, 251, 252)}, {0, 1, 1, 0}};
    const Bytes expected = {
        'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 62, 0, 0, 0,  // file size, reserved, pixels at 62
        40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 1, 0,  // header size, 2x2, one plane, 1 bit
        0, 0, 0, 0, 8, 0, 0, 0,                          // uncompressed, 8 bytes of pixels
        0x13, 0x0B, 0, 0, 0x13, 0x0B, 0, 0,              // 2835 pixels per metre both ways
        2, 0, 0, 0, 0, 0, 0, 0,                          // both table entries named
        3, 2, 1, 0, 252, 251, 250, 0,                    // the table, blue first
        0x80, 0, 0, 0,                                   // the bottom row first: 1, 0
        0x40, 0, 0, 0,                                   // then the top row: 0, 1
    };
    EXPECT_EQ(expected, pictures::encodeBitmapFile(pixels, 2835));
}

TEST(DibWriter, IconFileByteForByte) {
    const IconPixels icon{{2, 2, 24, {}, {0x000000, 0x112233, 0x445566, 0x778899}}, {true, false, false, false}};
    const Bytes expected = {
        0, 0, 1, 0, 1, 0,                                // an icon directory of one image
        2, 2, 0, 0, 1, 0, 24, 0, 64, 0, 0, 0, 22, 0, 0, 0,  // 2x2, 24 bits, 64 bytes at 22
        40, 0, 0, 0, 2, 0, 0, 0, 4, 0, 0, 0, 1, 0, 24, 0,  // twice the height: colours and mask
        0, 0, 0, 0, 24, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,   // 24 bytes of colours and mask
        0, 0, 0, 0, 0, 0, 0, 0,                          // no table
        0x66, 0x55, 0x44, 0x99, 0x88, 0x77, 0, 0,        // colours, bottom row first
        0, 0, 0, 0x33, 0x22, 0x11, 0, 0,                 //
        0, 0, 0, 0,                                      // mask, bottom row first
        0x80, 0, 0, 0,                                   // the top left shows through
    };
    EXPECT_EQ(expected, pictures::encodeIconFile({icon}));
}

// Pixels of every table index (or colour) in a scattered order, at a width
// that leaves every row padded.
StoredPixels scattered(int bits) {
    StoredPixels p{7, 3, bits, {}, {}};
    const unsigned entries = bits == 24 ? 0 : 1u << bits;
    for (unsigned i = 0; i < entries; ++i) p.table.push_back(rgb(static_cast<int>(i), 255 - i, (i * 37) & 0xFF));
    std::uint32_t state = 12345;
    for (int i = 0; i < p.width * p.height; ++i) {
        state = state * 1103515245u + 12345u;
        p.values.push_back(bits == 24 ? state >> 8 : (state >> 16) % entries);
    }
    return p;
}

artwork_test::Colour colourOf(const StoredPixels& p, std::size_t i) {
    const std::uint32_t v = p.bits == 24 ? p.values[i] : p.table[p.values[i]].key();
    return {static_cast<int>(v >> 16 & 0xFF), static_cast<int>(v >> 8 & 0xFF), static_cast<int>(v & 0xFF)};
}

class EveryDepth : public testing::TestWithParam<int> {};

TEST_P(EveryDepth, BitmapReadsBackAsWritten) {
    const StoredPixels p = scattered(GetParam());
    const artwork_test::BitmapFile file = artwork_test::readBitmap(pictures::encodeBitmapFile(p));
    EXPECT_EQ(p.bits, file.bits);
    EXPECT_EQ(p.table.size(), file.clrUsed);
    ASSERT_EQ(p.width, file.picture.width);
    ASSERT_EQ(p.height, file.picture.height);
    for (std::size_t i = 0; i < p.values.size(); ++i)
        EXPECT_EQ(colourOf(p, i), file.picture.pixels[i])
            << "pixel " << i % p.width << "," << i / p.width << ": expected " << describe(colourOf(p, i))
            << ", read " << describe(file.picture.pixels[i]);
}

TEST_P(EveryDepth, IconReadsBackAsWritten) {
    const IconPixels icon{scattered(GetParam()), std::vector<bool>(21)};
    IconPixels masked = icon;
    for (std::size_t i = 0; i < masked.transparent.size(); i += 2) masked.transparent[i] = true;
    int type = 0;
    const auto images = artwork_test::readIcon(pictures::encodeIconFile({icon, masked}), &type);
    EXPECT_EQ(dib::kIconType, type);
    ASSERT_EQ(2u, images.size());
    for (std::size_t n = 0; n < 2; ++n) {
        const IconPixels& written = n == 0 ? icon : masked;
        const artwork_test::IconImage& read = images[n];
        SCOPED_TRACE("image " + std::to_string(n + 1));
        EXPECT_EQ(GetParam(), read.entryBits);
        EXPECT_EQ(7, read.entryWidth);
        EXPECT_EQ(2 * 3, read.storedHeight);
        ASSERT_EQ(written.transparent.size(), read.transparent.size());
        for (std::size_t i = 0; i < written.colours.values.size(); ++i) {
            EXPECT_EQ(colourOf(written.colours, i), read.colours.pixels[i]) << "pixel " << i;
            EXPECT_EQ(written.transparent[i], read.transparent[i]) << "mask bit " << i;
        }
    }
}

TEST_P(EveryDepth, TheLibrarysReaderReadsBackWhatItWrites) {
    const StoredPixels p = scattered(GetParam());
    std::string why;
    EXPECT_EQ(p, pictures::readBitmapFile(pictures::encodeBitmapFile(p), why)) << why;
    IconPixels masked{p, std::vector<bool>(p.values.size())};
    for (std::size_t i = 0; i < masked.transparent.size(); i += 2) masked.transparent[i] = true;
    const std::vector<IconPixels> icons = {masked, {p, std::vector<bool>(p.values.size())}};
    EXPECT_EQ(icons, pictures::readIconFile(pictures::encodeIconFile(icons), why)) << why;
    const pictures::Image opaque = pictures::toImage(p), image = pictures::toImage(masked);
    for (std::size_t i = 0; i < p.values.size(); ++i)
        EXPECT_EQ((pictures::Pixel{opaque.pixels()[i].c, std::uint8_t(i % 2 ? 255 : 0)}), image.pixels()[i])
            << "pixel " << i;
}

INSTANTIATE_TEST_SUITE_P(Bits, EveryDepth, testing::Values(1, 4, 8, 24));

// A 2x1 picture at 4 bits of a table of 2, its right pixel index 1.
StoredPixels twoOfTwo() { return {2, 1, 4, {rgb(1, 2, 3), rgb(4, 5, 6)}, {0, 1}}; }

TEST(DibReader, RefusesWhatNoLoaderShows) {
    Bytes pastTable = pictures::encodeBitmapFile(twoOfTwo());
    pastTable[14 + 40 + 8] = 0x05;  // the first row's byte
    Bytes deeper = pictures::encodeBitmapFile({1, 1, 24, {}, {0x123456}});  // a row of 4 bytes either way
    deeper[14 + 14] = 32;
    const struct {
        const char* name;
        Bytes file;
        const char* message;
    } rows[] = {
        {"index past the table", pastTable, "pixel 1,0 is index 5, past a table of 2"},
        {"32 bits", deeper, "32 bits per pixel are not read"},
    };
    for (const auto& row : rows) {
        std::string why;
        EXPECT_FALSE(pictures::readBitmapFile(row.file, why)) << row.name;
        EXPECT_EQ(row.message, why) << row.name;
    }
}

TEST(DibReader, AnIconsShortTableComesOutFull) {
    IconPixels icon{twoOfTwo(), {false, true}};
    icon.colours.table.resize(16);
    Bytes file = pictures::encodeIconFile({icon});
    // Entries 2..15 cut out of the table, which the header then names as 2 long.
    constexpr std::size_t kImage = 6 + 16, kDropped = 14 * 4;
    file.erase(file.begin() + kImage + 40 + 8, file.begin() + kImage + 40 + 8 + kDropped);
    file[kImage + 32] = 2;
    file[6 + 8] = static_cast<std::uint8_t>(file[6 + 8] - kDropped);
    std::string why;
    EXPECT_EQ(std::vector<IconPixels>{icon}, pictures::readIconFile(file, why)) << why;
}

struct Refused {
    const char* name;
    StoredPixels pixels;
    const char* message;
};

void PrintTo(const Refused& r, std::ostream* os) { *os << r.name; }

const Refused kRefusedBitmaps[] = {
    {"NoWidth", {0, 1, 24, {}, {}}, "size 0x1 is outside 1..4096"},
    {"SixteenBits", {1, 1, 16, {}, {0}}, "a depth of 16 is not written"},
    {"TableTooLong", {1, 1, 1, {rgb(0, 0, 0), rgb(1, 1, 1), rgb(2, 2, 2)}, {0}}, "a table of 3 for a depth of 1"},
    {"NoTable", {1, 1, 8, {}, {0}}, "a table of 0 for a depth of 8"},
    {"TableAtTwentyFourBits", {1, 1, 24, {rgb(0, 0, 0)}, {0}}, "a table of 1 for a depth of 24"},
    {"IndexPastTable", {2, 1, 4, {rgb(0, 0, 0), rgb(1, 1, 1)}, {1, 2}}, "index 2 past a table of 2"},
    {"ValuesMissing", {2, 2, 24, {}, {0, 0, 0}}, "3 values for 4 pixels"},
};

class BitmapRefused : public testing::TestWithParam<Refused> {};

TEST_P(BitmapRefused, WithItsReason) {
    try {
        pictures::encodeBitmapFile(GetParam().pixels);
        ADD_FAILURE() << "expected \"" << GetParam().message << "\", the pixels were written";
    } catch (const std::invalid_argument& e) {
        EXPECT_EQ(std::string(GetParam().message), e.what());
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, BitmapRefused, testing::ValuesIn(kRefusedBitmaps),
                         [](const testing::TestParamInfo<Refused>& info) { return info.param.name; });

TEST(DibWriter, IconsRefuseWhatTheirDirectoryCannotSay) {
    const StoredPixels wide{257, 1, 24, {}, std::vector<std::uint32_t>(257)};
    const StoredPixels shortTable{1, 1, 4, {rgb(0, 0, 0)}, {0}};
    const struct {
        std::vector<IconPixels> images;
        const char* message;
    } rows[] = {
        {{}, "0 images in one icon file"},
        {{{wide, std::vector<bool>(257)}}, "an icon of 257x1 pixels"},
        {{{shortTable, {false}}}, "an icon table of 1 for a depth of 4, not the full 16"},
        {{{StoredPixels{2, 1, 24, {}, {0, 0}}, {false}}}, "1 mask bits for 2 pixels"},
    };
    for (const auto& row : rows) {
        try {
            pictures::encodeIconFile(row.images);
            ADD_FAILURE() << "expected \"" << row.message << "\", the icon was written";
        } catch (const std::invalid_argument& e) {
            EXPECT_EQ(std::string(row.message), e.what());
        }
    }
}

TEST(DibFormat, ReadsOnlyWhatLiesWhollyInside) {
    const std::uint8_t data[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    const struct {
        std::size_t size;
        std::uint64_t offset;
        bool present;
    } rows[] = {
        {8, 0, true}, {8, 2, true}, {8, 3, false}, {8, 8, false}, {8, 9, false}, {6, 0, true}, {5, 0, false},
        {0, 0, false}, {8, ~std::uint64_t{0}, false}, {8, ~std::uint64_t{0} - 2, false},
    };
    for (const auto& row : rows) {
        const auto dir = dib::readAt<dib::IconDir>(data, row.size, row.offset);
        EXPECT_EQ(row.present, dir.has_value()) << row.offset << " of " << row.size << " bytes";
    }
    const auto dir = dib::readAt<dib::IconDir>(data, sizeof data, 2);
    ASSERT_TRUE(dir.has_value());
    EXPECT_EQ(0x0403, dir->reserved);
    EXPECT_EQ(0x0807, dir->count);
    EXPECT_FALSE(dib::readAt<dib::IconDir>(nullptr, 6, 0).has_value()) << "no data at all";
}

}  // namespace
