// The built DLL's resources, held to tests/golden/skinpak1_resources.txt: the
// 28 bitmaps, 34 icon groups and 72 icon images of the skin, all in Chinese
// (PRC), byte for byte. The pictures may come from anywhere in the build, but
// what the module carries must not change unless it is meant to.
//
// After a change that is meant, regenerate the golden file from the DLL with
// the portable build's resdump, and review the diff:
//
//   cmake --build --preset linux --target resdump
//   build/linux/resdump build/mingw-i686/skinpak1.dll > tests/golden/skinpak1_resources.txt
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "pe_image.h"
#include "resource_directory.h"
#include "resource_format.h"
#include "resource_manifest.h"

namespace {

std::string readFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in.good()) << "cannot open " << path;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(ResourceSection, MatchesTheGoldenManifest) {
    const std::string module = readFile(SKIN_MODULE_PATH);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(module.data());
    auto image = modfile::PeImage::parse(modfile::ByteSpan(bytes, module.size()));
    ASSERT_FALSE(image.isError()) << SKIN_MODULE_PATH << ": " << image.error().message;
    auto resources = modfile::readResources(image.value());
    ASSERT_FALSE(resources.isError()) << SKIN_MODULE_PATH << ": " << resources.error().message;

    // The counts first, so that a golden file regenerated from a broken build
    // does not pass unseen.
    std::map<std::uint16_t, int> perType;
    for (const modfile::Resource& r : resources.value()) {
        EXPECT_FALSE(r.type.isName()) << "named type " << modfile::idText(r.type);
        EXPECT_EQ(0x0804, r.language) << modfile::idText(r.type) << " " << modfile::idText(r.name);
        ++perType[r.type.number];
    }
    const std::map<std::uint16_t, int> expectedPerType = {
        {modfile::kRtBitmap, 28}, {modfile::kRtIcon, 72}, {modfile::kRtGroupIcon, 34}};
    EXPECT_EQ(expectedPerType, perType) << "resources per type";

    const std::string actual = modfile::formatManifest(resources.value());
    for (const std::string& difference : modfile::compareManifests(readFile(SKIN_GOLDEN_MANIFEST), actual))
        ADD_FAILURE() << difference;
}

}  // namespace
