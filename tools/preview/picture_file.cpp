#include "picture_file.h"

#include "pictures/png_writer.h"

namespace preview {
namespace {

pictures::Image AsImage(const Canvas& canvas) {
    pictures::Image image(canvas.Width(), canvas.Height());
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x) {
            const Colour c = canvas.At(x, y);
            image.set(x, y, pictures::rgb(c >> 16 & 0xFF, c >> 8 & 0xFF, c & 0xFF));
        }
    return image;
}

}  // namespace

pictures::Bytes EncodePng(const Canvas& canvas) { return pictures::encodePng(AsImage(canvas)); }

std::string WritePicture(const std::string& dir, const std::string& stem, const Canvas& canvas) {
    const std::string path = dir + "/" + stem + ".png";
    return pictures::writePng(path, AsImage(canvas)) ? path : std::string();
}

}  // namespace preview
