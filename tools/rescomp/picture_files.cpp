#include "picture_files.h"

#include "compile_error.h"
#include "pictures/dib_reader.h"

namespace rescomp {

std::vector<std::uint8_t> bitmapResourceData(const std::vector<std::uint8_t>& file, const std::string& what) {
    std::string why;
    if (!pictures::checkBitmapFile(file, why)) throw CompileError(what + ": " + why);
    return std::vector<std::uint8_t>(file.begin() + sizeof(dib::FileHeader), file.end());
}

std::vector<IconImage> iconFileImages(const std::vector<std::uint8_t>& file, const std::string& what) {
    std::string why;
    const std::optional<std::vector<dib::IconDirEntry>> entries = pictures::checkIconFile(file, why);
    if (!entries) throw CompileError(what + ": " + why);
    std::vector<IconImage> images;
    for (const dib::IconDirEntry& e : *entries) {
        const auto image = file.begin() + e.imageOffset;
        images.push_back({e, std::vector<std::uint8_t>(image, image + e.bytesInRes)});
    }
    return images;
}

}  // namespace rescomp
