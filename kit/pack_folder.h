#pragma once
// A pack folder: its values file and its pictures, checked against the
// catalogue and the values block.
#include <cstdint>
#include <filesystem>
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
    // One per catalogue entry, in its order: the .bmp or .ico file's bytes,
    // given or made from PNGs. Empty where there is a problem.
    std::vector<std::vector<std::uint8_t>> pictures;
};

// Reads pack.toml and checks that pictures/ holds every picture of the
// catalogue and nothing else: each as a .bmp or .ico file in its catalogue
// form, or as PNGs to convert to it, a bitmap NAME as NAME.png, an icon
// group's images as NAME.1.png, NAME.2.png, ... in their stored order.
PackFolder ReadPackFolder(const std::filesystem::path& root);

}  // namespace kit
