#pragma once
// One picture showing the whole artwork for a person to judge, laid out as
// the kit's contact sheet of a pack: every bitmap and icon group in catalogue
// order, each picture enlarged and named with its size and depth.
#include "raster.h"

namespace art {

Image contactSheet();

}  // namespace art
