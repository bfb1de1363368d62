// Tab strips, room view, person list, splitters and chat of the mock hall
// window.
#include <algorithm>

#include "gdi_pictures.h"
#include "lobby_text.h"
#include "hall_parts.h"
#include "paint_kit.h"
#include "pictures/font.h"

namespace preview {

using pictures::kGlyphAscent;
using pictures::kLineHeight;
using pictures::textWidth;

namespace {

constexpr int kFaceBand = 2;  // the strip's lowest rows, in the face colour
constexpr int kCloseIcon = 16;

Colour TabTextColour(const CTabShowElements& tabs, bool selected) {
    return FromColorRef(selected ? tabs.m_clrActiveText : tabs.m_clrInactiveText);
}

// The lowest rows of a strip: the face below the tabs and the line above it.
void PaintStripBase(Canvas& canvas, const Rect& strip, const CTabShowElements& tabs) {
    canvas.Fill(Rect{strip.x, strip.Bottom() - kFaceBand, strip.width, kFaceBand}, FromColorRef(tabs.m_clrFace));
    canvas.HorizontalLine(strip.x, strip.Right() - 1, strip.Bottom() - kFaceBand - 1, FromColorRef(tabs.m_clrLine));
}

// A tab reaching down over the strip's line when selected.
void PaintTab(Canvas& canvas, const Rect& tab, const CTabShowElements& tabs, const lobby::TabLabel& label) {
    const bool selected = label.selected;
    const Rect area = selected ? Rect{tab.x, tab.y, tab.width, tab.height + 1} : tab;
    StretchBitmap(canvas, selected ? tabs.m_hbmSelect : tabs.m_hbmNoSelect, area);
    if (selected) {
        const Colour line = FromColorRef(tabs.m_clrActiveLine);
        canvas.HorizontalLine(area.x, area.Right() - 1, area.y, line);
        canvas.VerticalLine(area.x, area.y, area.Bottom() - 1, line);
        canvas.VerticalLine(area.Right() - 1, area.y, area.Bottom() - 1, line);
    }
    DrawLabelCentred(canvas, tab, label.text, TabTextColour(tabs, label.selected));
}

Picture Turned(HBITMAP bitmap) { return TurnClockwise(ReadBitmap(bitmap)); }

// Where seat n of a table with the given number of seats sits, from the table's centre.
struct Offset {
    int dx;
    int dy;
};
constexpr Offset kSeats2[] = {{-40, 0}, {40, 0}};
constexpr Offset kSeats3[] = {{0, -32}, {-36, 20}, {36, 20}};
constexpr Offset kSeats4[] = {{-40, 0}, {40, 0}, {0, -32}, {0, 32}};
constexpr Offset kSeats5[] = {{0, -32}, {-40, -8}, {40, -8}, {-24, 30}, {24, 30}};
constexpr Offset kSeats6[] = {{-40, 0}, {40, 0}, {-22, -30}, {22, -30}, {-22, 30}, {22, 30}};
struct SeatPlan {
    const Offset* seats;
    int count;
};
constexpr SeatPlan kSeatPlans[kRoomTableSizes] = {{kSeats2, 2}, {kSeats3, 3}, {kSeats4, 4}, {kSeats5, 5}, {kSeats6, 6}};

constexpr int kTableWidth = 56;
constexpr int kTableHeight = 40;
constexpr int kSeatSize = 12;

void PaintTable(Canvas& canvas, int cx, int cy, const SeatPlan& plan, const char* stem, Colour room) {
    const Colour edge = Mix(room, 0x000000, 96);
    const Colour top = Mix(room, 0xFFFFFF, 72);
    const Colour seat = Mix(room, 0xFFFFFF, 176);
    canvas.FillEllipse(Rect{cx - kTableWidth / 2, cy - kTableHeight / 2, kTableWidth, kTableHeight}, edge);
    canvas.FillEllipse(Rect{cx - kTableWidth / 2 + 2, cy - kTableHeight / 2 + 2, kTableWidth - 4, kTableHeight - 4},
                       top);
    for (int i = 0; i < plan.count; ++i) {
        const Rect chair{cx + plan.seats[i].dx - kSeatSize / 2, cy + plan.seats[i].dy - kSeatSize / 2, kSeatSize,
                         kSeatSize};
        canvas.Fill(chair, seat);
        canvas.Frame(chair, edge);
    }
    DrawLabelCentred(canvas, Rect{cx - 40, cy + 44, 80, kGlyphAscent}, stem, 0xFFFFFF);
}

}  // namespace

void PaintMainTabs(Canvas& canvas, const HallLayout& layout, const CTabShowElements& tabs) {
    const Rect& strip = layout.mainTabs;
    StretchBitmap(canvas, tabs.m_hbmBack, strip);
    PaintStripBase(canvas, strip, tabs);
    int tabWidth = 0;
    int tabHeight = 0;
    if (!BitmapSize(tabs.m_hbmSelect, &tabWidth, &tabHeight)) {
        tabWidth = 100;
        tabHeight = 21;
    }
    const int tabTop = strip.Bottom() - kFaceBand - 1 - tabHeight;
    int x = strip.x + std::max<int>(tabs.m_nTabSize2, 0);
    for (const lobby::TabLabel& label : lobby::kMainTabs) {
        PaintTab(canvas, Rect{x, tabTop, tabWidth, tabHeight}, tabs, label);
        x += tabWidth + 2;
    }
    const char* online = "1234 online";
    DrawLabel(canvas, strip.Right() - textWidth(online) - 10, tabTop + (tabHeight - kGlyphAscent) / 2, online,
             FromColorRef(tabs.m_clrText));
}

void PaintSecondaryTabs(Canvas& canvas, const HallLayout& layout, const CTabShowElements& tabs,
                        const CCaptionShowElements& caption) {
    const Rect& strip = layout.tabStrip;
    StretchBitmap(canvas, tabs.m_hbmBack, strip);
    PaintStripBase(canvas, strip, tabs);
    const int tabHeight = strip.height - kFaceBand - 1 - 5;
    int x = strip.x + std::max<int>(tabs.m_nTabSize2, 0) / 2;
    for (const lobby::TabLabel& label : lobby::kSecondaryTabs) {
        const int width = textWidth(label.text) + 24;
        PaintTab(canvas, Rect{x, strip.y + 5, width, tabHeight}, tabs, label);
        x += width + 2;
    }
    // The second close button closes the page the strip shows.
    const Rect close{strip.Right() - kCloseIcon - 4, strip.y + 5 + (tabHeight - kCloseIcon) / 2, kCloseIcon,
                     kCloseIcon};
    DrawIconSized(canvas, caption.m_hIconCloseOne, close);
    const char* title = "Room 1";
    DrawLabel(canvas, close.x - textWidth(title) - 8, strip.y + 5 + (tabHeight - kGlyphAscent) / 2, title,
             FromColorRef(tabs.m_clrText));

    // The same strip stood on end beside the room, from the turned pictures.
    const Rect& side = layout.sideTabs;
    canvas.DrawStretched(Turned(tabs.m_hbmBack90), side);
    const Picture selected = Turned(tabs.m_hbmSelect90);
    const Picture plain = Turned(tabs.m_hbmNoSelect90);
    int y = side.y + 4;
    for (const lobby::TabLabel& label : lobby::kSideTabs) {
        const Picture& picture = label.selected ? selected : plain;
        const int length = picture.Empty() ? 90 : picture.height;
        const Rect tab{side.x, y, side.width, length};
        canvas.DrawStretched(picture, tab);
        const Picture text = TurnClockwise(TextPicture(label.text, TabTextColour(tabs, label.selected)));
        canvas.Draw(text, tab.x + (tab.width - text.width) / 2 + 1, tab.y + (tab.height - text.height) / 2);
        y += length + 2;
    }
}

void PaintRoom(Canvas& canvas, const HallLayout& layout, const CRoomShowElements& room) {
    const Rect& view = layout.room;
    const Colour colour = FromColorRef(room.m_clrRoom);
    canvas.Fill(view, colour);
    DrawLabel(canvas, view.x + 8, view.y + 8, "Room 1 - tables of 2 to 6 seats", 0xFFFFFF);
    // Three tables above, two below, each in its cell; the last cell stays
    // free for the menu that may open over the room.
    const int cellWidth = view.width / 3;
    const int cellHeight = (view.height - 20) / 2;
    for (int k = 0; k < kRoomTableSizes; ++k) {
        const int cx = view.x + (k % 3) * cellWidth + cellWidth / 2;
        const int cy = view.y + 20 + (k / 3) * cellHeight + cellHeight / 2 - 8;
        char stem[kRoomStemBytes + 1] = {};
        std::copy(room.m_szRoomStem[k], room.m_szRoomStem[k] + kRoomStemBytes, stem);
        PaintTable(canvas, cx, cy, kSeatPlans[k], stem, colour);
    }
}

void PaintPersonList(Canvas& canvas, const HallLayout& layout, const CPersonListShowElements& persons) {
    constexpr int kHeader = 20;
    constexpr int kRow = 22;
    constexpr int kIcon = 16;
    const Rect& pane = layout.personList;
    const Colour ink = FromColorRef(persons.m_clrPerson7);
    TileBitmap(canvas, persons.m_hbmBack, pane);
    DrawLabel(canvas, pane.x + 6, pane.y + (kHeader - kGlyphAscent) / 2, "Players (10)", ink);
    DrawLabel(canvas, pane.x + 118, pane.y + (kHeader - kGlyphAscent) / 2, "Status", ink);
    canvas.HorizontalLine(pane.x, pane.Right() - 1, pane.y + kHeader - 1, ink);

    // The plain rows take the list's text colours in turn.
    const COLORREF rowColours[] = {persons.m_clrPerson1, persons.m_clrPerson2, persons.m_clrPerson3,
                                   persons.m_clrPerson4, persons.m_clrPerson5, persons.m_clrPerson7};
    const std::size_t count = std::min<std::size_t>(persons.m_arrStatusIcon.size(), kPersonIconCount);
    for (std::size_t i = 0; i < count; ++i) {
        const Rect row{pane.x, pane.y + kHeader + 2 + static_cast<int>(i) * kRow, pane.width, kRow};
        Colour text = FromColorRef(rowColours[i % (sizeof rowColours / sizeof *rowColours)]);
        if (i == lobby::kChosenPlayer) {
            canvas.Fill(row, FromColorRef(persons.m_clrPerson6));
            text = FromColorRef(persons.m_clrPerson8);
        }
        DrawIconSized(canvas, persons.m_arrStatusIcon[i], Rect{row.x + 6, row.y + (kRow - kIcon) / 2, kIcon, kIcon});
        const int textY = row.y + (kRow - kGlyphAscent) / 2;
        DrawLabel(canvas, row.x + 6 + kIcon + 6, textY, lobby::kPlayers[i].name, text);
        DrawLabel(canvas, row.x + 118, textY, lobby::kPlayers[i].status, text);
    }
}

void PaintSplitters(Canvas& canvas, const HallLayout& layout, const CSplitterShowElements& splitter) {
    TileBitmap(canvas, splitter.m_hbmCol, layout.leftSplitter);
    TileBitmap(canvas, splitter.m_hbmCol, layout.rightSplitter);
    TileBitmap(canvas, splitter.m_hbmRow, layout.rowSplitter);
}

void PaintChat(Canvas& canvas, const HallLayout& layout) {
    // The chat element carries nothing of the module's: the host's own colours.
    constexpr int kInputHeight = 18;
    const Rect& chat = layout.chat;
    canvas.Fill(chat, 0xFFFFFF);
    canvas.Frame(chat, 0x808080);
    int y = chat.y + 6;
    for (const char* line : lobby::kChatLines) {
        DrawLabel(canvas, chat.x + 6, y, line, 0x000000);
        y += kLineHeight + 2;
    }
    const Rect input{chat.x + 4, chat.Bottom() - kInputHeight - 4, chat.width - 8, kInputHeight};
    canvas.Frame(input, 0xA0A0A0);
    DrawLabel(canvas, input.x + 4, input.y + (kInputHeight - kGlyphAscent) / 2, "Say something...", 0x808080);
}

}  // namespace preview
