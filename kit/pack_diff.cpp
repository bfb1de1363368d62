#include "pack_diff.h"

#include "pack_folder.h"
#include "pictures/dib_reader.h"
#include "skin_catalogue.h"
#include "values_text.h"

namespace kit {
namespace {

std::string Size(int width, int height) { return std::to_string(width) + "×" + std::to_string(height); }

// "37 of 100 pixels differ", or empty where the images are the same.
std::string PixelsDiffer(const pictures::Image& a, const pictures::Image& b) {
    if (a.width() != b.width() || a.height() != b.height())
        return Size(a.width(), a.height()) + " and " + Size(b.width(), b.height());
    std::size_t differ = 0;
    for (std::size_t i = 0; i < a.pixels().size(); ++i) differ += !(a.pixels()[i] == b.pixels()[i]);
    if (differ == 0) return "";
    return std::to_string(differ) + " of " + std::to_string(a.pixels().size()) + " pixels differ";
}

void DiffBitmaps(const std::string& shown, const Bytes& a, const Bytes& b, std::vector<std::string>& lines) {
    std::string why;
    const auto left = pictures::readBitmapFile(a, why);
    const auto right = left ? pictures::readBitmapFile(b, why) : std::nullopt;
    if (!right) return lines.push_back(shown + ": cannot be compared: " + why);
    const std::string differ = PixelsDiffer(pictures::toImage(*left), pictures::toImage(*right));
    lines.push_back(shown + ": " + (differ.empty() ? "the same pixels, stored differently" : differ));
}

void DiffIcons(const std::string& shown, const Bytes& a, const Bytes& b, std::vector<std::string>& lines) {
    std::string why;
    const auto left = pictures::readIconFile(a, why);
    const auto right = left ? pictures::readIconFile(b, why) : std::nullopt;
    if (!right) return lines.push_back(shown + ": cannot be compared: " + why);
    if (left->size() != right->size())
        return lines.push_back(shown + ": " + std::to_string(left->size()) + " and " + std::to_string(right->size()) +
                               " images");
    const std::size_t before = lines.size();
    for (std::size_t i = 0; i < left->size(); ++i) {
        const pictures::StoredPixels& l = (*left)[i].colours;
        const pictures::StoredPixels& r = (*right)[i].colours;
        std::string differ = PixelsDiffer(pictures::toImage((*left)[i]), pictures::toImage((*right)[i]));
        if (differ.empty() && l.bits != r.bits) differ = "the same pixels";
        if (l.bits != r.bits) differ += ", at " + std::to_string(l.bits) + " and " + std::to_string(r.bits) + " bits";
        if (!differ.empty())
            lines.push_back(shown + ": image " + std::to_string(i + 1) + " (" + Size(l.width, l.height) + ", " +
                            std::to_string(l.bits) + " bits): " + differ);
    }
    if (lines.size() == before) lines.push_back(shown + ": the same pixels, stored differently");
}

}  // namespace

std::vector<std::string> DiffPacks(const PackContents& a, const PackContents& b) {
    std::vector<std::string> lines;
    if (PackNameOf(a.values) != PackNameOf(b.values))
        lines.push_back("name: \"" + PackNameOf(a.values) + "\" -> \"" + PackNameOf(b.values) + "\"");
    for (const PackKey& key : PackKeys()) {
        const std::string left = KeyValueText(key, a.values), right = KeyValueText(key, b.values);
        if (left != right) lines.push_back(std::string(key.table) + "." + key.key + ": " + left + " -> " + right);
    }
    const std::vector<catalogue::Entry>& entries = catalogue::Entries();
    for (std::size_t i = 0; i < entries.size() && i < a.pictures.size() && i < b.pictures.size(); ++i) {
        if (a.pictures[i] == b.pictures[i]) continue;
        const std::string shown = std::string(kPicturesFolder) + "/" + entries[i].fileName();
        if (entries[i].kind == catalogue::Kind::Bitmap) DiffBitmaps(shown, a.pictures[i], b.pictures[i], lines);
        else DiffIcons(shown, a.pictures[i], b.pictures[i], lines);
    }
    return lines;
}

}  // namespace kit
