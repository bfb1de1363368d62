#pragma once
// The face inspector's JSON. Objects keep their members in the order they
// were added, so that two reports compare line by line.
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

namespace preview {

using Json = nlohmann::ordered_json;

// A JSON string for bytes of no known encoding, such as a skin's fixed-size
// text fields: each byte becomes the code point of the same value, so that
// none is lost and the text stays valid.
std::string BytesAsJsonString(std::string_view bytes);

// Two spaces per level, one member or item a line, ASCII only, ending in a
// line end: the same bytes from every build.
std::string JsonText(const Json& json);

}  // namespace preview
