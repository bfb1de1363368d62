#include "pack_values.h"

#include <algorithm>
#include <cstring>
#include <set>
#include <toml++/toml.h>

#include "colour_text.h"
#include "derive_table.h"
#include "file_bytes.h"
#include "nearest_name.h"
#include "pack_keys.h"
#include "toml_place.h"

namespace kit {
namespace {

constexpr std::size_t kMaxStemLength = skin::kStemBytes - 1;

class Reader {
public:
    Reader(const std::string& shownAs, skin::SkinValues& values, Problems& problems)
        : shownAs_(shownAs), values_(values), problems_(problems) {}

    void Read(const toml::table& root) {
        ReadName(root);
        std::set<std::string> tables;
        std::vector<std::string_view> topLevel{"name"};
        for (const PackKey& key : PackKeys())
            if (tables.insert(key.table).second) topLevel.push_back(key.table);
        // The recipe a derived pack was made with, which makes no part of its module.
        topLevel.push_back(kDeriveTable);
        for (auto&& [name, node] : root) {
            if (name.str() == "name") continue;
            if (name.str() == kDeriveTable) {
                DeriveRecipe recipe;
                ReadDeriveTable(node, shownAs_, recipe, problems_);
            } else if (!tables.count(std::string(name.str()))) {
                Report(name.source(), "unknown table or key \"" + std::string(name.str()) + "\"" +
                                          DidYouMean(name.str(), topLevel));
            } else if (!node.is_table()) {
                Report(node.source(), "\"" + std::string(name.str()) + "\" must be a table ([" +
                                          std::string(name.str()) + "])");
            }
        }
        for (const std::string& table : tables)
            if (const toml::table* values = root[table].as_table()) ReadTable(table, *values);
            else if (!root.contains(table)) Report(root.source(), "the table [" + table + "] is missing");
    }

private:
    void ReadName(const toml::table& root) {
        const toml::node* node = root.get("name");
        if (node == nullptr) return Report(root.source(), "the pack's \"name\" is missing");
        const std::optional<std::string> name = node->value_exact<std::string>();
        if (!name) return Report(node->source(), "\"name\" must be a string");
        std::string moduleName, why;
        if (!ModuleNameFor(*name, moduleName, why)) return Report(node->source(), why);
        std::memcpy(values_.moduleName, moduleName.c_str(), moduleName.size() + 1);
    }

    void ReadTable(const std::string& table, const toml::table& values) {
        std::vector<std::string_view> keys;
        for (const PackKey& key : PackKeys())
            if (table == key.table) keys.push_back(key.key);
        for (auto&& entry : values) {
            const std::string_view name = entry.first.str();
            if (std::find(keys.begin(), keys.end(), name) == keys.end())
                Report(entry.first.source(), "unknown key \"" + std::string(name) + "\" in [" + table + "]" +
                                                 DidYouMean(name, keys));
        }
        for (const PackKey& key : PackKeys()) {
            if (table != key.table) continue;
            const toml::node* node = values.get(key.key);
            if (node == nullptr) {
                if (key.required)
                    Report(values.source(), "[" + table + "] has no \"" + std::string(key.key) + "\"");
                continue;
            }
            ReadValue(key, *node);
        }
    }

    void ReadValue(const PackKey& key, const toml::node& node) {
        unsigned char* at = reinterpret_cast<unsigned char*>(&values_) + key.offset;
        switch (key.kind) {
            case ValueKind::Colour: {
                const std::optional<std::string> text = node.value_exact<std::string>();
                if (!text) return Report(node.source(), Named(key) + " must be a colour string such as \"#RRGGBB\"");
                skin::SkinColour colour{};
                std::string why;
                if (!ParseColour(*text, colour, why)) return Report(node.source(), Named(key) + ": " + why);
                std::memcpy(at, &colour, sizeof colour);
                return;
            }
            case ValueKind::Size: {
                const std::optional<std::int64_t> size = node.value_exact<std::int64_t>();
                if (!size) return Report(node.source(), Named(key) + " must be an integer");
                if (*size < 0 || *size > INT16_MAX)
                    return Report(node.source(), Named(key) + " is " + std::to_string(*size) +
                                                     ": a size is from 0 to 32767 (its field holds 16 bits)");
                const std::int16_t value = static_cast<std::int16_t>(*size);
                std::memcpy(at, &value, sizeof value);
                return;
            }
            case ValueKind::Stem:
                return ReadStem(key, node, reinterpret_cast<char*>(at));
            case ValueKind::Stems: {
                const toml::array* stems = node.as_array();
                if (stems == nullptr || stems->size() != skin::kRoomStems)
                    return Report(node.source(), Named(key) + " must be an array of " +
                                                     std::to_string(skin::kRoomStems) +
                                                     " strings, for tables of 2 to 6 seats");
                for (std::size_t i = 0; i < skin::kRoomStems; ++i)
                    ReadStem(key, *stems->get(i), reinterpret_cast<char*>(at) + i * skin::kStemBytes);
                return;
            }
        }
    }

