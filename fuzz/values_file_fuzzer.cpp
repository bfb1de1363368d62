// A values file as an author may write it. Whatever the text, reading it
// reports problems or gives a whole block; a whole block written back in the
// canonical form reads again as the same block, and that form is a fixed point.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "pack_values.h"
#include "values_text.h"

namespace {

bool Read(const std::string& text, skin::SkinValues& values) {
    kit::Problems problems;
    kit::ReadPackValuesText(text, "pack.toml", values, problems);
    for (const kit::Problem& problem : problems)
        if (problem.file != "pack.toml" || problem.message.empty()) std::abort();
    return problems.empty();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    skin::SkinValues values;
    if (!Read(text, values)) return 0;
    std::string canonical, why;
    if (!kit::PackValuesText(values, canonical, why)) std::abort();
    skin::SkinValues again;
    if (!Read(canonical, again) || std::memcmp(&values, &again, sizeof values) != 0) std::abort();
    std::string twice;
    if (!kit::PackValuesText(again, twice, why) || twice != canonical) std::abort();
    return 0;
}
