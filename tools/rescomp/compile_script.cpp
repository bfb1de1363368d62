#include "compile_script.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "compile_error.h"
#include "picture_files.h"

namespace rescomp {
namespace {

// The group entry repeats the file's directory entry, except that a missing
// plane count reads as 1 and a missing depth is worked out from the colour
// count, as the platform's compiler does.
dib::GroupIconEntry groupEntry(const dib::IconDirEntry& e, std::uint16_t id) {
    dib::GroupIconEntry g{};
    g.width = e.width;
    g.height = e.height;
    g.colorCount = e.colorCount;
    g.reserved = 0;
    g.planes = e.planes != 0 ? e.planes : 1;
    g.bitCount = e.bitCount;
    if (g.bitCount == 0)
        while ((1u << g.bitCount) < e.colorCount) ++g.bitCount;
    g.bytesInRes = e.bytesInRes;
    g.id = id;
    return g;
}

}  // namespace

std::vector<Resource> compileScript(const std::vector<ScriptEntry>& entries,
                                    const std::string& scriptName, const FileReader& read) {
    std::vector<Resource> out;
    unsigned nextIcon = 1;
    for (const ScriptEntry& e : entries) {
        const std::string where = scriptName + ":" + std::to_string(e.line) + ": ";
        const std::string what = where + e.file;
        std::vector<std::uint8_t> file;
        try {
            file = read(e.file);
        } catch (const CompileError& error) {
            throw CompileError(where + error.what());
        }
        if (e.kind == ScriptEntry::Kind::Bitmap) {
            out.push_back({ResId::numbered(kRtBitmap), ResId::named(e.name), e.language,
                           kMoveable | kPure | kDiscardable, bitmapResourceData(file, what)});
            continue;
        }
        const std::vector<IconImage> images = iconFileImages(file, what);
        if (nextIcon + images.size() > 0x10000) throw CompileError(what + ": too many icon images");
        std::vector<std::uint8_t> group;
        dib::appendRaw(group, dib::IconDir{0, dib::kIconType, static_cast<std::uint16_t>(images.size())});
        for (const IconImage& image : images) {
            const auto id = static_cast<std::uint16_t>(nextIcon++);
            out.push_back({ResId::numbered(kRtIcon), ResId::numbered(id), e.language,
                           kMoveable | kDiscardable, image.data});
            dib::appendRaw(group, groupEntry(image.entry, id));
        }
        out.push_back({ResId::numbered(kRtGroupIcon), ResId::named(e.name), e.language,
                       kMoveable | kDiscardable, std::move(group)});
    }
    return out;
}

FileReader filesBeside(const std::string& scriptPath) {
    const std::filesystem::path folder = std::filesystem::path(scriptPath).parent_path();
    return [folder](const std::string& file) {
        const std::filesystem::path path = folder / file;  // an absolute name replaces the folder
        std::ifstream in(path, std::ios::binary);
        if (!in) throw CompileError("cannot open " + path.string());
        std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (in.bad()) throw CompileError("cannot read " + path.string());
        return bytes;
    };
}

}  // namespace rescomp