    void ReadStem(const PackKey& key, const toml::node& node, char* buffer) {
        const std::optional<std::string> stem = node.value_exact<std::string>();
        if (!stem) return Report(node.source(), Named(key) + " must be a string");
        if (stem->empty()) return Report(node.source(), Named(key) + " is empty");
        if (stem->size() > kMaxStemLength)
            return Report(node.source(), Named(key) + " \"" + *stem + "\" is " + std::to_string(stem->size()) +
                                             " bytes: a stem holds at most " + std::to_string(kMaxStemLength) +
                                             " (its buffer is 20 bytes with the terminating zero)");
        for (unsigned char c : *stem)
            if (c < 0x21 || c > 0x7E)
                return Report(node.source(), Named(key) + " \"" + *stem +
                                                 "\": a stem is a file-name stem of printable ASCII, without spaces");
        std::memcpy(buffer, stem->c_str(), stem->size() + 1);
    }

    static std::string Named(const PackKey& key) { return std::string(key.table) + "." + key.key; }

    void Report(const toml::source_region& where, std::string message) {
        problems_.push_back(ProblemAt(shownAs_, where, std::move(message)));
    }

    const std::string& shownAs_;
    skin::SkinValues& values_;
    Problems& problems_;
};

skin::SkinValues EmptyValues() {
    skin::SkinValues values;
    std::memset(&values, 0, sizeof values);
    std::memcpy(values.magic, skin::kValuesMagic, sizeof values.magic);
    values.version = skin::kValuesVersion;
    values.size = sizeof values;
    for (const PackKey& key : PackKeys()) {
        if (key.kind != ValueKind::Colour) continue;
        const skin::SkinColour unset{skin::kColourUnset};
        std::memcpy(reinterpret_cast<unsigned char*>(&values) + key.offset, &unset, sizeof unset);
    }
    return values;
}

}  // namespace

bool ModuleNameFor(const std::string& packName, std::string& moduleName, std::string& why) {
    constexpr std::size_t kLongest = skin::kModuleNameBytes - sizeof(".dll");
    if (packName.empty() || packName.size() > kLongest) {
        why = "the pack name must be 1 to " + std::to_string(kLongest) + " characters";
        return false;
    }
    for (char c : packName) {
        const bool usable = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
                            c == '-';
        if (!usable) {
            why = "the pack name \"" + packName + "\" names the module file: use letters, digits, '_' and '-' only";
            return false;
        }
    }
    moduleName = packName + ".dll";
    return true;
}

void ReadPackValues(const std::filesystem::path& path, const std::string& shownAs, skin::SkinValues& values,
                    Problems& problems) {
    Bytes bytes;
    std::string why;
    if (!ReadFileBytes(path, bytes, why)) {
        values = EmptyValues();
        problems.push_back(Problem{shownAs, 0, 0, std::filesystem::exists(path) ? "cannot be read" : "missing"});
        return;
    }
    ReadPackValuesText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), shownAs, values,
                       problems);
}

void ReadPackValuesText(std::string_view text, const std::string& shownAs, skin::SkinValues& values,
                        Problems& problems) {
    values = EmptyValues();
    toml::table root;
    if (!ParseValuesToml(text, shownAs, root, problems)) return;
    Reader(shownAs, values, problems).Read(root);
}

}  // namespace kit
