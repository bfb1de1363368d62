#include "pack_watch.h"

#include <algorithm>

#ifdef _WIN32
#include <windows.h>
#endif

#include "pack_folder.h"

namespace skinkit {
namespace {

namespace fs = std::filesystem;

void Stamp(const fs::path& file, std::vector<FileStamp>& stamps) {
#ifdef _WIN32
    // The C runtime's file times count whole seconds, and a picture saved
    // again within the second at the same size would go unseen.
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(file.c_str(), GetFileExInfoStandard, &data)) return;
    stamps.push_back(FileStamp{file.generic_string(),
                               std::uintmax_t{data.nFileSizeHigh} << 32 | data.nFileSizeLow,
                               std::uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32 |
                                   data.ftLastWriteTime.dwLowDateTime});
#else
    std::error_code error;
    const std::uintmax_t size = fs::file_size(file, error);
    if (error) return;
    const fs::file_time_type changed = fs::last_write_time(file, error);
    if (!error)
        stamps.push_back(FileStamp{file.generic_string(), size,
                                   static_cast<std::uint64_t>(changed.time_since_epoch().count())});
#endif
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
