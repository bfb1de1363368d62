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
    if (DecodePng(bytes, image, error)) return true;
    *error = path + ": " + *error;
    return false;
}

}  // namespace preview_test
