#include "pack_folder.h"

#include "file_bytes.h"

#include <optional>
#include <set>

#include "pack_values.h"
#include "picture_check.h"
#include "png_picture.h"
#include "skin_catalogue.h"

namespace kit {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// The files of one entry's PNG form: NAME.png, or NAME.1.png ... for each icon image.
std::vector<std::string> PngNames(const catalogue::Entry& entry) {
    if (entry.kind == catalogue::Kind::Bitmap) return {std::string(entry.name) + ".png"};
    std::vector<std::string> names;
    for (std::size_t i = 1; i <= entry.images.size(); ++i)
        names.push_back(std::string(entry.name) + "." + std::to_string(i) + ".png");
    return names;
}

class PictureFolder {
public:
    PictureFolder(const fs::path& folder, Problems& problems) : folder_(folder), problems_(problems) {}

    bool Has(const std::string& file) const {
        std::error_code error;
        return fs::is_regular_file(folder_ / file, error);
    }

    void Report(const std::string& file, std::string message) {
        problems_.push_back(Problem{std::string(kPicturesFolder) + "/" + file, 0, 0, std::move(message)});
    }

    std::optional<Bytes> Read(const std::string& file) {
        Bytes bytes;
        std::string why;
        if (ReadFileBytes(folder_ / file, bytes, why)) return bytes;
        Report(file, "cannot be read");
        return std::nullopt;
    }

    // The platform form of an entry from its PNGs, every problem of each reported.
    std::optional<Bytes> FromPngs(const catalogue::Entry& entry, const std::vector<std::string>& pngs) {
        if (entry.kind == catalogue::Kind::Bitmap) {
            const std::optional<Bytes> png = Read(pngs[0]);
            if (!png) return std::nullopt;
            std::string why;
            const std::optional<pictures::StoredPixels> pixels = BitmapFromPng(*png, entry, why);
            if (pixels) return pictures::encodeBitmapFile(*pixels);
            Report(pngs[0], why);
            return std::nullopt;
        }
        std::vector<pictures::IconPixels> images;
        for (std::size_t i = 0; i < pngs.size(); ++i) {
            if (!Has(pngs[i])) {
                Report(pngs[i], "missing");
                continue;
            }
            const std::optional<Bytes> png = Read(pngs[i]);
            if (!png) continue;
            std::string why;
            std::optional<pictures::IconPixels> image = IconImageFromPng(*png, entry.images[i], why);
            if (image)
                images.push_back(std::move(*image));
            else
                Report(pngs[i], why);
        }
        if (images.size() != pngs.size()) return std::nullopt;
        return pictures::encodeIconFile(images);
    }

    std::optional<Bytes> Picture(const catalogue::Entry& entry) {
        const std::string file = entry.fileName();
        const std::vector<std::string> pngs = PngNames(entry);
        std::string given;
        for (const std::string& png : pngs)
            if (Has(png)) given += (given.empty() ? "" : ", ") + png;
        if (Has(file) && !given.empty()) {
            Report(file, "given as " + given + " too; keep one of the two");
            return std::nullopt;
        }
        if (!given.empty()) return FromPngs(entry, pngs);
        if (!Has(file)) {
            Report(file, "missing");
            return std::nullopt;
        }
        std::optional<Bytes> bytes = Read(file);
        std::string why;
        if (bytes && !CheckPicture(*bytes, entry, why)) {
            Report(file, why);
            return std::nullopt;
        }
        return bytes;
    }

private:
    fs::path folder_;
    Problems& problems_;
};

void ReadPictures(const fs::path& folder, Problems& problems, std::vector<Bytes>& pictures) {
    std::error_code error;
    if (!fs::is_directory(folder, error)) {
        problems.push_back(Problem{kPicturesFolder, 0, 0, "the folder of pictures is missing"});
        return;
    }
    PictureFolder files(folder, problems);
    std::set<std::string> expected;
    for (const catalogue::Entry& entry : catalogue::Entries()) {
        expected.insert(entry.fileName());
        for (const std::string& png : PngNames(entry)) expected.insert(png);
        std::optional<Bytes> picture = files.Picture(entry);
        if (picture) pictures.push_back(std::move(*picture));
    }
    std::set<std::string> extra;
    for (const fs::directory_entry& item : fs::directory_iterator(folder, error))
        if (!expected.count(item.path().filename().string())) extra.insert(item.path().filename().string());
    for (const std::string& file : extra) files.Report(file, "not a picture of the catalogue");
}

}  // namespace

fs::path WholeFolder(const fs::path& folder) {
    const fs::path whole = fs::absolute(folder).lexically_normal();
    return whole.has_filename() ? whole : whole.parent_path();
}

PackFolder ReadPackFolder(const fs::path& root) {
    PackFolder pack{WholeFolder(root), {}, {}, {}};
    ReadPackValues(pack.root / kValuesFile, kValuesFile, pack.values, pack.problems);
    ReadPictures(pack.root / kPicturesFolder, pack.problems, pack.pictures);
    if (!pack.problems.empty()) pack.pictures.clear();
    return pack;
}

}  // namespace kit
