#include "image_reader.h"

#include <cstdio>
#include <cstring>
#include <memory>

namespace preview_test {
namespace {

// Far more than any preview picture; keeps sizes read from a file in range.
constexpr std::uint32_t kMaxSide = 1u << 14;

std::uint32_t BigEndian32(const std::uint8_t* p) {
    return (static_cast<std::uint32_t>(p[0]) << 24) | (static_cast<std::uint32_t>(p[1]) << 16) |
           (static_cast<std::uint32_t>(p[2]) << 8) | p[3];
}

std::uint32_t LittleEndian32(const std::uint8_t* p) {
    return p[0] | (static_cast<std::uint32_t>(p[1]) << 8) | (static_cast<std::uint32_t>(p[2]) << 16) |
           (static_cast<std::uint32_t>(p[3]) << 24);
}

std::uint16_t LittleEndian16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

bool Fail(std::string* error, const char* reason) {
    *error = reason;
    return false;
}

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

int Paeth(int a, int b, int c) {
    const int p = a + b - c;
    const int pa = p > a ? p - a : a - p;
    const int pb = p > b ? p - b : b - p;
    const int pc = p > c ? p - c : c - p;
    if (pa <= pb && pa <= pc) return a;
    return pb <= pc ? b : c;
}

// Undoes each row's filter in place; rows are one filter byte and stride bytes.
bool Unfilter(std::vector<std::uint8_t>& data, std::size_t stride, int height, int bytesPerPixel,
              std::string* error) {
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = data.data() + static_cast<std::size_t>(y) * (stride + 1);
        const std::uint8_t* prior = y > 0 ? row - (stride + 1) + 1 : nullptr;
        const std::uint8_t filter = row[0];
        std::uint8_t* pixels = row + 1;
        for (std::size_t x = 0; x < stride; ++x) {
            const int a = x >= static_cast<std::size_t>(bytesPerPixel) ? pixels[x - bytesPerPixel] : 0;
            const int b = prior ? prior[x] : 0;
            const int c = prior && x >= static_cast<std::size_t>(bytesPerPixel) ? prior[x - bytesPerPixel] : 0;
            int predictor = 0;
            switch (filter) {
                case 0: predictor = 0; break;
                case 1: predictor = a; break;
                case 2: predictor = b; break;
                case 3: predictor = (a + b) / 2; break;
                case 4: predictor = Paeth(a, b, c); break;
                default: return Fail(error, "PNG row with an unknown filter");
            }
            pixels[x] = static_cast<std::uint8_t>(pixels[x] + predictor);
        }
    }
    return true;
}

}  // namespace

bool DecodePng(const std::vector<std::uint8_t>& bytes, Image* image, std::string* error) {
    static constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (bytes.size() < 8 || std::memcmp(bytes.data(), kSignature, 8) != 0) return Fail(error, "no PNG signature");

    std::uint32_t width = 0, height = 0;
    int bytesPerPixel = 0;
    bool sawHeader = false;
    bool sawEnd = false;
    std::vector<std::uint8_t> compressed;
    std::size_t pos = 8;
    while (!sawEnd) {
        if (bytes.size() - pos < 12) return Fail(error, "PNG ends inside a chunk header");
        const std::uint32_t length = BigEndian32(&bytes[pos]);
        if (length > bytes.size() - pos - 12) return Fail(error, "PNG chunk longer than the file");
        const std::uint8_t* type = &bytes[pos + 4];
        const std::uint8_t* body = &bytes[pos + 8];
        if (Crc32(type, length + 4) != BigEndian32(body + length)) return Fail(error, "PNG chunk with a bad CRC");
        pos += 12 + static_cast<std::size_t>(length);

        if (std::memcmp(type, "IHDR", 4) == 0) {
            if (sawHeader || length != 13) return Fail(error, "PNG header chunk malformed");
            width = BigEndian32(body);
            height = BigEndian32(body + 4);
            const std::uint8_t depth = body[8], colourType = body[9];
            if (width == 0 || height == 0 || width > kMaxSide || height > kMaxSide)
                return Fail(error, "PNG size out of range");
            if (depth != 8 || (colourType != 2 && colourType != 6))
                return Fail(error, "PNG is not 8-bit RGB or RGBA");
            if (body[10] != 0 || body[11] != 0 || body[12] != 0)
                return Fail(error, "PNG compression, filter or interlace method not supported");
            bytesPerPixel = colourType == 2 ? 3 : 4;
            sawHeader = true;
        } else if (!sawHeader) {
            return Fail(error, "PNG does not start with its header chunk");
        } else if (std::memcmp(type, "IDAT", 4) == 0) {
            compressed.insert(compressed.end(), body, body + length);
        } else if (std::memcmp(type, "IEND", 4) == 0) {
            sawEnd = true;
        } else if ((type[0] & 0x20) == 0) {
            return Fail(error, "PNG with an unknown critical chunk");
        }
    }

    const std::size_t stride = static_cast<std::size_t>(width) * bytesPerPixel;
    const std::size_t expected = (stride + 1) * height;
    std::vector<std::uint8_t> data;
    if (!Inflate(compressed.data(), compressed.size(), expected, &data, error)) return false;
    if (data.size() != expected) return Fail(error, "PNG pixel data shorter than its size says");
    if (!Unfilter(data, stride, static_cast<int>(height), bytesPerPixel, error)) return false;

    image->width = static_cast<int>(width);
    image->height = static_cast<int>(height);
    image->pixels.resize(static_cast<std::size_t>(width) * height);
    for (std::uint32_t y = 0; y < height; ++y) {
        const std::uint8_t* row = data.data() + y * (stride + 1) + 1;
        for (std::uint32_t x = 0; x < width; ++x) {
            const std::uint8_t* p = row + static_cast<std::size_t>(x) * bytesPerPixel;
            image->pixels[static_cast<std::size_t>(y) * width + x] =
                (static_cast<std::uint32_t>(p[0]) << 16) | (static_cast<std::uint32_t>(p[1]) << 8) | p[2];
        }
    }
    return true;
}

