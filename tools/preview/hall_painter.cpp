#include "hall_painter.h"

#include "hall_parts.h"
#include "tree_painter.h"

namespace preview {

Canvas PaintHall(const CHallShowElements& hall) {
    const HallLayout layout = LayOutHall(hall);
    Canvas canvas(layout.window.width, layout.window.height, 0x808080);
    PaintFrameEdges(canvas, layout, hall.m_caption);
    PaintTitleRow(canvas, layout, hall.m_caption);
    PaintMenuBar(canvas, layout, hall.m_caption);
    PaintToolbar(canvas, layout, hall.m_caption, hall.m_arrToolButton);
    PaintMainTabs(canvas, layout, hall.m_mainTab);
    PaintTreeView(canvas, layout.treePane, hall.m_tree);
    PaintSecondaryTabs(canvas, layout, hall.m_tab, hall.m_caption);
    PaintRoom(canvas, layout, hall.m_room);
    PaintChat(canvas, layout);
    PaintPersonList(canvas, layout, hall.m_personList);
    PaintSplitters(canvas, layout, hall.m_splitter);
    PaintStatusBar(canvas, layout, hall.m_caption);
    PaintExitMenu(canvas, layout, hall.m_caption, hall.m_arrExitButton);
    return canvas;
}

}  // namespace preview
