#pragma once
// Reads the pictures the preview writes with the same code in every build,
// so that the same comparison runs everywhere. The decoder is stb_image's
// own, compiled here apart from pictures/, whose writer made the files.
#include <cstdint>
#include <string>
#include <vector>

namespace preview_test {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, top row first
};

// Any PNG up to 16384 pixels a side, as RGB (an alpha channel is dropped).
// False with a reason for anything malformed.
bool DecodePng(const std::vector<std::uint8_t>& bytes, Image* image, std::string* error);
// The error names the file.
bool ReadImageFile(const std::string& path, Image* image, std::string* error);

}  // namespace preview_test
