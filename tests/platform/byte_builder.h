#pragma once
// Builds the byte images the format tests feed to the platform's parsers.
#include <cstdint>
#include <string>
#include <vector>

namespace plattest {

class Bytes {
public:
    Bytes& U8(std::uint8_t v) {
        data_.push_back(v);
        return *this;
    }
    Bytes& U16(std::uint16_t v) { return U8(static_cast<std::uint8_t>(v)).U8(static_cast<std::uint8_t>(v >> 8)); }
    Bytes& U32(std::uint32_t v) { return U16(static_cast<std::uint16_t>(v)).U16(static_cast<std::uint16_t>(v >> 16)); }
    Bytes& Fill(std::size_t n, std::uint8_t v) {
        data_.insert(data_.end(), n, v);
        return *this;
    }
    Bytes& Append(const std::vector<std::uint8_t>& more) {
        data_.insert(data_.end(), more.begin(), more.end());
        return *this;
    }
    Bytes& Align4() { return Fill((4 - data_.size() % 4) % 4, 0); }
    Bytes& Utf16(const std::string& text) {
        for (char c : text) U16(static_cast<unsigned char>(c));
        return U16(0);
    }
    const std::vector<std::uint8_t>& data() const { return data_; }
    std::size_t size() const { return data_.size(); }

private:
    std::vector<std::uint8_t> data_;
};

// A BITMAPINFOHEADER of 40 bytes.
inline Bytes DibHeader(std::int32_t width, std::int32_t height, std::uint16_t bits, std::uint32_t colors = 0,
                       std::uint32_t compression = 0, std::uint16_t planes = 1, std::uint32_t size = 40) {
    Bytes b;
    b.U32(size).U32(static_cast<std::uint32_t>(width)).U32(static_cast<std::uint32_t>(height));
    b.U16(planes).U16(bits).U32(compression).U32(0).U32(0).U32(0).U32(colors).U32(0);
    return b;
}

// One .res entry with a numeric type and a string or numeric name.
inline Bytes ResEntry(std::uint16_t type, const std::string& name, std::uint16_t language,
                      const std::vector<std::uint8_t>& data) {
    Bytes header;
    header.U16(0xFFFF).U16(type);
    if (!name.empty() && name[0] == '#')
        header.U16(0xFFFF).U16(static_cast<std::uint16_t>(std::stoi(name.substr(1))));
    else
        header.Utf16(name);
    header.Align4();
    header.U32(0).U16(0x1030).U16(language).U32(0).U32(0);
    Bytes entry;
    entry.U32(static_cast<std::uint32_t>(data.size())).U32(static_cast<std::uint32_t>(header.size() + 8));
    entry.Append(header.data()).Append(data).Align4();
    return entry;
}

// The empty entry that starts a .res file.
inline Bytes ResStart() {
    Bytes b;
    b.U32(0).U32(32).U16(0xFFFF).U16(0).U16(0xFFFF).U16(0).U32(0).U16(0).U16(0).U32(0).U32(0);
    return b;
}

}  // namespace plattest
