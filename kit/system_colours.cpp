#include "system_colours.h"

#include "system_colour_table.h"

namespace kit {

std::optional<int> SystemColourIndex(std::string_view name) {
    if (name.empty()) return std::nullopt;
    for (int i = 0; i < catalogue::kSystemColourCount; ++i)
        if (catalogue::kSystemColours[i].name == name) return i;
    return std::nullopt;
}

std::string_view SystemColourName(int index) {
    if (index < 0 || index >= catalogue::kSystemColourCount) return {};
    return catalogue::kSystemColours[index].name;
}

std::vector<std::string_view> SystemColourNames() {
    std::vector<std::string_view> names;
    for (const catalogue::SystemColour& colour : catalogue::kSystemColours)
        if (!colour.name.empty()) names.push_back(colour.name);
    return names;
}

}  // namespace kit
