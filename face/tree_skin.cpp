#include "tree_skin.h"

#include "skin_colour.h"

namespace skin {
namespace {

// In index order: the host finds each node kind's icon at its position.
constexpr const char* kTreeIcons[kTreeIconCount] = {
    "TREE_ROOT", "TREE_FLODER", "TREE_LOAD", "TREE_SERVER", "TREE_ROOM", "TREE_DOWNLOAD", "TREE_OPENEDROOM",
};

}  // namespace

void LoadTreeSkin(CTreeShowElements& tree, const TreeValues& values, HINSTANCE instance) {
    WriteColour(tree.m_clrBack, values.back);
    WriteColour(tree.m_clrText, values.text);
    WriteColour(tree.m_clrLine, values.line);
    // A failed load still takes its place, so the other indices keep their meaning.
    for (const char* name : kTreeIcons) tree.m_arrIcon.push_back(LoadIconA(instance, name));
    tree.m_hbmBack = LoadBitmapA(instance, "TREE_BK");
}

}  // namespace skin
