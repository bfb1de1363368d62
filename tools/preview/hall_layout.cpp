#include "hall_layout.h"

#include <algorithm>

#include "gdi_pictures.h"

namespace preview {
namespace {

constexpr int kWindowWidth = 800;
constexpr int kWindowHeight = 600;
constexpr int kFrame = 4;
constexpr int kMenuBarHeight = 20;
constexpr int kPaneWidth = 190;
constexpr int kChatHeight = 84;
constexpr int kSideTabWidth = 21;  // the height of the tab pictures, once turned

// A size from the face, kept within what the mock window can hold.
int Size(int value, int fallback) { return value > 0 && value <= 100 ? value : fallback; }

int BitmapHeight(HBITMAP bitmap, int fallback) {
    int width = 0;
    int height = 0;
    return BitmapSize(bitmap, &width, &height) ? Size(height, fallback) : fallback;
}

}  // namespace

HallLayout LayOutHall(const CHallShowElements& hall) {
    const CCaptionShowElements& caption = hall.m_caption;
    const CSplitterShowElements& splitter = hall.m_splitter;
    HallLayout l;
    l.frame = kFrame;
    l.window = Rect{0, 0, kWindowWidth, kWindowHeight};
    l.inside = Rect{kFrame, kFrame, kWindowWidth - 2 * kFrame, kWindowHeight - 2 * kFrame};

    const int titleHeight =
        std::max(BitmapHeight(caption.m_hbmTitleLeft, 50), BitmapHeight(caption.m_hbmTitleMid, 50));
    const int toolbarHeight = BitmapHeight(caption.m_hbmBarLeft, 70);
    const int statusHeight = BitmapHeight(caption.m_hbmStatusMid, 30);
    const int left = l.inside.x;
    const int width = l.inside.width;

    l.title = Rect{left, l.inside.y, width, titleHeight};
    l.menuBar = Rect{left, l.title.Bottom(), width, kMenuBarHeight};
    l.toolbar = Rect{left, l.menuBar.Bottom(), width, toolbarHeight};
    l.mainTabs = Rect{left, l.toolbar.Bottom(), width, Size(hall.m_mainTab.m_nTabSize1, 28)};
    l.statusBar = Rect{left, l.inside.Bottom() - statusHeight, width, statusHeight};

    const int bodyTop = l.mainTabs.Bottom();
    const int bodyHeight = l.statusBar.y - bodyTop;
    l.treePane = Rect{left, bodyTop, kPaneWidth, bodyHeight};
    l.leftSplitter = Rect{l.treePane.Right(), bodyTop, Size(splitter.m_nSplitterSize1, 11), bodyHeight};
    l.personList = Rect{l.inside.Right() - kPaneWidth, bodyTop, kPaneWidth, bodyHeight};
    const int rightSplitterWidth = Size(splitter.m_nSplitterSize2, 11);
    l.rightSplitter = Rect{l.personList.x - rightSplitterWidth, bodyTop, rightSplitterWidth, bodyHeight};

    const int centreLeft = l.leftSplitter.Right();
    const int centreWidth = l.rightSplitter.x - centreLeft;
    l.tabStrip = Rect{centreLeft, bodyTop, centreWidth, Size(hall.m_tab.m_nTabSize1, 28)};
    l.chat = Rect{centreLeft, l.statusBar.y - kChatHeight, centreWidth, kChatHeight};
    const int rowSplitterHeight = Size(splitter.m_nSplitterSize3, 11);
    l.rowSplitter = Rect{centreLeft, l.chat.y - rowSplitterHeight, centreWidth, rowSplitterHeight};
    const int roomHeight = l.rowSplitter.y - l.tabStrip.Bottom();
    l.room = Rect{centreLeft, l.tabStrip.Bottom(), centreWidth - kSideTabWidth, roomHeight};
    l.sideTabs = Rect{l.room.Right(), l.tabStrip.Bottom(), kSideTabWidth, roomHeight};
    return l;
}

}  // namespace preview
