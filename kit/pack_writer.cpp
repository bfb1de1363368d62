#include "pack_writer.h"

#include "file_bytes.h"
#include "pack_folder.h"
#include "skin_catalogue.h"
#include "values_text.h"

namespace kit {

bool WritePackFolder(const std::filesystem::path& folder, const PackContents& pack, std::string& why,
                     const std::string& valuesTail) {
    std::string text;
    if (!PackValuesText(pack.values, text, why)) return false;
    if (!valuesTail.empty()) text += "\n" + valuesTail;
    if (!WriteFileBytes(folder / kValuesFile, text.data(), text.size(), why)) return false;
    std::error_code error;
    const std::filesystem::path pictures = folder / kPicturesFolder;
    if (!std::filesystem::create_directory(pictures, error) && error) {
        why = "cannot make " + pictures.string() + ": " + error.message();
        return false;
    }
    const std::vector<catalogue::Entry>& entries = catalogue::Entries();
    if (pack.pictures.size() != entries.size()) {
        why = "the pack has " + std::to_string(pack.pictures.size()) + " pictures, the catalogue " +
              std::to_string(entries.size());
        return false;
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Bytes& bytes = pack.pictures[i];
        if (!WriteFileBytes(pictures / entries[i].fileName(), bytes.data(), bytes.size(), why))
            return false;
    }
    return true;
}

}  // namespace kit
