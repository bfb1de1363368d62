#pragma once
// Turns a parsed script into resources: a bitmap resource per BITMAP, and per
// ICON one icon resource for each image of the file plus the group directory
// that names them. Icon images are numbered from 1 across the whole script,
// in script order.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "rc_script.h"
#include "res_file.h"

namespace rescomp {

// Reads a file named by the script; throws CompileError when it cannot.
using FileReader = std::function<std::vector<std::uint8_t>(const std::string& file)>;

std::vector<Resource> compileScript(const std::vector<ScriptEntry>& entries,
                                    const std::string& scriptName, const FileReader& read);

// Reads script-relative names from the script's folder, absolute names as given.
FileReader filesBeside(const std::string& scriptPath);

}  // namespace rescomp
