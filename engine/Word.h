#pragma once
#include <string>

// Replaces umlauts and ß when asked, collapses blanks, and drops every
// character that is neither a game letter nor one of keepExtra.
// Returns the new length.
int NormaliseWord(std::string& word, bool substitute, const std::string& keepExtra);

// True if every character of word can be taken from startWord, each letter
// of startWord used at most once. Case is ignored when Lax is set.
bool IsSubAnagram(std::string startWord, std::string word);

// The input rules in force: the standard list always upper-cases and
// substitutes; an own list follows the stored flags.
bool EffectiveUpper();
bool EffectiveSubstitute();

// Removes leading and trailing blanks, tabs and line ends.
void TrimWhiteSpace(std::string& text);
