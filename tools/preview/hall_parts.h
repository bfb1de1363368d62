#pragma once
// The areas of the mock hall window, each painted from its own element.
#include "canvas.h"
#include "hall_elements.h"
#include "hall_layout.h"

namespace preview {

// Caption, frame, menu bar, toolbar and status bar: the caption element and the buttons.
void PaintTitleRow(Canvas& canvas, const HallLayout& layout, const CCaptionShowElements& caption);
void PaintFrameEdges(Canvas& canvas, const HallLayout& layout, const CCaptionShowElements& caption);
void PaintMenuBar(Canvas& canvas, const HallLayout& layout, const CCaptionShowElements& caption);
void PaintToolbar(Canvas& canvas, const HallLayout& layout, const CCaptionShowElements& caption,
                  const ButtonList& buttons);
// The exit menu, open over the room view.
void PaintExitMenu(Canvas& canvas, const HallLayout& layout, const CCaptionShowElements& caption,
                   const ButtonList& entries);
void PaintStatusBar(Canvas& canvas, const HallLayout& layout, const CCaptionShowElements& caption);

// Tab strips, room, person list, splitters and chat.
void PaintMainTabs(Canvas& canvas, const HallLayout& layout, const CTabShowElements& tabs);
void PaintSecondaryTabs(Canvas& canvas, const HallLayout& layout, const CTabShowElements& tabs,
                        const CCaptionShowElements& caption);
void PaintRoom(Canvas& canvas, const HallLayout& layout, const CRoomShowElements& room);
void PaintPersonList(Canvas& canvas, const HallLayout& layout, const CPersonListShowElements& persons);
void PaintSplitters(Canvas& canvas, const HallLayout& layout, const CSplitterShowElements& splitter);
void PaintChat(Canvas& canvas, const HallLayout& layout);

}  // namespace preview
