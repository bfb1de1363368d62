// The picture reader the reference comparison relies on: good files decode
// to their pixels, and every malformed file kept here is refused with its
// reason instead of being read past its end.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "image_reader.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using preview_test::Image;

// 3 x 2 RGB: red, green, blue above (16,32,48), white, black; the second row
// uses the "up" filter.
const Bytes kPng = {
    0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44, 0x52,
    0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00, 0x02, 0x08, 0x02, 0x00, 0x00, 0x00, 0x12, 0x16, 0xF1,
    0x4D, 0x00, 0x00, 0x00, 0x16, 0x49, 0x44, 0x41, 0x54, 0x78, 0xDA, 0x63, 0xF8, 0xCF, 0xC0, 0xC0,
    0x00, 0xC6, 0x4C, 0x82, 0x0A, 0x06, 0xFF, 0x41, 0x4C, 0x46, 0x00, 0x39, 0xDB, 0x05, 0x60, 0x8C,
    0xF3, 0x09, 0xF0, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};
const std::vector<std::uint32_t> kPngPixels = {0xFF0000, 0x00FF00, 0x0000FF, 0x102030, 0xFFFFFF, 0x000000};
// Where things lie in kPng.
constexpr std::size_t kIhdr = 8;    // the header chunk
constexpr std::size_t kIdat = 33;   // the data chunk
constexpr std::size_t kIend = 67;   // the end chunk
constexpr std::size_t kBody = 8;    // from a chunk's start to its body

std::uint32_t Crc(const std::uint8_t* data, std::size_t size) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void PutBigEndian(Bytes& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (24 - 8 * i));
}

Bytes Chunk(const char* type, const Bytes& body) {
    Bytes chunk(4, 0);
    PutBigEndian(chunk, 0, static_cast<std::uint32_t>(body.size()));
    for (int i = 0; i < 4; ++i) chunk.push_back(static_cast<std::uint8_t>(type[i]));
    chunk.insert(chunk.end(), body.begin(), body.end());
    chunk.resize(chunk.size() + 4);
    PutBigEndian(chunk, chunk.size() - 4, Crc(chunk.data() + 4, body.size() + 4));
    return chunk;
}

// kPng with one byte of a chunk's body changed and the chunk's CRC made right again.
Bytes WithBodyByte(std::size_t chunk, std::size_t offset, std::uint8_t value) {
    Bytes png = kPng;
    png[chunk + kBody + offset] = value;
    const std::uint32_t length = (png[chunk] << 24) | (png[chunk + 1] << 16) | (png[chunk + 2] << 8) | png[chunk + 3];
    PutBigEndian(png, chunk + kBody + length, Crc(&png[chunk + 4], length + 4));
    return png;
}

Bytes Cut(const Bytes& bytes, std::size_t size) { return Bytes(bytes.begin(), bytes.begin() + size); }

Bytes Joined(std::initializer_list<Bytes> parts) {
    Bytes joined;
    for (const Bytes& part : parts) joined.insert(joined.end(), part.begin(), part.end());
    return joined;
}

Bytes Range(std::size_t from, std::size_t to) { return Bytes(kPng.begin() + from, kPng.begin() + to); }

// A zlib stream holding data in one stored block.
Bytes StoredZlib(const Bytes& data) {
    Bytes z = {0x78, 0x01, 0x01, static_cast<std::uint8_t>(data.size()), static_cast<std::uint8_t>(data.size() >> 8),
               static_cast<std::uint8_t>(~data.size()), static_cast<std::uint8_t>(~data.size() >> 8)};
    z.insert(z.end(), data.begin(), data.end());
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : data) {
        a = (a + byte) % 65521u;
        b = (b + a) % 65521u;
    }
    z.resize(z.size() + 4);
    PutBigEndian(z, z.size() - 4, (b << 16) | a);
    return z;
}

