#include "test_pictures.h"

namespace rescomp_test {

namespace {

template <class T>
void append(Bytes& out, const T& v) {
    const auto* p = reinterpret_cast<const std::uint8_t*>(&v);
    out.insert(out.end(), p, p + sizeof v);
}

// Header, colour table and colour bits of a bottom-up DIB; the pixel bytes
// count up so that misplaced copies show.
Bytes dibBody(int width, int storedHeight, int rows, int bits, unsigned colours) {
    Bytes out;
    dib::InfoHeader h{};
    h.size = sizeof h;
    h.width = width;
    h.height = storedHeight;
    h.planes = 1;
    h.bitCount = static_cast<std::uint16_t>(bits);
    h.clrUsed = colours;
    append(out, h);
    const unsigned tableEntries = bits <= 8 ? (colours ? colours : 1u << bits) : 0;
    for (unsigned i = 0; i < tableEntries; ++i)
        append(out, dib::RgbQuad{static_cast<std::uint8_t>(i), 0x40, 0x80, 0});
    const std::size_t pixels = dib::rowStride(width, bits) * rows;
    for (std::size_t i = 0; i < pixels; ++i) out.push_back(static_cast<std::uint8_t>(i * 7));
    return out;
}

}  // namespace

Bytes makeBitmap(int width, int height, int bits, unsigned colours) {
    const Bytes body = dibBody(width, height, height, bits, colours);
    const unsigned tableEntries = bits <= 8 ? (colours ? colours : 1u << bits) : 0;
    dib::FileHeader fh{{'B', 'M'}, 0, 0, 0, 0};
    fh.fileSize = static_cast<std::uint32_t>(sizeof fh + body.size());
    fh.bitsOffset = static_cast<std::uint32_t>(sizeof fh + sizeof(dib::InfoHeader) + 4 * tableEntries);
    Bytes out;
    append(out, fh);
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

Bytes makeIcon(const std::vector<IconImageSpec>& images) {
    std::vector<Bytes> bodies;
    for (const IconImageSpec& s : images) {
        Bytes body = dibBody(s.width, 2 * s.height, s.height, s.bits, 0);
        const std::size_t mask = dib::rowStride(s.width, 1) * s.height;
        body.insert(body.end(), mask, 0xF0);
        bodies.push_back(body);
    }
    Bytes out;
    append(out, dib::IconDir{0, dib::kIconType, static_cast<std::uint16_t>(images.size())});
    std::uint32_t offset = static_cast<std::uint32_t>(iconEntryAt(static_cast<unsigned>(images.size())));
    for (std::size_t i = 0; i < images.size(); ++i) {
        const IconImageSpec& s = images[i];
        dib::IconDirEntry e{};
        e.width = static_cast<std::uint8_t>(s.width);
        e.height = static_cast<std::uint8_t>(s.height);
        e.colorCount = static_cast<std::uint8_t>(s.bits < 8 ? 1u << s.bits : 0);
        e.planes = 1;
        e.bitCount = static_cast<std::uint16_t>(s.bits);
        e.bytesInRes = static_cast<std::uint32_t>(bodies[i].size());
        e.imageOffset = offset;
        offset += e.bytesInRes;
        append(out, e);
    }
    for (const Bytes& b : bodies) out.insert(out.end(), b.begin(), b.end());
    return out;
}

}  // namespace rescomp_test
