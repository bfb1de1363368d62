#pragma once
// A pack folder: its values file and its pictures, checked against the
// catalogue and the values block.
#include <filesystem>
#include <cstdint>
#include <string>
#include <vector>

#include "problems.h"
#include "skin_values.h"

namespace kit {

constexpr const char* kValuesFile = "pack.toml";
constexpr const char* kPicturesFolder = "pictures";

// A folder as given, whole and absolute: "packs/mine/" and "packs/mine" are
// one folder, named "mine".
std::filesystem::path WholeFolder(const std::filesystem::path& folder);

struct PackFolder {
    std::filesystem::path root;  // whole
    skin::SkinValues values;
    Problems problems;  // every problem found; the pack makes a module only when empty
    std::vector<std::vector<std::uint8_t>> pictures;  // per catalogue entry, platform form; empty with problems
};

// Reads pack.toml and checks that pictures/ holds every picture of the
// catalogue, each in its catalogue form, and nothing else.
PackFolder ReadPackFolder(const std::filesystem::path& root);

}  // namespace kit
