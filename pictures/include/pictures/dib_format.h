#pragma once
// On-disk layouts of the picture files the skin is made of (.bmp and .ico),
// of the icon group directory a resource script derives from them, and the
// one way to read them out of bytes. Every field is little-endian; everything
// that reads or writes them runs on little-endian machines only.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <type_traits>
#include <vector>

namespace dib {

#pragma pack(push, 1)

// Leads a .bmp file; a bitmap resource is the file without it.
struct FileHeader {
    char magic[2];          // "BM"
    std::uint32_t fileSize;
    std::uint16_t reserved1;
    std::uint16_t reserved2;
    std::uint32_t bitsOffset;  // from the start of the file
};

struct InfoHeader {
    std::uint32_t size;     // 40
    std::int32_t width;
    std::int32_t height;    // positive: rows bottom-up; doubled in icon images
    std::uint16_t planes;
    std::uint16_t bitCount;
    std::uint32_t compression;
    std::uint32_t sizeImage;
    std::int32_t xPelsPerMeter;
    std::int32_t yPelsPerMeter;
    std::uint32_t clrUsed;  // 0: the full table for the depth
    std::uint32_t clrImportant;
};

struct RgbQuad {
    std::uint8_t blue;
    std::uint8_t green;
    std::uint8_t red;
    std::uint8_t reserved;
};

// Leads a .ico file.
struct IconDir {
    std::uint16_t reserved;
    std::uint16_t type;     // kIconType; cursor files carry 2
    std::uint16_t count;
};

struct IconDirEntry {
    std::uint8_t width;     // 0 stands for 256
    std::uint8_t height;
    std::uint8_t colorCount;
    std::uint8_t reserved;
    std::uint16_t planes;
    std::uint16_t bitCount;
    std::uint32_t bytesInRes;
    std::uint32_t imageOffset;  // from the start of the file
};

// A group directory (an IconDir, then these) names each image by resource
// number instead of by file offset.
struct GroupIconEntry {
    std::uint8_t width;
    std::uint8_t height;
    std::uint8_t colorCount;
    std::uint8_t reserved;
    std::uint16_t planes;
    std::uint16_t bitCount;
    std::uint32_t bytesInRes;
    std::uint16_t id;
};

#pragma pack(pop)

static_assert(sizeof(FileHeader) == 14);
static_assert(sizeof(InfoHeader) == 40);
static_assert(sizeof(RgbQuad) == 4);
static_assert(sizeof(IconDir) == 6);
static_assert(sizeof(IconDirEntry) == 16);
static_assert(sizeof(GroupIconEntry) == 14);

constexpr std::uint16_t kIconType = 1;
constexpr std::uint32_t kBiRgb = 0;

// Bytes in one stored row: rows are filled out to whole 32-bit words.
constexpr std::uint64_t rowStride(std::uint64_t width, std::uint64_t bitCount) {
    return (width * bitCount + 31) / 32 * 4;
}

// Entries in the colour table after a DIB header: clrUsed where it is given,
// else the full table at 8 bits or fewer and none above. Nothing here holds
// clrUsed to the depth; the readers that take a picture do.
constexpr std::uint64_t colourTableEntries(const InfoHeader& header) {
    if (header.clrUsed != 0 || header.bitCount > 8) return header.clrUsed;
    return std::uint64_t{1} << header.bitCount;
}

// The T stored at `offset` of data[0, size), or nothing when it does not lie
// wholly inside.
template <class T>
std::optional<T> readAt(const std::uint8_t* data, std::size_t size, std::uint64_t offset) {
    static_assert(std::is_trivially_copyable_v<T>);
    if (data == nullptr || offset > size || size - offset < sizeof(T)) return std::nullopt;
    T value;
    std::memcpy(&value, data + offset, sizeof value);
    return value;
}

// The T's bytes, as stored, at the end of out: how the writers lay down
// headers and directory entries.
template <class T>
void appendRaw(std::vector<std::uint8_t>& out, const T& value) {
    static_assert(std::is_trivially_copyable_v<T>);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&value);
    out.insert(out.end(), bytes, bytes + sizeof value);
}

}  // namespace dib
