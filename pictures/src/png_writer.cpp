#include "pictures/png_writer.h"

#include <cstdio>
#include <memory>

// The one place the encoder is compiled; it writes to memory only, and the
// files are written here.
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb/stb_image_write.h>

namespace pictures {
namespace {

void Append(void* context, void* data, int size) {
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    static_cast<Bytes*>(context)->insert(static_cast<Bytes*>(context)->end(), bytes, bytes + size);
}

}  // namespace

Bytes encodePng(const Image& image) {
    if (image.empty()) return {};
    Bytes rgb;
    rgb.reserve(image.pixels().size() * 3);
    for (const Pixel& p : image.pixels()) rgb.insert(rgb.end(), {p.c.r, p.c.g, p.c.b});
    Bytes png;
    if (stbi_write_png_to_func(&Append, &png, image.width(), image.height(), 3, rgb.data(), image.width() * 3) == 0)
        return {};
    return png;
}

bool writePng(const std::string& path, const Image& image) {
    const Bytes png = encodePng(image);
    if (png.empty()) return false;
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
    return file && std::fwrite(png.data(), 1, png.size(), file.get()) == png.size() && std::fflush(file.get()) == 0;
}

}  // namespace pictures
