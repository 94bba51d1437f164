#pragma once
#include <string>

// The 59 letters of the game in Windows-1252: A-Z, a-z and the umlauts and ß.
// The bytes are spelled as escapes so that every compiler reads them alike.
constexpr char CapitalAUmlaut = '\xC4';
constexpr char CapitalOUmlaut = '\xD6';
constexpr char CapitalUUmlaut = '\xDC';
constexpr char SmallAUmlaut = '\xE4';
constexpr char SmallOUmlaut = '\xF6';
constexpr char SmallUUmlaut = '\xFC';
constexpr char SharpS = '\xDF';

bool IsGameLetter(char c);

// Capital of a game letter; ß and every other byte stay as they are.
char UpperLetter(char c);
void UpperCaseWord(std::string& word);

// Comparison with case ignored under the same letter pairs as UpperLetter.
bool EqualsIgnoreCase(const std::string& a, const std::string& b);
