#pragma once
// The face inspector: every field of a face with its value, in declaration
// order, so that two builds or two versions of the module compare with diff.
// Colours are "#RRGGBB"; handles are named by the resource they were loaded
// from ("null", or "host" for one the module did not load); lists carry their
// counts. A bitmap handle held by several fields is listed under
// "shared_bitmaps" with every field that holds it.
#include "hall_elements.h"
#include "json.h"
#include "resource_catalogue.h"
#include "tree_element.h"

namespace preview {

Json ReportHallFace(const CHallShowElements& hall, const ResourceCatalogue& names);
Json ReportTreeFace(const CTreeShowElements& tree, const ResourceCatalogue& names);

}  // namespace preview
