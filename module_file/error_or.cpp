#include "error_or.h"

#include <cstdio>

namespace modfile {

std::string hex(std::uint64_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%llx", static_cast<unsigned long long>(value));
    return text;
}

Error errorAt(std::uint64_t offset, const std::string& what) { return Error{"offset " + hex(offset) + ": " + what}; }

}  // namespace modfile
