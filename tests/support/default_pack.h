#pragma once
// The default pack's values as its pack.toml gives them, for suites that hold
// a built module to its pack instead of restating the values.
#include <windows.h>

#include <string>

#include "skin_values.h"

namespace skintest {

// A pack's values file read; a problem in the file fails the calling test.
skin::SkinValues PackValues(const std::string& tomlPath);
// The default pack's, read once.
const skin::SkinValues& DefaultPackValues();
// The pack whose module the suite loads: the default pack unless the run
// names another folder in SKIN_TEST_PACK_DIR (with its module in
// SKIN_TEST_MODULE), so that one suite holds every shipped pack to its folder.
const skin::SkinValues& TestedPackValues();

// A colour as the module writes it into a field now: a system colour is the
// current scheme's, an unset one the constructed zero.
COLORREF Resolved(skin::SkinColour colour);

// The same as the preview's reports write it: "#RRGGBB".
std::string ResolvedText(skin::SkinColour colour);

}  // namespace skintest
