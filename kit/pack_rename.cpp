#include "pack_rename.h"

#include <cstring>
#include <toml++/toml.h>

#include "pack_values.h"
#include "problems.h"

namespace kit {

bool RenamePackValues(const std::string& text, const std::string& name, std::string& renamed, std::string& why) {
    toml::table root;
    try {
        root = toml::parse(text);
    } catch (const toml::parse_error& error) {
        why = Problem{"pack.toml", static_cast<int>(error.source().begin.line),
                      static_cast<int>(error.source().begin.column), std::string(error.description())}
                  .Text();
        return false;
    }
    const toml::node* node = root.get("name");
    if (node == nullptr || !node->is_string() || node->source().begin.line != node->source().end.line) {
        why = "pack.toml has no line name = \"…\"";
        return false;
    }
    // The string's place on its line, found from its opening quote: toml++
    // counts columns in characters, not bytes.
    std::size_t lineStart = 0;
    for (std::size_t line = 1; line < node->source().begin.line; ++line) lineStart = text.find('\n', lineStart) + 1;
    const std::size_t equals = text.find('=', lineStart);
    const std::size_t open = text.find_first_of("\"'", equals);
    const char quote = text[open];
    std::size_t close = open + 1;
    while (close < text.size() && text[close] != quote) close += quote == '"' && text[close] == '\\' ? 2 : 1;
    if (close >= text.size() || text.compare(open, 3, std::string(3, quote)) == 0) {
        why = "pack.toml: the name is not written on one line as \"…\"";
        return false;
    }
    renamed = text.substr(0, open) + "\"" + name + "\"" + text.substr(close + 1);
    return true;
}

bool RenamePackBlock(skin::SkinValues& values, const std::string& name, std::string& why) {
    std::string moduleName;
    if (!ModuleNameFor(name, moduleName, why)) return false;
    std::memset(values.moduleName, 0, sizeof values.moduleName);
    std::memcpy(values.moduleName, moduleName.c_str(), moduleName.size());
    return true;
}

}  // namespace kit