bool DecodeBmp(const std::vector<std::uint8_t>& bytes, Image* image, std::string* error) {
    constexpr std::size_t kFileHeader = 14;
    constexpr std::size_t kInfoHeader = 40;
    if (bytes.size() < kFileHeader + kInfoHeader || bytes[0] != 'B' || bytes[1] != 'M')
        return Fail(error, "no BMP headers");
    const std::uint32_t offset = LittleEndian32(&bytes[10]);
    const std::uint8_t* info = &bytes[kFileHeader];
    const std::uint32_t infoSize = LittleEndian32(info);
    const auto width = static_cast<std::int32_t>(LittleEndian32(info + 4));
    const auto height = static_cast<std::int32_t>(LittleEndian32(info + 8));
    const std::uint16_t planes = LittleEndian16(info + 12);
    const std::uint16_t bitCount = LittleEndian16(info + 14);
    const std::uint32_t compression = LittleEndian32(info + 16);
    if (infoSize < kInfoHeader || infoSize > bytes.size() - kFileHeader)
        return Fail(error, "BMP info header malformed");
    if (planes != 1 || (bitCount != 24 && bitCount != 32) || compression != 0)
        return Fail(error, "BMP is not uncompressed 24 or 32 bits per pixel");
    const std::int64_t rows = height < 0 ? -static_cast<std::int64_t>(height) : height;
    if (width <= 0 || rows == 0 || static_cast<std::uint32_t>(width) > kMaxSide || rows > kMaxSide)
        return Fail(error, "BMP size out of range");

    const std::size_t bytesPerPixel = bitCount / 8;
    const std::size_t stride = (static_cast<std::size_t>(width) * bytesPerPixel + 3) & ~static_cast<std::size_t>(3);
    if (offset < kFileHeader + infoSize || offset > bytes.size() ||
        stride * static_cast<std::size_t>(rows) > bytes.size() - offset)
        return Fail(error, "BMP pixels lie outside the file");

    image->width = width;
    image->height = static_cast<int>(rows);
    image->pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(rows));
    for (std::int64_t y = 0; y < rows; ++y) {
        // A positive height stores the bottom row first.
        const std::int64_t stored = height > 0 ? rows - 1 - y : y;
        const std::uint8_t* row = &bytes[offset + static_cast<std::size_t>(stored) * stride];
        for (std::int32_t x = 0; x < width; ++x) {
            const std::uint8_t* p = row + static_cast<std::size_t>(x) * bytesPerPixel;
            image->pixels[static_cast<std::size_t>(y) * width + x] =
                (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[1]) << 8) | p[0];
        }
    }
    return true;
}

bool ReadImageFile(const std::string& path, Image* image, std::string* error) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) return Fail(error, "cannot open the file");
    std::vector<std::uint8_t> bytes;
    std::uint8_t chunk[65536];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) bytes.insert(bytes.end(), chunk, chunk + got);
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') return DecodeBmp(bytes, image, error);
    return DecodePng(bytes, image, error);
}

}  // namespace preview_test
