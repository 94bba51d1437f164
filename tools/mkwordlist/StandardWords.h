#pragma once
#include <istream>
#include <string>
#include <vector>

// The words of the standard list, plain, in file order: from a UTF-8
// dictionary with one entry per line, every entry made only of game letters
// and with no capital after its first character, umlauts and ß substituted,
// upper-cased, 2 to 15 letters, each word once, longest first and then in
// byte order, at most as many as the seed table covers.
std::vector<std::string> BuildStandardWords(std::istream& dictionary);

// The bytes of "anagrilla.dat" for these plain words.
std::string BuildStandardArchive(std::vector<std::string> words);
