#include "values_text.h"

#include <cstring>

#include "colour_text.h"
#include "pack_keys.h"
#include "pack_values.h"

namespace kit {
namespace {

// Bytes before the first zero; `bytes` where there is none.
std::size_t TextLength(const char* buffer, std::size_t bytes) {
    const void* zero = std::memchr(buffer, 0, bytes);
    return zero == nullptr ? bytes : static_cast<std::size_t>(static_cast<const char*>(zero) - buffer);
}

std::string NameOf(const char* moduleName, std::size_t bytes) {
    const std::size_t length = TextLength(moduleName, bytes);
    const std::string name(moduleName, length);
    constexpr std::string_view kSuffix = ".dll";
    if (length == bytes || name.size() <= kSuffix.size() || name.compare(name.size() - 4, 4, kSuffix) != 0) return "";
    const std::string stem = name.substr(0, name.size() - kSuffix.size());
    std::string moduleAgain, why;
    return ModuleNameFor(stem, moduleAgain, why) ? stem : "";
}

// A stem as the reader takes one: 1 to 19 printable ASCII bytes ending in a zero.
bool StemText(const char* buffer, std::string& text) {
    const std::size_t length = TextLength(buffer, skin::kStemBytes);
    if (length == 0 || length == skin::kStemBytes) return false;
    text = "\"";
    for (std::size_t i = 0; i < length; ++i) {
        const char c = buffer[i];
        if (c < 0x21 || c > 0x7E) return false;
        if (c == '"' || c == '\\') text += '\\';
        text += c;
    }
    text += '"';
    return true;
}

bool ValueText(const PackKey& key, const unsigned char* at, std::string& text) {
    switch (key.kind) {
        case ValueKind::Colour: {
            skin::SkinColour colour;
            std::memcpy(&colour, at, sizeof colour);
            const std::string written = ColourText(colour);
            std::string why;
            skin::SkinColour again{};
            if (written.empty() || !ParseColour(written, again, why) || again.word != colour.word) return false;
            text = "\"" + written + "\"";
            return true;
        }
        case ValueKind::Size: {
            std::int16_t size;
            std::memcpy(&size, at, sizeof size);
            text = std::to_string(size);
            return size >= 0;
        }
        case ValueKind::Stem:
            return StemText(reinterpret_cast<const char*>(at), text);
        case ValueKind::Stems: {
            text = "[";
            for (std::size_t i = 0; i < skin::kRoomStems; ++i) {
                std::string stem;
                if (!StemText(reinterpret_cast<const char*>(at) + i * skin::kStemBytes, stem)) return false;
                text += (i == 0 ? "" : ", ") + stem;
            }
            text += "]";
            return true;
        }
    }
    return false;
}

const unsigned char* At(const skin::SkinValues& values, const PackKey& key) {
    return reinterpret_cast<const unsigned char*>(&values) + key.offset;
}

bool IsUnset(const PackKey& key, const unsigned char* at) {
    skin::SkinColour colour;
    std::memcpy(&colour, at, sizeof colour);
    return key.kind == ValueKind::Colour && (colour.word & skin::kColourKindMask) == skin::kColourUnset;
}

}  // namespace

std::string PackNameOf(const skin::SkinValues& values) { return NameOf(values.moduleName, sizeof values.moduleName); }

std::string KeyValueText(const PackKey& key, const skin::SkinValues& values) {
    if (!key.required && IsUnset(key, At(values, key))) return "(unset)";
    std::string text;
    return ValueText(key, At(values, key), text) ? text : "(not a pack's value)";
}

bool PackValuesText(const skin::SkinValues& values, std::string& text, std::string& why) {
    const std::string name = PackNameOf(values);
    if (name.empty()) {
        why = "the module name in the values block is not <pack name>.dll";
        return false;
    }
    text = "name = \"" + name + "\"\n";
    const char* table = "";
    for (const PackKey& key : PackKeys()) {
        const unsigned char* at = At(values, key);
        if (std::strcmp(table, key.table) != 0) {
            table = key.table;
            text += "\n[" + std::string(table) + "]\n";
        }
        if (!key.required && IsUnset(key, at)) continue;
        std::string value;
        if (!ValueText(key, at, value)) {
            why = std::string(key.table) + "." + key.key + " in the values block is not a value a pack can give";
            return false;
        }
        text += std::string(key.key) + " = " + value + "\n";
    }
    return true;
}

}  // namespace kit
