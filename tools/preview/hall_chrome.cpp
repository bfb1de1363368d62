// Caption, frame, menu bar, toolbar, exit menu and status bar of the mock
// hall window.
#include <algorithm>

#include "gdi_pictures.h"
#include "hall_parts.h"
#include "lobby_text.h"
#include "paint_kit.h"
#include "pictures/font.h"

namespace preview {

using pictures::kGlyphAscent;
using pictures::textWidth;

namespace {

constexpr int kCaptionIcon = 32;  // the caption buttons at the size the platform loads icons
constexpr int kCaptionButtonGap = 2;
constexpr int kToolButtonWidth = 60;
constexpr int kToolPlate = 44;
constexpr int kToolIcon = 32;
constexpr int kMenuEntryHeight = 22;
constexpr int kMenuWidth = 116;
constexpr int kMenuIcon = 16;

constexpr Colour kMenuText = 0x000000;
constexpr Colour kMenuBorder = 0x6A7187;
constexpr Colour kMenuShadow = 0x404040;

using lobby::kExitLabels;
using lobby::kToolLabels;
const char* const kMenuItems[] = {"Lobby", "Room", "View", "Friends", "Help"};

int WidthOf(HBITMAP bitmap) {
    int width = 0;
    int height = 0;
    return BitmapSize(bitmap, &width, &height) ? width : 0;
}

int HeightOf(HBITMAP bitmap, int fallback) {
    int width = 0;
    int height = 0;
    return BitmapSize(bitmap, &width, &height) ? height : fallback;
}

// A bar of three pieces: the ends at their own widths, the middle stretched between.
void PaintPiecedBar(Canvas& canvas, const Rect& bar, HBITMAP leftPiece, HBITMAP middle, HBITMAP rightPiece) {
    const int leftWidth = WidthOf(leftPiece);
    const int rightWidth = WidthOf(rightPiece);
    StretchBitmap(canvas, middle,
                  Rect{bar.x + leftWidth, bar.y, bar.width - leftWidth - rightWidth, HeightOf(middle, bar.height)});
    DrawBitmap(canvas, leftPiece, bar.x, bar.y);
    DrawBitmap(canvas, rightPiece, bar.Right() - rightWidth, bar.y);
}

}  // namespace

void PaintTitleRow(Canvas& canvas, const HallLayout& layout, const CCaptionShowElements& caption) {
    const Rect& title = layout.title;
    PaintPiecedBar(canvas, title, caption.m_hbmTitleLeft, caption.m_hbmTitleMid, caption.m_hbmTitleRight);

    const int textX = title.x + 56;
    const int textY = title.y + (title.height - kGlyphAscent) / 2;
    DrawLabel(canvas, textX + 1, textY + 1, "Game Lobby", FromColorRef(caption.m_clrCaption));
    DrawLabel(canvas, textX, textY, "Game Lobby", FromColorRef(caption.m_clrCaptionText));

    // Minimise, restore, maximise and close on a plate of the caption background.
    const HICON icons[] = {caption.m_hIconMin, caption.m_hIconNormal, caption.m_hIconMax, caption.m_hIconClose};
    const int count = 4;
    const Rect plate{title.Right() - count * (kCaptionIcon + kCaptionButtonGap) - 8, title.y + 6,
                     count * (kCaptionIcon + kCaptionButtonGap) + kCaptionButtonGap, kCaptionIcon + 4};
    StretchBitmap(canvas, caption.m_hbmCaption, plate);
    for (int i = 0; i < count; ++i) {
        const int x = plate.x + kCaptionButtonGap + i * (kCaptionIcon + kCaptionButtonGap);
        DrawIconAsLoaded(canvas, icons[i], x, plate.y + 2);
    }
}

void PaintFrameEdges(Canvas& canvas, const HallLayout& layout, const CCaptionShowElements& caption) {
    const Rect& w = layout.window;
    const int f = layout.frame;
    StretchBitmap(canvas, caption.m_hbmFrameTop, Rect{w.x, w.y, w.width, f});
    StretchBitmap(canvas, caption.m_hbmFrameBottom, Rect{w.x, w.Bottom() - f, w.width, f});
    StretchBitmap(canvas, caption.m_hbmFrameLeft, Rect{w.x, w.y + f, f, w.height - 2 * f});
    StretchBitmap(canvas, caption.m_hbmFrameRight, Rect{w.Right() - f, w.y + f, f, w.height - 2 * f});
}

void PaintMenuBar(Canvas& canvas, const HallLayout& layout, const CCaptionShowElements& caption) {
    const Rect& bar = layout.menuBar;
    StretchBitmap(canvas, caption.m_hbmMenuBar, bar);
    int x = bar.x + 8;
    for (const char* item : kMenuItems) {
        DrawLabel(canvas, x, bar.y + (bar.height - kGlyphAscent) / 2, item, FromColorRef(caption.m_clrMenu));
        x += textWidth(item) + 16;
    }
}

void PaintToolbar(Canvas& canvas, const HallLayout& layout, const CCaptionShowElements& caption,
                  const ButtonList& buttons) {
    const Rect& bar = layout.toolbar;
    const int leftWidth = std::min(WidthOf(caption.m_hbmBarLeft), bar.width);
    StretchBitmap(canvas, caption.m_hbmBarRight, Rect{bar.x + leftWidth, bar.y, bar.width - leftWidth, bar.height});
    DrawBitmap(canvas, caption.m_hbmBarLeft, bar.x, bar.y);

    const int count = static_cast<int>(std::min<std::size_t>(buttons.size(), sizeof kToolLabels / sizeof *kToolLabels));
    for (int i = 0; i < count; ++i) {
        const CButtonShowElements& button = buttons[static_cast<std::size_t>(i)];
        const Rect cell{bar.x + 8 + i * kToolButtonWidth, bar.y, kToolButtonWidth, bar.height};
        const Rect plate{cell.x + (cell.width - kToolPlate) / 2, cell.y + 6, kToolPlate, kToolPlate};
        StretchBitmap(canvas, button.m_hbmBack, plate);
        canvas.Frame(plate, FromColorRef(button.m_clrBack));
        DrawIconSized(canvas, button.m_hIcon,
                      Rect{plate.x + (kToolPlate - kToolIcon) / 2, plate.y + (kToolPlate - kToolIcon) / 2, kToolIcon,
                           kToolIcon});
        DrawLabelCentred(canvas, Rect{cell.x, plate.Bottom() + 4, cell.width, kGlyphAscent}, kToolLabels[i],
                        FromColorRef(button.m_clrText));
    }
}

void PaintExitMenu(Canvas& canvas, const HallLayout& layout, const CCaptionShowElements& caption,
                   const ButtonList& entries) {
    const int count = static_cast<int>(std::min<std::size_t>(entries.size(), sizeof kExitLabels / sizeof *kExitLabels));
    if (count == 0) return;
    // Opened over the free corner of the room view.
    const int height = count * kMenuEntryHeight + 4;
    const Rect menu{layout.room.Right() - kMenuWidth - 6, layout.room.Bottom() - height - 20, kMenuWidth, height};
    // A shadow to the lower right, then the menu itself.
    canvas.Fill(Rect{menu.x + 3, menu.y + 3, menu.width, menu.height}, kMenuShadow);
    StretchBitmap(canvas, caption.m_hbmMenu, menu);
    canvas.Frame(menu, kMenuBorder);
    for (int i = 0; i < count; ++i) {
        const CButtonShowElements& entry = entries[static_cast<std::size_t>(i)];
        const Rect row{menu.x + 2, menu.y + 2 + i * kMenuEntryHeight, menu.width - 4, kMenuEntryHeight};
        const Rect iconColumn{row.x, row.y, kMenuEntryHeight, row.height};
        canvas.Fill(iconColumn, FromColorRef(entry.m_clrBack));
        DrawIconSized(canvas, entry.m_hIcon,
                      Rect{iconColumn.x + (iconColumn.width - kMenuIcon) / 2, row.y + (row.height - kMenuIcon) / 2,
                           kMenuIcon, kMenuIcon});
        DrawLabel(canvas, iconColumn.Right() + 6, row.y + (row.height - kGlyphAscent) / 2, kExitLabels[i],
                 FromColorRef(entry.m_clrText));
    }
}

void PaintStatusBar(Canvas& canvas, const HallLayout& layout, const CCaptionShowElements& caption) {
    const Rect& bar = layout.statusBar;
    PaintPiecedBar(canvas, bar, caption.m_hbmStatusLeft, caption.m_hbmStatusMid, caption.m_hbmStatusRight);
    DrawLabel(canvas, bar.x + WidthOf(caption.m_hbmStatusLeft) + 8, bar.y + (bar.height - kGlyphAscent) / 2,
             "Connected: Server 1 - 1234 players online", kMenuText);
}

}  // namespace preview
