#include "artwork.h"

#include <stdexcept>

namespace art {

Image renderBitmap(const BitmapSpec& item) {
    Image img = item.paint(item.width, item.height);
    if (img.width() != item.width || img.height() != item.height)
        throw std::logic_error(std::string(item.name) + " was painted at the wrong size");
    return img;
}

IconImage renderIconImage(const IconGroupSpec& group, const IconImageSpec& image) {
    const IconStyle style{image.size, image.bits};
    Image img(image.size, image.size);
    Canvas canvas(img, kIconDesignUnits);
    canvas.setAntialias(!style.plain());
    group.draw(canvas, style);
    return IconImage{img, image.bits};
}

std::vector<ArtFile> renderArtwork() {
    std::vector<ArtFile> files;
    for (const BitmapSpec& item : bitmapCatalogue())
        files.push_back({std::string(item.name) + ".bmp",
                         encodeBitmapFile(renderBitmap(item), item.bits, item.tableEntries)});
    for (const IconGroupSpec& group : iconCatalogue()) {
        std::vector<IconImage> images;
        for (const IconImageSpec& image : group.images) images.push_back(renderIconImage(group, image));
        files.push_back({std::string(group.name) + ".ico", encodeIconFile(images)});
    }
    return files;
}

}  // namespace art
