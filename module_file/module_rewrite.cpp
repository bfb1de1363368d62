#include "module_rewrite.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "export_name.h"
#include "module_layout.h"
#include "pe_checksum.h"
#include "pe_image.h"
#include "resource_writer.h"

namespace modfile {
namespace {

template <typename T>
void put(std::vector<std::uint8_t>& out, std::uint64_t offset, const T& value) {
    std::memcpy(out.data() + offset, &value, sizeof value);
}

std::optional<Error> checkModuleName(const std::string& name) {
    const bool plain = !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        return c >= ' ' && c <= '~' && c != '/' && c != '\\' && c != ':';
    });
    if (plain) return std::nullopt;
    return Error{"module name \"" + name + "\": not a file name of printable ASCII"};
}

// The new name over the old where it fits, or else after the export data,
// which must end its section's contents, within the section's file data.
// Neither may lie in the values section when the values replace it.
std::optional<Error> writeModuleName(const PeImage& image, const ModuleLayout& layout, const std::string& name,
                                     const SectionHeader* values, std::vector<std::uint8_t>& out) {
    auto old = exportName(image);
    if (old.isError()) return Error{"module name: " + old.error().message};
    const ExportName& was = old.value();
    const DataDirectory directory = image.dataDirectory(kExportDirectoryIndex);
    auto inValues = [values](std::uint32_t rva) {
        const std::uint32_t size = values == nullptr ? 0 : values->virtualSize ? values->virtualSize : values->rawSize;
        return values != nullptr && rva >= values->virtualAddress && rva - values->virtualAddress < size;
    };
    if (inValues(was.rva) || inValues(directory.rva))
        return errorAt(was.fieldOffset, std::string("export directory: in section ") + kValuesSectionName +
                                            ", which the values replace");
    if (was.rva >= layout.rsrcRva)
        return errorAt(was.fieldOffset, "export directory: module name at RVA " + hex(was.rva) +
                                            " lies in or past the resource section");
    const std::size_t room = was.text.size();
    const std::uint64_t oldSlot =
        image.fileOffsetOf(image.bytesAt(was.rva, static_cast<std::uint32_t>(room + 1)).value());
    if (name.size() <= room) {
        std::memset(out.data() + oldSlot, 0, room + 1);
        std::memcpy(out.data() + oldSlot, name.data(), name.size());
        return std::nullopt;
    }

    const std::uint64_t end = std::uint64_t{directory.rva} + directory.size;
    const std::vector<Section>& sections = image.sections();
    std::uint64_t after = 0;  // room after the export data, its zero included
    std::size_t s = 0;
    while (s < layout.rsrc && !(directory.rva >= sections[s].header.virtualAddress &&
                                directory.rva < sections[s].header.virtualAddress + sections[s].header.virtualSize))
        ++s;
    if (s < layout.rsrc && end == std::uint64_t{sections[s].header.virtualAddress} + sections[s].header.virtualSize) {
        const SectionHeader& header = sections[s].header;
        const std::uint64_t limit = std::min<std::uint64_t>(std::uint64_t{header.virtualAddress} + header.rawSize,
                                                            sections[s + 1].header.virtualAddress);
        after = limit > end ? limit - end : 0;
    }
    if (name.size() + 1 > after)
        return errorAt(was.fieldOffset, "module name \"" + name + "\" is too long for this module: " +
                                            std::to_string(name.size()) + " characters, room for " +
                                            std::to_string(std::max<std::uint64_t>(room, after ? after - 1 : 0)));

    SectionHeader header = sections[s].header;
    const std::uint64_t at = header.rawOffset + (end - header.virtualAddress);
    std::memset(out.data() + oldSlot, 0, room + 1);
    std::memset(out.data() + at, 0, name.size() + 1);
    std::memcpy(out.data() + at, name.data(), name.size());
    put(out, was.fieldOffset, static_cast<std::uint32_t>(end));
    put(out, directoryFieldOffset(image, kExportDirectoryIndex) + offsetof(DataDirectory, size),
        static_cast<std::uint32_t>(directory.size + name.size() + 1));
    header.virtualSize += static_cast<std::uint32_t>(name.size() + 1);
    put(out, sectionHeaderOffset(image, s), header);
    return std::nullopt;
}

}  // namespace

ErrorOr<std::vector<std::uint8_t>> rewriteModule(ByteSpan module, const ModuleEdits& edits) {
    auto parsed = PeImage::parse(module);
    if (parsed.isError()) return parsed.error();
    const PeImage& image = parsed.value();
    if (edits.moduleName)
        if (auto error = checkModuleName(*edits.moduleName)) return *error;

    auto rsrc = findResourceSection(image);
    if (rsrc.isError()) return rsrc.error();
    auto section = writeResourceSection(edits.resources, image.sections()[rsrc.value()].header.virtualAddress);
    if (section.isError()) return section.error();
    auto planned = planLayout(image, rsrc.value(), section.value().size());
    if (planned.isError()) return planned.error();
    const ModuleLayout& layout = planned.value();

    std::vector<std::uint8_t> out = moveSections(image, layout, section.value());
    const SectionHeader* valuesHeader = nullptr;
    if (edits.values) {
        auto block = sectionBytes(image, kValuesSectionName);
        if (block.isError()) return Error{"values: " + block.error().message};
        if (edits.values->size() != block.value().size())
            return Error{"values: " + std::to_string(edits.values->size()) + " bytes for section " +
                         kValuesSectionName + ", which holds " + std::to_string(block.value().size())};
        for (const Section& s : image.sections())
            if (s.name == kValuesSectionName && valuesHeader == nullptr) valuesHeader = &s.header;
        if (block.value().size() != 0)
            std::memcpy(out.data() + layout.movedOffset(image.fileOffsetOf(block.value())), edits.values->data(),
                        edits.values->size());
    }
    if (edits.moduleName)
        if (auto error = writeModuleName(image, layout, *edits.moduleName, valuesHeader, out)) return *error;
    put(out, image.optionalHeaderOffset() + kChecksumFieldOffset, peChecksum(ByteSpan(out.data(), out.size())));
    return out;
}

}  // namespace modfile
