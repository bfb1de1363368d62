#pragma once
// Reads the pictures the preview writes, PNG and BMP alike, without any
// library, so that the same comparison runs in every build.
#include <cstdint>
#include <string>
#include <vector>

namespace preview_test {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, top row first
};

// 8-bit RGB or RGBA, not interlaced (the alpha channel is dropped). False
// with a reason for anything else or anything malformed.
bool DecodePng(const std::vector<std::uint8_t>& bytes, Image* image, std::string* error);
// 24 or 32 bits per pixel, uncompressed, either row order.
bool DecodeBmp(const std::vector<std::uint8_t>& bytes, Image* image, std::string* error);
// Either format, told by its first bytes.
bool ReadImageFile(const std::string& path, Image* image, std::string* error);

// A zlib stream (RFC 1950 around RFC 1951), with at most limit bytes of output.
bool Inflate(const std::uint8_t* data, std::size_t size, std::size_t limit, std::vector<std::uint8_t>* out,
             std::string* error);

}  // namespace preview_test