// kPng with its data chunk holding the given zlib stream.
Bytes WithCompressedData(const Bytes& zlib) {
    return Joined({Range(0, kIdat), Chunk("IDAT", zlib), Range(kIend, kPng.size())});
}

// kPng with its pixel data replaced.
Bytes WithPixelData(const Bytes& filteredRows) { return WithCompressedData(StoredZlib(filteredRows)); }

struct BadPng {
    const char* name;
    Bytes bytes;
    const char* reason;  // part of the error text
};

std::vector<BadPng> BadPngs() {
    return {
        {"Empty", {}, "unknown image type"},
        {"NotAPicture", {'G', 'I', 'F', '8', '9', 'a', 0, 0}, "unknown image type"},
        {"SignatureOnly", Cut(kPng, 8), "first not IHDR"},
        {"CutInsideHeaderChunk", Cut(kPng, 24), "1/2/4/8/16-bit only"},
        {"PaletteWithoutColours", WithBodyByte(kIhdr, 9, 3), "no PLTE"},
        {"UnknownColourType", WithBodyByte(kIhdr, 9, 7), "bad ctype"},
        {"SixteenBitHeaderOverEightBitRows", WithBodyByte(kIhdr, 8, 16), "not enough pixels"},
        {"ZeroWidth", WithBodyByte(kIhdr, 3, 0), "0-pixel image"},
        {"HugeHeight", WithBodyByte(kIhdr, 5, 1), "too large"},
        {"UnknownCompressionMethod", WithBodyByte(kIhdr, 10, 1), "bad comp method"},
        {"UnknownInterlaceMethod", WithBodyByte(kIhdr, 12, 2), "bad interlace method"},
        {"InterlacedHeaderOverPlainRows", WithBodyByte(kIhdr, 12, 1), "not enough pixels"},
        {"NoEndChunk", Cut(kPng, kIend), "malformed"},
        {"DataBeforeHeader", Joined({Range(0, 8), Range(kIdat, kIend), Range(kIhdr, kIdat), Range(kIend, kPng.size())}),
         "first not IHDR"},
        {"NoDataChunk", Joined({Range(0, kIdat), Range(kIend, kPng.size())}), "no IDAT"},
        {"UnknownCriticalChunk", Joined({Range(0, kIend), Chunk("ABCD", {1, 2}), Range(kIend, kPng.size())}),
         "ABCD PNG chunk not known"},
        {"TooFewPixels", WithPixelData(Bytes(10, 0)), "not enough pixels"},
        {"UnknownFilter", WithPixelData(Bytes{5, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9}),
         "invalid filter"},
        // The compressed data itself.
        {"NotDeflate", WithCompressedData({0x79, 0x01, 0, 0, 0, 0}), "bad zlib header"},
        {"PresetDictionary", WithCompressedData({0x78, 0x20, 0, 0, 0, 0}), "no preset dict"},
        {"ReservedBlockType", WithCompressedData({0x78, 0x01, 0x07, 0, 0, 0, 0, 1}), "malformed"},
        // A copy of length 3 from distance 1 with nothing written yet.
        {"DistanceBeforeStart", WithCompressedData({0x78, 0x01, 0x03, 0x02, 0, 0, 0, 1}), "bad dist"},
        {"StoredLengthComplementWrong",
         WithCompressedData({0x78, 0x01, 0x01, 0x03, 0x00, 0xFC, 0xFE, 'a', 'b', 'c', 0, 0, 0, 0}), "zlib corrupt"},
        {"StoredBlockCut", WithCompressedData({0x78, 0x01, 0x01, 0x0A, 0x00, 0xF5, 0xFF, 'a', 'b', 'c'}),
         "read past buffer"},
    };
}

void PrintTo(const BadPng& c, std::ostream* os) { *os << c.name; }

class BadPngTest : public ::testing::TestWithParam<BadPng> {};

