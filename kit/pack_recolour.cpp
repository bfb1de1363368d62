#include "pack_recolour.h"

#include <cstdlib>
#include <cstring>
#include <optional>

#include "pack_keys.h"
#include "pictures/dib_format.h"
#include "skin_catalogue.h"
#include "system_colour_table.h"

namespace kit {
namespace {

// Blue, green, red from `at`, as tables and pixels both store them.
void RecolourAt(Bytes& bytes, std::uint64_t at, const ColourTransform& transform) {
    std::uint8_t* p = bytes.data() + at;
    const pictures::Rgb out = transform.Apply(pictures::rgb(p[2], p[1], p[0]));
    p[0] = out.b, p[1] = out.g, p[2] = out.r;
}

// The DIB whose header is at `header` of bytes[0, end). Its colour rows lie
// at `bits`, or right after its table where that is not given (icon images,
// whose stored height counts the mask's rows too).
bool RecolourDib(Bytes& bytes, std::uint64_t header, std::uint64_t end, std::optional<std::uint64_t> bits,
                 const ColourTransform& transform, RecolourCounts& counts, std::string& why) {
    const std::optional<dib::InfoHeader> info = dib::readAt<dib::InfoHeader>(bytes.data(), end, header);
    if (!info || info->size < sizeof *info || info->size > end - header) {
        why = "no DIB header at offset " + std::to_string(header);
        return false;
    }
    const unsigned depth = info->bitCount;
    if (info->compression != dib::kBiRgb || (depth != 1 && depth != 4 && depth != 8 && depth != 24 && depth != 32)) {
        why = "compressed or at " + std::to_string(depth) + " bits per pixel: only 1, 4, 8, 24 and 32 uncompressed";
        return false;
    }
    const std::uint64_t table = header + info->size;
    const std::uint64_t entries = dib::colourTableEntries(*info);
    if (entries > (end - table) / sizeof(dib::RgbQuad)) {
        why = "its colour table of " + std::to_string(entries) + " entries runs past the data";
        return false;
    }
    for (std::uint64_t i = 0; i < entries; ++i) RecolourAt(bytes, table + i * sizeof(dib::RgbQuad), transform);
    counts.tableColours += entries;
    if (depth <= 8) return true;
    const std::uint64_t width = info->width > 0 ? static_cast<std::uint64_t>(info->width) : 0;
    const std::uint64_t rows = static_cast<std::uint64_t>(std::llabs(info->height)) / (bits ? 1 : 2);
    const std::uint64_t stride = dib::rowStride(width, depth);
    const std::uint64_t tableEnd = table + entries * sizeof(dib::RgbQuad);
    const std::uint64_t pixels = bits ? *bits : tableEnd;
    if (pixels < tableEnd) {
        why = "its pixels at offset " + std::to_string(pixels) + " overlap its header and colour table";
        return false;
    }
    if (width == 0 || rows == 0 || pixels > end || stride > (end - pixels) / rows) {
        why = "its " + SizeText(info->width, static_cast<std::int64_t>(rows)) + " pixels at offset " +
              std::to_string(pixels) + " run past the data";
        return false;
    }
    for (std::uint64_t y = 0; y < rows; ++y)
        for (std::uint64_t x = 0; x < width; ++x) RecolourAt(bytes, pixels + y * stride + x * (depth / 8), transform);
    counts.pixels += width * rows;
    return true;
}

bool RecolourIcon(Bytes& bytes, const ColourTransform& transform, RecolourCounts& counts, std::string& why) {
    const std::optional<dib::IconDir> dir = dib::readAt<dib::IconDir>(bytes.data(), bytes.size(), 0);
    if (!dir || dir->reserved != 0 || dir->type != dib::kIconType) {
        why = "not a .bmp or .ico file";
        return false;
    }
    for (std::uint64_t i = 0; i < dir->count; ++i) {
        const std::string image = "image " + std::to_string(i + 1);
        const std::optional<dib::IconDirEntry> entry = dib::readAt<dib::IconDirEntry>(
            bytes.data(), bytes.size(), sizeof *dir + i * sizeof(dib::IconDirEntry));
        const std::uint64_t directoryEnd = sizeof *dir + std::uint64_t{dir->count} * sizeof(dib::IconDirEntry);
        if (!entry || entry->imageOffset < directoryEnd || entry->imageOffset > bytes.size() ||
            entry->bytesInRes > bytes.size() - entry->imageOffset) {
            why = image + " lies outside the file or inside its directory";
            return false;
        }
        if (!RecolourDib(bytes, entry->imageOffset, std::uint64_t{entry->imageOffset} + entry->bytesInRes,
                         std::nullopt, transform, counts, why)) {
            why = image + ": " + why;
            return false;
        }
    }
    return true;
}

}  // namespace

bool RecolourPicture(Bytes& file, const ColourTransform& transform, RecolourCounts& counts, std::string& why) {
    Bytes bytes = file;
    RecolourCounts more = counts;
    const std::optional<dib::FileHeader> bitmap = dib::readAt<dib::FileHeader>(bytes.data(), bytes.size(), 0);
    bool made = false;
    if (bitmap && std::memcmp(bitmap->magic, "BM", 2) == 0) {
        // Copied out of the packed header, which no reference may bind to.
        const std::uint64_t bits = bitmap->bitsOffset;
        made = RecolourDib(bytes, sizeof *bitmap, bytes.size(), bits, transform, more, why);
    } else {
        made = RecolourIcon(bytes, transform, more, why);
    }
    if (!made) return false;
    file = std::move(bytes);
    counts = more;
    ++counts.pictures;
    return true;
}

bool RecolourPack(PackContents& pack, const DeriveRecipe& recipe, RecolourCounts& counts, std::string& why) {
    const std::vector<catalogue::Entry>& entries = catalogue::Entries();
    for (std::size_t i = 0; i < pack.pictures.size() && i < entries.size(); ++i)
        if (!RecolourPicture(pack.pictures[i], recipe.transform, counts, why)) {
            why = "pictures/" + entries[i].fileName() + ": " + why;
            return false;
        }
    for (const PackKey& key : PackKeys()) {
        if (key.kind != ValueKind::Colour) continue;
        unsigned char* at = reinterpret_cast<unsigned char*>(&pack.values) + key.offset;
        skin::SkinColour colour;
        std::memcpy(&colour, at, sizeof colour);
        const std::uint32_t kind = colour.word & skin::kColourKindMask;
        const std::uint32_t index = colour.word & 0xFFu;
        if (kind == skin::kColourSystem && recipe.resolveSystem && index < catalogue::kSystemColourCount) {
            colour.word = recipe.transform.ApplyColorRef(catalogue::kSystemColours[index].colorref);
            ++counts.systemResolved;
        } else if (kind == skin::kColourSystem) {
            ++counts.systemKept;
        } else if (kind == skin::kColourLiteral) {
            colour.word = recipe.transform.ApplyColorRef(colour.word);
            ++counts.values;
        }
        std::memcpy(at, &colour, sizeof colour);
    }
    return true;
}

}  // namespace kit
