#pragma once
// Where each area of the mock hall window lies. The sizes come from the hall
// face where it has them (bar heights from its pictures, strip heights and
// splitter widths from its size fields); the rest is the mock window's own.
#include "canvas.h"
#include "hall_elements.h"

namespace preview {

struct HallLayout {
    Rect window;
    Rect inside;        // within the frame edges
    Rect title;         // the title row
    Rect menuBar;
    Rect toolbar;
    Rect mainTabs;
    Rect treePane;
    Rect leftSplitter;  // between the tree and the room
    Rect tabStrip;      // the secondary tabs above the room
    Rect room;
    Rect sideTabs;      // the secondary tabs turned, beside the room
    Rect rowSplitter;   // between the room and the chat
    Rect chat;
    Rect rightSplitter;  // between the room and the person list
    Rect personList;
    Rect statusBar;
    int frame = 0;  // thickness of the frame edges
};

HallLayout LayOutHall(const CHallShowElements& hall);

}  // namespace preview
