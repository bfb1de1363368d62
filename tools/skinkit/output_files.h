#pragma once
// What skinkit writes appears whole or not at all: a file or a folder is made
// beside its target under a name of its own, then renamed onto it.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace skinkit {

// Replaces `target` (or makes it) with exactly `bytes`; on failure, false with
// the reason, and `target` is as it was.
bool WriteWholeFile(const std::filesystem::path& target, const std::vector<std::uint8_t>& bytes, std::string& why);

// Makes the folder `target`, which may exist only as an empty folder, with
// what `fill` puts in the staging folder it is given. On failure, false with
// the reason, and nothing is left behind.
using FolderFill = std::function<bool(const std::filesystem::path& staging, std::string& why)>;
bool MakeWholeFolder(const std::filesystem::path& target, const FolderFill& fill, std::string& why);

}  // namespace skinkit
