#include "pictures/png_reader.h"

#include <climits>
#include <memory>

// The one place the decoder is compiled. Files are read by the callers, so
// it needs no stdio; the side limit keeps a forged header from asking for
// more memory than any skin picture.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_FAILURE_USERMSG
#define STBI_MAX_DIMENSIONS 4096
#include <stb/stb_image.h>

namespace pictures {
namespace {

bool tooLarge(const Bytes& file, std::string& why) {
    if (file.size() <= static_cast<std::size_t>(INT_MAX)) return false;
    why = "too large for a PNG file";
    return true;
}

void failed(std::string& why) {
    const char* reason = stbi_failure_reason();
    why = std::string("not a readable PNG file: ") + (reason != nullptr && *reason != '\0' ? reason : "malformed");
}

}  // namespace

std::optional<PngSize> readPngSize(const Bytes& file, std::string& why) {
    if (tooLarge(file, why)) return std::nullopt;
    // Not every failure names its reason; an earlier file's must not stand for it.
    stbi__g_failure_reason = nullptr;
    PngSize size;
    int channels = 0;
    if (stbi_info_from_memory(file.data(), static_cast<int>(file.size()), &size.width, &size.height, &channels) == 0) {
        failed(why);
        return std::nullopt;
    }
    return size;
}

std::optional<Image> readPngFile(const Bytes& file, std::string& why) {
    if (tooLarge(file, why)) return std::nullopt;
    stbi__g_failure_reason = nullptr;
    int width = 0, height = 0, channels = 0;
    const std::unique_ptr<stbi_uc, void (*)(void*)> rgba(
        stbi_load_from_memory(file.data(), static_cast<int>(file.size()), &width, &height, &channels, 4),
        &stbi_image_free);
    if (!rgba) {
        failed(why);
        return std::nullopt;
    }
    Image image(width, height);
    for (std::size_t i = 0; i < image.pixels().size(); ++i) {
        const stbi_uc* p = rgba.get() + 4 * i;
        image.pixels()[i] = Pixel{Rgb{p[0], p[1], p[2]}, p[3]};
    }
    return image;
}

}  // namespace pictures
