// skinpreview: the skin as a client shows it.
//
//   skinpreview [--module PATH] --out DIR      paint the hall and tree faces into
//                                              DIR/hall.png and DIR/tree.png
//   skinpreview [--module PATH] --json hall|tree
//                                              print every field of a face
#include <cstdio>
#include <string>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#endif

#include "face_report.h"
#include "hall_painter.h"
#include "picture_file.h"
#include "resource_catalogue.h"
#include "skin_module.h"
#include "tree_painter.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: skinpreview [--module PATH] --out DIR\n"
                 "       skinpreview [--module PATH] --json hall|tree\n");
    return 2;
}

int WritePictures(const preview::SkinModule& module, const std::string& dir) {
    const std::string hall = preview::WritePicture(dir, "hall", preview::PaintHall(*module.HallFace()));
    const std::string tree = preview::WritePicture(dir, "tree", preview::PaintTreeFace(*module.TreeFace()));
    if (hall.empty() || tree.empty()) {
        std::fprintf(stderr, "cannot write the pictures into %s\n", dir.c_str());
        return 1;
    }
    std::printf("%s\n%s\n", hall.c_str(), tree.c_str());
    return 0;
}

int PrintFace(const preview::SkinModule& module, const std::string& face) {
#if defined(_WIN32)
    // Plain line ends, so that reports of both builds compare byte for byte.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    const preview::ResourceCatalogue names(module.Handle());
    for (const std::string& name : names.Missing())
        std::fprintf(stderr, "note: resource %s does not load from the module\n", name.c_str());
    const preview::Json report = face == "hall" ? preview::ReportHallFace(*module.HallFace(), names)
                                                : preview::ReportTreeFace(*module.TreeFace(), names);
    std::fputs(preview::JsonText(report).c_str(), stdout);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string modulePath = SKIN_MODULE_FILE;
    std::string outDir;
    std::string face;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc) return Usage();
        const std::string value = argv[++i];
        if (option == "--module")
            modulePath = value;
        else if (option == "--out")
            outDir = value;
        else if (option == "--json")
            face = value;
        else
            return Usage();
    }
    if (outDir.empty() == face.empty()) return Usage();
    if (!face.empty() && face != "hall" && face != "tree") return Usage();

    const preview::SkinModule module(modulePath);
    if (!module.Loaded()) {
        std::fprintf(stderr, "%s\n", module.Error().c_str());
        return 1;
    }
    return face.empty() ? WritePictures(module, outDir) : PrintFace(module, face);
}
