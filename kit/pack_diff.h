#pragma once
// What differs between two packs, for people: values by key, pictures by
// name with how many pixels differ.
#include <string>
#include <vector>

#include "pack_module.h"

namespace kit {

// A line for each difference, in the values file's order and then the
// catalogue's; none when the packs are the same:
//   room.room: "#008000" -> "#203040"
//   pictures/MENU_BK.bmp: 37 of 100 pixels differ
//   pictures/BAR_PAGE.ico: image 2 (32×32, 8 bits): 12 of 1024 pixels differ
std::vector<std::string> DiffPacks(const PackContents& a, const PackContents& b);

}  // namespace kit
