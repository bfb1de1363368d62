#include "pack_folder.h"

#include <set>

#include "pack_values.h"
#include "picture_check.h"
#include "skin_catalogue.h"

namespace kit {
namespace {

void CheckPictures(const std::filesystem::path& folder, Problems& problems) {
    const std::string shown = std::string(kPicturesFolder) + "/";
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
        problems.push_back(Problem{kPicturesFolder, 0, 0, "the folder of pictures is missing"});
        return;
    }
    std::set<std::string> expected;
    for (const catalogue::Entry& entry : catalogue::Entries()) {
        const std::string file = entry.fileName();
        expected.insert(file);
        const std::filesystem::path path = folder / file;
        if (!std::filesystem::is_regular_file(path, error)) {
            problems.push_back(Problem{shown + file, 0, 0, "missing"});
            continue;
        }
        std::string why;
        if (!CheckPicture(path, entry, why)) problems.push_back(Problem{shown + file, 0, 0, why});
    }
    std::set<std::string> extra;
    for (const std::filesystem::directory_entry& item : std::filesystem::directory_iterator(folder, error))
        if (!expected.count(item.path().filename().string())) extra.insert(item.path().filename().string());
    for (const std::string& file : extra)
        problems.push_back(Problem{shown + file, 0, 0, "not a picture of the catalogue"});
}

}  // namespace

std::filesystem::path WholeFolder(const std::filesystem::path& folder) {
    const std::filesystem::path whole = std::filesystem::absolute(folder).lexically_normal();
    return whole.has_filename() ? whole : whole.parent_path();
}

PackFolder ReadPackFolder(const std::filesystem::path& root) {
    PackFolder pack{WholeFolder(root), {}, {}, {}};
    ReadPackValues(pack.root / kValuesFile, kValuesFile, pack.values, pack.problems);
    CheckPictures(pack.root / kPicturesFolder, pack.problems);
    return pack;
}

}  // namespace kit
