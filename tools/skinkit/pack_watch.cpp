#include "pack_watch.h"

#include <algorithm>

#include "pack_folder.h"

namespace skinkit {
namespace {

namespace fs = std::filesystem;

void Stamp(const fs::path& file, std::vector<FileStamp>& stamps) {
    std::error_code error;
    FileStamp stamp{file.generic_string(), fs::file_size(file, error), {}};
    if (error) return;
    stamp.changed = fs::last_write_time(file, error);
    if (!error) stamps.push_back(std::move(stamp));
}

}  // namespace

std::vector<FileStamp> StampPack(const fs::path& pack) {
    std::vector<FileStamp> stamps;
    std::error_code error;
    if (!fs::is_directory(pack, error)) {
        Stamp(pack, stamps);
        return stamps;
    }
    Stamp(pack / kit::kValuesFile, stamps);
    for (fs::directory_iterator it(pack / kit::kPicturesFolder, error), end; !error && it != end; it.increment(error))
        Stamp(it->path(), stamps);
    std::sort(stamps.begin(), stamps.end(), [](const FileStamp& a, const FileStamp& b) { return a.name < b.name; });
    return stamps;
}

}  // namespace skinkit
