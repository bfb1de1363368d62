#pragma once
// What `skinkit derive` does to a pack's colours, from its options or from a
// [derive] table, which a pack's values file may keep to say how it was made.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "colour_transform.h"
#include "problems.h"

namespace kit {

constexpr const char* kDeriveTable = "derive";

struct DeriveRecipe {
    ColourTransform transform;
    // System colours become the default scheme's colour, transformed; else
    // they stay system colours.
    bool resolveSystem = false;

    friend bool operator==(const DeriveRecipe& a, const DeriveRecipe& b) {
        return a.transform == b.transform && a.resolveSystem == b.resolveSystem;
    }
};

// The [derive] table's keys, in the order its text gives them.
struct DeriveKey {
    const char* key;    // "hue"
    const char* takes;  // for people
};
const std::vector<DeriveKey>& DeriveKeys();

// Degrees of any sign, as the transform takes them: 0 to 359.
int HueDegrees(std::int64_t degrees);
// False with the reason where a percentage is not a saturation scale.
bool CheckSaturation(std::int64_t percent, std::string& why);
// The points of a lightness curve, held to 0 to 255 and IN strictly
// increasing; false with the reason, which names the point.
bool LightnessCurve(const std::vector<std::pair<std::int64_t, std::int64_t>>& given,
                    std::vector<LightnessPoint>& points, std::string& why);
// The same from "IN:OUT,IN:OUT,...".
bool ParseLightness(std::string_view text, std::vector<LightnessPoint>& points, std::string& why);

// The [derive] table of the TOML file at `path`, named `shownAs` in its
// problems; the file's other tables are not read, so a pack's values file is
// a recipe too. Keys the table leaves out keep their value in `recipe`.
// Every problem is appended; `recipe` is whole only when none was.
void ReadDeriveFile(const std::filesystem::path& path, const std::string& shownAs, DeriveRecipe& recipe,
                    Problems& problems);

// The recipe as a [derive] table, every key given.
std::string DeriveTableText(const DeriveRecipe& recipe);

}  // namespace kit
