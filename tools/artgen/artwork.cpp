#include "artwork.h"

#include <stdexcept>

namespace art {

Image renderBitmap(const PaintedBitmap& item) {
    const catalogue::Entry& entry = item.entry;
    Image img = item.paint(entry.width, entry.height);
    if (img.width() != entry.width || img.height() != entry.height)
        throw std::logic_error(std::string(entry.name) + " was painted at the wrong size");
    return img;
}

IconImage renderIconImage(const DrawnIconGroup& group, const catalogue::IconImage& image) {
    const IconStyle style{image.size, image.bits};
    Image img(image.size, image.size);
    Canvas canvas(img, kIconDesignUnits);
    canvas.setAntialias(!style.plain());
    group.draw(canvas, style);
    return IconImage{img, image.bits};
}

std::vector<ArtFile> renderArtwork() {
    std::vector<ArtFile> files;
    for (const PaintedBitmap& item : bitmapCatalogue())
        files.push_back({item.entry.fileName(),
                         encodeBitmapFile(renderBitmap(item), item.entry.bits, item.entry.tableEntries)});
    for (const DrawnIconGroup& group : iconCatalogue()) {
        std::vector<IconImage> images;
        for (const catalogue::IconImage& image : group.entry.images) images.push_back(renderIconImage(group, image));
        files.push_back({group.entry.fileName(), encodeIconFile(images)});
    }
    return files;
}

}  // namespace art
