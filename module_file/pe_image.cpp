#include "pe_image.h"

namespace modfile {
namespace {

std::string sectionName(const SectionHeader& header) {
    std::size_t length = 0;
    while (length < sizeof header.name && header.name[length] != '\0') ++length;
    return std::string(header.name, length);
}

// The part of a section that the file supplies: its raw data, and of that no
// more than the section occupies in memory.
std::uint32_t fileBackedSize(const SectionHeader& header) {
    if (header.virtualSize != 0 && header.virtualSize < header.rawSize) return header.virtualSize;
    return header.rawSize;
}

}  // namespace

ErrorOr<PeImage> PeImage::parse(ByteSpan file) {
    PeImage image;
    image.file_ = file;

    DosHeader dos{};
    if (!file.read(0, &dos))
        return errorAt(0, "DOS header: " + std::to_string(file.size()) + " bytes, less than its 64");
    if (dos.magic != kDosMagic) return errorAt(0, "DOS header: magic " + hex(dos.magic) + " is not \"MZ\"");

    const std::uint64_t signatureOffset = dos.peOffset;
    std::uint32_t signature = 0;
    if (!file.read(signatureOffset, &signature))
        return errorAt(signatureOffset, "PE signature: beyond the end of the file");
    if (signature != kPeSignature)
        return errorAt(signatureOffset, "PE signature: " + hex(signature) + " is not \"PE\\0\\0\"");

    const std::uint64_t coffOffset = signatureOffset + sizeof signature;
    if (!file.read(coffOffset, &image.coff_)) return errorAt(coffOffset, "COFF header: beyond the end of the file");

    const std::uint64_t optionalOffset = coffOffset + sizeof(CoffHeader);
    image.optionalOffset_ = optionalOffset;
    const std::uint16_t optionalSize = image.coff_.optionalHeaderSize;
    if (optionalSize < sizeof(OptionalHeader32))
        return errorAt(optionalOffset,
                       "optional header: " + std::to_string(optionalSize) + " bytes, less than PE32's 96");
    if (!file.contains(optionalOffset, optionalSize))
        return errorAt(optionalOffset, "optional header: beyond the end of the file");
    file.read(optionalOffset, &image.optional_);
    if (image.optional_.magic == kPe32PlusMagic)
        return errorAt(optionalOffset, "optional header: a PE32+ (64-bit) image, not PE32");
    if (image.optional_.magic != kPe32Magic)
        return errorAt(optionalOffset, "optional header: magic " + hex(image.optional_.magic) + " is not PE32's 0x10b");

    const std::uint64_t directoriesOffset = optionalOffset + sizeof(OptionalHeader32);
    const std::uint64_t directoryRoom = (optionalSize - sizeof(OptionalHeader32)) / sizeof(DataDirectory);
    if (image.optional_.directoryCount > directoryRoom)
        return errorAt(directoriesOffset, "data directories: " + std::to_string(image.optional_.directoryCount) +
                                              " do not fit in the optional header, which has room for " +
                                              std::to_string(directoryRoom));
    image.directories_.resize(image.optional_.directoryCount);
    for (std::uint32_t i = 0; i < image.optional_.directoryCount; ++i)
        file.read(directoriesOffset + i * sizeof(DataDirectory), &image.directories_[i]);

    const std::uint64_t tableOffset = optionalOffset + optionalSize;
    const std::uint16_t sectionCount = image.coff_.sectionCount;
    if (!file.contains(tableOffset, std::uint64_t{sectionCount} * sizeof(SectionHeader)))
        return errorAt(tableOffset,
                       "section table: " + std::to_string(sectionCount) + " sections run beyond the end of the file");
    for (std::uint16_t i = 0; i < sectionCount; ++i) {
        const std::uint64_t headerOffset = tableOffset + i * sizeof(SectionHeader);
        Section section{};
        file.read(headerOffset, &section.header);
        section.name = sectionName(section.header);
        if (!file.contains(section.header.rawOffset, section.header.rawSize))
            return errorAt(headerOffset, "section " + section.name + ": raw data [" + hex(section.header.rawOffset) +
                                             ", +" + hex(section.header.rawSize) + ") beyond the end of the file");
        image.sections_.push_back(std::move(section));
    }
    return image;
}

DataDirectory PeImage::dataDirectory(std::uint32_t index) const {
    return index < directories_.size() ? directories_[index] : DataDirectory{0, 0};
}

ErrorOr<ByteSpan> PeImage::bytesAt(std::uint32_t rva, std::uint32_t size) const {
    for (const Section& section : sections_) {
        const SectionHeader& header = section.header;
        if (rva < header.virtualAddress) continue;
        const std::uint64_t start = rva - header.virtualAddress;
        const ByteSpan backed = file_.slice(header.rawOffset, fileBackedSize(header));
        // An empty span may sit at the very end of a section.
        if (start > backed.size() || (start == backed.size() && size != 0)) continue;
        if (!backed.contains(start, size))
            return Error{"RVA " + hex(rva) + ": " + std::to_string(size) + " bytes run past the file data of section " +
                         section.name + ", which ends at RVA " +
                         hex(std::uint64_t{header.virtualAddress} + backed.size())};
        return backed.slice(start, size);
    }
    return Error{"RVA " + hex(rva) + " is in no section's file data"};
}

ErrorOr<ByteSpan> PeImage::bytesFrom(std::uint32_t rva) const {
    for (const Section& section : sections_) {
        const SectionHeader& header = section.header;
        if (rva < header.virtualAddress) continue;
        const std::uint64_t start = rva - header.virtualAddress;
        const ByteSpan backed = file_.slice(header.rawOffset, fileBackedSize(header));
        if (start < backed.size()) return backed.slice(start, backed.size() - start);
    }
    return Error{"RVA " + hex(rva) + " is in no section's file data"};
}

ErrorOr<ByteSpan> sectionBytes(const PeImage& image, const std::string& name) {
    for (std::size_t i = 0; i < image.sections().size(); ++i) {
        const SectionHeader& header = image.sections()[i].header;
        if (image.sections()[i].name != name) continue;
        const std::uint32_t size = header.virtualSize != 0 ? header.virtualSize : header.rawSize;
        if (size > header.rawSize)
            return errorAt(image.sectionTableOffset() + i * sizeof(SectionHeader),
                           "section " + name + ": " + std::to_string(size) + " bytes, of which the file holds only " +
                               std::to_string(header.rawSize));
        return image.file().slice(header.rawOffset, size);
    }
    return Error{"no section " + name};
}

}  // namespace modfile
