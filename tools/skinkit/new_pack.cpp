#include "new_pack.h"

#include <fstream>
#include <sstream>

#include "pack_folder.h"
#include "pack_rename.h"
#include "pack_values.h"

namespace skinkit {
namespace {

namespace fs = std::filesystem;

bool ReadText(const fs::path& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    text = all.str();
    return static_cast<bool>(in);
}

// A folder of our own beside `target`, so that the pack appears there whole
// or not at all.
bool MakeStaging(const fs::path& target, fs::path& staging, std::error_code& error) {
    for (int attempt = 1; attempt <= 100; ++attempt) {
        staging = target.parent_path() / ("." + target.filename().string() + ".new" + std::to_string(attempt));
        if (fs::create_directory(staging, error)) return true;
        if (error) return false;
    }
    return false;
}

bool Fill(const fs::path& staging, const std::string& values, const fs::path& from, std::string& why) {
    std::error_code error;
    fs::copy(from / kit::kPicturesFolder, staging / kit::kPicturesFolder, fs::copy_options::recursive, error);
    if (error) {
        why = "cannot copy " + (from / kit::kPicturesFolder).string() + ": " + error.message();
        return false;
    }
    std::ofstream out(staging / kit::kValuesFile, std::ios::binary);
    out << values;
    out.close();
    if (!out) why = "cannot write " + (staging / kit::kValuesFile).string();
    return static_cast<bool>(out);
}

}  // namespace

bool NewPack(const fs::path& target, const std::string& name, const fs::path& from, std::string& why) {
    std::string moduleName;
    if (!kit::ModuleNameFor(name, moduleName, why)) return false;
    std::error_code error;
    const bool existed = fs::exists(target, error);
    if (existed && !(fs::is_directory(target, error) && fs::is_empty(target, error))) {
        why = target.string() + " already exists and is not an empty folder";
        return false;
    }
    if (!fs::is_directory(target.parent_path(), error)) {
        why = "the folder " + target.parent_path().string() + " does not exist";
        return false;
    }
    std::string values, renamed;
    if (!ReadText(from / kit::kValuesFile, values)) {
        why = "cannot read " + (from / kit::kValuesFile).string();
        return false;
    }
    if (!kit::RenamePackValues(values, name, renamed, why)) {
        why = from.string() + ": " + why;
        return false;
    }
    fs::path staging;
    if (!MakeStaging(target, staging, error)) {
        why = "cannot make a folder beside " + target.string() + (error ? ": " + error.message() : "");
        return false;
    }
    bool made = Fill(staging, renamed, from, why);
    // A folder cannot be renamed onto another on Windows, even an empty one.
    if (made && existed) fs::remove(target, error);
    if (made) fs::rename(staging, target, error);
    if (made && error) {
        why = "cannot rename " + staging.string() + " to " + target.string() + ": " + error.message();
        made = false;
        if (existed) fs::create_directory(target, error);
    }
    if (!made) fs::remove_all(staging, error);
    return made;
}

}  // namespace skinkit
