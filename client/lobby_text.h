#pragma once
// What the lobby shows beside the skin's pictures: labels, players, chat and
// the server tree. The client shows it in its windows and the preview paints
// the same words, so that the two pictures of a skin can be laid side by side.
#include "person_list_element.h"
#include "tree_element.h"

namespace lobby {

constexpr const char* kToolLabels[] = {"Page", "Enter", "Setup", "Help", "Exit", "Add", "Delete", "Player"};
constexpr const char* kExitLabels[] = {"Exit all", "Close window", "Change user"};

struct TabLabel {
    const char* text;
    bool selected;
};
constexpr TabLabel kMainTabs[] = {
    {"Lobby", true}, {"Card games", false}, {"Board games", false}, {"Tournament", false}};
constexpr TabLabel kSecondaryTabs[] = {{"Tables", true}, {"Players", false}, {"News", false}};
constexpr TabLabel kSideTabs[] = {{"Room", true}, {"Watch", false}};

// One player for each status icon, in the icons' order.
struct Player {
    const char* name;
    const char* status;
};
constexpr Player kPlayers[kPersonIconCount] = {
    {"Alice", "waiting"}, {"Bob", "ready"},   {"Carol", "playing"}, {"Dave", "watching"}, {"Erin", "working"},
    {"Frank", "eating"},  {"Grace", "asleep"}, {"Heidi", "away"},   {"Ivan", "calling"},  {"Judy", "quick"}};
constexpr int kChosenPlayer = 3;

constexpr const char* kChatLines[] = {"[Alice] Anyone for a game of cards?", "[Bob] Table room4 has a seat free.",
                                      "* Carol enters the room."};

// One node of every kind, as a lobby's server list shows them.
struct TreeNode {
    int depth;
    TreeIcon icon;
    const char* label;
};
constexpr TreeNode kTreeNodes[] = {
    {0, kTreeIconRoot, "Game Center"},   {1, kTreeIconFolder, "Card games"},
    {2, kTreeIconServer, "Server 1"},    {3, kTreeIconRoom, "Room 1"},
    {3, kTreeIconOpenedRoom, "Room 2"},  {3, kTreeIconRoom, "Room 3"},
    {2, kTreeIconServer, "Server 2"},    {3, kTreeIconLoad, "Loading..."},
    {1, kTreeIconFolder, "Board games"}, {2, kTreeIconDownload, "Chess (download)"},
    {2, kTreeIconDownload, "Go (download)"},
};

}  // namespace lobby
