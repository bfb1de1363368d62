#include "picture_check.h"

#include <algorithm>

#include "pictures/dib_reader.h"
#include "problems.h"

namespace kit {
namespace {

using Bytes = std::vector<std::uint8_t>;

bool CheckBitmap(const Bytes& bytes, const catalogue::Entry& entry, std::string& why) {
    const std::optional<pictures::BitmapHeaders> headers = pictures::readBitmapHeaders(bytes, why);
    if (!headers || headers->info.size != sizeof(dib::InfoHeader)) {
        why = "not a BMP file with a 40-byte header";
        return false;
    }
    const dib::FileHeader& file = headers->file;
    const dib::InfoHeader& info = headers->info;
    if (info.width != entry.width || info.height != entry.height) {
        why = SizeText(info.width, info.height) + ", want " + SizeText(entry.width, entry.height) +
              (info.height == -entry.height ? " (rows must be stored bottom-up)" : "");
        return false;
    }
    if (info.bitCount != entry.bits || info.planes != 1 || info.compression != dib::kBiRgb) {
        why = std::to_string(info.bitCount) + " bits per pixel, want " + std::to_string(entry.bits) +
              " uncompressed in one plane";
        return false;
    }
    if (dib::colourTableEntries(info) != static_cast<std::uint64_t>(entry.tableEntries)) {
        why = std::to_string(dib::colourTableEntries(info)) + " colour table entries, want " + std::to_string(entry.tableEntries);
        return false;
    }
    const std::uint64_t pixels = dib::rowStride(info.width, info.bitCount) * static_cast<std::uint64_t>(info.height);
    if (file.bitsOffset > bytes.size() || bytes.size() - file.bitsOffset < pixels) {
        why = "the file ends before its pixels do";
        return false;
    }
    return pictures::readBitmapFile(bytes, why).has_value();
}

std::string ImageList(const std::vector<catalogue::IconImage>& images) {
    std::string text;
    for (const catalogue::IconImage& image : images)
        text += (text.empty() ? "" : ", ") + SizeText(image.size, image.size) + " at " + std::to_string(image.bits);
    return text;
}

bool CheckIcon(const Bytes& bytes, const catalogue::Entry& entry, std::string& why) {
    const std::optional<dib::IconDir> dir = pictures::readIconDir(bytes, why);
    if (!dir) {
        why = "not an ICO file";
        return false;
    }
    std::vector<catalogue::IconImage> images;
    for (std::size_t i = 0; i < dir->count; ++i) {
        const std::optional<dib::IconDirEntry> item = pictures::readIconDirEntry(bytes, i, why);
        if (!item) {
            why = "the file ends inside its directory";
            return false;
        }
        const std::optional<dib::InfoHeader> info = pictures::readIconImageHeader(bytes, *dir, *item, why);
        if (!info || info->size != sizeof(dib::InfoHeader)) {
            why = "image " + std::to_string(i + 1) + " is not a DIB image within the file (a PNG image is not taken)";
            return false;
        }
        if (info->width != info->height / 2 || info->compression != dib::kBiRgb) {
            why = "image " + std::to_string(i + 1) + " is not a square uncompressed icon image";
            return false;
        }
        images.push_back(catalogue::IconImage{info->width, info->bitCount});
    }
    const bool same = images.size() == entry.images.size() &&
                      std::equal(images.begin(), images.end(), entry.images.begin(), [](auto& a, auto& b) {
                          return a.size == b.size && a.bits == b.bits;
                      });
    if (!same) {
        why = "images " + ImageList(images) + ", want " + ImageList(entry.images);
        return false;
    }
    return pictures::readIconFile(bytes, why).has_value();
}

}  // namespace

bool CheckPicture(const Bytes& bytes, const catalogue::Entry& entry, std::string& why) {
    return entry.kind == catalogue::Kind::Bitmap ? CheckBitmap(bytes, entry, why) : CheckIcon(bytes, entry, why);
}

}  // namespace kit
