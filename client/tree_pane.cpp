// The server and room tree: a tree view whose image list holds the hall
// tree's icons by index, and whose colours are the hall tree's. The hall's
// refresh tells the tree nothing, so both are made anew with every pack.
#include <windows.h>

#include <commctrl.h>

#include "client.h"
#include "hall_panes.h"

namespace client {
namespace {

constexpr char kOldProc[] = "SkinClientTreeProc";
constexpr int kTreeIcon = 16;

struct Node {
    int depth;
    const char* text;
    TreeIcon icon;
};
const Node kNodes[] = {{0, "Game Center", kTreeIconRoot},     {1, "Card games", kTreeIconFolder},
                       {2, "Server 1", kTreeIconServer},      {3, "Room 1", kTreeIconOpenedRoom},
                       {3, "Room 2", kTreeIconRoom},          {3, "Room 3", kTreeIconRoom},
                       {2, "Server 2", kTreeIconServer},      {3, "Loading...", kTreeIconLoad},
                       {1, "Board games", kTreeIconFolder},   {2, "Chess (download)", kTreeIconDownload},
                       {2, "Go (download)", kTreeIconDownload}};

LRESULT CALLBACK TreeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Client* c = CurrentClient();
    if ((message == WM_PAINT || message == WM_FACECHANGED) && c != nullptr && c->messageSeen)
        c->messageSeen(window, message);
    const auto old = reinterpret_cast<WNDPROC>(GetPropA(window, kOldProc));
    return CallWindowProcA(old, window, message, wParam, lParam);
}

void Fill(HWND tree) {
    HTREEITEM parents[4] = {TVI_ROOT};
    for (const Node& node : kNodes) {
        TVINSERTSTRUCTA insert = {};
        insert.hParent = parents[node.depth];
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        insert.item.pszText = const_cast<char*>(node.text);
        insert.item.iImage = insert.item.iSelectedImage = node.icon;
        HTREEITEM item = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
        if (node.depth + 1 < 4) parents[node.depth + 1] = item;
    }
    for (HTREEITEM item = TreeView_GetRoot(tree); item != nullptr; item = TreeView_GetNextVisible(tree, item))
        TreeView_Expand(tree, item, TVE_EXPAND);
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
    HIMAGELIST icons = ImageList_Create(kTreeIcon, kTreeIcon, ILC_COLOR32 | ILC_MASK, kTreeIconCount, 0);
    for (size_t i = 0; i < face.m_arrIcon.size(); ++i) ImageList_AddIcon(icons, face.m_arrIcon[i]);
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
