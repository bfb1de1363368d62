#pragma once
#include <stdexcept>
#include <string>

namespace rescomp {

// Anything wrong with the script or a file it names; the text says where.
class CompileError : public std::runtime_error {
public:
    explicit CompileError(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace rescomp
