// The pictures of packs/skinpak1/ against the skin's catalogue: formats from
// the catalogue's table, and the colours of the default pack's pictures, how
// their pieces join and which of them share their pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>

#include "picture_reader.h"
#include "skin_catalogue.h"

namespace artwork_test {
namespace {

using catalogue::Entry;
using catalogue::Kind;

const std::string kRes = RES_DIR;

std::vector<std::string> NamesOf(Kind kind) {
    std::vector<std::string> names;
    for (const Entry& entry : catalogue::Entries())
        if (entry.kind == kind) names.push_back(entry.name);
    return names;
}

Colour rgb(int r, int g, int b) { return {r, g, b}; }
Colour grey(int v) { return {v, v, v}; }

std::map<Colour, int> counts(const Picture& p) {
    std::map<Colour, int> m;
    for (const Colour& c : p.pixels) ++m[c];
    return m;
}

// Colours by frequency, most frequent first.
std::vector<Colour> byFrequency(const Picture& p) {
    std::vector<std::pair<int, Colour>> v;
    for (const auto& [c, n] : counts(p)) v.push_back({-n, c});
    std::sort(v.begin(), v.end());
    std::vector<Colour> out;
    for (const auto& e : v) out.push_back(e.second);
    return out;
}

void expectFlat(const Picture& p, Colour c) {
    const auto m = counts(p);
    ASSERT_EQ(1u, m.size()) << "distinct colours in a flat picture";
    EXPECT_EQ(describe(c), describe(m.begin()->first));
}

// Every row one colour; returns the row colours.
std::vector<Colour> rowColours(const Picture& p) {
    std::vector<Colour> rows;
    for (int y = 0; y < p.height; ++y) {
        for (int x = 1; x < p.width; ++x)
            EXPECT_EQ(describe(p.at(0, y)), describe(p.at(x, y))) << "row " << y << " is not one colour, column " << x;
        rows.push_back(p.at(0, y));
    }
    return rows;
}

void expectDistinct(const Picture& p, std::size_t n) { EXPECT_EQ(n, counts(p).size()) << "distinct colours"; }

void expectMostly(const Picture& p, Colour c) {
    EXPECT_EQ(describe(c), describe(byFrequency(p).front())) << "most frequent colour";
}

// All grey, n distinct greys from lo to hi.
void expectGreys(const Picture& p, std::size_t n, int lo, int hi) {
    std::set<int> levels;
    for (const Colour& c : p.pixels) {
        ASSERT_TRUE(c.r == c.g && c.g == c.b) << describe(c) << " is not grey";
        levels.insert(c.r);
    }
    EXPECT_EQ(n, levels.size()) << "distinct greys";
    EXPECT_EQ(lo, *levels.begin()) << "darkest grey";
    EXPECT_EQ(hi, *levels.rbegin()) << "lightest grey";
}

void expectBlueGreys(const Picture& p) {
    for (const auto& [c, n] : counts(p))
        EXPECT_TRUE(c.b >= c.r && c.b >= c.g) << describe(c) << " is not a blue-grey (" << n << " pixels)";
}

// Each channel moves only one way from `from` to `to` along the colours.
void expectRamp(const std::vector<Colour>& colours, Colour from, Colour to) {
    ASSERT_FALSE(colours.empty());
    EXPECT_EQ(describe(from), describe(colours.front()));
    EXPECT_EQ(describe(to), describe(colours.back()));
    for (std::size_t i = 1; i < colours.size(); ++i) {
        const Colour a = colours[i - 1], b = colours[i];
        EXPECT_TRUE((b.r - a.r) * (to.r - from.r) >= 0 && (b.g - a.g) * (to.g - from.g) >= 0 &&
                    (b.b - a.b) * (to.b - from.b) >= 0)
            << "step " << i << " from " << describe(a) << " to " << describe(b) << " goes against the gradient";
    }
}

int luma(Colour c) { return (299 * c.r + 587 * c.g + 114 * c.b) / 1000; }

const Colour kTitle = rgb(115, 127, 170);
const Colour kBar = rgb(164, 171, 196);

// How each bitmap of the default pack is coloured.
const std::map<std::string, std::function<void(const Picture&)>> kPictures = {
    {"CAPTION_BK", [](const Picture& p) { expectFlat(p, rgb(157, 165, 195)); }},
    {"MENU_BK",
     [](const Picture& p) {
         std::set<int> levels;
         for (const Colour& c : p.pixels) levels.insert(c.r);
         expectGreys(p, levels.size(), 231, 237);
         EXPECT_GE(levels.size(), 4u) << "slightly mottled";
     }},
    {"BAR_LEFT_BK",
     [](const Picture& p) {
         expectDistinct(p, 251);
         const auto top = byFrequency(p);
         const std::set<Colour> firstTwo = {top[0], top[1]};
         EXPECT_EQ((std::set<Colour>{kBar, rgb(152, 161, 192)}), firstTwo)
             << "most frequent: " << describe(top[0]) << " and " << describe(top[1]);
     }},
    {"BAR_RIGHT_BK",
     [](const Picture& p) {
         const auto rows = rowColours(p);
         for (int y = 0; y < 6; ++y)
             EXPECT_TRUE(std::abs(rows[y].r - 117) <= 4 && std::abs(rows[y].g - 128) <= 4 && std::abs(rows[y].b - 170) <= 4)
                 << "row " << y << " is " << describe(rows[y]) << ", about RGB 117,128,170 expected";
         EXPECT_EQ(describe(rgb(94, 104, 140)), describe(rows[6]));
         EXPECT_EQ(describe(rgb(57, 63, 85)), describe(rows[7]));
         for (int y = 8; y < 70; ++y) EXPECT_EQ(describe(kBar), describe(rows[y])) << "row " << y;
     }},
    {"STATUSBAR_LEFT",
     [](const Picture& p) {
         expectDistinct(p, 98);
         expectBlueGreys(p);
     }},
    {"STATUSBAR_MID",
     [](const Picture& p) {
         const auto rows = rowColours(p);
         EXPECT_EQ(describe(grey(178)), describe(rows[0]));
         EXPECT_GT(luma(rows[1]), 200) << describe(rows[1]);
         EXPECT_GT(luma(rows[2]), 200) << describe(rows[2]);
         expectRamp({rows.begin() + 3, rows.begin() + 27}, rgb(118, 129, 171), rgb(161, 169, 197));
         for (int y = 27; y < 30; ++y) EXPECT_LT(luma(rows[y]), luma(rows[26])) << "row " << y << " is not darker";
     }},
    {"STATUSBAR_RIGHT",
     [](const Picture& p) {
         expectDistinct(p, 1195);
         expectBlueGreys(p);
     }},
    {"FRAME_TITLELEFT",
     [](const Picture& p) {
         expectDistinct(p, 226);
         expectMostly(p, kTitle);
     }},
    {"FRAME_TITLEMID",
     [](const Picture& p) {
         const auto rows = rowColours(p);
         for (int y = 36; y < 50; ++y) EXPECT_EQ(describe(kTitle), describe(rows[y])) << "row " << y;
         EXPECT_NE(describe(kTitle), describe(rows[35])) << "exactly the lowest 14 rows are flat";
         expectRamp({rows.begin() + 1, rows.begin() + 37}, rows[1], kTitle);
         expectBlueGreys(p);
     }},
    {"FRAME_TITLERIGHT",
     [](const Picture& p) {
         expectDistinct(p, 152);
         expectMostly(p, kTitle);
     }},
    {"FRAME_LEFT", [](const Picture& p) { expectFlat(p, rgb(119, 131, 172)); }},
    {"FRAME_RIGHT", [](const Picture& p) { expectFlat(p, rgb(119, 131, 172)); }},
    {"FRAME_TOP", [](const Picture& p) { expectFlat(p, rgb(123, 134, 175)); }},
    {"FRAME_BOTTOM", [](const Picture& p) { expectFlat(p, rgb(123, 134, 175)); }},
    {"MAINTAB_BK", [](const Picture& p) { expectFlat(p, kBar); }},
    {"SELECT_MAINTAB_BK",
     [](const Picture& p) {
         expectGreys(p, 19, 128, 231);
         expectMostly(p, grey(164));
     }},
    {"NOSELECT_MAINTAB_BK",
     [](const Picture& p) {
         expectGreys(p, 19, 128, 231);
         expectMostly(p, grey(153));
     }},
    {"TAB_BK",
     [](const Picture& p) {
         std::vector<Colour> columns;
         for (int x = 0; x < p.width; ++x) {
             for (int y = 1; y < p.height; ++y)
                 EXPECT_EQ(describe(p.at(x, 0)), describe(p.at(x, y))) << "column " << x << " is not one colour";
             columns.push_back(p.at(x, 0));
         }
         expectRamp({columns.begin(), columns.end() - 1}, rgb(112, 124, 168), rgb(205, 209, 224));
         EXPECT_EQ(describe(rgb(232, 234, 241)), describe(columns.back()));
     }},
    {"SELECT_TAB_BK", [](const Picture& p) { expectFlat(p, grey(184)); }},
    {"NOSELECT_TAB_BK", [](const Picture& p) { expectFlat(p, grey(192)); }},
    {"TAB_BK_90", [](const Picture& p) { expectGreys(p, 45, 145, 244); }},
    {"SELECT_TAB_BK_90", [](const Picture& p) { expectGreys(p, 59, 145, 243); }},
    {"NOSELECT_TAB_BK_90", [](const Picture& p) { expectGreys(p, 48, 129, 230); }},
    {"BUTTON_BK",
     [](const Picture& p) {
         std::set<int> levels;
         std::vector<int> rowSums;
         for (int y = 0; y < p.height; ++y) {
             int sum = 0;
             for (int x = 0; x < p.width; ++x) {
                 sum += p.at(x, y).r;
                 levels.insert(p.at(x, y).r);
             }
             rowSums.push_back(sum);
         }
         expectGreys(p, levels.size(), *levels.begin(), 252);
         EXPECT_EQ(252 * p.width, rowSums.front()) << "the top row is 252 throughout";
         EXPECT_NEAR(235 * p.width, rowSums.back(), p.width) << "the bottom row averages about 235";
         for (std::size_t y = 1; y < rowSums.size(); ++y)
             EXPECT_LT(rowSums[y], rowSums[y - 1]) << "row " << y << " is not darker than the one above";
         EXPECT_GE(levels.size(), 12u) << "slightly mottled";
     }},
    {"PERSONLIST_BK",
     [](const Picture& p) {
         const auto rows = rowColours(p);
         for (int y = 0; y < p.height; ++y)
             EXPECT_EQ(describe(y % 2 == 0 ? rgb(142, 148, 170) : rgb(163, 168, 186)), describe(rows[y])) << "row " << y;
     }},
    {"SPLITTER_ROW", [](const Picture& p) { expectFlat(p, rgb(213, 215, 214)); }},
    {"SPLITTER_COL",
     [](const Picture& p) {
         const auto rows = rowColours(p);
         for (int y = 0; y < 7; ++y) EXPECT_EQ(describe(rgb(213, 215, 214)), describe(rows[y])) << "row " << y;
         EXPECT_EQ(describe(rgb(166, 167, 168)), describe(rows[7]));
     }},
    {"TREE_BK",
     [](const Picture& p) {
         const auto rows = rowColours(p);
         for (int y = 0; y < p.height; ++y)
             EXPECT_EQ(describe(y % 2 == 0 ? rgb(142, 148, 170) : rgb(163, 168, 186)), describe(rows[y])) << "row " << y;
     }},
};

// The table itself: every bitmap before every icon group, each name once.
TEST(Catalogue, TwentyEightBitmapsThenThirtyFourIconGroups) {
    std::size_t bitmaps = 0, groups = 0;
    std::set<std::string> names;
    for (const Entry& entry : catalogue::Entries()) {
        SCOPED_TRACE(entry.name);
        EXPECT_TRUE(names.insert(entry.name).second) << "named twice";
        EXPECT_EQ(&entry, catalogue::Find(entry.name)) << "found by its name";
        if (entry.kind == Kind::Bitmap) {
            EXPECT_EQ(0u, groups) << "a bitmap after an icon group";
            EXPECT_TRUE(entry.images.empty()) << "a bitmap with icon images";
            ++bitmaps;
        } else {
            EXPECT_EQ(0, entry.width | entry.height | entry.bits | entry.tableEntries) << "an icon group with a size";
            EXPECT_FALSE(entry.images.empty()) << "an icon group without images";
            ++groups;
        }
        EXPECT_EQ(std::string(entry.name) == "CAPTION_HALL", entry.loadedInto == nullptr)
            << "loaded into " << (entry.loadedInto ? entry.loadedInto : "nothing") << "; only CAPTION_HALL stays unloaded";
    }
    EXPECT_EQ(28u, bitmaps);
    EXPECT_EQ(34u, groups);
    EXPECT_EQ(nullptr, catalogue::Find("NO_SUCH_PICTURE"));
}

BitmapFile loadBitmap(const std::string& name) { return readBitmap(readFile(kRes + "/" + name + ".bmp")); }

class Bitmaps : public testing::TestWithParam<std::string> {};

TEST_P(Bitmaps, FormatAndPicture) {
    const Entry& row = *catalogue::Find(GetParam());
    const BitmapFile b = loadBitmap(row.name);
    EXPECT_EQ(40u, b.headerSize);
    EXPECT_EQ(row.width, b.width);
    EXPECT_EQ(row.height, b.height) << "positive: rows stored bottom-up";
    EXPECT_EQ(1u, b.planes);
    EXPECT_EQ(row.bits, b.bits);
    EXPECT_EQ(0u, b.compression);
    EXPECT_EQ(static_cast<std::uint32_t>(row.tableEntries), b.clrUsed) << "colour table entries in the header";
    EXPECT_EQ(static_cast<std::size_t>(row.tableEntries), b.table.size()) << "colour table entries in the file";
    const auto picture = kPictures.find(row.name);
    ASSERT_NE(kPictures.end(), picture) << "the colours of " << row.name << " are not described";
    picture->second(b.picture);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, Bitmaps, testing::ValuesIn(NamesOf(Kind::Bitmap)),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });

TEST(Bitmaps, EveryDescribedPictureIsABitmapOfTheCatalogue) {
    for (const auto& [name, check] : kPictures) {
        const Entry* entry = catalogue::Find(name);
        EXPECT_TRUE(entry != nullptr && entry->kind == Kind::Bitmap) << name << " is no bitmap of the catalogue";
    }
}

TEST(Bitmaps, TwinsHaveTheSamePixels) {
    int twins = 0;
    for (const Entry& a : catalogue::Entries()) {
        if (a.sharesPixelsWith == nullptr) continue;
        ++twins;
        SCOPED_TRACE(std::string(a.name) + " and " + a.sharesPixelsWith);
        const Entry* b = catalogue::Find(a.sharesPixelsWith);
        ASSERT_NE(nullptr, b) << "the twin is not in the catalogue";
        ASSERT_EQ(Kind::Bitmap, a.kind);
        ASSERT_EQ(Kind::Bitmap, b->kind);
        EXPECT_STREQ(a.name, b->sharesPixelsWith ? b->sharesPixelsWith : "(none)") << "twins name each other";
        EXPECT_TRUE(loadBitmap(a.name).picture.pixels == loadBitmap(b->name).picture.pixels);
    }
    EXPECT_EQ(6, twins) << "bitmaps with a twin: FRAME_TOP/FRAME_BOTTOM, FRAME_LEFT/FRAME_RIGHT, PERSONLIST_BK/TREE_BK";
}

// Where the host puts pieces side by side, the touching columns match the
// stretched middle piece row for row.
TEST(Bitmaps, PiecesOfAStripJoinWithoutASeam) {
    struct Join {
        const char* piece;
        bool rightEdge;  // the piece's right column touches the middle
        const char* middle;
    };
    const Join joins[] = {{"FRAME_TITLELEFT", true, "FRAME_TITLEMID"}, {"FRAME_TITLERIGHT", false, "FRAME_TITLEMID"},
                          {"STATUSBAR_LEFT", true, "STATUSBAR_MID"}, {"STATUSBAR_RIGHT", false, "STATUSBAR_MID"},
                          {"BAR_LEFT_BK", true, "BAR_RIGHT_BK"}};
    for (const Join& j : joins) {
        SCOPED_TRACE(std::string(j.piece) + " against " + j.middle);
        const Picture piece = loadBitmap(j.piece).picture;
        const Picture middle = loadBitmap(j.middle).picture;
        const int x = j.rightEdge ? piece.width - 1 : 0;
        for (int y = 0; y < middle.height; ++y)
            EXPECT_EQ(describe(middle.at(0, y)), describe(piece.at(x, y))) << "row " << y;
    }
}

const std::vector<Colour> kStandard16 = {
    rgb(0, 0, 0),     rgb(128, 0, 0),   rgb(0, 128, 0),   rgb(128, 128, 0), rgb(0, 0, 128),   rgb(128, 0, 128),
    rgb(0, 128, 128), rgb(192, 192, 192), rgb(128, 128, 128), rgb(255, 0, 0), rgb(0, 255, 0), rgb(255, 255, 0),
    rgb(0, 0, 255),   rgb(255, 0, 255), rgb(0, 255, 255), rgb(255, 255, 255)};

// Share of opaque pixels that agree when the larger mask is sampled down to
// the smaller one's size.
int maskAgreementPercent(const IconImage& a, const IconImage& b) {
    const IconImage& small = a.width <= b.width ? a : b;
    const IconImage& large = a.width <= b.width ? b : a;
    int both = 0, either = 0;
    for (int y = 0; y < small.width; ++y)
        for (int x = 0; x < small.width; ++x) {
            const int lx = (2 * x + 1) * large.width / (2 * small.width);
            const int ly = (2 * y + 1) * large.width / (2 * small.width);
            const bool s = !small.transparent[static_cast<std::size_t>(y) * small.width + x];
            const bool l = !large.transparent[static_cast<std::size_t>(ly) * large.width + lx];
            both += s && l;
            either += s || l;
        }
    return either ? 100 * both / either : 100;
}

class IconGroups : public testing::TestWithParam<std::string> {};

TEST_P(IconGroups, ImagesInCatalogueOrderAsMaskedDibs) {
    const Entry& row = *catalogue::Find(GetParam());
    int type = 0;
    const std::vector<IconImage> images = readIcon(readFile(kRes + "/" + row.fileName()), &type);
    EXPECT_EQ(1, type) << "an icon file, not a cursor";
    ASSERT_EQ(row.images.size(), images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const auto [size, bits] = row.images[i];
        const IconImage& img = images[i];
        SCOPED_TRACE("image " + std::to_string(i) + ": " + std::to_string(size) + "x" + std::to_string(size) + " at " +
                     std::to_string(bits));
        ASSERT_FALSE(img.png) << "stored as PNG";
        EXPECT_EQ(size, img.entryWidth);
        EXPECT_EQ(size, img.entryHeight);
        EXPECT_EQ(bits, img.entryBits);
        EXPECT_EQ(1, img.entryPlanes);
        EXPECT_EQ(bits < 8 ? 1 << bits : 0, img.entryColours);
        EXPECT_EQ(40u, img.headerSize);
        EXPECT_EQ(0u, img.compression);
        EXPECT_EQ(size, img.width);
        EXPECT_EQ(2 * size, img.storedHeight) << "the header counts colour rows and mask rows";
        EXPECT_EQ(bits, img.bits);
        if (bits == 4) {
            EXPECT_TRUE(img.table == kStandard16) << "the standard 16-colour palette";
        }
        if (bits == 1) {
            EXPECT_TRUE((img.table == std::vector<Colour>{rgb(0, 0, 0), rgb(255, 255, 255)})) << "black and white";
        }

        const auto& mask = img.transparent;
        const int w = img.width;
        for (const auto& [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, w - 1}, {w - 1, w - 1}})
            EXPECT_TRUE(mask[static_cast<std::size_t>(y) * w + x]) << "corner " << x << "," << y << " is not transparent";
        const auto opaque = std::count(mask.begin(), mask.end(), false);
        EXPECT_GT(opaque, static_cast<long>(mask.size() / 5)) << "the pictogram covers little of the image";
        std::set<Colour> shown;
        for (std::size_t p = 0; p < mask.size(); ++p) {
            if (mask[p]) {
                EXPECT_EQ(describe(rgb(0, 0, 0)), describe(img.colours.pixels[p])) << "transparent pixel " << p;
            } else {
                shown.insert(img.colours.pixels[p]);
            }
        }
        EXPECT_GE(shown.size(), 2u) << "colours of the pictogram";
        if (bits >= 8) {
            EXPECT_GE(shown.size(), 6u) << "a rich image uses more than a few colours";
        }
    }
    for (std::size_t i = 1; i < images.size(); ++i)
        EXPECT_GE(maskAgreementPercent(images[0], images[i]), 70)
            << "image " << i << " does not draw the same pictogram as image 0";
}

INSTANTIATE_TEST_SUITE_P(Catalogue, IconGroups, testing::ValuesIn(NamesOf(Kind::IconGroup)),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });

}  // namespace
}  // namespace artwork_test
