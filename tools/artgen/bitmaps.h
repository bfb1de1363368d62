#pragma once
// Painters of the skin's bitmaps, by family. Each returns the whole picture.
#include "raster.h"

namespace art {

// Caption, frame, menu bar and status bar (bitmaps_window.cpp).
Image paintCaptionBack(int w, int h);
Image paintMenuBack(int w, int h);
Image paintBarLeft(int w, int h);
Image paintBarRight(int w, int h);
Image paintStatusLeft(int w, int h);
Image paintStatusMid(int w, int h);
Image paintStatusRight(int w, int h);
Image paintTitleLeft(int w, int h);
Image paintTitleMid(int w, int h);
Image paintTitleRight(int w, int h);
Image paintFrameSide(int w, int h);
Image paintFrameEdge(int w, int h);

// Tab strips (bitmaps_tabs.cpp).
Image paintMainTabBack(int w, int h);
Image paintMainTabSelected(int w, int h);
Image paintMainTabUnselected(int w, int h);
Image paintTabBack(int w, int h);
Image paintTabSelected(int w, int h);
Image paintTabUnselected(int w, int h);
Image paintTabBack90(int w, int h);
Image paintTabSelected90(int w, int h);
Image paintTabUnselected90(int w, int h);

// Buttons, lists and splitters (bitmaps_panels.cpp).
Image paintButtonBack(int w, int h);
Image paintListStripes(int w, int h);
Image paintSplitterRow(int w, int h);
Image paintSplitterCol(int w, int h);

// Shared by the painters: a picture of one colour, and one whose every row
// has one colour.
Image flat(int w, int h, Rgb c);
template <class RowColour>
Image byRows(int w, int h, RowColour row) {
    Image img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) img.set(x, y, row(y));
    return img;
}

}  // namespace art
