#include "output_files.h"

#include "file_bytes.h"

namespace skinkit {
namespace {

namespace fs = std::filesystem;

// A name of our own beside `target`: ".<name>.new<k>".
fs::path Beside(const fs::path& target, int attempt) {
    return target.parent_path() / ("." + target.filename().string() + ".new" + std::to_string(attempt));
}

}  // namespace

bool WriteWholeFile(const fs::path& target, const std::vector<std::uint8_t>& bytes, std::string& why) {
    std::error_code error;
    if (fs::is_directory(target, error)) {
        why = target.string() + " is a folder";
        return false;
    }
    fs::path staging;
    for (int attempt = 1; staging.empty() && attempt <= 100; ++attempt)
        if (!fs::exists(Beside(target, attempt), error)) staging = Beside(target, attempt);
    if (staging.empty()) {
        why = "cannot find a free name beside " + target.string();
        return false;
    }
    if (!kit::WriteFileBytes(staging, bytes.data(), bytes.size(), why)) {
        fs::remove(staging, error);
        return false;
    }
    fs::rename(staging, target, error);
    if (error) {
        why = "cannot replace " + target.string() + ": " + error.message();
        fs::remove(staging, error);
        return false;
    }
    return true;
}

bool MakeWholeFolder(const fs::path& target, const FolderFill& fill, std::string& why) {
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
    fs::path staging;
    for (int attempt = 1; staging.empty() && attempt <= 100; ++attempt)
        if (fs::create_directory(Beside(target, attempt), error)) staging = Beside(target, attempt);
    if (staging.empty()) {
        why = "cannot make a folder beside " + target.string() + (error ? ": " + error.message() : "");
        return false;
    }
    bool made = fill(staging, why);
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
