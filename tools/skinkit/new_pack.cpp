#include "new_pack.h"

#include "file_bytes.h"
#include "output_files.h"
#include "pack_folder.h"
#include "pack_rename.h"
#include "pack_source.h"
#include "pack_values.h"
#include "pack_writer.h"

namespace skinkit {
namespace {

namespace fs = std::filesystem;

// A pack folder is copied as its author wrote it, comments and all.
bool CopyFolder(const fs::path& staging, const fs::path& from, const std::string& name, std::string& why) {
    kit::Bytes values;
    std::string renamed;
    if (!kit::ReadFileBytes(from / kit::kValuesFile, values, why)) return false;
    if (!kit::RenamePackValues(std::string(values.begin(), values.end()), name, renamed, why)) {
        why = from.string() + ": " + why;
        return false;
    }
    std::error_code error;
    fs::copy(from / kit::kPicturesFolder, staging / kit::kPicturesFolder, fs::copy_options::recursive, error);
    if (error) {
        why = "cannot copy " + (from / kit::kPicturesFolder).string() + ": " + error.message();
        return false;
    }
    return kit::WriteFileBytes(staging / kit::kValuesFile, renamed.data(), renamed.size(), why);
}

// A module is unpacked under the new name.
bool UnpackModule(const fs::path& staging, const fs::path& from, const std::string& name, std::string& why) {
    kit::PackContents pack;
    kit::Problems problems;
    if (!ReadPack(from, pack, problems)) {
        why = problems.front().Text();
        return false;
    }
    return kit::RenamePackBlock(pack.values, name, why) && kit::WritePackFolder(staging, pack, why);
}

}  // namespace

bool NewPack(const fs::path& target, const std::string& name, const fs::path& from, std::string& why) {
    std::string moduleName;
    if (!kit::ModuleNameFor(name, moduleName, why)) return false;
    std::error_code error;
    const bool fromModule = fs::is_regular_file(from, error);
    return MakeWholeFolder(
        target,
        [&](const fs::path& staging, std::string& why) {
            return fromModule ? UnpackModule(staging, from, name, why) : CopyFolder(staging, from, name, why);
        },
        why);
}

}  // namespace skinkit
