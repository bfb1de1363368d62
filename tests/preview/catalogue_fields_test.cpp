// Where the catalogue says the module puts each resource, against the faces
// the module fills: each field it names holds that resource, and no other
// field holds one of the module's resources.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

#include "face_report.h"
#include "skin_catalogue.h"
#include "skin_module.h"

namespace {

using preview::Json;

const preview::SkinModule& Module() {
    static const preview::SkinModule module(SKIN_MODULE_FILE);
    return module;
}

// "m_arrToolButton[6].m_hIcon" is the report's "m_arrToolButton.items.6.m_hIcon".
std::string ReportPath(const std::string& field) {
    std::string path;
    for (char c : field) {
        if (c == '[') path += ".items.";
        else if (c != ']') path += c;
    }
    return path;
}

// Report path to resource, from every entry's fields: all of them for the hall
// face, or those of one member ("m_tree") for a face that holds that member's
// fields at its top level, as the tree face does.
std::map<std::string, std::string> ExpectedFields(const std::string& element) {
    std::map<std::string, std::string> fields;
    for (const catalogue::Entry& entry : catalogue::Entries()) {
        if (entry.loadedInto == nullptr) continue;
        std::istringstream words(entry.loadedInto);
        for (std::string field; words >> field;) {
            if (!element.empty()) {
                if (field.compare(0, element.size() + 1, element + ".") != 0) continue;
                field.erase(0, element.size() + 1);
            }
            const auto [at, added] = fields.emplace(ReportPath(field), entry.name);
            EXPECT_TRUE(added) << field << " is named by " << at->second << " and by " << entry.name;
        }
    }
    return fields;
}

Json::json_pointer Pointer(std::string path) {
    for (char& c : path)
        if (c == '.') c = '/';
    return Json::json_pointer("/" + path);
}

// A report value names a bitmap by every resource with its pixels, joined by '|'.
bool Names(const std::string& value, const std::string& resource) {
    return ("|" + value + "|").find("|" + resource + "|") != std::string::npos;
}

bool NamesAResource(const std::string& value) {
    for (const catalogue::Entry& entry : catalogue::Entries())
        if (Names(value, entry.name)) return true;
    return false;
}

void ExpectFields(const Json& report, const std::map<std::string, std::string>& expected) {
    for (const auto& [path, resource] : expected) {
        const Json::json_pointer pointer = Pointer(path);
        if (!report.contains(pointer)) {
            ADD_FAILURE() << path << ": not in the report, expected to hold " << resource;
            continue;
        }
        const Json& value = report.at(pointer);
        const std::string text = value.is_string() ? value.get<std::string>() : value.dump();
        EXPECT_TRUE(Names(text, resource)) << path << " holds " << text << ", expected " << resource;
    }
    const Json flat = report.flatten();
    for (const auto& [pointer, value] : flat.items()) {
        if (!value.is_string() || !NamesAResource(value.get<std::string>())) continue;
        std::string path = pointer.substr(1);
        if (path.rfind("shared_bitmaps/", 0) == 0) continue;
        for (char& c : path)
            if (c == '/') c = '.';
        EXPECT_TRUE(expected.count(path) != 0)
            << path << " holds " << value.get<std::string>() << ", which the catalogue does not put there";
    }
}

TEST(CatalogueFields, HallFaceHoldsEachResourceWhereTheCatalogueSays) {
    ASSERT_TRUE(Module().Loaded()) << Module().Error();
    const preview::ResourceCatalogue names(Module().Handle());
    const auto expected = ExpectedFields("");
    EXPECT_EQ(80u, expected.size()) << "fields of the hall face that hold a resource of the module";
    ExpectFields(preview::ReportHallFace(*Module().HallFace(), names), expected);
}

TEST(CatalogueFields, TreeFaceHoldsTheTreeResourcesWhereTheCatalogueSays) {
    ASSERT_TRUE(Module().Loaded()) << Module().Error();
    const preview::ResourceCatalogue names(Module().Handle());
    const auto expected = ExpectedFields("m_tree");
    EXPECT_EQ(8u, expected.size()) << "seven icons and the background";
    ExpectFields(preview::ReportTreeFace(*Module().TreeFace(), names), expected);
}

}  // namespace
