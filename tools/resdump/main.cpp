// resdump <module>: prints the manifest of a module's resources, the text
// that tests/golden/skinpak1_resources.txt holds for the skin's DLL.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "pe_image.h"
#include "resource_directory.h"
#include "resource_manifest.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: resdump <module>\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "resdump: cannot open %s\n", argv[1]);
        return 1;
    }
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    auto image = modfile::PeImage::parse(modfile::ByteSpan(bytes.data(), bytes.size()));
    if (image.isError()) {
        std::fprintf(stderr, "resdump: %s: %s\n", argv[1], image.error().message.c_str());
        return 1;
    }
    auto resources = modfile::readResources(image.value());
    if (resources.isError()) {
        std::fprintf(stderr, "resdump: %s: %s\n", argv[1], resources.error().message.c_str());
        return 1;
    }
    std::fputs(modfile::formatManifest(resources.value()).c_str(), stdout);
    return 0;
}
