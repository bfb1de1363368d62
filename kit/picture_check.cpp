#include "picture_check.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "pictures/dib_format.h"

namespace kit {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A copy of the layout at `offset`, or false where the file ends first.
template <class T>
bool ReadAt(const Bytes& bytes, std::uint64_t offset, T& value) {
    const std::optional<T> read = dib::readAt<T>(bytes.data(), bytes.size(), offset);
    if (read) value = *read;
    return read.has_value();
}

std::string Size(std::int64_t width, std::int64_t height) {
    return std::to_string(width) + "×" + std::to_string(height);
}

std::uint64_t TableEntries(const dib::InfoHeader& info) {
    if (info.bitCount > 8) return info.clrUsed;
    return info.clrUsed != 0 ? info.clrUsed : 1u << info.bitCount;
}

bool CheckBitmap(const Bytes& bytes, const catalogue::Entry& entry, std::string& why) {
    dib::FileHeader file;
    dib::InfoHeader info;
    if (!ReadAt(bytes, 0, file) || std::memcmp(file.magic, "BM", 2) != 0 || !ReadAt(bytes, sizeof file, info) ||
        info.size != sizeof info) {
        why = "not a BMP file with a 40-byte header";
        return false;
    }
    if (info.width != entry.width || info.height != entry.height) {
        why = Size(info.width, info.height) + ", want " + Size(entry.width, entry.height) +
              (info.height == -entry.height ? " (rows must be stored bottom-up)" : "");
        return false;
    }
    if (info.bitCount != entry.bits || info.planes != 1 || info.compression != dib::kBiRgb) {
        why = std::to_string(info.bitCount) + " bits per pixel, want " + std::to_string(entry.bits) +
              " uncompressed in one plane";
        return false;
    }
    if (TableEntries(info) != static_cast<std::uint64_t>(entry.tableEntries)) {
        why = std::to_string(TableEntries(info)) + " colour table entries, want " + std::to_string(entry.tableEntries);
        return false;
    }
    const std::uint64_t pixels = dib::rowStride(info.width, info.bitCount) * static_cast<std::uint64_t>(info.height);
    if (file.bitsOffset > bytes.size() || bytes.size() - file.bitsOffset < pixels) {
        why = "the file ends before its pixels do";
        return false;
    }
    return true;
}

std::string ImageList(const std::vector<catalogue::IconImage>& images) {
    std::string text;
    for (const catalogue::IconImage& image : images)
        text += (text.empty() ? "" : ", ") + Size(image.size, image.size) + " at " + std::to_string(image.bits);
    return text;
}

bool CheckIcon(const Bytes& bytes, const catalogue::Entry& entry, std::string& why) {
    dib::IconDir dir;
    if (!ReadAt(bytes, 0, dir) || dir.reserved != 0 || dir.type != dib::kIconType) {
        why = "not an ICO file";
        return false;
    }
    std::vector<catalogue::IconImage> images;
    for (std::uint64_t i = 0; i < dir.count; ++i) {
        dib::IconDirEntry item;
        dib::InfoHeader info;
        if (!ReadAt(bytes, sizeof dir + i * sizeof item, item)) {
            why = "the file ends inside its directory";
            return false;
        }
        if (!ReadAt(bytes, item.imageOffset, info) || info.size != sizeof info ||
            item.bytesInRes > bytes.size() - item.imageOffset) {
            why = "image " + std::to_string(i + 1) + " is not a DIB image within the file (a PNG image is not taken)";
            return false;
        }
        if (info.width != info.height / 2 || info.compression != dib::kBiRgb) {
            why = "image " + std::to_string(i + 1) + " is not a square uncompressed icon image";
            return false;
        }
        images.push_back(catalogue::IconImage{info.width, info.bitCount});
    }
    const bool same = images.size() == entry.images.size() &&
                      std::equal(images.begin(), images.end(), entry.images.begin(), [](auto& a, auto& b) {
                          return a.size == b.size && a.bits == b.bits;
                      });
    if (!same) {
        why = "images " + ImageList(images) + ", want " + ImageList(entry.images);
        return false;
    }
    return true;
}

}  // namespace

bool CheckPicture(const std::filesystem::path& path, const catalogue::Entry& entry, std::string& why) {
    std::ifstream in(path, std::ios::binary);
    const Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in && !in.eof()) {
        why = "cannot be read";
        return false;
    }
    return entry.kind == catalogue::Kind::Bitmap ? CheckBitmap(bytes, entry, why) : CheckIcon(bytes, entry, why);
}

}  // namespace kit
