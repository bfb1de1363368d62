#include "module_pictures.h"

#include "pictures/dib_format.h"
#include "resource_format.h"
#include "skin_catalogue.h"

namespace kit {
namespace {

using modfile::kRtBitmap;
using modfile::kRtGroupIcon;

using dib::appendRaw;

void AppendBytes(Bytes& out, modfile::ByteSpan bytes) {
    out.insert(out.end(), bytes.data(), bytes.data() + bytes.size());
}

class Rebuilder {
public:
    Rebuilder(const ModuleResources& resources, const std::string& shownAs, Problems& problems)
        : resources_(resources), shownAs_(shownAs), problems_(problems) {}

    bool BitmapFile(const catalogue::Entry& entry, Bytes& file) {
        const std::optional<modfile::ByteSpan> data = Named(kRtBitmap, entry);
        if (!data) return false;
        const auto info = dib::readAt<dib::InfoHeader>(data->data(), data->size(), 0);
        if (!info || info->size < sizeof *info) return Report(std::string("bitmap ") + entry.name + ": no DIB header");
        const std::uint64_t bitsOffset =
            sizeof(dib::FileHeader) + info->size + dib::colourTableEntries(*info) * sizeof(dib::RgbQuad);
        const std::uint64_t fileSize = sizeof(dib::FileHeader) + data->size();
        if (bitsOffset > fileSize || fileSize > UINT32_MAX)
            return Report(std::string("bitmap ") + entry.name + ": the colour table runs past the data");
        appendRaw(file, dib::FileHeader{{'B', 'M'}, static_cast<std::uint32_t>(fileSize), 0, 0,
                                     static_cast<std::uint32_t>(bitsOffset)});
        AppendBytes(file, *data);
        return true;
    }

    bool IconFile(const catalogue::Entry& entry, Bytes& file) {
        const std::optional<modfile::ByteSpan> group = Named(kRtGroupIcon, entry);
        if (!group) return false;
        const std::string what = std::string("icon group ") + entry.name;
        const auto dir = dib::readAt<dib::IconDir>(group->data(), group->size(), 0);
        if (!dir || dir->type != dib::kIconType) return Report(what + ": not an icon group directory");
        std::vector<dib::GroupIconEntry> items;
        for (std::uint64_t i = 0; i < dir->count; ++i) {
            const auto item = dib::readAt<dib::GroupIconEntry>(group->data(), group->size(),
                                                               sizeof *dir + i * sizeof(dib::GroupIconEntry));
            if (!item) return Report(what + ": the directory ends before its " + std::to_string(dir->count) +
                                     " images");
            items.push_back(*item);
        }
        appendRaw(file, *dir);
        std::uint64_t offset = sizeof *dir + items.size() * sizeof(dib::IconDirEntry);
        std::vector<modfile::ByteSpan> images;
        for (const dib::GroupIconEntry& item : items) {
            const std::optional<modfile::ByteSpan> image = resources_.Icon(item.id);
            if (!image) return Report(what + ": icon image #" + std::to_string(item.id) + " is missing");
            if (image->size() != item.bytesInRes)
                return Report(what + ": icon image #" + std::to_string(item.id) + " has " +
                              std::to_string(image->size()) + " bytes, its directory says " +
                              std::to_string(item.bytesInRes));
            appendRaw(file, dib::IconDirEntry{item.width, item.height, item.colorCount, item.reserved, item.planes,
                                           item.bitCount, item.bytesInRes, static_cast<std::uint32_t>(offset)});
            offset += item.bytesInRes;
            images.push_back(*image);
        }
        for (const modfile::ByteSpan& image : images) AppendBytes(file, image);
        return true;
    }

private:
    std::optional<modfile::ByteSpan> Named(std::uint16_t type, const catalogue::Entry& entry) {
        std::optional<modfile::ByteSpan> found = resources_.Named(type, entry.name);
        if (!found) Report(std::string(type == kRtBitmap ? "bitmap " : "icon group ") + entry.name + " is missing");
        return found;
    }

    bool Report(std::string message) {
        problems_.push_back(Problem{shownAs_, 0, 0, std::move(message)});
        return false;
    }

    const ModuleResources& resources_;
    const std::string& shownAs_;
    Problems& problems_;
};

}  // namespace

bool ReadModulePictures(const ModuleResources& resources, const std::string& shownAs, std::vector<Bytes>& pictures,
                        Problems& problems) {
    const std::size_t before = problems.size();
    Rebuilder rebuilder(resources, shownAs, problems);
    for (const catalogue::Entry& entry : catalogue::Entries()) {
        Bytes picture;
        const bool made = entry.kind == catalogue::Kind::Bitmap ? rebuilder.BitmapFile(entry, picture)
                                                                : rebuilder.IconFile(entry, picture);
        pictures.push_back(made ? std::move(picture) : Bytes{});
    }
    return problems.size() == before;
}

}  // namespace kit
