#include "png_picture.h"

#include <algorithm>
#include <utility>

#include "pictures/png_reader.h"
#include "problems.h"

namespace kit {
namespace {

using pictures::Image;
using pictures::Rgb;
using pictures::StoredPixels;

// The size is read first, so that a picture of the wrong size is never decoded.
std::optional<Image> ReadSized(const std::vector<std::uint8_t>& png, int width, int height, std::string& why) {
    const std::optional<pictures::PngSize> size = pictures::readPngSize(png, why);
    if (!size) return std::nullopt;
    if (size->width != width || size->height != height) {
        why = SizeText(size->width, size->height) + ", want " + SizeText(width, height);
        return std::nullopt;
    }
    return pictures::readPngFile(png, why);
}

// `colours` (width x height, top row first) as stored at `bits`, in a table
// of `entries` where there is one.
std::optional<StoredPixels> Store(const std::vector<Rgb>& colours, int width, int height, int bits, std::size_t entries,
                                  std::string& why) {
    StoredPixels p{width, height, bits, {}, {}};
    if (bits == 24) {
        for (const Rgb c : colours) p.values.push_back(c.key());
        return p;
    }
    p.table = colours;
    std::sort(p.table.begin(), p.table.end());
    p.table.erase(std::unique(p.table.begin(), p.table.end()), p.table.end());
    if (p.table.size() > entries) {
        why = std::to_string(p.table.size()) + " colours, " + (bits == 8 ? "an " : "a ") + std::to_string(bits) +
              "-bit picture holds " + std::to_string(entries);
        return std::nullopt;
    }
    for (const Rgb c : colours)
        p.values.push_back(
            static_cast<std::uint32_t>(std::lower_bound(p.table.begin(), p.table.end(), c) - p.table.begin()));
    p.table.resize(entries);
    return p;
}

}  // namespace

std::optional<StoredPixels> BitmapFromPng(const std::vector<std::uint8_t>& png, const catalogue::Entry& bitmap,
                                          std::string& why) {
    const std::optional<Image> image = ReadSized(png, bitmap.width, bitmap.height, why);
    if (!image) return std::nullopt;
    std::size_t seeThrough = 0, first = 0;
    std::vector<Rgb> colours;
    for (std::size_t i = 0; i < image->pixels().size(); ++i) {
        const pictures::Pixel p = image->pixels()[i];
        if (p.a < 255 && seeThrough++ == 0) first = i;
        colours.push_back(p.c);
    }
    if (seeThrough > 0) {
        const std::string place = std::to_string(first % bitmap.width) + "," + std::to_string(first / bitmap.width);
        why = (seeThrough == 1 ? "pixel " + place + " is not fully opaque"
                               : std::to_string(seeThrough) + " pixels are not fully opaque, the first at " + place) +
              "; a bitmap has no transparency";
        return std::nullopt;
    }
    return Store(colours, bitmap.width, bitmap.height, bitmap.bits, static_cast<std::size_t>(bitmap.tableEntries), why);
}

std::optional<pictures::IconPixels> IconImageFromPng(const std::vector<std::uint8_t>& png,
                                                     const catalogue::IconImage& image, std::string& why) {
    const std::optional<Image> read = ReadSized(png, image.size, image.size, why);
    if (!read) return std::nullopt;
    std::vector<Rgb> colours;
    std::vector<bool> transparent;
    for (const pictures::Pixel p : read->pixels()) {
        transparent.push_back(p.a < 128);
        colours.push_back(transparent.back() ? Rgb{} : p.c);
    }
    const std::size_t entries = image.bits == 24 ? 0 : std::size_t{1} << image.bits;
    std::optional<StoredPixels> stored = Store(colours, image.size, image.size, image.bits, entries, why);
    if (!stored) return std::nullopt;
    return pictures::IconPixels{std::move(*stored), std::move(transparent)};
}

}  // namespace kit
