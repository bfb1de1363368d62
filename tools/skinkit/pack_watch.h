#pragma once
// What a watch looks at to see that a pack changed: the size and the time of
// last change of pack.toml and of every file in pictures/, or of a module file.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace skinkit {

struct FileStamp {
    std::string name;
    std::uintmax_t size = 0;
    std::uint64_t changed = 0;  // in the system's own units, at its finest

    friend bool operator==(const FileStamp& a, const FileStamp& b) {
        return a.name == b.name && a.size == b.size && a.changed == b.changed;
    }
};

// In name order; a file that cannot be read is left out, so that its return counts as a change.
std::vector<FileStamp> StampPack(const std::filesystem::path& pack);

}  // namespace skinkit
