#pragma once
// The catalogue as a skin author reads it: every picture a pack holds, its
// form, and where the host paints it.
#include <string>

namespace kit {

// A Markdown table, one row per catalogue entry in its order.
std::string CatalogueTable();

}  // namespace kit
