// The resource script the catalogue writes for a folder of pictures: the
// committed script's statements, each picture of the folder named once, and
// file names quoted the way the resource compilers read them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "skin_catalogue.h"

namespace artwork_test {
namespace {

const std::string kRes = RES_DIR;

// Statements without comments, their words joined by single spaces.
std::vector<std::string> statements(std::istream& in) {
    std::vector<std::string> out;
    std::string line;
    while (std::getline(in, line)) {
        const auto comment = line.find("//");
        if (comment != std::string::npos) line.erase(comment);
        std::istringstream words(line);
        std::string word, statement;
        while (words >> word) statement += (statement.empty() ? "" : " ") + word;
        if (!statement.empty()) out.push_back(statement);
    }
    return out;
}

std::vector<std::string> statements(const std::string& text) {
    std::istringstream in(text);
    return statements(in);
}

// The generated script with the folder taken out of every file name.
std::string scriptForFolder() {
    std::string script = catalogue::ResourceScript(kRes);
    const std::string folder = "\"" + kRes + "/";
    for (auto at = script.find(folder); at != std::string::npos; at = script.find(folder, at + 1))
        script.replace(at, folder.size(), "\"");
    return script;
}

TEST(ResourceScript, NamesEveryPictureOnceInChineseInCatalogueOrder) {
    std::vector<std::string> expected = {"LANGUAGE 0x04, 0x02"};
    std::size_t images = 0;
    for (const catalogue::Entry& entry : catalogue::Entries()) {
        expected.push_back(std::string(entry.name) + (entry.kind == catalogue::Kind::Bitmap ? " BITMAP" : " ICON") +
                           " \"" + entry.fileName() + "\"");
        images += entry.images.size();
    }
    EXPECT_EQ(expected, statements(scriptForFolder()));
    EXPECT_EQ(72u, images) << "icon images numbered 1 to 72";
}

TEST(ResourceScript, NamesEveryPictureFileOfTheFolderOnce) {
    std::multiset<std::string> named;
    std::istringstream script(catalogue::ResourceScript(kRes));
    std::string line;
    while (std::getline(script, line)) {
        const auto open = line.find('"');
        if (open == std::string::npos) continue;
        const std::string path = line.substr(open + 1, line.rfind('"') - open - 1);
        EXPECT_TRUE(std::filesystem::is_regular_file(path)) << path << " is named but is no file";
        named.insert(path);
    }
    std::multiset<std::string> files;
    for (const auto& file : std::filesystem::directory_iterator(kRes)) {
        const std::string ext = file.path().extension().string();
        if (ext == ".bmp" || ext == ".ico") files.insert(kRes + "/" + file.path().filename().string());
    }
    EXPECT_EQ(files, named);
}

TEST(ResourceScript, DoublesBackslashesAndQuotesInFileNames) {
    const std::vector<std::string> lines = statements(catalogue::ResourceScript("C:\\skins\\\"pack\""));
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ("LANGUAGE 0x04, 0x02", lines[0]);
    EXPECT_EQ("CAPTION_BK BITMAP \"C:\\\\skins\\\\\"\"pack\"\"/CAPTION_BK.bmp\"", lines[1]);
}

}  // namespace
}  // namespace artwork_test
