#pragma once
// What skinkit writes appears whole or not at all: a file or a folder is made
// beside its target under a name of its own, then renamed onto it.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace skinkit {

// Replaces `target` (or makes it) with exactly `bytes`; on failure, false with
// the reason, and `target` is as it was.
bool WriteWholeFile(const std::filesystem::path& target, const std::vector<std::uint8_t>& bytes, std::string& why);

// Replaces (or makes) the files of `folder` named first in each pair with
// the bytes second: each is written in full beside its target before any is
// renamed onto it. On failure, false with the reason; no target has changed
// unless a rename failed after earlier ones were done.
using NamedFile = std::pair<std::string, std::vector<std::uint8_t>>;
bool WriteWholeFiles(const std::filesystem::path& folder, const std::vector<NamedFile>& files, std::string& why);

// Makes the folder `target`, which may exist only as an empty folder, with
// what `fill` puts in the staging folder it is given. On failure, false with
// the reason, and nothing is left behind.
using FolderFill = std::function<bool(const std::filesystem::path& staging, std::string& why)>;
bool MakeWholeFolder(const std::filesystem::path& target, const FolderFill& fill, std::string& why);

}  // namespace skinkit
