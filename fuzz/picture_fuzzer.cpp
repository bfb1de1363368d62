// What a skin author gives as a picture: a .bmp, an .ico or a PNG from any
// program. The first byte picks a picture of the catalogue (each icon image
// is one); the rest goes to the .bmp reader, the .ico reader and the PNG
// conversion for that picture, and is recoloured as `skinkit derive` does.
// What is refused must say why; what is taken must write out and read back
// as it was taken, a converted PNG showing as the PNG does, a recoloured
// picture in the form it had.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "pack_recolour.h"
#include "picture_check.h"
#include "pictures/dib_reader.h"
#include "pictures/png_reader.h"
#include "png_picture.h"
#include "skin_catalogue.h"

namespace {

using pictures::Bytes;

struct Target {
    const catalogue::Entry* entry;
    std::size_t image;  // of an icon group
};

std::vector<Target> Targets() {
    std::vector<Target> targets;
    for (const catalogue::Entry& entry : catalogue::Entries()) {
        if (entry.kind == catalogue::Kind::Bitmap) targets.push_back({&entry, 0});
        for (std::size_t i = 0; i < entry.images.size(); ++i) targets.push_back({&entry, i});
    }
    return targets;
}

void Require(bool holds, const char* what, const std::string& why = "") {
    if (holds) return;
    std::fprintf(stderr, "%s %s\n", what, why.c_str());
    std::abort();
}

// The PNG's pixels as the conversion must store them: a bitmap's as they
// are, an icon's under half opacity transparent and black.
pictures::Image Expected(const Bytes& png, bool icon) {
    std::string why;
    const std::optional<pictures::Image> read = pictures::readPngFile(png, why);
    Require(read.has_value(), "a converted PNG does not read:", why);
    pictures::Image image = *read;
    if (icon)
        for (pictures::Pixel& p : image.pixels()) p = p.a < 128 ? pictures::Pixel{} : pictures::Pixel{p.c, 255};
    return image;
}

void Bitmap(const Bytes& file) {
    std::string why;
    const std::optional<pictures::StoredPixels> read = pictures::readBitmapFile(file, why);
    Require(read.has_value() || !why.empty(), "a .bmp refused without a reason");
    if (read) Require(pictures::readBitmapFile(pictures::encodeBitmapFile(*read), why) == read, "a .bmp file", why);
}

void Icon(const Bytes& file) {
    std::string why;
    const std::optional<std::vector<pictures::IconPixels>> read = pictures::readIconFile(file, why);
    Require(read.has_value() || !why.empty(), "an .ico refused without a reason");
    if (read) Require(pictures::readIconFile(pictures::encodeIconFile(*read), why) == read, "an .ico file", why);
}

void Png(const Bytes& png, const Target& target) {
    const catalogue::Entry& entry = *target.entry;
    std::string why;
    if (entry.kind == catalogue::Kind::Bitmap) {
        const std::optional<pictures::StoredPixels> stored = kit::BitmapFromPng(png, entry, why);
        Require(stored.has_value() || !why.empty(), "a PNG bitmap refused without a reason");
        if (!stored) return;
        const Bytes file = pictures::encodeBitmapFile(*stored);
        Require(kit::CheckPicture(file, entry, why), "a converted bitmap is not in its catalogue form:", why);
        Require(pictures::readBitmapFile(file, why) == stored, "a converted bitmap reads back otherwise");
        Require(pictures::toImage(*stored) == Expected(png, false), "a converted bitmap shows otherwise");
        return;
    }
    const std::optional<pictures::IconPixels> icon = kit::IconImageFromPng(png, entry.images[target.image], why);
    Require(icon.has_value() || !why.empty(), "a PNG icon image refused without a reason");
    if (!icon) return;
    const std::vector<pictures::IconPixels> images = {*icon};
    Require(pictures::readIconFile(pictures::encodeIconFile(images), why) == images,
            "a converted icon image reads back otherwise", why);
    Require(pictures::toImage(*icon) == Expected(png, true), "a converted icon image shows otherwise");
}

// Size, depth, table length, and indices where there is a table: what
// recolouring must keep.
struct Form {
    int width, height, bits;
    std::size_t table;
    std::vector<std::uint32_t> indices;
    std::vector<bool> mask;

    explicit Form(const pictures::StoredPixels& p, std::vector<bool> m = {})
        : width(p.width), height(p.height), bits(p.bits), table(p.table.size()),
          indices(p.bits <= 8 ? p.values : std::vector<std::uint32_t>{}), mask(std::move(m)) {}
    bool operator==(const Form& o) const {
        return width == o.width && height == o.height && bits == o.bits && table == o.table &&
               indices == o.indices && mask == o.mask;
    }
};

std::vector<Form> Forms(const Bytes& file) {
    std::string why;
    std::vector<Form> forms;
    if (const auto bitmap = pictures::readBitmapFile(file, why)) forms.emplace_back(*bitmap);
    if (const auto icon = pictures::readIconFile(file, why))
        for (const pictures::IconPixels& image : *icon) forms.emplace_back(image.colours, image.transparent);
    return forms;
}

void Recolour(const Bytes& file) {
    static const kit::ColourTransform transform{150, 250, {{0, 255}, {100, 30}, {255, 0}}};
    Bytes recoloured = file;
    kit::RecolourCounts counts;
    std::string why;
    if (!kit::RecolourPicture(recoloured, transform, counts, why)) {
        Require(!why.empty() && recoloured == file, "a picture not recoloured without a reason, or changed");
        return;
    }
    Require(recoloured.size() == file.size() && Forms(recoloured) == Forms(file), "a recoloured picture changed form");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::vector<Target> targets = Targets();
    if (size < 1) return 0;
    const Bytes file(data + 1, data + size);
    Bitmap(file);
    Icon(file);
    Recolour(file);
    Png(file, targets[data[0] % targets.size()]);
    return 0;
}
