#pragma once
// Problems placed by toml++'s source regions: for the kit's own readers of
// TOML files, the only files that include toml++.
#include <string>
#include <toml++/toml.h>

#include "problems.h"

namespace kit {

inline Problem ProblemAt(const std::string& file, const toml::source_region& where, std::string message) {
    Problem problem{file, 0, 0, std::move(message)};
    if (where.begin.line > 0) {
        problem.line = static_cast<int>(where.begin.line);
        problem.column = static_cast<int>(where.begin.column);
    }
    return problem;
}

}  // namespace kit
