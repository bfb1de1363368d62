#include "contact_sheet.h"

#include "artwork.h"
#include "pictures/contact_sheet.h"

namespace art {

Image contactSheet() {
    std::vector<pictures::SheetEntry> entries;
    for (const PaintedBitmap& item : bitmapCatalogue()) {
        const catalogue::Entry& entry = item.entry;
        entries.push_back({entry.name, false,
                           {{renderBitmap(item), pictures::sizeLabel(entry.width, entry.height, entry.bits)}}});
    }
    for (const DrawnIconGroup& group : iconCatalogue()) {
        pictures::SheetEntry sheetEntry{group.entry.name, true, {}};
        for (const catalogue::IconImage& image : group.entry.images)
            sheetEntry.pictures.push_back({storedIcon(renderIconImage(group, image)),
                                           pictures::sizeLabel(image.size, image.size, image.bits)});
        entries.push_back(std::move(sheetEntry));
    }
    return pictures::drawSheet(entries, pictures::layOutSheet(entries));
}

}  // namespace art
