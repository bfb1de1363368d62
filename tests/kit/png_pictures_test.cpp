// Pictures given as PNGs: a copy of the default pack with a picture replaced
// by PNGs of every colour type shows as its .bmp or .ico did, once converted;
// a PNG that cannot be converted, or a form given twice, is named.
#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>

#include "pack_folder.h"
#include "picture_check.h"
#include "pictures/dib_reader.h"

namespace {

namespace fs = std::filesystem;
using pictures::Bytes;
using pictures::Image;

const fs::path kDefaultPack = DEFAULT_PACK_DIR;

Bytes Read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void Write(const fs::path& file, const Bytes& bytes) {
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

// `image` as a PNG of a colour type and depth: greys take the red channel, a
// palette the colours in order of first use, with their opacity, as many of
// them as `paletteEntries` lets.
Bytes Png(const Image& image, int colourType, int depth, std::size_t paletteEntries = 256) {
    Bytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(
        png, &out,
        [](png_structp p, png_bytep data, png_size_t size) {
            static_cast<Bytes*>(png_get_io_ptr(p))
                ->insert(static_cast<Bytes*>(png_get_io_ptr(p))->end(), data, data + size);
        },
        nullptr);
    png_set_IHDR(png, info, image.width(), image.height(), depth, colourType, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    std::vector<pictures::Pixel> palette;
    for (const pictures::Pixel p : image.pixels())
        if (std::find(palette.begin(), palette.end(), p) == palette.end()) palette.push_back(p);
    if (colourType == PNG_COLOR_TYPE_PALETTE) {
        std::vector<png_color> colours;
        std::vector<png_byte> alpha;
        for (const pictures::Pixel p : palette) colours.push_back({p.c.r, p.c.g, p.c.b}), alpha.push_back(p.a);
        colours.resize(std::min(colours.size(), paletteEntries));
        alpha.resize(colours.size());
        png_set_check_for_invalid_index(png, -1);
        png_set_PLTE(png, info, colours.data(), static_cast<int>(colours.size()));
        png_set_tRNS(png, info, alpha.data(), static_cast<int>(alpha.size()), nullptr);
    }
    png_write_info(png, info);
    if (depth < 8) png_set_packing(png);
    for (int y = 0; y < image.height(); ++y) {
        std::vector<png_byte> row;
        const auto sample = [&](std::uint8_t v) {
            row.push_back(v);
            if (depth == 16) row.push_back(v);  // v * 257, whose high byte is v
        };
        for (int x = 0; x < image.width(); ++x) {
            const pictures::Pixel p = image.at(x, y);
            if (colourType == PNG_COLOR_TYPE_PALETTE) {
                row.push_back(static_cast<png_byte>(std::find(palette.begin(), palette.end(), p) - palette.begin()));
                continue;
            }
            sample(p.c.r);
            if (colourType & PNG_COLOR_MASK_COLOR) sample(p.c.g), sample(p.c.b);
            if (colourType & PNG_COLOR_MASK_ALPHA) sample(p.a);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

// A picture's images: a bitmap's one, unmasked.
std::vector<pictures::IconPixels> Decoded(const catalogue::Entry& entry, const Bytes& file) {
    std::string why;
    if (entry.kind == catalogue::Kind::IconGroup) return pictures::readIconFile(file, why).value();
    pictures::StoredPixels bitmap = pictures::readBitmapFile(file, why).value();
    const std::size_t pixels = bitmap.values.size();
    return {{std::move(bitmap), std::vector<bool>(pixels)}};
}

// A picture as it shows: transparent pixels black.
std::vector<Image> Shown(const catalogue::Entry& entry, const Bytes& file) {
    std::vector<Image> images;
    for (const pictures::IconPixels& icon : Decoded(entry, file)) {
        images.push_back(pictures::toImage(icon));
        for (pictures::Pixel& p : images.back().pixels())
            if (p.a == 0) p.c = {};
    }
    return images;
}

// Where a table is not the colours used in ascending order, then black.
std::string UnsortedTable(const catalogue::Entry& entry, const Bytes& file) {
    for (const pictures::IconPixels& icon : Decoded(entry, file)) {
        const pictures::StoredPixels& p = icon.colours;
        if (p.bits == 24) continue;
        const std::set<std::uint32_t> used(p.values.begin(), p.values.end());
        const auto end = p.table.begin() + static_cast<std::ptrdiff_t>(used.size());
        if (*used.rbegin() + 1 != used.size() ||
            std::adjacent_find(p.table.begin(), end, [](auto a, auto b) { return !(a < b); }) != end ||
            std::any_of(end, p.table.end(), [](auto c) { return c != pictures::Rgb{}; }))
            return std::to_string(used.size()) + " colours used, a table of " + std::to_string(p.table.size()) +
                   " out of order";
    }
    return "";
}

std::string FirstDifference(const std::vector<Image>& want, const std::vector<Image>& got) {
    if (want.size() != got.size()) return std::to_string(got.size()) + " images, want " + std::to_string(want.size());
    for (std::size_t n = 0; n < want.size(); ++n)
        for (int y = 0; y < want[n].height(); ++y)
            for (int x = 0; x < want[n].width(); ++x) {
                const pictures::Pixel w = want[n].at(x, y), g = got[n].at(x, y);
                if (!(w == g))
                    return "image " + std::to_string(n + 1) + " pixel " + std::to_string(x) + "," + std::to_string(y) +
                           ": " + std::to_string(g.c.key()) + " at " + std::to_string(g.a) + ", want " +
                           std::to_string(w.c.key()) + " at " + std::to_string(w.a);
            }
    return "";
}

fs::path Pictures(const fs::path& pack) { return pack / kit::kPicturesFolder; }

// The default pack's picture `name` as images.
std::vector<Image> Original(const char* name) {
    const catalogue::Entry& entry = *catalogue::Find(name);
    return Shown(entry, Read(kDefaultPack / "pictures" / entry.fileName()));
}

// Replaces a bitmap's .bmp by a PNG of it.
std::function<void(const fs::path&)> BitmapAsPng(const char* name, int colourType, int depth) {
    return [=](const fs::path& pack) {
        fs::remove(Pictures(pack) / (std::string(name) + ".bmp"));
        Write(Pictures(pack) / (std::string(name) + ".png"), Png(Original(name)[0], colourType, depth));
    };
}

// An image of `width` x `height` in `count` colours, opaque.
Image Colours(int width, int height, int count) {
    Image image(width, height);
    for (int i = 0; i < width * height; ++i) image.pixels()[i] = {pictures::rgb(i % count, i % count / 256, 7), 255};
    return image;
}

void WritePng(const fs::path& pack, const std::string& file, const Image& image) {
    Write(Pictures(pack) / file, Png(image, PNG_COLOR_TYPE_RGB_ALPHA, 8));
}

// An icon group's .ico replaced by one RGBA PNG per image, alpha just below
// the threshold where its mask shows through, just above where it does not.
void IconAsPngs(const fs::path& pack, const char* name) {
    fs::remove(Pictures(pack) / (std::string(name) + ".ico"));
    const std::vector<Image> images = Original(name);
    for (std::size_t n = 0; n < images.size(); ++n) {
        Image image = images[n];
        for (pictures::Pixel& p : image.pixels()) p.a = p.a == 0 ? 127 : 128;
        WritePng(pack, std::string(name) + "." + std::to_string(n + 1) + ".png", image);
    }
}

TEST(PngPictures, ConvertToTheirCatalogueForm) {
    const struct {
        const char* name;
        std::function<void(const fs::path&)> change;
        std::vector<std::string> problems;
        const char* shownAsBefore = nullptr;  // with no problem: the picture that shows as its file did
    } rows[] = {
        {"grey", BitmapAsPng("MENU_BK", PNG_COLOR_TYPE_GRAY, 8), {}, "MENU_BK"},
        {"grey 16 bits, a 61-entry table",
         BitmapAsPng("SELECT_TAB_BK_90", PNG_COLOR_TYPE_GRAY, 16),
         {},
         "SELECT_TAB_BK_90"},
        {"grey and alpha", BitmapAsPng("NOSELECT_TAB_BK_90", PNG_COLOR_TYPE_GRAY_ALPHA, 8), {}, "NOSELECT_TAB_BK_90"},
        {"palette", BitmapAsPng("TAB_BK", PNG_COLOR_TYPE_PALETTE, 8), {}, "TAB_BK"},
        {"1-bit palette", BitmapAsPng("TREE_BK", PNG_COLOR_TYPE_PALETTE, 1), {}, "TREE_BK"},
        {"RGB", BitmapAsPng("FRAME_TITLELEFT", PNG_COLOR_TYPE_RGB, 8), {}, "FRAME_TITLELEFT"},
        {"RGB 16 bits", BitmapAsPng("BAR_RIGHT_BK", PNG_COLOR_TYPE_RGB, 16), {}, "BAR_RIGHT_BK"},
        {"RGBA 16 bits", BitmapAsPng("SPLITTER_COL", PNG_COLOR_TYPE_RGB_ALPHA, 16), {}, "SPLITTER_COL"},
        {"icon images at 4 and 8 bits", [](const fs::path& p) { IconAsPngs(p, "CAPTION_MAX"); }, {}, "CAPTION_MAX"},
        {"too many colours",
         [](const fs::path& p) {
             fs::remove(Pictures(p) / "SELECT_TAB_BK_90.bmp");
             WritePng(p, "SELECT_TAB_BK_90.png", Colours(114, 21, 62));
             fs::remove(Pictures(p) / "SELECT_MAINTAB_BK.bmp");
             WritePng(p, "SELECT_MAINTAB_BK.png", Colours(114, 21, 300));
         },
         {"pictures/SELECT_MAINTAB_BK.png: 300 colours, an 8-bit picture holds 256",
          "pictures/SELECT_TAB_BK_90.png: 62 colours, an 8-bit picture holds 61"}},
        {"an icon image over 16 colours with transparent black",
         [](const fs::path& p) {
             IconAsPngs(p, "CAPTION_MAX");
             Image image = Colours(16, 16, 16);
             image.at(3, 3).a = 0;
             WritePng(p, "CAPTION_MAX.1.png", image);
         },
         {"pictures/CAPTION_MAX.1.png: 17 colours, a 4-bit picture holds 16"}},
        {"not opaque",
         [](const fs::path& p) {
             fs::remove(Pictures(p) / "CAPTION_BK.bmp");
             Image image = Colours(10, 10, 1);
             image.at(4, 0).a = image.at(2, 5).a = 254;
             WritePng(p, "CAPTION_BK.png", image);
         },
         {"pictures/CAPTION_BK.png: 2 pixels are not fully opaque, the first at 4,0; a bitmap has no transparency"}},
        {"wrong size",
         [](const fs::path& p) {
             fs::remove(Pictures(p) / "MENU_BK.bmp");
             WritePng(p, "MENU_BK.png", Colours(12, 10, 1));
         },
         {"pictures/MENU_BK.png: 12×10, want 10×10"}},
        {"an icon image missing, one of the wrong size and one past the list",
         [](const fs::path& p) {
             IconAsPngs(p, "WINEXIT_WINDOW");
             fs::remove(Pictures(p) / "WINEXIT_WINDOW.3.png");
             WritePng(p, "WINEXIT_WINDOW.1.png", Colours(24, 24, 1));
             fs::copy_file(Pictures(p) / "WINEXIT_WINDOW.2.png", Pictures(p) / "WINEXIT_WINDOW.9.png");
         },
         {"pictures/WINEXIT_WINDOW.1.png: 24×24, want 32×32", "pictures/WINEXIT_WINDOW.3.png: missing",
          "pictures/WINEXIT_WINDOW.9.png: not a picture of the catalogue"}},
        {"a bitmap in both forms",
         [](const fs::path& p) { WritePng(p, "MENU_BK.png", Original("MENU_BK")[0]); },
         {"pictures/MENU_BK.bmp: given as MENU_BK.png too; keep one of the two"}},
        {"an icon in both forms",
         [](const fs::path& p) { WritePng(p, "BAR_DEL.1.png", Original("BAR_DEL")[0]); },
         {"pictures/BAR_DEL.ico: given as BAR_DEL.1.png too; keep one of the two"}},
        {"an index past the palette",
         [](const fs::path& p) {
             fs::remove(Pictures(p) / "TREE_BK.bmp");
             Write(Pictures(p) / "TREE_BK.png", Png(Original("TREE_BK")[0], PNG_COLOR_TYPE_PALETTE, 1, 1));
         },
         {"pictures/TREE_BK.png: not a readable PNG file: pixel 0,1 is an index past the palette"}},
        {"truncated",
         [](const fs::path& p) {
             BitmapAsPng("FRAME_TITLELEFT", PNG_COLOR_TYPE_RGB, 8)(p);
             fs::resize_file(Pictures(p) / "FRAME_TITLELEFT.png", 200);
         },
         {"pictures/FRAME_TITLELEFT.png: not a readable PNG file: the chunk at offset 33 runs past the end"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const fs::path pack = fs::path(testing::TempDir()) / "png_packs" / row.name;
        fs::remove_all(pack);
        fs::create_directories(pack);
        fs::copy(kDefaultPack, pack, fs::copy_options::recursive);
        row.change(pack);
        const kit::PackFolder read = kit::ReadPackFolder(pack);
        std::vector<std::string> problems;
        for (const kit::Problem& problem : read.problems) problems.push_back(problem.Text());
        EXPECT_EQ(row.problems, problems);
        EXPECT_EQ(problems.empty() ? catalogue::Entries().size() : 0, read.pictures.size());
        if (!row.shownAsBefore || read.pictures.empty()) continue;
        const catalogue::Entry& entry = *catalogue::Find(row.shownAsBefore);
        const Bytes& converted = read.pictures[&entry - catalogue::Entries().data()];
        std::string why;
        EXPECT_TRUE(kit::CheckPicture(converted, entry, why)) << why;
        EXPECT_EQ("", FirstDifference(Original(row.shownAsBefore), Shown(entry, converted)));
        EXPECT_EQ("", UnsortedTable(entry, converted));
    }
}

}  // namespace
