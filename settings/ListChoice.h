#pragma once
#include <string>

// Paths compared as Windows compares file names: Windows-1252 letters
// without regard to upper and lower case.
bool SamePathIgnoringCase(const std::string& a, const std::string& b);

// What confirming the word list choice leads to.
struct ListConfirmation {
    bool pathMissing; // own list without a path: tell the player, save nothing
    bool clearList;   // the list in memory no longer is the chosen one
};

// chosenPath is trimmed in place; the trimmed path is the one to keep.
ListConfirmation ConfirmListChoice(int storedChoice, const std::string& storedPath, int chosenList,
                                   std::string& chosenPath);
