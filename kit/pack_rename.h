#pragma once
// A values file given another pack name, for a copy of the pack.
#include <string>

namespace kit {

// `text` with the string of its top-level `name = "…"` replaced by `name`,
// everything else kept as written (comments, spacing, the order of tables);
// false with the reason where the text does not parse or has no such line.
bool RenamePackValues(const std::string& text, const std::string& name, std::string& renamed, std::string& why);

}  // namespace kit
