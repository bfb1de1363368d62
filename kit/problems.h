#pragma once
// What is wrong with a pack, one line each, naming the file and the place.
#include <cstdint>
#include <string>
#include <vector>

namespace kit {

struct Problem {
    std::string file;  // as the author knows it: "pack.toml", "pictures/MENU_BK.bmp"
    int line = 0;      // from 1; 0 where the problem has no place in the file
    int column = 0;
    std::string message;

    // "pack.toml:12:9: message", or "file: message" without a place.
    std::string Text() const;
};

using Problems = std::vector<Problem>;

// A picture's size as problems give it: "12×10".
std::string SizeText(std::int64_t width, std::int64_t height);

}  // namespace kit
