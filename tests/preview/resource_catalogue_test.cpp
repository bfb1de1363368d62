// How the inspector names a handle: by the icon group the shared handle came
// from, by the bitmaps whose pixels it carries, or as the host's own.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

#include "resource_catalogue.h"
#include "skin_module.h"

namespace {

using preview::ResourceCatalogue;

const preview::SkinModule& Module() {
    static const preview::SkinModule module(SKIN_MODULE_FILE);
    return module;
}

struct NamingCase {
    const char* name;
    // Makes the handle from the module and names it; the handle is given back after.
    std::function<std::string(HMODULE, const ResourceCatalogue&, HGDIOBJ*)> nameIt;
    const char* expected;
};

void PrintTo(const NamingCase& c, std::ostream* os) { *os << c.name; }

std::string LoadedBitmap(HMODULE module, const ResourceCatalogue& names, HGDIOBJ* made, const char* resource) {
    HBITMAP bitmap = LoadBitmapA(module, resource);
    *made = bitmap;
    return names.NameOfBitmap(bitmap);
}

const NamingCase kCases[] = {
    {"NullBitmap", [](HMODULE, const ResourceCatalogue& n, HGDIOBJ*) { return n.NameOfBitmap(nullptr); }, "null"},
    {"NullIcon", [](HMODULE, const ResourceCatalogue& n, HGDIOBJ*) { return n.NameOfIcon(nullptr); }, "null"},
    {"BitmapOfItsOwn",
     [](HMODULE m, const ResourceCatalogue& n, HGDIOBJ* made) { return LoadedBitmap(m, n, made, "MENU_BK"); },
     "MENU_BK"},
    // Resources with the same pixels are all named, in the script's order.
    {"BitmapSharingItsPixels",
     [](HMODULE m, const ResourceCatalogue& n, HGDIOBJ* made) { return LoadedBitmap(m, n, made, "FRAME_BOTTOM"); },
     "FRAME_TOP|FRAME_BOTTOM"},
    {"HostBitmap",
     [](HMODULE, const ResourceCatalogue& n, HGDIOBJ* made) {
         const DWORD pixel = 0x00123456;
         HBITMAP bitmap = CreateBitmap(1, 1, 1, 32, &pixel);
         *made = bitmap;
         return n.NameOfBitmap(bitmap);
     },
     "host"},
    // The module never loads this group itself, but it is among its resources.
    {"IconOfTheModule",
     [](HMODULE m, const ResourceCatalogue& n, HGDIOBJ*) { return n.NameOfIcon(LoadIconA(m, "CAPTION_HALL")); },
     "CAPTION_HALL"},
    {"HandleThatIsNoModuleIcon",
     [](HMODULE, const ResourceCatalogue& n, HGDIOBJ* made) {
         HBITMAP bitmap = CreateBitmap(1, 1, 1, 1, nullptr);
         *made = bitmap;
         return n.NameOfIcon(reinterpret_cast<HICON>(bitmap));
     },
     "host"},
    {"ObjectThatIsNoBitmap",
     [](HMODULE, const ResourceCatalogue& n, HGDIOBJ* made) {
         HBRUSH brush = CreateSolidBrush(0x00FF00);
         *made = brush;
         return n.NameOfObject(brush);
     },
     "host"},
    {"ObjectThatIsABitmap",
     [](HMODULE m, const ResourceCatalogue& n, HGDIOBJ* made) {
         *made = LoadBitmapA(m, "TREE_BK");
         return n.NameOfObject(*made);
     },
     "PERSONLIST_BK|TREE_BK"},
};

class ResourceCatalogueTest : public ::testing::TestWithParam<NamingCase> {};

TEST_P(ResourceCatalogueTest, NamesTheHandle) {
    ASSERT_TRUE(Module().Loaded()) << Module().Error();
    const ResourceCatalogue names(Module().Handle());
    HGDIOBJ made = nullptr;
    EXPECT_EQ(GetParam().nameIt(Module().Handle(), names, &made), GetParam().expected);
    if (made != nullptr) DeleteObject(made);
}

INSTANTIATE_TEST_SUITE_P(Handles, ResourceCatalogueTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<NamingCase>& info) { return std::string(info.param.name); });

TEST(ResourceCatalogue, EveryNameOfTheCatalogueLoadsFromTheModule) {
    ASSERT_TRUE(Module().Loaded()) << Module().Error();
    const ResourceCatalogue names(Module().Handle());
    std::string missing;
    for (const std::string& name : names.Missing()) missing += " " + name;
    EXPECT_TRUE(names.Missing().empty()) << "not loadable:" << missing;
}

}  // namespace
