#include "problems.h"

namespace kit {

std::string Problem::Text() const {
    std::string text = file;
    if (line > 0) text += ":" + std::to_string(line) + ":" + std::to_string(column);
    return text + ": " + message;
}

}  // namespace kit
