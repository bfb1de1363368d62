#pragma once
// Every bitmap and icon group the module carries, with the format each is
// stored in and the field of the hall face that receives it.
#include <string>
#include <string_view>
#include <vector>

namespace catalogue {

enum class Kind { Bitmap, IconGroup };

struct IconImage {  // square images
    int size;
    int bits;
};

struct Entry {
    const char* name;  // "CAPTION_BK"
    Kind kind;
    int width, height, bits, tableEntries;  // bitmaps; 0 for icon groups
    std::vector<IconImage> images;          // icon groups, in stored (directory) order; empty for bitmaps
    // Fields of the hall face that hold it, separated by spaces, e.g. "m_caption.m_hbmMenu
    // m_caption.m_hbmMenuBar" or "m_tree.m_arrIcon[0]" (the tree face fills its own fields as
    // m_tree); nullptr for CAPTION_HALL, which the module never loads.
    const char* loadedInto;
    const char* sharesPixelsWith;  // the resource drawn with the same pixels, or nullptr
    std::string fileName() const;  // "CAPTION_BK.bmp" / "TREE_ROOT.ico"
};

// Every bitmap, then every icon group, in the order the resource script lists
// them: that order fixes the numbers of the icon images.
const std::vector<Entry>& Entries();
const Entry* Find(std::string_view name);  // nullptr when unknown

// The resource script for a folder of pictures: the language line, then one
// statement per entry naming its picture as `<pictureDir>/<fileName>`.
std::string ResourceScript(const std::string& pictureDir);

}  // namespace catalogue
