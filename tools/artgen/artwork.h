#pragma once
// The whole artwork: every picture of packs/skinpak1/pictures/ that the catalogue names.
#include <string>
#include <vector>

#include "catalogue.h"
#include "stored_pictures.h"

namespace art {

struct ArtFile {
    std::string name;  // "CAPTION_BK.bmp", "TREE_ROOT.ico"
    Bytes bytes;
};

// Bitmaps, then icon groups, in catalogue order.
std::vector<ArtFile> renderArtwork();

Image renderBitmap(const PaintedBitmap& item);
// The icon image as drawn, before it is reduced to its depth.
IconImage renderIconImage(const DrawnIconGroup& group, const catalogue::IconImage& image);

}  // namespace art
