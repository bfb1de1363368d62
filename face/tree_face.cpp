#include "skinpak1.h"
#include "module_state.h"
#include "tree_skin.h"

CTreeShowElements* GetTreeFace() {
    CTreeShowElements& face = skin::g_treeFace;
    // Registrations survive: only the graphics are given back and loaded anew.
    face.ReleaseObjects();
    face.m_arrIcon.clear();
    skin::LoadTreeSkin(face, skin::g_hInstance);
    return &face;
}
