#pragma once
// The hall window as a client paints it with the hall face: caption and
// frame, menu bar, toolbar, tab strips, room view, person list, server tree,
// splitters, chat and status bar.
#include "canvas.h"
#include "hall_elements.h"

namespace preview {

Canvas PaintHall(const CHallShowElements& hall);

}  // namespace preview