TEST_P(BadPngTest, IsRefusedWithItsReason) {
    Image image;
    std::string error;
    EXPECT_FALSE(preview_test::DecodePng(GetParam().bytes, &image, &error));
    EXPECT_NE(error.find(GetParam().reason), std::string::npos)
        << "error \"" << error << "\", expected it to mention \"" << GetParam().reason << "\"";
}

INSTANTIATE_TEST_SUITE_P(Malformed, BadPngTest, ::testing::ValuesIn(BadPngs()),
                         [](const ::testing::TestParamInfo<BadPng>& info) { return std::string(info.param.name); });

void ExpectPixels(const Bytes& png, const std::vector<std::uint32_t>& pixels) {
    Image image;
    std::string error;
    ASSERT_TRUE(preview_test::DecodePng(png, &image, &error)) << error;
    ASSERT_EQ(image.width, 3);
    ASSERT_EQ(image.height, 2);
    EXPECT_EQ(image.pixels, pixels);
}

TEST(PngReader, DecodesRgbRowsThroughTheirFilters) { ExpectPixels(kPng, kPngPixels); }

TEST(PngReader, SkipsAncillaryChunks) {
    ExpectPixels(Joined({Range(0, kIdat), Chunk("tEXt", {'a', 0, 'b'}), Range(kIdat, kPng.size())}), kPngPixels);
}

TEST(PngReader, ReadsEveryFilterType) {
    // Each row of 3 RGB pixels under one filter; the rows above and to the
    // left are chosen so that every predictor contributes.
    const Bytes rows = {
        0, 10, 20, 30, 40, 50, 60, 70, 80, 90,      // none
        1, 1, 2, 3, 1, 1, 1, 1, 1, 1,               // sub: 1,2,3 then +1 each step
        2, 1, 1, 1, 1, 1, 1, 1, 1, 1,               // up: the row above +1
        3, 0, 0, 0, 0, 0, 0, 0, 0, 0,               // average of left and above
        4, 0, 0, 0, 0, 0, 0, 0, 0, 0,               // Paeth
    };
    Bytes png = WithPixelData(rows);
    PutBigEndian(png, kIhdr + kBody + 4, 5);  // five rows
    PutBigEndian(png, kIhdr + kBody + 13, Crc(&png[kIhdr + 4], 17));
    Image image;
    std::string error;
    ASSERT_TRUE(preview_test::DecodePng(png, &image, &error)) << error;
    const std::vector<std::uint32_t> expected = {
        0x0A141E, 0x28323C, 0x46505A,  // none
        0x010203, 0x020304, 0x030405,  // sub
        0x020304, 0x030405, 0x040506,  // up
        0x010102, 0x020203, 0x030304,  // average: (left + above) / 2
        0x010102, 0x020203, 0x030304,  // Paeth: here always the pixel above
    };
    EXPECT_EQ(image.pixels, expected);
}

TEST(PngReader, DropsTheAlphaChannel) {
    const Bytes rows = {
        0, 1, 2, 3, 0, 4, 5, 6, 128, 7, 8, 9, 255,
        0, 10, 11, 12, 1, 13, 14, 15, 2, 16, 17, 18, 3,
    };
    const Bytes rgba = WithBodyByte(kIhdr, 9, 6);
    ExpectPixels(Joined({Bytes(rgba.begin(), rgba.begin() + kIdat), Chunk("IDAT", StoredZlib(rows)),
                         Range(kIend, kPng.size())}),
                 {0x010203, 0x040506, 0x070809, 0x0A0B0C, 0x0D0E0F, 0x101112});
}

