#pragma once
// Reads .bmp and .ico files: their headers, held to what the platform's
// loaders take, and the pixels they store. Every size and offset read from a
// file is checked against the file before it is used; a malformed file gives
// nothing, with the reason in `why`, and never throws.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "pictures/dib_format.h"
#include "pictures/dib_writer.h"
#include "pictures/image.h"

namespace pictures {

struct BitmapHeaders {
    dib::FileHeader file;
    dib::InfoHeader info;
};

// The headers of a .bmp file, read but not held to anything.
std::optional<BitmapHeaders> readBitmapHeaders(const Bytes& file, std::string& why);

// An .ico file's directory, one of its entries (from 0), and the header of
// the DIB image an entry places past the directory.
std::optional<dib::IconDir> readIconDir(const Bytes& file, std::string& why);
std::optional<dib::IconDirEntry> readIconDirEntry(const Bytes& file, std::size_t index, std::string& why);
std::optional<dib::InfoHeader> readIconImageHeader(const Bytes& file, const dib::IconDir& dir,
                                                   const dib::IconDirEntry& entry, std::string& why);

// A whole .bmp file as the loaders take it: uncompressed, bottom-up, at 1, 4,
// 8, 24 or 32 bits, its pixels right after its table.
bool checkBitmapFile(const Bytes& file, std::string& why);

// A whole .ico file as the loaders take it: its directory's entries, in
// order. A reason about one image starts "image 2: ".
std::optional<std::vector<dib::IconDirEntry>> checkIconFile(const Bytes& file, std::string& why);

// The stored pixels of files at 1, 4, 8 or 24 bits; an index past the table
// is refused. An icon's table comes out at the full length for its depth.
std::optional<StoredPixels> readBitmapFile(const Bytes& file, std::string& why);
std::optional<std::vector<IconPixels>> readIconFile(const Bytes& file, std::string& why);

Image toImage(const StoredPixels& pixels);  // opaque
Image toImage(const IconPixels& icon);      // what the mask lets through at 255, the rest at 0

}  // namespace pictures
