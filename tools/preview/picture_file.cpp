#include "picture_file.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <vector>

#include "pictures/dib_writer.h"

#if SKIN_PREVIEW_HAS_PNG
#include <png.h>

#include <csetjmp>
#endif

namespace preview {
namespace {

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

File OpenForWriting(const std::string& path) { return File(std::fopen(path.c_str(), "wb"), &std::fclose); }

}  // namespace

bool WriteBmp(const std::string& path, const Canvas& canvas) {
    constexpr std::int32_t kSeventyTwoDotsPerInch = 2835;
    pictures::Bytes bytes;
    try {
        bytes = pictures::encodeBitmapFile(
            pictures::StoredPixels{canvas.Width(), canvas.Height(), 24, {}, canvas.Pixels()}, kSeventyTwoDotsPerInch);
    } catch (const std::invalid_argument&) {
        return false;  // an empty canvas, or one too large for a DIB
    }
    File file = OpenForWriting(path);
    if (!file) return false;
    return std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size() && std::fflush(file.get()) == 0;
}

#if SKIN_PREVIEW_HAS_PNG
bool WritePng(const std::string& path, const Canvas& canvas) {
    File file = OpenForWriting(path);
    if (!file) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) return false;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    std::vector<png_byte> row(static_cast<std::size_t>(canvas.Width()) * 3);
    // libpng reports its errors by jumping back here.
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file.get());
    png_set_IHDR(png, info, static_cast<png_uint_32>(canvas.Width()), static_cast<png_uint_32>(canvas.Height()), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const Colour pixel = canvas.At(x, y);
            row[static_cast<std::size_t>(x) * 3] = static_cast<png_byte>(pixel >> 16);
            row[static_cast<std::size_t>(x) * 3 + 1] = static_cast<png_byte>(pixel >> 8);
            row[static_cast<std::size_t>(x) * 3 + 2] = static_cast<png_byte>(pixel);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fflush(file.get()) == 0;
}
#endif

const char* PictureExtension() {
#if SKIN_PREVIEW_HAS_PNG
    return "png";
#else
    return "bmp";
#endif
}

std::string WritePicture(const std::string& dir, const std::string& stem, const Canvas& canvas) {
    const std::string path = dir + "/" + stem + "." + PictureExtension();
#if SKIN_PREVIEW_HAS_PNG
    const bool written = WritePng(path, canvas);
#else
    const bool written = WriteBmp(path, canvas);
#endif
    return written ? path : std::string();
}

}  // namespace preview
