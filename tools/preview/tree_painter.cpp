#include "tree_painter.h"

#include "lobby_text.h"
#include "paint_kit.h"
#include "pictures/font.h"

namespace preview {

using pictures::kGlyphAscent;

namespace {

constexpr int kHeaderHeight = 20;
constexpr int kRowHeight = 20;
constexpr int kIndent = 18;
constexpr int kIconSize = 16;

using Node = lobby::TreeNode;
using lobby::kTreeNodes;

constexpr int kNodeCount = static_cast<int>(sizeof kTreeNodes / sizeof kTreeNodes[0]);

// The index of the node's parent, or -1 for the root.
int ParentOf(int index) {
    for (int i = index - 1; i >= 0; --i)
        if (kTreeNodes[i].depth < kTreeNodes[index].depth) return i;
    return -1;
}

}  // namespace

void PaintTreeView(Canvas& canvas, const Rect& rect, const CTreeShowElements& tree) {
    const Rect saved = canvas.Clip();
    canvas.SetClip(Intersect(rect, saved));

    const Colour back = FromColorRef(tree.m_clrBack);
    const Colour text = FromColorRef(tree.m_clrText);
    const Colour line = FromColorRef(tree.m_clrLine);
    const Rect header{rect.x, rect.y, rect.width, kHeaderHeight};
    canvas.Fill(header, back);
    DrawLabel(canvas, header.x + 6, header.y + (kHeaderHeight - kGlyphAscent) / 2, "Servers", text);
    canvas.HorizontalLine(header.x, header.Right() - 1, header.Bottom() - 1, line);

    const Rect body{rect.x, header.Bottom(), rect.width, rect.height - kHeaderHeight};
    canvas.Fill(body, back);
    TileBitmap(canvas, tree.m_hbmBack, body);

    const int left = body.x + 6;
    const int top = body.y + 6;
    auto iconLeft = [&](int i) { return left + kTreeNodes[i].depth * kIndent; };
    auto rowTop = [&](int i) { return top + i * kRowHeight; };
    auto iconMiddleY = [&](int i) { return rowTop(i) + (kRowHeight - kIconSize) / 2 + kIconSize / 2; };

    // Lines first: from each node's icon across to its parent's column, and
    // down that column from below the parent's icon.
    for (int i = 0; i < kNodeCount; ++i) {
        const int parent = ParentOf(i);
        if (parent < 0) continue;
        const int column = iconLeft(parent) + kIconSize / 2;
        canvas.DottedVerticalLine(column, rowTop(parent) + (kRowHeight + kIconSize) / 2 + 1, iconMiddleY(i), line);
        canvas.DottedHorizontalLine(column, iconLeft(i) - 2, iconMiddleY(i), line);
    }
    for (int i = 0; i < kNodeCount; ++i) {
        const Node& node = kTreeNodes[i];
        const int y = rowTop(i) + (kRowHeight - kIconSize) / 2;
        if (node.icon < static_cast<int>(tree.m_arrIcon.size()))
            DrawIconSized(canvas, tree.m_arrIcon[node.icon], Rect{iconLeft(i), y, kIconSize, kIconSize});
        DrawLabel(canvas, iconLeft(i) + kIconSize + 4, rowTop(i) + (kRowHeight - kGlyphAscent) / 2, node.label, text);
    }
    canvas.SetClip(saved);
}

Canvas PaintTreeFace(const CTreeShowElements& tree) {
    constexpr int kWidth = 220;
    constexpr int kHeight = 270;
    Canvas canvas(kWidth, kHeight, 0x808080);
    // A thin window border around the view, in the tree's own line colour.
    canvas.Frame(Rect{0, 0, kWidth, kHeight}, FromColorRef(tree.m_clrLine));
    PaintTreeView(canvas, Rect{1, 1, kWidth - 2, kHeight - 2}, tree);
    return canvas;
}

}  // namespace preview
