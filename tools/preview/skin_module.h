#pragma once
// The skin module loaded as a client loads it: by file name, then its two
// exports looked up by name.
#include <windows.h>

#include <string>

#include "skinpak1.h"

namespace preview {

class SkinModule {
public:
    // Loads the module; Error() says why when Loaded() is false.
    explicit SkinModule(const std::string& path);
    ~SkinModule();
    SkinModule(const SkinModule&) = delete;
    SkinModule& operator=(const SkinModule&) = delete;

    bool Loaded() const { return getHall_ != nullptr && getTree_ != nullptr; }
    const std::string& Error() const { return error_; }
    HMODULE Handle() const { return module_; }

    CHallShowElements* HallFace() const { return getHall_(); }
    // Reloads the tree face's graphics, as every call of the export does.
    CTreeShowElements* TreeFace() const { return getTree_(); }

private:
    HMODULE module_ = nullptr;
    GetHallFaceFn getHall_ = nullptr;
    GetTreeFaceFn getTree_ = nullptr;
    std::string error_;
};

}  // namespace preview
