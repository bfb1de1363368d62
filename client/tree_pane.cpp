// The server and room tree: a tree view whose image list holds the hall
// tree's icons by index, and whose colours are the hall tree's. The hall's
// refresh tells the tree nothing, so both are made anew with every pack.
#include <windows.h>

#include <commctrl.h>

#include "client.h"
#include "hall_panes.h"
#include "lobby_text.h"

namespace client {
namespace {

constexpr char kOldProc[] = "SkinClientTreeProc";
constexpr int kTreeIcon = 16;

LRESULT CALLBACK TreeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT || message == WM_FACECHANGED) ReportSeen(window, message);
    const auto old = reinterpret_cast<WNDPROC>(GetPropA(window, kOldProc));
    return CallWindowProcA(old, window, message, wParam, lParam);
}

void Fill(HWND tree) {
    HTREEITEM parents[4] = {TVI_ROOT};
    for (const lobby::TreeNode& node : lobby::kTreeNodes) {
        TVINSERTSTRUCTA insert = {};
        insert.hParent = parents[node.depth];
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        insert.item.pszText = const_cast<char*>(node.label);
        insert.item.iImage = insert.item.iSelectedImage = node.icon;
        HTREEITEM item = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
        if (node.depth + 1 < 4) parents[node.depth + 1] = item;
    }
    for (HTREEITEM item = TreeView_GetRoot(tree); item != nullptr; item = TreeView_GetNextVisible(tree, item))
        TreeView_Expand(tree, item, TVE_EXPAND);
}

// The hall tree's icons side by side at the tree's size: as drawn over its
// background colour, or their masks.
HBITMAP IconStrip(const CTreeShowElements& face, int count, bool masks) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP strip = masks ? CreateBitmap(kTreeIcon * count, kTreeIcon, 1, 1, nullptr)
                          : CreateCompatibleBitmap(screen, kTreeIcon * count, kTreeIcon);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, strip);
    SetDCBrushColor(dc, masks ? RGB(255, 255, 255) : face.m_clrBack);
    const RECT all{0, 0, kTreeIcon * count, kTreeIcon};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    for (int i = 0; i < count; ++i)
        DrawIconEx(dc, i * kTreeIcon, 0, face.m_arrIcon[static_cast<size_t>(i)], kTreeIcon, kTreeIcon, 0, nullptr,
                   masks ? DI_MASK : DI_NORMAL);
    SelectObject(dc, old);
    DeleteDC(dc);
    return strip;
}

}  // namespace

HWND CreateTreePane(HINSTANCE instance, HWND parent) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    HWND tree = CreateWindowExA(0, WC_TREEVIEWA, "",
                                WS_CHILD | WS_VISIBLE | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT |
                                    TVS_SHOWSELALWAYS,
                                0, 0, 10, 10, parent, nullptr, instance, nullptr);
    if (tree == nullptr) return nullptr;
    SetPropA(tree, kOldProc, reinterpret_cast<HANDLE>(GetWindowLongPtrA(tree, GWLP_WNDPROC)));
    SetWindowLongPtrA(tree, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TreeProc));
    Fill(tree);
    return tree;
}

void RebuildTreePane(HWND tree) {
    const CTreeShowElements& face = CurrentClient()->Pack().hall->m_tree;
    const int count = static_cast<int>(face.m_arrIcon.size());
    HIMAGELIST icons = ImageList_Create(kTreeIcon, kTreeIcon, ILC_COLOR24 | ILC_MASK, kTreeIconCount, 0);
    if (count > 0) {
        // The icons go in as one strip of pictures and one of masks, drawn on
        // the tree's own colour. Wine's ImageList_AddIcon keeps a few bytes
        // for every icon it takes, which a client that switches packs all day
        // would feel.
        HBITMAP pictures = IconStrip(face, count, false);
        HBITMAP masks = IconStrip(face, count, true);
        ImageList_Add(icons, pictures, masks);
        DeleteObject(pictures);
        DeleteObject(masks);
    }
    HIMAGELIST old = TreeView_SetImageList(tree, icons, TVSIL_NORMAL);
    if (old != nullptr) ImageList_Destroy(old);
    TreeView_SetBkColor(tree, face.m_clrBack);
    TreeView_SetTextColor(tree, face.m_clrText);
    TreeView_SetLineColor(tree, face.m_clrLine);
    InvalidateRect(tree, nullptr, TRUE);
}

void DestroyTreePane(HWND tree) {
    if (tree == nullptr) return;
    HIMAGELIST icons = TreeView_SetImageList(tree, nullptr, TVSIL_NORMAL);
    if (icons != nullptr) ImageList_Destroy(icons);
    SetWindowLongPtrA(tree, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(GetPropA(tree, kOldProc)));
    RemovePropA(tree, kOldProc);
}

}  // namespace client
