#pragma once
// One picture showing a set of pictures for a person to judge: each entry
// under its name, its pictures side by side, each enlarged with a label
// beneath (icons more than bitmaps, over a checkerboard so that the mask
// shows), the entries flowed into lines in the order given.
#include <string>
#include <vector>

#include "pictures/image.h"

namespace pictures {

struct SheetPicture {
    Image image;
    std::string label;  // "16x16@24"
};

struct SheetEntry {
    std::string name;
    bool icon = false;
    std::vector<SheetPicture> pictures;
};

// "WxH@bits", as a picture's label reads.
std::string sizeLabel(int width, int height, int bits);

// Where everything lies on the sheet, top left corners.
struct SheetCell {
    int x = 0, y = 0;  // the picture's first pixel
    int zoom = 1;      // each picture pixel a square this wide
    int labelX = 0, labelY = 0;
};
struct SheetBlock {
    int nameX = 0, nameY = 0;
    std::vector<SheetCell> cells;  // one per picture, in order
};
struct SheetLayout {
    int width = 0, height = 0;
    std::vector<SheetBlock> blocks;  // one per entry, in order
};

constexpr int kSheetNameScale = 2;
constexpr int kSheetLabelScale = 1;
constexpr Rgb kSheetPaper = grey(246);
constexpr Rgb kSheetInk = rgb(30, 30, 40);

// The checkerboard's colour under a transparent pixel at (dx, dy) from the
// picture's top left on the sheet.
Rgb checkerAt(int dx, int dy);

SheetLayout layOutSheet(const std::vector<SheetEntry>& entries);
Image drawSheet(const std::vector<SheetEntry>& entries, const SheetLayout& layout);

}  // namespace pictures
