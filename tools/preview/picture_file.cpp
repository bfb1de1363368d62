#include "picture_file.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <stdexcept>

#include "pictures/dib_writer.h"
#if SKIN_PREVIEW_HAS_PNG
#include "pictures/png_writer.h"
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
    pictures::Image image(canvas.Width(), canvas.Height());
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x) {
            const Colour c = canvas.At(x, y);
            image.set(x, y, pictures::rgb(c >> 16 & 0xFF, c >> 8 & 0xFF, c & 0xFF));
        }
    return pictures::writePng(path, image);
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
