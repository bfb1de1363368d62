#include "test_pictures.h"

#include "pictures/dib_writer.h"

namespace rescomp_test {

namespace {

// Values and table entries change from one to the next, so that misplaced
// copies show.
pictures::StoredPixels pixels(int width, int height, int bits, unsigned colours) {
    pictures::StoredPixels p{width, height, bits, {}, {}};
    const unsigned entries = bits <= 8 ? (colours ? colours : 1u << bits) : 0;
    for (unsigned i = 0; i < entries; ++i) p.table.push_back(pictures::rgb(0x80, 0x40, static_cast<int>(i)));
    const std::size_t count = static_cast<std::size_t>(width) * height;
    for (std::size_t i = 0; i < count; ++i)
        p.values.push_back(bits == 24 ? static_cast<std::uint32_t>(i * 0x070503 & 0xFFFFFF)
                                      : static_cast<std::uint32_t>(i * 7 % entries));
    return p;
}

}  // namespace

Bytes makeBitmap(int width, int height, int bits, unsigned colours) {
    return pictures::encodeBitmapFile(pixels(width, height, bits, colours));
}

Bytes makeIcon(const std::vector<IconImageSpec>& images) {
    std::vector<pictures::IconPixels> icons;
    for (const IconImageSpec& s : images) {
        pictures::IconPixels icon{pixels(s.width, s.height, s.bits, 0), {}};
        for (std::size_t i = 0; i < icon.colours.values.size(); ++i) icon.transparent.push_back(i % 3 == 0);
        icons.push_back(std::move(icon));
    }
    return pictures::encodeIconFile(icons);
}

}  // namespace rescomp_test
