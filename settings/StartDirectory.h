#pragma once
#include <string>

// The directory that was current when the main window opened; the standard
// word list and the read-me are looked up there. Empty means the current
// directory. Set by the user-interface thread only.
extern std::string StartDirectory;
