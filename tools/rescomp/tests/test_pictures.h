#pragma once
// Well-formed picture files built in memory, for tests to break on purpose.
#include <cstdint>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "pictures/dib_format.h"

namespace rescomp_test {

using Bytes = std::vector<std::uint8_t>;

Bytes makeBitmap(int width, int height, int bits, unsigned colours);

struct IconImageSpec {
    int width;
    int height;
    int bits;
};
// Directory entries carry width, height, colour count, 1 plane and the depth.
Bytes makeIcon(const std::vector<IconImageSpec>& images);

// Offsets of the parts tests edit.
constexpr std::size_t kInfoAt = sizeof(dib::FileHeader);
inline std::size_t iconEntryAt(unsigned i) { return sizeof(dib::IconDir) + i * sizeof(dib::IconDirEntry); }

template <class T>
T get(const Bytes& b, std::size_t at) {
    const std::optional<T> v = dib::readAt<T>(b.data(), b.size(), at);
    if (!v) throw std::out_of_range("no field at offset " + std::to_string(at));
    return *v;
}
template <class T>
void put(Bytes& b, std::size_t at, const T& v) {
    if (at > b.size() || b.size() - at < sizeof v) throw std::out_of_range("no field at offset " + std::to_string(at));
    std::memcpy(b.data() + at, &v, sizeof v);
}

}  // namespace rescomp_test
