#pragma once
// The platform's system colours by name, as pack files write them.
#include <optional>
#include <string_view>
#include <vector>

namespace kit {

// The index of "COLOR_BTNFACE" and its kind; nothing for an unknown name.
std::optional<int> SystemColourIndex(std::string_view name);
// The name of a system colour index; empty for one the platform does not define.
std::string_view SystemColourName(int index);
// Every name the platform defines, by index.
std::vector<std::string_view> SystemColourNames();

}  // namespace kit
