#include "preview_paint.h"

#include <cstdio>
#include <string>

#include "hall_painter.h"
#include "pack_build.h"
#include "pack_sheet.h"
#include "pack_source.h"
#include "picture_file.h"
#include "shipped_module.h"
#include "skin_module.h"
#include "tree_painter.h"
#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>

#include "loaded_resources.h"
#endif

namespace skinkit {
namespace {

namespace fs = std::filesystem;

kit::Problem Trouble(const fs::path& file, std::string message) { return kit::Problem{file.string(), 0, 0, message}; }

// A folder's module, for as long as it is painted from.
class TemporaryModule {
public:
    TemporaryModule() = default;
    TemporaryModule(const TemporaryModule&) = delete;
    TemporaryModule& operator=(const TemporaryModule&) = delete;
    ~TemporaryModule() {
        std::error_code error;
        if (!path_.empty()) fs::remove(path_, error);
    }

    bool Write(const kit::Bytes& module, std::string& why) {
        static int made = 0;
        std::error_code error;
        const fs::path folder = fs::temp_directory_path(error);
        if (error) {
            why = "no folder for temporary files: " + error.message();
            return false;
        }
#ifdef _WIN32
        const int process = _getpid();
#else
        const int process = getpid();
#endif
        path_ = folder / ("skinkit-preview-" + std::to_string(process) + "-" + std::to_string(++made) + ".dll");
        return kit::WriteFileBytes(path_, module.data(), module.size(), why);
    }
    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
};

bool BuildModule(const fs::path& folder, const kit::PackContents& pack, fs::path shipped, bool progress,
                 TemporaryModule& module, kit::Problems& problems) {
    if (shipped.empty()) shipped = FindShippedModule();
    if (shipped.empty()) {
        std::string places;
        for (const fs::path& place : ShippedModulePlaces()) places += " " + place.string();
        problems.push_back(Trouble(folder, "the shipped module is in none of these places; give --module:" + places));
        return false;
    }
    if (progress)
        std::fprintf(stderr, "skinkit preview: building the module of %s from %s\n", folder.string().c_str(),
                     shipped.string().c_str());
    kit::Bytes bytes, built;
    std::string why;
    if (!kit::ReadFileBytes(shipped, bytes, why) || !kit::BuildPackModule(bytes, pack, built, why) ||
        !module.Write(built, why)) {
        problems.push_back(Trouble(shipped, why));
        return false;
    }
    return true;
}

}  // namespace

bool PaintPack(const fs::path& pack, PackKind kind, const fs::path& shipped, bool progress,
               std::vector<NamedFile>& files, kit::Problems& problems) {
    const std::size_t before = problems.size();
    kit::PackContents contents;
    if (kind != PackKind::PortableModule && !ReadPack(pack, contents, problems)) return false;
    TemporaryModule built;
    if (kind == PackKind::Folder && !BuildModule(pack, contents, shipped, progress, built, problems)) return false;
    std::vector<NamedFile> painted;
    {
        const fs::path path = kind == PackKind::Folder ? built.Path() : pack;
        const preview::SkinModule module(path.string());
        if (!module.Loaded()) {
            problems.push_back(Trouble(pack, module.Error()));
            return false;
        }
        CHallShowElements* hall = module.HallFace();
        CTreeShowElements* tree = module.TreeFace();
        if (hall == nullptr || tree == nullptr) {
            problems.push_back(Trouble(pack, "the module gave no hall face or no tree face"));
            return false;
        }
        painted.emplace_back("hall.png", preview::EncodePng(preview::PaintHall(*hall)));
        painted.emplace_back("tree.png", preview::EncodePng(preview::PaintTreeFace(*tree)));
#ifndef _WIN32
        // The portable module's pictures are found only through its loader.
        if (kind == PackKind::PortableModule)
            kit::ReadModulePictures(LoadedResources(module.Handle()), pack.string(), contents.pictures, problems);
#endif
        // Given back as a host does when it is done with the faces, so that
        // a watch can paint again and again.
        tree->ReleaseObjects();
        hall->ReleaseObjects();
    }
    if (problems.size() != before) return false;
    kit::Bytes sheet;
    if (!PackContactSheet(contents.pictures, sheet, problems)) return false;
    painted.emplace_back("contact.png", std::move(sheet));
    for (const NamedFile& file : painted)
        if (file.second.empty()) problems.push_back(Trouble(file.first, "cannot encode the picture"));
    if (problems.size() != before) return false;
    files = std::move(painted);
    return true;
}

}  // namespace skinkit
