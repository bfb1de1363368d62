#include "image_reader.h"

#include <climits>
#include <cstdio>
#include <memory>

// The one place the decoder is compiled. PNG is all the references need, and
// the file is read here, so the decoder needs no stdio of its own.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STBI_MAX_DIMENSIONS (1 << 14)
#include <stb_image.h>

namespace preview_test {
namespace {

// Far more than any preview picture; keeps sizes read from a file in range.
constexpr std::uint32_t kMaxSide = STBI_MAX_DIMENSIONS;

std::uint32_t LittleEndian32(const std::uint8_t* p) {
    return p[0] | (static_cast<std::uint32_t>(p[1]) << 8) | (static_cast<std::uint32_t>(p[2]) << 16) |
           (static_cast<std::uint32_t>(p[3]) << 24);
}

std::uint16_t LittleEndian16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

bool Fail(std::string* error, const char* reason) {
    *error = reason;
    return false;
}

}  // namespace

bool DecodePng(const std::vector<std::uint8_t>& bytes, Image* image, std::string* error) {
    if (bytes.size() > static_cast<std::size_t>(INT_MAX)) return Fail(error, "PNG too large to read");
    // Some failures give no reason (and an unnamed chunk an empty one); an
    // earlier picture's reason must not be reported for this one.
    stbi__g_failure_reason = nullptr;
    int width = 0, height = 0, channels = 0;
    const std::unique_ptr<stbi_uc, void (*)(void*)> rgb(
        stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &width, &height, &channels, 3),
        &stbi_image_free);
    if (!rgb) {
        const char* reason = stbi_failure_reason();
        *error = std::string("PNG not decoded: ") + (reason != nullptr && *reason != '\0' ? reason : "malformed");
        return false;
    }
    image->width = width;
    image->height = height;
    image->pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (std::size_t i = 0; i < image->pixels.size(); ++i) {
        const stbi_uc* p = rgb.get() + i * 3;
        image->pixels[i] = (static_cast<std::uint32_t>(p[0]) << 16) | (static_cast<std::uint32_t>(p[1]) << 8) | p[2];
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
    if (!file) {
        *error = path + ": cannot open the file";
        return false;
    }
    std::vector<std::uint8_t> bytes;
    std::uint8_t chunk[65536];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) bytes.insert(bytes.end(), chunk, chunk + got);
    const bool bmp = bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M';
    if (bmp ? DecodeBmp(bytes, image, error) : DecodePng(bytes, image, error)) return true;
    *error = path + ": " + *error;
    return false;
}

}  // namespace preview_test
