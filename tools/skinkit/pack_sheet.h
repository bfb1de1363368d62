#pragma once
// The contact sheet of a pack: every picture of the catalogue, in its order,
// named with its entry's name and each image's size and depth.
#include <vector>

#include "file_bytes.h"
#include "pictures/contact_sheet.h"
#include "problems.h"

namespace skinkit {

// From the pack's files, one per catalogue entry (kit::PackContents::pictures).
// False, with a problem for each picture that does not read.
bool PackSheetEntries(const std::vector<kit::Bytes>& pictures, std::vector<pictures::SheetEntry>& entries,
                      kit::Problems& problems);

// The sheet as a PNG file's bytes.
bool PackContactSheet(const std::vector<kit::Bytes>& pictures, kit::Bytes& png, kit::Problems& problems);

}  // namespace skinkit
