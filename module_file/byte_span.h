#pragma once
// A read-only view of bytes that never reads outside itself: every read says
// whether the whole of what it wanted was there.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace modfile {

// The format structs are read by copying their bytes; both targets are little-endian.
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "module files are little-endian");

class ByteSpan {
public:
    ByteSpan() = default;
    ByteSpan(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    const std::uint8_t* data() const { return data_; }
    std::size_t size() const { return size_; }

    // True when [offset, offset + length) lies inside the span; no sum can wrap.
    bool contains(std::uint64_t offset, std::uint64_t length) const {
        return offset <= size_ && length <= size_ - offset;
    }

    // The part [offset, offset + length), which contains() must have allowed.
    ByteSpan slice(std::uint64_t offset, std::uint64_t length) const {
        return ByteSpan(data_ + offset, static_cast<std::size_t>(length));
    }

    template <typename T>
    bool read(std::uint64_t offset, T* out) const {
        static_assert(std::is_trivially_copyable_v<T>, "only plain format structs are read");
        if (!contains(offset, sizeof(T))) return false;
        std::memcpy(out, data_ + offset, sizeof(T));
        return true;
    }

private:
    const std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
};

}  // namespace modfile
