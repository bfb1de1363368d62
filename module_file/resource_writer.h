#pragma once
// A resource section made from a list of resources, laid out the
// conventional way: every directory table breadth first (the root, the name
// tables, the language tables), then the data entries, then the names
// (counted UTF-16), then each resource's bytes 8-aligned. The loader
// searches each table by binary search, so entries are sorted as it
// compares: names first, upper-cased code unit by code unit, then numbers.
#include <cstdint>
#include <vector>

#include "error_or.h"
#include "resource_directory.h"

namespace modfile {

// Negative, zero or positive as a sorts before, with or after b. Only ASCII
// letters are upper-cased; other code units compare as stored, which agrees
// with the platform for every name without lower-case letters beyond ASCII
// (resource compilers store names upper-cased).
int compareResourceIds(const ResourceId& a, const ResourceId& b);

// The section's bytes for a section at sectionRva, data entries holding
// RVAs. The same resources give the same bytes whatever their order. Two
// resources of the same type, name and language are an error, and so are
// names that differ only in case.
ErrorOr<std::vector<std::uint8_t>> writeResourceSection(const std::vector<Resource>& resources,
                                                        std::uint32_t sectionRva);

}  // namespace modfile
