#include "keys_table.h"

#include "derive_recipe.h"
#include "pack_keys.h"
#include "skin_values.h"

namespace kit {
namespace {

const char* Takes(const PackKey& key) {
    switch (key.kind) {
        case ValueKind::Colour: return key.required ? "colour" : "colour, may be left out (the field keeps 0)";
        case ValueKind::Size: return "size, 0 to 32767";
        case ValueKind::Stem: return "stem, 1 to 19 characters";
        case ValueKind::Stems: return "five stems, for tables of 2 to 6 seats";
    }
    return "";
}

}  // namespace

std::string KeysTable() {
    std::string table =
        "| key | takes | fills |\n"
        "| --- | --- | --- |\n"
        "| `name` | the pack's name: letters, digits, `_` and `-`, at most " +
        std::to_string(skin::kModuleNameBytes - sizeof(".dll")) +
        " characters; the module is `<name>.dll` | the module's name and its debugger text |\n";
    for (const PackKey& key : PackKeys())
        table += "| `" + std::string(key.table) + "." + key.key + "` | " + Takes(key) + " | `" + key.field + "` |\n";
    for (const DeriveKey& key : DeriveKeys())
        table += "| `" + std::string(kDeriveTable) + "." + key.key + "` | " + key.takes +
                 " | nothing of the module: the recipe `skinkit derive` made the pack with |\n";
    return table;
}

}  // namespace kit
