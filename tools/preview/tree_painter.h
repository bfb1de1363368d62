#pragma once
// A server/room tree painted as a client paints it with a tree skin.
#include "canvas.h"
#include "tree_element.h"

namespace preview {

// The tree view inside rect: a header band in the background colour, then
// the nodes over the background bitmap, one of each of the seven kinds,
// joined by lines.
void PaintTreeView(Canvas& canvas, const Rect& rect, const CTreeShowElements& tree);

// The tree face on its own.
Canvas PaintTreeFace(const CTreeShowElements& tree);

}  // namespace preview
