#pragma once
// Real windows registered in the hall's members, and what a refresh did to them.
#include <windows.h>

#include "hall_elements.h"

namespace bench {

// The members the hall's RefreshWindows reaches, in its order; the eight
// toolbar buttons come last.
enum Member { kCaption, kMainTab, kTab, kPersonList, kRoom, kChat, kSplitter, kTree, kFirstToolButton };
constexpr int kMembers = kFirstToolButton + 8;
constexpr int kMostPerMember = 100;

// Children of one main window, a row of them per member. One window serves
// as both halves of a registration pair.
struct Registrations {
    HWND main;
    HWND windows[kMembers][kMostPerMember];
    int perMember;
};

// Makes the window class and every window; false if any could not be made.
bool MakeWindows(Registrations& r);
// Replaces every member's registrations with its first perMember windows.
// False unless the hall is filled (its toolbar holds eight buttons).
bool Register(CHallShowElements* hall, Registrations& r, int perMember);
// Replaces the element's registrations with `pairs` distinct made-up handles.
bool HoldPairs(CMFCShowElement* element, int pairs);

struct Outcome {
    long faceChanged;   // WM_FACECHANGED received by any window
    long frameRecalcs;  // WM_NCCALCSIZE received by any window
    int invalid;        // members' windows left invalid, the caption's apart
    int captionInvalid;
};
// Validates every window and resets the counts.
void StartObserving(const Registrations& r);
Outcome Observed(const Registrations& r);
// What one refresh must do with perMember registrations per member.
bool Expected(const Outcome& outcome, int perMember);
bool operator==(const Outcome& a, const Outcome& b);

}  // namespace bench
