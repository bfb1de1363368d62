#include "pack_source.h"

#include "file_bytes.h"
#include "pack_folder.h"

namespace skinkit {

bool ReadPack(const std::filesystem::path& from, kit::PackContents& pack, kit::Problems& problems) {
    std::error_code error;
    if (std::filesystem::is_directory(from, error)) {
        kit::PackFolder folder = kit::ReadPackFolder(from);
        problems.insert(problems.end(), folder.problems.begin(), folder.problems.end());
        pack.values = folder.values;
        pack.pictures = std::move(folder.pictures);
        return folder.problems.empty();
    }
    kit::Bytes module;
    std::string why;
    if (!kit::ReadFileBytes(from, module, why)) {
        problems.push_back(kit::Problem{from.string(), 0, 0, why});
        return false;
    }
    return kit::ReadPackModule(module, from.filename().string(), pack, problems);
}

}  // namespace skinkit
