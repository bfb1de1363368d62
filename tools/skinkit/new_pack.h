#pragma once
// A new pack folder: a copy of an existing pack under another name.
#include <filesystem>
#include <string>

namespace skinkit {

// Makes `target` from the pack in `from`: a pack folder (its pack.toml, with
// the name changed, and its pictures/) or a pack's module, unpacked. `target`
// may exist only as an empty folder. On failure, false with the reason, and
// nothing is left behind.
bool NewPack(const std::filesystem::path& target, const std::string& name, const std::filesystem::path& from,
             std::string& why);

}  // namespace skinkit
