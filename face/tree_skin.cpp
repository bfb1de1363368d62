#include "tree_skin.h"

namespace skin {
namespace {

// In index order: the host finds each node kind's icon at its position.
constexpr const char* kTreeIcons[kTreeIconCount] = {
    "TREE_ROOT", "TREE_FLODER", "TREE_LOAD", "TREE_SERVER", "TREE_ROOM", "TREE_DOWNLOAD", "TREE_OPENEDROOM",
};

}  // namespace

void LoadTreeSkin(CTreeShowElements& tree, HINSTANCE instance) {
    tree.m_clrBack = GetSysColor(COLOR_BTNFACE);
    tree.m_clrText = RGB(0, 0, 0);
    tree.m_clrLine = RGB(0xCA, 0xCA, 0xCA);
    // A failed load still takes its place, so the other indices keep their meaning.
    for (const char* name : kTreeIcons) tree.m_arrIcon.push_back(LoadIconA(instance, name));
    tree.m_hbmBack = LoadBitmapA(instance, "TREE_BK");
}

}  // namespace skin
