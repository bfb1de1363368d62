#pragma once
// The shipped module that every pack's module is made from.
#include <filesystem>
#include <vector>

namespace skinkit {

// The folder skinkit itself is in; empty where it cannot be told.
std::filesystem::path OwnFolder();

// Where skinkit looks for a file it works with, first to last: name beside
// skinkit itself, then built, the file in the build tree that made skinkit.
std::vector<std::filesystem::path> BesideOrBuilt(const std::filesystem::path& name,
                                                 const std::filesystem::path& built);
// The first of places that is a file; empty when none is.
std::filesystem::path FirstFile(const std::vector<std::filesystem::path>& places);

// Where skinkit looks for it (BesideOrBuilt).
std::vector<std::filesystem::path> ShippedModulePlaces();

// The first of those that exists; empty when none does.
std::filesystem::path FindShippedModule();

}  // namespace skinkit
