#pragma once
// One picture showing the whole artwork for a person to judge: every icon
// image enlarged over a checkerboard (so the mask shows), one group a row,
// then every bitmap, each with its name.
#include "raster.h"

namespace art {

Image contactSheet();

}  // namespace art
