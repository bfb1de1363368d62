#pragma once
// The tree's colours, icons and background, shared by the tree face and the hall's tree.
#include "skin_values.h"
#include "tree_element.h"

namespace skin {

// Writes the tree skin into an element whose icon list is empty and has room
// for kTreeIconCount icons.
void LoadTreeSkin(CTreeShowElements& tree, const TreeValues& values, HINSTANCE instance);

}  // namespace skin
