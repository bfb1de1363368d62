#include "output_files.h"

#include "file_bytes.h"

namespace skinkit {
namespace {

namespace fs = std::filesystem;

// A name of our own beside `target`: ".<name>.new<k>".
fs::path Beside(const fs::path& target, int attempt) {
    return target.parent_path() / ("." + target.filename().string() + ".new" + std::to_string(attempt));
}

// Writes `bytes` under a free name beside `target` and returns it; empty, with the reason, on failure.
fs::path Stage(const fs::path& target, const std::vector<std::uint8_t>& bytes, std::string& why) {
    std::error_code error;
    if (fs::is_directory(target, error)) {
        why = target.string() + " is a folder";
        return {};
    }
    fs::path staging;
    for (int attempt = 1; staging.empty() && attempt <= 100; ++attempt)
        if (!fs::exists(Beside(target, attempt), error)) staging = Beside(target, attempt);
    if (staging.empty()) {
        why = "cannot find a free name beside " + target.string();
        return {};
    }
    if (!kit::WriteFileBytes(staging, bytes.data(), bytes.size(), why)) {
        fs::remove(staging, error);
        return {};
    }
    return staging;
}

}  // namespace

bool WriteWholeFile(const fs::path& target, const std::vector<std::uint8_t>& bytes, std::string& why) {
    return WriteWholeFiles(target.parent_path(), {{target.filename().string(), bytes}}, why);
}

bool WriteWholeFiles(const fs::path& folder, const std::vector<NamedFile>& files, std::string& why) {
    std::vector<fs::path> staged;
    std::error_code error;
    for (const NamedFile& file : files) {
        staged.push_back(Stage(folder / file.first, file.second, why));
        if (staged.back().empty()) {
            for (const fs::path& done : staged)
                if (!done.empty()) fs::remove(done, error);
            return false;
        }
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        const fs::path target = folder / files[i].first;
        fs::rename(staged[i], target, error);
        if (error) {
            why = "cannot replace " + target.string() + ": " + error.message();
            for (std::size_t k = i; k < staged.size(); ++k) fs::remove(staged[k], error);
            return false;
        }
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
