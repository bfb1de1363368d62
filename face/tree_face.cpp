#include "skinpak1.h"
#include "module_state.h"
#include "storage_failure.h"
#include "tree_skin.h"

CTreeShowElements* GetTreeFace() {
    CTreeShowElements& face = skin::g_treeFace;
    // Only the first call needs storage, which a clear keeps. Without it the
    // face keeps its previous skin and the host gets null, with the reason
    // in the thread's last error.
    if (!StorageObtained(face.m_arrIcon.reserve(kTreeIconCount))) return nullptr;
    // Registrations survive: only the graphics are given back and loaded anew.
    face.ReleaseObjects();
    face.m_arrIcon.clear();
    skin::LoadTreeSkin(face, skin::g_values.tree, skin::g_hInstance);
    return &face;
}
