#include "skin_module.h"

namespace preview {
namespace {

template <class Function>
Function Export(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

SkinModule::SkinModule(const std::string& path) {
    module_ = LoadLibraryA(path.c_str());
    if (module_ == nullptr) {
        error_ = "cannot load " + path;
        return;
    }
    getHall_ = Export<GetHallFaceFn>(module_, "GetHallFace");
    getTree_ = Export<GetTreeFaceFn>(module_, "GetTreeFace");
    if (getHall_ == nullptr || getTree_ == nullptr) error_ = path + " lacks GetHallFace or GetTreeFace";
}

SkinModule::~SkinModule() {
    // The faces' graphics are not released: a host does that only when it is
    // done with a face for good, and the preview ends right after.
    if (module_ != nullptr) FreeLibrary(module_);
}

}  // namespace preview
