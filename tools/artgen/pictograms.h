#pragma once
// The pictogram of every icon group. Each draws on a canvas 256 design units
// across and adapts to the image's size and depth only in line widths and in
// plain colours for the 16-colour and black-and-white images.
#include "catalogue.h"

namespace art {

// Toolbar (icons_toolbar.cpp).
void drawPage(Canvas& c, const IconStyle& s);
void drawEnterRoom(Canvas& c, const IconStyle& s);
void drawSetup(Canvas& c, const IconStyle& s);
void drawHelp(Canvas& c, const IconStyle& s);
void drawExit(Canvas& c, const IconStyle& s);
void drawAdd(Canvas& c, const IconStyle& s);
void drawDelete(Canvas& c, const IconStyle& s);
void drawPlayer(Canvas& c, const IconStyle& s);

// Exit menu (icons_exit.cpp).
void drawExitAll(Canvas& c, const IconStyle& s);
void drawExitWindow(Canvas& c, const IconStyle& s);
void drawUserChange(Canvas& c, const IconStyle& s);

// Caption buttons and the application icon (icons_caption.cpp).
void drawCaptionMax(Canvas& c, const IconStyle& s);
void drawCaptionMin(Canvas& c, const IconStyle& s);
void drawCaptionRestore(Canvas& c, const IconStyle& s);
void drawCaptionClose(Canvas& c, const IconStyle& s);
void drawCloseOne(Canvas& c, const IconStyle& s);
void drawHall(Canvas& c, const IconStyle& s);

// Person statuses (icons_status.cpp).
void drawWaiting(Canvas& c, const IconStyle& s);
void drawAgreed(Canvas& c, const IconStyle& s);
void drawPlaying(Canvas& c, const IconStyle& s);
void drawWatching(Canvas& c, const IconStyle& s);
void drawWorking(Canvas& c, const IconStyle& s);
void drawEating(Canvas& c, const IconStyle& s);
void drawSleeping(Canvas& c, const IconStyle& s);
void drawAway(Canvas& c, const IconStyle& s);
void drawCalling(Canvas& c, const IconStyle& s);
void drawHurrying(Canvas& c, const IconStyle& s);

// Server and room tree (icons_tree.cpp).
void drawTreeRoot(Canvas& c, const IconStyle& s);
void drawFolder(Canvas& c, const IconStyle& s);
void drawLoading(Canvas& c, const IconStyle& s);
void drawServer(Canvas& c, const IconStyle& s);
void drawRoom(Canvas& c, const IconStyle& s);
void drawDownload(Canvas& c, const IconStyle& s);
void drawOpenedRoom(Canvas& c, const IconStyle& s);

}  // namespace art
