#include "pe_checksum.h"

#include "pe_format.h"

namespace modfile {

std::uint32_t peChecksum(ByteSpan file) {
    std::uint64_t field = ~std::uint64_t{0};
    DosHeader dos{};
    if (file.read(0, &dos)) {
        const std::uint64_t at = std::uint64_t{dos.peOffset} + 4 + sizeof(CoffHeader) + kChecksumFieldOffset;
        if (file.contains(at, 4)) field = at;
    }
    auto byteAt = [&](std::size_t i) -> std::uint32_t {
        if (i >= file.size() || (i >= field && i < field + 4)) return 0;
        return file.data()[i];
    };
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < file.size(); i += 2) {
        sum += byteAt(i) | byteAt(i + 1) << 8;
        sum = (sum & 0xFFFF) + (sum >> 16);
    }
    return sum + static_cast<std::uint32_t>(file.size());
}

}  // namespace modfile
