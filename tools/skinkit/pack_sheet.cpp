#include "pack_sheet.h"

#include <optional>

#include "pack_folder.h"
#include "pictures/dib_reader.h"
#include "pictures/png_writer.h"
#include "skin_catalogue.h"

namespace skinkit {

bool PackSheetEntries(const std::vector<kit::Bytes>& files, std::vector<pictures::SheetEntry>& entries,
                      kit::Problems& problems) {
    const std::vector<catalogue::Entry>& catalogue = catalogue::Entries();
    const std::size_t before = problems.size();
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        const catalogue::Entry& entry = catalogue[i];
        const std::string file = std::string(kit::kPicturesFolder) + "/" + entry.fileName();
        if (i >= files.size() || files[i].empty()) {
            problems.push_back(kit::Problem{file, 0, 0, "missing"});
            continue;
        }
        pictures::SheetEntry sheetEntry{entry.name, entry.kind == catalogue::Kind::IconGroup, {}};
        std::string why;
        if (!sheetEntry.icon) {
            const std::optional<pictures::StoredPixels> bitmap = pictures::readBitmapFile(files[i], why);
            if (bitmap)
                sheetEntry.pictures.push_back(
                    {pictures::toImage(*bitmap), pictures::sizeLabel(bitmap->width, bitmap->height, bitmap->bits)});
        } else if (const auto icons = pictures::readIconFile(files[i], why)) {
            for (const pictures::IconPixels& icon : *icons)
                sheetEntry.pictures.push_back(
                    {pictures::toImage(icon),
                     pictures::sizeLabel(icon.colours.width, icon.colours.height, icon.colours.bits)});
        }
        if (sheetEntry.pictures.empty()) {
            problems.push_back(kit::Problem{file, 0, 0, why.empty() ? "holds no image" : why});
            continue;
        }
        entries.push_back(std::move(sheetEntry));
    }
    return problems.size() == before;
}

bool PackContactSheet(const std::vector<kit::Bytes>& files, kit::Bytes& png, kit::Problems& problems) {
    std::vector<pictures::SheetEntry> entries;
    if (!PackSheetEntries(files, entries, problems)) return false;
    png = pictures::encodePng(pictures::drawSheet(entries, pictures::layOutSheet(entries)));
    if (png.empty()) problems.push_back(kit::Problem{"contact.png", 0, 0, "cannot encode the sheet"});
    return !png.empty();
}

}  // namespace skinkit
