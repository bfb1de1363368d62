#pragma once
// Each timed operation's platform calls, made directly in the operation's
// order with nothing of the module around them: the baselines. Shared by the
// portable benchmarks and the timing host under Wine.
#include <windows.h>

#include "show_element.h"

namespace bench {

struct Registrations;

// One slot per call of the hall fill; the tree's calls are its last slots.
constexpr int kHallCalls = 79;

// The handles the loads left, by slot; colour slots stay null.
struct Pictures {
    HGDIOBJ handles[kHallCalls];
};

// A process attach: the debugger line, then the hall fill's LoadBitmapA,
// LoadIconA and GetSysColor calls.
void AttachCalls(HINSTANCE instance, Pictures& pictures);
// The hall's ReleaseObjects after a fill: its DeleteObject calls, repeated
// and null handles included.
void HallReleaseCalls(const Pictures& pictures);
// GetTreeFace once the face holds a skin: the tree's deletions, then its loads.
void TreeFaceCalls(HINSTANCE instance, Pictures& pictures);
// Picture slots (of the tree's part alone, if treeOnly) whose load gave no handle.
int MissingPictures(const Pictures& pictures, bool treeOnly);

// The hall's RefreshWindows over the registered windows.
void RefreshCalls(const Registrations& registrations);

// A room's MergeFrom from an element of another class, as list operations:
// the same reserves, clears and appends into the same list type.
void MergeCalls(WindowList& notify, WindowList& redraw, const CMFCShowElement& source);

}  // namespace bench
