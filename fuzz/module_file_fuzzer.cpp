// A built module's headers and resource tree as module_file reads them, the
// manifest made from them, and the module rewritten with its own contents.
// Malformed images must give an error, never a read outside the input or a
// walk without end. A module that rewrites must read back as it was, its
// checksum right, and a second rewrite must leave every byte as it is.
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "export_name.h"
#include "module_rewrite.h"
#include "pe_checksum.h"
#include "pe_image.h"
#include "resource_directory.h"
#include "resource_manifest.h"

namespace {

void require(bool holds) {
    if (!holds) __builtin_trap();
}

std::vector<uint8_t> bytesOf(modfile::ByteSpan span) { return {span.data(), span.data() + span.size()}; }

// Every resource by type, name and language, with its code page and bytes.
std::map<std::string, std::pair<uint32_t, std::vector<uint8_t>>> contentsOf(
    const std::vector<modfile::Resource>& resources) {
    std::map<std::string, std::pair<uint32_t, std::vector<uint8_t>>> contents;
    for (const modfile::Resource& r : resources)
        contents[modfile::idText(r.type) + " " + modfile::idText(r.name) + " " + std::to_string(r.language)] = {
            r.codePage, bytesOf(r.data)};
    return contents;
}

void rewriteWithOwnContents(const std::vector<uint8_t>& file, const modfile::PeImage& image,
                            const std::vector<modfile::Resource>& resources) {
    modfile::ModuleEdits edits;
    edits.resources = resources;
    auto values = modfile::sectionBytes(image, modfile::kValuesSectionName);
    if (!values.isError()) edits.values = values.value();
    auto name = modfile::exportName(image);
    if (!name.isError()) edits.moduleName = name.value().text;
    auto rewritten = modfile::rewriteModule(modfile::ByteSpan(file.data(), file.size()), edits);
    if (rewritten.isError()) return;

    const std::vector<uint8_t>& out = rewritten.value();
    auto after = modfile::PeImage::parse(modfile::ByteSpan(out.data(), out.size()));
    require(!after.isError());
    auto reread = modfile::readResources(after.value());
    require(!reread.isError() && contentsOf(reread.value()) == contentsOf(resources));
    if (edits.values) {
        auto block = modfile::sectionBytes(after.value(), modfile::kValuesSectionName);
        require(!block.isError() && bytesOf(block.value()) == bytesOf(*edits.values));
    }
    if (edits.moduleName) {
        auto written = modfile::exportName(after.value());
        require(!written.isError() && written.value().text == *edits.moduleName);
    }
    require(after.value().optionalHeader().checksum == modfile::peChecksum(modfile::ByteSpan(out.data(), out.size())));
    auto twice = modfile::rewriteModule(modfile::ByteSpan(out.data(), out.size()), edits);
    require(!twice.isError() && twice.value() == out);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A copy of exactly the input's length, so that the sanitizer sees any read past it.
    const std::vector<uint8_t> file(data, data + size);
    auto image = modfile::PeImage::parse(modfile::ByteSpan(file.data(), file.size()));
    if (image.isError()) return 0;
    auto resources = modfile::readResources(image.value());
    if (resources.isError()) return 0;
    for (const modfile::Resource& r : resources.value()) {
        require(r.data.data() >= file.data() && r.data.data() + r.data.size() <= file.data() + file.size());
    }
    modfile::formatManifest(resources.value());
    rewriteWithOwnContents(file, image.value(), resources.value());
    return 0;
}
