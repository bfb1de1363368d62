#pragma once
// Every resource of a PE image, read from the three levels of its resource
// tree: type, then name, then language.
#include <cstdint>
#include <string>
#include <vector>

#include "byte_span.h"
#include "error_or.h"
#include "pe_image.h"

namespace modfile {

// A resource type or name: a number, or a (non-empty) UTF-16 name as stored.
struct ResourceId {
    std::uint16_t number = 0;
    std::u16string name;

    bool isName() const { return !name.empty(); }
    static ResourceId numbered(std::uint16_t n) { return {n, {}}; }
    static ResourceId named(std::u16string s) { return {0, std::move(s)}; }
    bool operator==(const ResourceId& other) const { return number == other.number && name == other.name; }
};

struct Resource {
    ResourceId type;
    ResourceId name;
    std::uint16_t language = 0;
    std::uint32_t codePage = 0;
    ByteSpan data;  // inside the image's file
};

// In the order the tree lists them. An image without a resource directory
// has none. The tree must be well formed throughout: every table, string and
// data entry inside the resource directory, every resource's bytes inside
// one section's file data, no table reached twice.
ErrorOr<std::vector<Resource>> readResources(const PeImage& image);

}  // namespace modfile
