#pragma once
// Problems placed by toml++'s source regions: for the kit's own readers of
// TOML files, the only files that include toml++.
#include <string>
#include <toml++/toml.h>

#include "problems.h"
#include "values_screen.h"

namespace kit {

inline Problem ProblemAt(const std::string& file, const toml::source_region& where, std::string message) {
    Problem problem{file, 0, 0, std::move(message)};
    if (where.begin.line > 0) {
        problem.line = static_cast<int>(where.begin.line);
        problem.column = static_cast<int>(where.begin.column);
    }
    return problem;
}

// Screens a values text and parses it; false, with the problem placed, where
// either refuses it.
inline bool ParseValuesToml(std::string_view text, const std::string& shownAs, toml::table& root,
                            Problems& problems) {
    std::string screened;
    if (!ScreenValuesText(text, shownAs, screened, problems)) return false;
    try {
        root = toml::parse(screened, shownAs);
    } catch (const toml::parse_error& error) {
        problems.push_back(ProblemAt(shownAs, error.source(), std::string(error.description())));
        return false;
    }
    return true;
}

}  // namespace kit
