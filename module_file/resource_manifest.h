#pragma once
// A text manifest of a module's resources, one line each, for holding a
// build's resources to a committed list:
//
//   <type> <name> <language> <size> <hash>
//
// Numbers are written "#2", names as stored, with '#', '\' and anything
// outside printable ASCII (space included) written "\uXXXX"; the language in
// hex ("0x0804"), the size in bytes, the hash the bytes' 64-bit FNV-1a in
// 16 hex digits. Lines are sorted by type, name and language, names before
// numbers, so the same resources always give the same text.
#include <string>
#include <vector>

#include "resource_directory.h"

namespace modfile {

std::string idText(const ResourceId& id);

std::string formatManifest(const std::vector<Resource>& resources);

// A sentence for every resource missing from, extra in, or different in the
// actual manifest, and for every line of either that is not a manifest line;
// none when the two agree.
std::vector<std::string> compareManifests(const std::string& expected, const std::string& actual);

}  // namespace modfile
