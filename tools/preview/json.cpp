#include "json.h"

namespace preview {

std::string BytesAsJsonString(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (char ch : bytes) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte < 0x80) {
            text += ch;
        } else {
            text += static_cast<char>(0xC0 | (byte >> 6));
            text += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return text;
}

std::string JsonText(const Json& json) { return json.dump(2, ' ', true) + '\n'; }

}  // namespace preview
