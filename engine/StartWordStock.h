#pragma once
#include <string>
#include <vector>

// Words that may still be drawn as a random start word, trimmed but not
// normalised. Touched by the user-interface thread only.
extern std::vector<std::string> StartWordStock;
// The WordLimit for which the stock is built; the main window keeps it current.
extern int StockMaxLength;

int BuildStartWordStock();
// Draws and removes one start word; false when none is available.
bool PickStartWord(std::string& out);
void ClearStartWordStock();
