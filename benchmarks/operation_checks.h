#pragma once
// Checks made before any timing: each runs both sides of an operation once
// and tells whether both did the operation's work.
#include "platform_calls.h"
#include "registrations.h"

namespace bench {

using Op = void (*)();

// Both sides have filled once already; each replaces every picture.
bool FillReplaces(const CHallShowElements& hall, Pictures& calls, Op module, Op callsOp);
// Both sides have loaded the tree once already; each replaces its pictures.
bool TreeFaceReplaces(const CTreeShowElements& tree, Pictures& calls, Op module, Op callsOp);
// With 1, 10 and 100 per member, each side tells and repaints exactly the
// windows the hall's refresh must; the hall is left with 100 per member.
bool RefreshReaches(CHallShowElements* hall, Registrations& r, Op module, Op calls);
// With `pairs` pairs given to the source, each side's target takes all of them.
bool MergeTakes(CMFCShowElement* source, int pairs, const CMFCShowElement& target, const WindowList& notify,
                const WindowList& redraw, Op module, Op calls);

}  // namespace bench
