#pragma once
// The shipped module that every pack's module is made from.
#include <filesystem>
#include <vector>

namespace skinkit {

// The folder skinkit itself is in; empty where it cannot be told.
std::filesystem::path OwnFolder();

// Where skinkit looks for it, first to last: beside skinkit itself, then in
// the build tree that made skinkit.
std::vector<std::filesystem::path> ShippedModulePlaces();

// The first of those that exists; empty when none does.
std::filesystem::path FindShippedModule();

}  // namespace skinkit
