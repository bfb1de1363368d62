#pragma once
// One skin pack as the client holds it: its module, loaded by file name, and
// the two faces read through the module's exports.
#include <windows.h>

#include <string>

#include "skinpak1.h"

namespace client {

struct SkinPack {
    HMODULE module = nullptr;
    CHallShowElements* hall = nullptr;
    CTreeShowElements* tree = nullptr;
    std::string name;  // the file name without folder and extension: "skinpak2"
};

// "skinpak2" for "C:\\games\\skinpak2.dll".
std::string PackName(const std::string& file);

// Loads file and reads both faces. The faces must be the module's own and
// fresh: a module already loaded (the pack in use, or one something else
// holds), one that gives the faces in use, or one that does not give both
// faces is let go again. Nothing of it then stays loaded, and why says what
// was wrong, naming the file.
bool LoadSkinPack(const std::string& file, const SkinPack& inUse, SkinPack& pack, std::string& why);

// Gives back every graphics object and library of both faces, then unloads the module.
void UnloadSkinPack(SkinPack& pack);

}  // namespace client
