#include "problems.h"

namespace kit {

std::string Problem::Text() const {
    std::string text = file;
    if (line > 0) text += ":" + std::to_string(line) + ":" + std::to_string(column);
    return text + ": " + message;
}

std::string SizeText(std::int64_t width, std::int64_t height) {
    return std::to_string(width) + "×" + std::to_string(height);
}

}  // namespace kit
