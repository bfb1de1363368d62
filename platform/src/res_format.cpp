#include "res_format.h"

#include "byte_reader.h"

namespace win32 {
namespace {

// Fixed part after the names: DataVersion, MemoryFlags, LanguageId, Version, Characteristics.
constexpr std::size_t kFixedTail = 16;
constexpr std::size_t kMinHeader = 8 + 4 + 4 + kFixedTail;

char16_t Upper(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c; }

bool ReadName(const std::uint8_t* data, std::size_t end, std::size_t* pos, ResName* name) {
    if (!Fits(end, *pos, 2)) return false;
    if (ReadU16(data + *pos) == 0xFFFF) {
        if (!Fits(end, *pos, 4)) return false;
        name->isId = true;
        name->id = ReadU16(data + *pos + 2);
        *pos += 4;
        return true;
    }
    name->isId = false;
    name->text.clear();
    for (;;) {
        if (!Fits(end, *pos, 2)) return false;
        const char16_t unit = ReadU16(data + *pos);
        *pos += 2;
        if (unit == 0) return true;
        name->text.push_back(unit);
    }
}

std::size_t AlignUp4(std::size_t value) { return (value + 3) & ~static_cast<std::size_t>(3); }

}  // namespace

ResName ResName::FromArgument(LPCSTR argument) {
    ResName name;
    if (IS_INTRESOURCE(argument)) {
        name.id = static_cast<WORD>(reinterpret_cast<ULONG_PTR>(argument));
        return name;
    }
    if (argument[0] == '#' && argument[1] != '\0') {
        unsigned long value = 0;
        const char* p = argument + 1;
        while (*p >= '0' && *p <= '9' && value <= 0xFFFF) value = value * 10 + static_cast<unsigned long>(*p++ - '0');
        if (*p == '\0' && value <= 0xFFFF) {
            name.id = static_cast<WORD>(value);
            return name;
        }
    }
    name.isId = false;
    for (const char* p = argument; *p; ++p) name.text.push_back(static_cast<unsigned char>(*p));
    return name;
}

bool ResName::Matches(const ResName& other) const {
    if (isId != other.isId) return false;
    if (isId) return id == other.id;
    if (text.size() != other.text.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (Upper(text[i]) != Upper(other.text[i])) return false;
    return true;
}

bool ParseResFile(const std::uint8_t* data, std::size_t size, std::vector<ResEntry>* entries) {
    entries->clear();
    if (!data) return false;
    std::vector<ResEntry> parsed;
    std::size_t offset = 0;
    while (offset < size) {
        if (!Fits(size, offset, 8)) {
            // Only padding may follow the last entry.
            for (std::size_t i = offset; i < size; ++i)
                if (data[i] != 0) return false;
            break;
        }
        const std::uint32_t dataSize = ReadU32(data + offset);
        const std::uint32_t headerSize = ReadU32(data + offset + 4);
        if (headerSize < kMinHeader || headerSize % 4 != 0 || !Fits(size, offset, headerSize)) return false;
        const std::size_t headerEnd = offset + headerSize;

        ResEntry entry;
        std::size_t pos = offset + 8;
        if (!ReadName(data, headerEnd, &pos, &entry.type)) return false;
        if (!ReadName(data, headerEnd, &pos, &entry.name)) return false;
        pos = offset + AlignUp4(pos - offset);
        if (!Fits(headerEnd, pos, kFixedTail)) return false;
        entry.language = ReadU16(data + pos + 6);
        if (!Fits(size, headerEnd, dataSize)) return false;
        entry.dataOffset = headerEnd;
        entry.dataSize = dataSize;
        if (!(entry.type.isId && entry.type.id == 0)) parsed.push_back(std::move(entry));

        const std::size_t next = headerEnd + dataSize;
        offset = next >= size ? size : AlignUp4(next);
    }
    *entries = std::move(parsed);
    return true;
}

}  // namespace win32
