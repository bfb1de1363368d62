// A built module's headers and resource tree as module_file reads them, and
// the manifest made from them. Malformed images must give an error, never a
// read outside the input or a walk without end.
#include <cstdint>
#include <vector>

#include "pe_image.h"
#include "resource_directory.h"
#include "resource_manifest.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A copy of exactly the input's length, so that the sanitizer sees any read past it.
    const std::vector<uint8_t> file(data, data + size);
    auto image = modfile::PeImage::parse(modfile::ByteSpan(file.data(), file.size()));
    if (image.isError()) return 0;
    auto resources = modfile::readResources(image.value());
    if (resources.isError()) return 0;
    for (const modfile::Resource& r : resources.value()) {
        if (r.data.data() < file.data() || r.data.data() + r.data.size() > file.data() + file.size()) __builtin_trap();
    }
    modfile::formatManifest(resources.value());
    return 0;
}
