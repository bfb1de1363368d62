#include "skin_pack.h"

namespace client {
namespace {

template <class Fn>
Fn Export(HMODULE module, const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

std::string ErrorText(DWORD error) { return "error " + std::to_string(error); }

}  // namespace

std::string PackName(const std::string& file) {
    const size_t slash = file.find_last_of("\\/");
    std::string name = slash == std::string::npos ? file : file.substr(slash + 1);
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

bool LoadSkinPack(const std::string& file, const SkinPack& inUse, SkinPack& pack, std::string& why) {
    // Unloading the pack must give back everything its attach made, so the
    // client takes only a module that attaches for it.
    HMODULE loaded = nullptr;
    if (GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT, file.c_str(), &loaded)) {
        why = file + (loaded == inUse.module ? ": that pack is the one in use"
                                              : ": the module is loaded already, not by the client");
        return false;
    }
    HMODULE module = LoadLibraryA(file.c_str());
    if (module == nullptr) {
        why = file + ": the module does not load (" + ErrorText(GetLastError()) + ")";
        return false;
    }
    const auto getHallFace = Export<GetHallFaceFn>(module, "GetHallFace");
    const auto getTreeFace = Export<GetTreeFaceFn>(module, "GetTreeFace");
    if (getHallFace == nullptr || getTreeFace == nullptr) {
        FreeLibrary(module);
        why = file + ": not a skin pack (it does not export GetHallFace and GetTreeFace)";
        return false;
    }
    CHallShowElements* hall = getHallFace();
    if (hall == nullptr || hall == inUse.hall) {
        FreeLibrary(module);
        why = file + (hall == nullptr ? ": GetHallFace gave no face" : ": GetHallFace gave the face in use");
        return false;
    }
    // The hall was filled when the module attached: what it loaded goes back with it.
    CTreeShowElements* tree = getTreeFace();
    if (tree == nullptr) {
        const DWORD error = GetLastError();
        hall->ReleaseObjects();
        FreeLibrary(module);
        why = file + ": GetTreeFace gave no face (" + ErrorText(error) + ")";
        return false;
    }
    pack.module = module;
    pack.hall = hall;
    pack.tree = tree;
    pack.name = PackName(file);
    return true;
}

void UnloadSkinPack(SkinPack& pack) {
    if (pack.module == nullptr) return;
    pack.hall->ReleaseObjects();
    pack.tree->ReleaseObjects();
    FreeLibrary(pack.module);
    pack = SkinPack{};
}

}  // namespace client
