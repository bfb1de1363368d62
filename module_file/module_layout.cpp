#include "module_layout.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>

namespace modfile {
namespace {

const char* const kDirectoryNames[] = {
    "export",         "import",       "resource",       "exception", "certificate",        "base relocation",
    "debug",          "architecture", "global pointer", "TLS",       "load configuration", "bound import",
    "import address", "delay import", "runtime header", "reserved"};

std::string directoryName(std::uint32_t index) {
    return index < 16 ? std::string(kDirectoryNames[index]) + " directory" : "data directory " + std::to_string(index);
}

bool isPowerOfTwo(std::uint32_t value) { return value != 0 && (value & (value - 1)) == 0; }

std::uint64_t alignUp(std::uint64_t value, std::uint32_t alignment) {
    return (value + alignment - 1) / alignment * alignment;
}

// What the loader maps of a section.
std::uint32_t extent(const SectionHeader& header) {
    return header.virtualSize != 0 ? header.virtualSize : header.rawSize;
}

bool holds(const SectionHeader& header, DataDirectory directory) {
    return directory.size != 0 && directory.rva >= header.virtualAddress &&
           directory.rva - header.virtualAddress < extent(header);
}

std::uint32_t shifted(std::uint32_t value, std::int64_t shift) {
    return static_cast<std::uint32_t>(static_cast<std::int64_t>(value) + shift);
}

template <typename T>
void put(std::vector<std::uint8_t>& out, std::uint64_t offset, const T& value) {
    std::memcpy(out.data() + offset, &value, sizeof value);
}

constexpr std::uint64_t kSymbolSize = 18;

std::uint64_t coffHeaderOffset(const PeImage& image) { return image.optionalHeaderOffset() - sizeof(CoffHeader); }

}  // namespace

std::uint64_t sectionHeaderOffset(const PeImage& image, std::size_t index) {
    return image.sectionTableOffset() + index * sizeof(SectionHeader);
}

std::uint64_t directoryFieldOffset(const PeImage& image, std::uint32_t index) {
    return image.optionalHeaderOffset() + sizeof(OptionalHeader32) + index * sizeof(DataDirectory);
}

ErrorOr<std::size_t> findResourceSection(const PeImage& image) {
    const std::vector<Section>& sections = image.sections();
    const auto found =
        std::find_if(sections.begin(), sections.end(), [](const Section& s) { return s.name == ".rsrc"; });
    if (found == sections.end()) return Error{"no section .rsrc"};
    const std::uint32_t directoryCount = image.optionalHeader().directoryCount;
    if (directoryCount <= kResourceDirectoryIndex)
        return errorAt(
            image.optionalHeaderOffset() + offsetof(OptionalHeader32, directoryCount),
            "optional header: no resource directory among its " + std::to_string(directoryCount) + " data directories");
    const DataDirectory directory = image.dataDirectory(kResourceDirectoryIndex);
    if ((directory.rva != 0 || directory.size != 0) && directory.rva != found->header.virtualAddress)
        return errorAt(directoryFieldOffset(image, kResourceDirectoryIndex),
                       "resource directory at RVA " + hex(directory.rva) + " does not begin section .rsrc at RVA " +
                           hex(found->header.virtualAddress));
    return static_cast<std::size_t>(found - sections.begin());
}

ErrorOr<ModuleLayout> planLayout(const PeImage& image, std::size_t rsrc, std::uint64_t newSize) {
    const OptionalHeader32& optional = image.optionalHeader();
    const std::uint32_t fileAlignment = optional.fileAlignment, sectionAlignment = optional.sectionAlignment;
    if (!isPowerOfTwo(fileAlignment) || !isPowerOfTwo(sectionAlignment) || fileAlignment > sectionAlignment ||
        fileAlignment > 0x10000)
        return errorAt(image.optionalHeaderOffset() + offsetof(OptionalHeader32, sectionAlignment),
                       "optional header: alignment " + hex(sectionAlignment) + " in memory, " + hex(fileAlignment) +
                           " in the file: not powers of two, the file's at most memory's and 64 KiB");
    // Sections follow one another in the table's order, in memory and in the
    // file after the headers, so that every byte is one section's to keep or
    // to move.
    const std::vector<Section>& sections = image.sections();
    std::uint64_t rawEnd = sectionHeaderOffset(image, sections.size());
    for (std::size_t i = 0; i < sections.size(); ++i) {
        const SectionHeader& h = sections[i].header;
        const std::uint64_t at = sectionHeaderOffset(image, i);
        if (i > 0) {
            const SectionHeader& before = sections[i - 1].header;
            const std::uint64_t beforeEnd = std::uint64_t{before.virtualAddress} + extent(before);
            if (h.virtualAddress < beforeEnd)
                return errorAt(at, "section " + sections[i].name + " at RVA " + hex(h.virtualAddress) +
                                       ": not after section " + sections[i - 1].name + ", which ends at RVA " +
                                       hex(beforeEnd));
        }
        if (h.rawSize == 0 && i != rsrc) continue;
        if (h.rawOffset < rawEnd)
            return errorAt(at, "section " + sections[i].name + ": raw data at " + hex(h.rawOffset) +
                                   " begins before the headers or the raw data before it end, at " + hex(rawEnd));
        rawEnd = std::uint64_t{h.rawOffset} + h.rawSize;
    }

    const SectionHeader& header = sections[rsrc].header;
    if (header.rawOffset % fileAlignment != 0)
        return errorAt(sectionHeaderOffset(image, rsrc),
                       "section .rsrc: raw data at " + hex(header.rawOffset) + " is not file-aligned");
    ModuleLayout layout;
    layout.rsrc = rsrc;
    layout.rsrcRva = header.virtualAddress;
    layout.rsrcOffset = header.rawOffset;
    layout.newSize = static_cast<std::uint32_t>(newSize);
    layout.newRawSize = static_cast<std::uint32_t>(alignUp(newSize, fileAlignment));
    layout.oldRawEnd = alignUp(std::uint64_t{header.rawOffset} + header.rawSize, fileAlignment);
    layout.rawShift =
        static_cast<std::int64_t>(header.rawOffset + layout.newRawSize) - static_cast<std::int64_t>(layout.oldRawEnd);
    layout.oldVirtualEnd = alignUp(std::uint64_t{header.virtualAddress} + extent(header), sectionAlignment);
    layout.rvaShift = static_cast<std::int64_t>(alignUp(header.virtualAddress + newSize, sectionAlignment)) -
                      static_cast<std::int64_t>(layout.oldVirtualEnd);

    const DataDirectory relocations = image.dataDirectory(kBaseRelocationDirectoryIndex);
    const DataDirectory debug = image.dataDirectory(kDebugDirectoryIndex);
    for (std::size_t i = 0; i < sections.size(); ++i) {
        const SectionHeader& h = sections[i].header;
        const std::uint64_t at = sectionHeaderOffset(image, i);
        const std::string what = "section " + sections[i].name + ": ";
        // A section without raw data may still point into the file.
        if (i != rsrc && h.rawOffset >= header.rawOffset && h.rawOffset < layout.oldRawEnd)
            return errorAt(at, what + "raw data at " + hex(h.rawOffset) +
                                   " lies in the resource section's, up to the end of its last file alignment");
        if (i <= rsrc) continue;
        if ((h.characteristics & kSectionDiscardable) == 0 && !holds(h, relocations) && !holds(h, debug))
            return errorAt(at, what +
                                   "follows the resource section and would move, but code may address it: only "
                                   "discardable, relocation and debug sections may follow .rsrc");
        if (h.virtualAddress < layout.oldVirtualEnd)
            return errorAt(at, what + "RVA " + hex(h.virtualAddress) + " lies in the resource section's last page");
        if (static_cast<std::int64_t>(h.virtualAddress) + layout.rvaShift + extent(h) > 0xFFFFFFFF ||
            static_cast<std::int64_t>(h.rawOffset) + layout.rawShift + h.rawSize > 0xFFFFFFFF)
            return errorAt(at, what + "would move past 4 GiB");
    }

    for (std::uint32_t i = 0; i < optional.directoryCount; ++i) {
        const DataDirectory d = image.dataDirectory(i);
        if (i == kResourceDirectoryIndex || (d.rva == 0 && d.size == 0)) continue;
        const std::uint64_t at = directoryFieldOffset(image, i);
        if (i == kCertificateDirectoryIndex)
            return errorAt(at, "the module is signed (certificate table at offset " + hex(d.rva) +
                                   "), and its signature would not hold for the rewritten bytes");
        if (d.rva >= layout.rsrcRva && d.rva < layout.oldVirtualEnd)
            return errorAt(
                at, directoryName(i) + " at RVA " + hex(d.rva) + " lies in the resource section, which is rewritten");
        if (d.rva >= layout.oldVirtualEnd && i != kBaseRelocationDirectoryIndex && i != kDebugDirectoryIndex)
            return errorAt(at, directoryName(i) + " at RVA " + hex(d.rva) +
                                   " lies past the resource section and would move, but code may address it");
        if (d.rva >= layout.oldVirtualEnd && d.rva + layout.rvaShift > 0xFFFFFFFF)
            return errorAt(at, directoryName(i) + " at RVA " + hex(d.rva) + " would move past 4 GiB");
    }
    if (debug.rva != 0 || debug.size != 0) {
        auto entries = image.bytesAt(debug.rva, debug.size);
        if (entries.isError())
            return errorAt(directoryFieldOffset(image, kDebugDirectoryIndex),
                           "debug directory: " + entries.error().message);
        for (std::uint64_t i = 0; i + sizeof(DebugDirectoryEntry) <= debug.size; i += sizeof(DebugDirectoryEntry)) {
            DebugDirectoryEntry entry{};
            entries.value().read(i, &entry);
            if ((entry.dataRva != 0 && entry.dataRva >= layout.rsrcRva) ||
                (entry.dataOffset != 0 && entry.dataOffset >= layout.rsrcOffset))
                return errorAt(image.fileOffsetOf(entries.value()) + i,
                               "debug directory: data at RVA " + hex(entry.dataRva) + ", offset " +
                                   hex(entry.dataOffset) + " lies in or past the resource section and would move");
        }
    }

    const ByteSpan file = image.file();
    std::uint64_t dataEnd = std::uint64_t{header.rawOffset} + header.rawSize;
    for (const Section& s : sections)
        if (s.header.rawSize != 0) dataEnd = std::max<std::uint64_t>(dataEnd, s.header.rawOffset + s.header.rawSize);
    const CoffHeader& coff = image.coffHeader();
    const std::uint64_t symbolField = coffHeaderOffset(image) + offsetof(CoffHeader, symbolTableOffset);
    if (coff.symbolTableOffset > file.size())
        return errorAt(symbolField, "COFF symbol table at offset " + hex(coff.symbolTableOffset) +
                                        " lies beyond the end of the file");
    if (coff.symbolTableOffset != 0 && coff.symbolTableOffset >= header.rawOffset) {
        if (coff.symbolTableOffset < layout.oldRawEnd)
            return errorAt(symbolField, "COFF symbol table at offset " + hex(coff.symbolTableOffset) +
                                            " lies in the resource section");
        layout.symbolsMove = true;
        // The string table follows the symbols and counts its own four bytes.
        const std::uint64_t strings = coff.symbolTableOffset + coff.symbolCount * kSymbolSize;
        std::uint32_t stringsSize = 0;
        std::uint64_t end = strings;
        if (file.read(strings, &stringsSize) && stringsSize >= 4 && file.contains(strings, stringsSize))
            end += stringsSize;
        dataEnd = std::max<std::uint64_t>(dataEnd, std::min<std::uint64_t>(end, file.size()));
    }
    if (file.size() > dataEnd)
        return errorAt(dataEnd, std::to_string(file.size() - dataEnd) +
                                    " bytes after the last section: an overlay, which a rewrite would not carry");
    return layout;
}

std::vector<std::uint8_t> moveSections(const PeImage& image, const ModuleLayout& layout,
                                       const std::vector<std::uint8_t>& section) {
    const ByteSpan file = image.file();
    const std::uint64_t tail = std::min<std::uint64_t>(layout.oldRawEnd, file.size());
    std::vector<std::uint8_t> out(file.data(), file.data() + layout.rsrcOffset);
    out.insert(out.end(), section.begin(), section.end());
    out.resize(layout.rsrcOffset + layout.newRawSize, 0);
    out.insert(out.end(), file.data() + tail, file.data() + file.size());

    const std::vector<Section>& sections = image.sections();
    SectionHeader rsrc = sections[layout.rsrc].header;
    const std::uint32_t oldRawSize = rsrc.rawSize;
    rsrc.virtualSize = layout.newSize;
    rsrc.rawSize = layout.newRawSize;
    put(out, sectionHeaderOffset(image, layout.rsrc), rsrc);
    for (std::size_t i = 0; i < sections.size(); ++i) {
        SectionHeader h = sections[i].header;
        if (i == layout.rsrc) continue;
        if (i > layout.rsrc) h.virtualAddress = shifted(h.virtualAddress, layout.rvaShift);
        if (h.rawOffset >= layout.oldRawEnd) h.rawOffset = shifted(h.rawOffset, layout.rawShift);
        put(out, sectionHeaderOffset(image, i), h);
    }

    put(out, directoryFieldOffset(image, kResourceDirectoryIndex), DataDirectory{layout.rsrcRva, layout.newSize});
    for (std::uint32_t i = 0; i < image.optionalHeader().directoryCount; ++i) {
        DataDirectory d = image.dataDirectory(i);
        if (i == kResourceDirectoryIndex || i == kCertificateDirectoryIndex || d.rva < layout.oldVirtualEnd) continue;
        d.rva = shifted(d.rva, layout.rvaShift);
        put(out, directoryFieldOffset(image, i), d);
    }

    // Both sizes as the linker counted them, changed by what changed.
    OptionalHeader32 optional = image.optionalHeader();
    optional.imageSize = shifted(optional.imageSize, layout.rvaShift);
    if (rsrc.characteristics & kSectionInitializedData) optional.initializedDataSize += layout.newRawSize - oldRawSize;
    put(out, image.optionalHeaderOffset(), optional);
    if (layout.symbolsMove) {
        CoffHeader coff = image.coffHeader();
        coff.symbolTableOffset = shifted(coff.symbolTableOffset, layout.rawShift);
        put(out, coffHeaderOffset(image), coff);
    }
    return out;
}

}  // namespace modfile
