#include "pack_module.h"

#include <cstring>
#include <map>
#include <optional>

#include "pe_image.h"
#include "pictures/dib_format.h"
#include "resource_directory.h"
#include "resource_format.h"
#include "skin_catalogue.h"

namespace kit {
namespace {

using modfile::kRtBitmap;
using modfile::kRtGroupIcon;
using modfile::kRtIcon;

template <class T>
void Append(Bytes& out, const T& value) {
    const auto* p = reinterpret_cast<const std::uint8_t*>(&value);
    out.insert(out.end(), p, p + sizeof value);
}

void Append(Bytes& out, modfile::ByteSpan bytes) { out.insert(out.end(), bytes.data(), bytes.data() + bytes.size()); }

class Reader {
public:
    Reader(const std::string& shownAs, Problems& problems) : shownAs_(shownAs), problems_(problems) {}

    bool Read(const Bytes& module, PackContents& pack) {
        const modfile::ByteSpan file(module.data(), module.size());
        auto image = modfile::PeImage::parse(file);
        if (image.isError()) return Report("not a module: " + image.error().message);
        ReadValues(image.value(), pack.values);
        auto resources = modfile::readResources(image.value());
        if (resources.isError()) return Report("resources: " + resources.error().message);
        for (const modfile::Resource& resource : resources.value()) {
            if (resource.type.isName()) continue;
            if (resource.type.number == kRtIcon && !resource.name.isName())
                icons_.emplace(resource.name.number, resource.data);
            else if (resource.name.isName())
                named_[{resource.type.number, resource.name.name}] = resource.data;
        }
        for (const catalogue::Entry& entry : catalogue::Entries()) {
            Bytes picture;
            const bool made = entry.kind == catalogue::Kind::Bitmap ? BitmapFile(entry, picture)
                                                                    : IconFile(entry, picture);
            pack.pictures.push_back(made ? std::move(picture) : Bytes{});
        }
        return problems_.empty();
    }

private:
    void ReadValues(const modfile::PeImage& image, skin::SkinValues& values) {
        auto bytes = modfile::sectionBytes(image, SKIN_VALUES_SECTION);
        if (bytes.isError()) return (void)Report(bytes.error().message + ": not a skin pack's module");
        if (bytes.value().size() < sizeof values)
            return (void)Report(SKIN_VALUES_SECTION " holds " + std::to_string(bytes.value().size()) +
                                " bytes, less than a values block");
        std::memcpy(&values, bytes.value().data(), sizeof values);
        const bool named = std::memchr(values.moduleName, 0, sizeof values.moduleName) != nullptr;
        if (std::memcmp(values.magic, skin::kValuesMagic, sizeof values.magic) != 0 ||
            values.version != skin::kValuesVersion || values.size != sizeof values || !named)
            Report(SKIN_VALUES_SECTION ": not a values block of version " + std::to_string(skin::kValuesVersion));
    }

    std::optional<modfile::ByteSpan> Named(std::uint16_t type, const catalogue::Entry& entry) {
        const std::string name = entry.name;
        const auto found = named_.find({type, std::u16string(name.begin(), name.end())});
        if (found != named_.end()) return found->second;
        Report(std::string(type == kRtBitmap ? "bitmap " : "icon group ") + entry.name + " is missing");
        return std::nullopt;
    }

    bool BitmapFile(const catalogue::Entry& entry, Bytes& file) {
        const std::optional<modfile::ByteSpan> data = Named(kRtBitmap, entry);
        if (!data) return false;
        const auto info = dib::readAt<dib::InfoHeader>(data->data(), data->size(), 0);
        if (!info || info->size < sizeof *info) return Report(std::string("bitmap ") + entry.name + ": no DIB header");
        const std::uint64_t table = info->bitCount <= 8 && info->clrUsed == 0 ? 1u << info->bitCount : info->clrUsed;
        const std::uint64_t bitsOffset = sizeof(dib::FileHeader) + info->size + table * sizeof(dib::RgbQuad);
        const std::uint64_t fileSize = sizeof(dib::FileHeader) + data->size();
        if (bitsOffset > fileSize || fileSize > UINT32_MAX)
            return Report(std::string("bitmap ") + entry.name + ": the colour table runs past the data");
        Append(file, dib::FileHeader{{'B', 'M'}, static_cast<std::uint32_t>(fileSize), 0, 0,
                                     static_cast<std::uint32_t>(bitsOffset)});
        Append(file, *data);
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
        Append(file, *dir);
        std::uint64_t offset = sizeof *dir + items.size() * sizeof(dib::IconDirEntry);
        std::vector<modfile::ByteSpan> images;
        for (const dib::GroupIconEntry& item : items) {
            const auto image = icons_.find(item.id);
            if (image == icons_.end())
                return Report(what + ": icon image #" + std::to_string(item.id) + " is missing");
            if (image->second.size() != item.bytesInRes)
                return Report(what + ": icon image #" + std::to_string(item.id) + " has " +
                              std::to_string(image->second.size()) + " bytes, its directory says " +
                              std::to_string(item.bytesInRes));
            Append(file, dib::IconDirEntry{item.width, item.height, item.colorCount, item.reserved, item.planes,
                                           item.bitCount, item.bytesInRes, static_cast<std::uint32_t>(offset)});
            offset += item.bytesInRes;
            images.push_back(image->second);
        }
        for (const modfile::ByteSpan& image : images) Append(file, image);
        return true;
    }

    bool Report(std::string message) {
        problems_.push_back(Problem{shownAs_, 0, 0, std::move(message)});
        return false;
    }

    const std::string& shownAs_;
    Problems& problems_;
    std::map<std::uint16_t, modfile::ByteSpan> icons_;
    std::map<std::pair<std::uint16_t, std::u16string>, modfile::ByteSpan> named_;
};

}  // namespace

bool ReadPackModule(const Bytes& module, const std::string& shownAs, PackContents& pack, Problems& problems) {
    const std::size_t before = problems.size();
    Problems found;
    Reader(shownAs, found).Read(module, pack);
    problems.insert(problems.end(), found.begin(), found.end());
    return problems.size() == before;
}

}  // namespace kit
