#pragma once
#include <string>
#include <vector>

// The one word list of the process. Written by the user-interface thread
// only; the candidate search reads it while no load can run.

// Loads the list chosen by Wordlist/Listpath unless one is loaded already.
// On failure the player has been told and the list is empty.
bool LoadWordList();
void ClearWordList();

int WordCount();
int MaxWordLength();

// The plain word at position (0 <= position < WordCount()).
std::string GetWord(int position);
// The same into a buffer that the caller reuses: the search's hot path.
void GetWordInto(int position, std::string& out);

// Standard list only: first position of a word of the given length (the
// length first limited to MaxWordLength), 0 when there is none.
int FirstIndexOfLength(int length);

// Number of per-position seeds, and so the most words a standard list can hold.
constexpr int SeedTableSize = 330000;

// Puts words into the list as the loaders do: for the standard list
// (Wordlist 0) in their stored, scrambled form, else as plain lines.
// Builds MaxWordLength and, for the standard list, the length index.
void StoreWordList(std::vector<std::string> words);

// The word as it is stored in a standard list at that position, and back.
// Scrambling and unscrambling are the same steps.
void ScrambleWord(std::string& word, int position);