// 8 x 4 RGB, pixel (x, y) = (30x, 60y, 7xy), rows unfiltered, compressed with
// dynamic Huffman codes (zlib level 9).
const Bytes kDynamicCodes = {
    0x78, 0xDA, 0x15, 0xCB, 0xA1, 0x0D, 0x80, 0x30, 0x00, 0x44, 0xD1, 0x73, 0x38, 0x5C, 0x5D, 0x53, 0x83, 0xAB,
    0xC3, 0x21, 0x2E, 0xC1, 0x31, 0x41, 0x55, 0x25, 0x8E, 0x0D, 0x4E, 0xB1, 0x04, 0x49, 0x27, 0xB9, 0x49, 0x3A,
    0x11, 0xAD, 0x7D, 0xF9, 0x1F, 0x00, 0x12, 0x40, 0xA0, 0x02, 0x02, 0x1A, 0x60, 0xA0, 0x0F, 0x1D, 0x96, 0xB8,
    0x90, 0x6B, 0x65, 0x10, 0x63, 0xE3, 0x66, 0xE6, 0xCE, 0x7D, 0x66, 0x49, 0x2B, 0x15, 0xAB, 0xB2, 0x74, 0x34,
    0x5D, 0x56, 0xE9, 0xBA, 0xE7, 0x99, 0x1C, 0xE8, 0x5C, 0x7D, 0xCA, 0xA5, 0xF9, 0xB1, 0xDF, 0xEE, 0xEF, 0x07,
    0x17, 0xC8, 0x1C, 0xF9};

Bytes EightByFour(const Bytes& zlib) {
    return Joined({Range(0, kIhdr), Chunk("IHDR", {0, 0, 0, 8, 0, 0, 0, 4, 8, 2, 0, 0, 0}), Chunk("IDAT", zlib),
                   Range(kIend, kPng.size())});
}

TEST(PngReader, ReadsDynamicHuffmanCodes) {
    Image image;
    std::string error;
    ASSERT_TRUE(preview_test::DecodePng(EightByFour(kDynamicCodes), &image, &error)) << error;
    ASSERT_EQ(image.width, 8);
    ASSERT_EQ(image.height, 4);
    for (std::uint32_t y = 0; y < 4; ++y)
        for (std::uint32_t x = 0; x < 8; ++x)
            EXPECT_EQ(image.pixels[y * 8 + x], ((30 * x) << 16) | ((60 * y) << 8) | ((7 * x * y) & 0xFF))
                << "pixel " << x << "," << y;
}

// Malformed input must end in a refusal with a reason, never in a read past
// the end (the sanitizer build checks that).
TEST(PngReader, RefusesCompressedDataCutAnywhere) {
    // From one byte: on an empty data chunk the decoder copies no bytes to a
    // null pointer, which the sanitizer build stops at. Up to the check value,
    // which the decoder does not read.
    for (std::size_t size = 1; size < kDynamicCodes.size() - 4; ++size) {
        Image image;
        std::string error;
        EXPECT_FALSE(preview_test::DecodePng(EightByFour(Cut(kDynamicCodes, size)), &image, &error)) << size;
        EXPECT_NE(error.find("PNG not decoded: "), std::string::npos) << size << ": " << error;
    }
}

TEST(PngReader, RefusesTheFileCutBeforeItsEndChunk) {
    for (std::size_t size = 0; size < kIend + kBody; ++size) {
        Image image;
        std::string error;
        EXPECT_FALSE(preview_test::DecodePng(Cut(kPng, size), &image, &error)) << size;
        EXPECT_NE(error.find("PNG not decoded: "), std::string::npos) << size << ": " << error;
    }
}

TEST(ImageFile, ErrorsNameTheFile) {
    const std::string missing = "image-reader-test-missing.png";
    std::remove(missing.c_str());
    Image image;
    std::string error;
    EXPECT_FALSE(preview_test::ReadImageFile(missing, &image, &error));
    EXPECT_EQ(error, missing + ": cannot open the file");

    const std::string cut = "image-reader-test-cut.png";
    {
        std::ofstream file(cut, std::ios::binary);
        file.write(reinterpret_cast<const char*>(kPng.data()), 24);
    }
    EXPECT_FALSE(preview_test::ReadImageFile(cut, &image, &error));
    EXPECT_EQ(error, cut + ": PNG not decoded: 1/2/4/8/16-bit only");
    std::remove(cut.c_str());
}

}  // namespace
