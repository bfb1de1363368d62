// DEFLATE decoding inside a zlib stream, as PNG stores its pixels.
#include <algorithm>
#include <array>

#include "image_reader.h"

namespace preview_test {
namespace {

constexpr int kMaxCodeBits = 15;

class BitReader {
public:
    BitReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    // n bits, first bit lowest; false once the data runs out.
    bool Bits(int n, std::uint32_t* value) {
        while (count_ < n) {
            if (pos_ >= size_) return false;
            buffer_ |= static_cast<std::uint32_t>(data_[pos_++]) << count_;
            count_ += 8;
        }
        *value = buffer_ & ((1u << n) - 1u);
        buffer_ >>= n;
        count_ -= n;
        return true;
    }

    // Drops the bits left in the current byte.
    void AlignToByte() {
        buffer_ = 0;
        count_ = 0;
    }

    bool Bytes(std::size_t n, const std::uint8_t** start) {
        if (n > size_ - pos_) return false;
        *start = data_ + pos_;
        pos_ += n;
        return true;
    }

    std::size_t Position() const { return pos_; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
    std::uint32_t buffer_ = 0;
    int count_ = 0;
};

// A canonical Huffman code: how many codes of each length, and the symbols
// in code order.
struct Huffman {
    std::array<std::uint16_t, kMaxCodeBits + 1> counts{};
    std::vector<std::uint16_t> symbols;
};

// False when the lengths ask for more codes than there are.
bool BuildHuffman(const std::uint8_t* lengths, int n, Huffman* h) {
    h->counts.fill(0);
    for (int i = 0; i < n; ++i) ++h->counts[lengths[i]];
    int left = 1;
    for (int len = 1; len <= kMaxCodeBits; ++len) {
        left = left * 2 - h->counts[len];
        if (left < 0) return false;
    }
    std::array<std::uint16_t, kMaxCodeBits + 2> offsets{};
    for (int len = 1; len <= kMaxCodeBits; ++len) offsets[len + 1] = offsets[len] + h->counts[len];
    h->symbols.assign(static_cast<std::size_t>(n), 0);
    for (int i = 0; i < n; ++i)
        if (lengths[i] != 0) h->symbols[offsets[lengths[i]]++] = static_cast<std::uint16_t>(i);
    return true;
}

// The next symbol, or -1 when the bits run out or form no code.
int DecodeSymbol(BitReader& bits, const Huffman& h) {
    int code = 0;
    int first = 0;
    int index = 0;
    for (int len = 1; len <= kMaxCodeBits; ++len) {
        std::uint32_t bit = 0;
        if (!bits.Bits(1, &bit)) return -1;
        code |= static_cast<int>(bit);
        const int count = h.counts[len];
        if (code - first < count) return h.symbols[static_cast<std::size_t>(index + code - first)];
        index += count;
        first = (first + count) << 1;
        code <<= 1;
    }
    return -1;
}

constexpr std::uint16_t kLengthBase[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                           31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::uint8_t kLengthExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                           2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::uint16_t kDistanceBase[30] = {1,   2,   3,   4,   5,   7,    9,    13,   17,   25,
                                             33,  49,  65,  97,  129, 193,  257,  385,  513,  769,
                                             1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::uint8_t kDistanceExtra[30] = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                             6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

class Inflater {
public:
    Inflater(BitReader& bits, std::size_t limit, std::vector<std::uint8_t>* out, std::string* error)
        : bits_(bits), limit_(limit), out_(*out), error_(*error) {}

    bool Run() {
        std::uint32_t last = 0;
        do {
            std::uint32_t type = 0;
            if (!bits_.Bits(1, &last) || !bits_.Bits(2, &type)) return Fail("deflate data ends inside a block header");
            bool ok = false;
            switch (type) {
                case 0: ok = Stored(); break;
                case 1: ok = Fixed(); break;
                case 2: ok = Dynamic(); break;
                default: return Fail("deflate block of reserved type 3");
            }
            if (!ok) return false;
        } while (!last);
        return true;
    }

private:
    bool Fail(const char* reason) {
        error_ = reason;
        return false;
    }

    bool Stored() {
        bits_.AlignToByte();
        const std::uint8_t* header = nullptr;
        if (!bits_.Bytes(4, &header)) return Fail("stored block without its length");
        const unsigned length = header[0] | (header[1] << 8);
        const unsigned check = header[2] | (header[3] << 8);
        if ((length ^ 0xFFFFu) != check) return Fail("stored block length and its complement disagree");
        const std::uint8_t* data = nullptr;
        if (!bits_.Bytes(length, &data)) return Fail("stored block longer than the data");
        if (length > limit_ - out_.size()) return Fail("more output than expected");
        out_.insert(out_.end(), data, data + length);
        return true;
    }

    bool Fixed() {
        std::uint8_t lengths[288 + 30];
        for (int i = 0; i < 144; ++i) lengths[i] = 8;
        for (int i = 144; i < 256; ++i) lengths[i] = 9;
        for (int i = 256; i < 280; ++i) lengths[i] = 7;
        for (int i = 280; i < 288; ++i) lengths[i] = 8;
        for (int i = 0; i < 30; ++i) lengths[288 + i] = 5;
        Huffman literals;
        Huffman distances;
        BuildHuffman(lengths, 288, &literals);
        BuildHuffman(lengths + 288, 30, &distances);
        return Codes(literals, distances);
    }

    bool Dynamic() {
        static constexpr std::uint8_t kOrder[19] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};
        std::uint32_t nlen = 0, ndist = 0, ncode = 0;
        if (!bits_.Bits(5, &nlen) || !bits_.Bits(5, &ndist) || !bits_.Bits(4, &ncode))
            return Fail("dynamic block header cut short");
        nlen += 257;
        ndist += 1;
        ncode += 4;
        if (nlen > 286 || ndist > 30) return Fail("dynamic block with too many codes");

        std::uint8_t lengths[286 + 30] = {};
        for (std::uint32_t i = 0; i < ncode; ++i) {
            std::uint32_t len = 0;
            if (!bits_.Bits(3, &len)) return Fail("code length code cut short");
            lengths[kOrder[i]] = static_cast<std::uint8_t>(len);
        }
        Huffman lengthCode;
        if (!BuildHuffman(lengths, 19, &lengthCode)) return Fail("code length code over-subscribed");

        std::fill(lengths, lengths + 19, std::uint8_t{0});
        std::uint32_t index = 0;
        while (index < nlen + ndist) {
            const int symbol = DecodeSymbol(bits_, lengthCode);
            if (symbol < 0) return Fail("bad code length symbol");
            if (symbol < 16) {
                lengths[index++] = static_cast<std::uint8_t>(symbol);
                continue;
            }
            std::uint8_t value = 0;
            std::uint32_t repeat = 0;
            bool ok = true;
            if (symbol == 16) {
                if (index == 0) return Fail("repeat of a length before the first one");
                value = lengths[index - 1];
                ok = bits_.Bits(2, &repeat);
                repeat += 3;
            } else if (symbol == 17) {
                ok = bits_.Bits(3, &repeat);
                repeat += 3;
            } else {
                ok = bits_.Bits(7, &repeat);
                repeat += 11;
            }
            if (!ok) return Fail("repeat count cut short");
            if (index + repeat > nlen + ndist) return Fail("code lengths repeat past their end");
            while (repeat-- > 0) lengths[index++] = value;
        }
        if (lengths[256] == 0) return Fail("no code for the end of the block");
        Huffman literals;
        Huffman distances;
        if (!BuildHuffman(lengths, static_cast<int>(nlen), &literals)) return Fail("literal code over-subscribed");
        if (!BuildHuffman(lengths + nlen, static_cast<int>(ndist), &distances))
            return Fail("distance code over-subscribed");
        return Codes(literals, distances);
    }

    bool Codes(const Huffman& literals, const Huffman& distances) {
        for (;;) {
            int symbol = DecodeSymbol(bits_, literals);
            if (symbol < 0) return Fail("bad literal or length code");
            if (symbol < 256) {
                if (out_.size() >= limit_) return Fail("more output than expected");
                out_.push_back(static_cast<std::uint8_t>(symbol));
                continue;
            }
            if (symbol == 256) return true;
            symbol -= 257;
            if (symbol >= 29) return Fail("length code out of range");
            std::uint32_t extra = 0;
            if (!bits_.Bits(kLengthExtra[symbol], &extra)) return Fail("length cut short");
            const std::size_t length = kLengthBase[symbol] + extra;
            const int distanceSymbol = DecodeSymbol(bits_, distances);
            if (distanceSymbol < 0 || distanceSymbol >= 30) return Fail("bad distance code");
            if (!bits_.Bits(kDistanceExtra[distanceSymbol], &extra)) return Fail("distance cut short");
            const std::size_t distance = kDistanceBase[distanceSymbol] + extra;
            if (distance > out_.size()) return Fail("distance reaches before the start");
            if (length > limit_ - out_.size()) return Fail("more output than expected");
            const std::size_t from = out_.size() - distance;
            for (std::size_t i = 0; i < length; ++i) out_.push_back(out_[from + i]);
        }
    }

    BitReader& bits_;
    std::size_t limit_;
    std::vector<std::uint8_t>& out_;
    std::string& error_;
};

std::uint32_t Adler32(const std::vector<std::uint8_t>& data) {
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (std::uint8_t byte : data) {
        a = (a + byte) % 65521u;
        b = (b + a) % 65521u;
    }
    return (b << 16) | a;
}

}  // namespace

bool Inflate(const std::uint8_t* data, std::size_t size, std::size_t limit, std::vector<std::uint8_t>* out,
             std::string* error) {
    out->clear();
    if (size < 6) {
        *error = "zlib stream shorter than its header and check value";
        return false;
    }
    const unsigned method = data[0] & 0x0Fu;
    if (method != 8 || ((data[0] << 8) | data[1]) % 31 != 0 || (data[1] & 0x20u) != 0) {
        *error = "not a plain zlib deflate stream";
        return false;
    }
    BitReader bits(data + 2, size - 2);
    if (!Inflater(bits, limit, out, error).Run()) return false;
    // The check value follows the last block, in the next whole bytes.
    bits.AlignToByte();
    const std::uint8_t* check = nullptr;
    if (!bits.Bytes(4, &check)) {
        *error = "zlib stream without its check value";
        return false;
    }
    const std::uint32_t stored = (static_cast<std::uint32_t>(check[0]) << 24) | (check[1] << 16) | (check[2] << 8) |
                                 static_cast<std::uint32_t>(check[3]);
    if (stored != Adler32(*out)) {
        *error = "zlib check value does not match the data";
        return false;
    }
    return true;
}

}  // namespace preview_test
