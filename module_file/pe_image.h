#pragma once
// A 32-bit PE image read from its file: headers and section table checked
// against the file, and relative virtual addresses mapped back to the file
// bytes that the loader would place there.
#include <cstdint>
#include <string>
#include <vector>

#include "byte_span.h"
#include "error_or.h"
#include "pe_format.h"

namespace modfile {

struct Section {
    std::string name;
    SectionHeader header{};
};

class PeImage {
public:
    // The bytes must outlive the image, which only points into them.
    static ErrorOr<PeImage> parse(ByteSpan file);

    ByteSpan file() const { return file_; }
    const CoffHeader& coffHeader() const { return coff_; }
    const OptionalHeader32& optionalHeader() const { return optional_; }
    const std::vector<Section>& sections() const { return sections_; }
    // File offsets of the optional header and of the section table.
    std::uint64_t optionalHeaderOffset() const { return optionalOffset_; }
    std::uint64_t sectionTableOffset() const { return optionalOffset_ + coff_.optionalHeaderSize; }

    // A directory the header does not have reads as empty.
    DataDirectory dataDirectory(std::uint32_t index) const;

    // The file bytes behind [rva, rva + size), which must all lie in the
    // file-backed part of one section. An error names the RVA; the caller
    // knows the offset it was read from.
    ErrorOr<ByteSpan> bytesAt(std::uint32_t rva, std::uint32_t size) const;

    // The file bytes from rva to the end of its section's file data: at
    // least one.
    ErrorOr<ByteSpan> bytesFrom(std::uint32_t rva) const;

    // Where in the file a span from bytesAt() begins.
    std::uint64_t fileOffsetOf(ByteSpan part) const { return static_cast<std::uint64_t>(part.data() - file_.data()); }

private:
    ByteSpan file_;
    std::uint64_t optionalOffset_ = 0;
    CoffHeader coff_{};
    OptionalHeader32 optional_{};
    std::vector<DataDirectory> directories_;
    std::vector<Section> sections_;
};

// The contents of the first section of that name: its virtual size of bytes
// (its raw size when that is 0), all of which the file must supply.
ErrorOr<ByteSpan> sectionBytes(const PeImage& image, const std::string& name);

}  // namespace modfile
