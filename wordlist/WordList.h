#pragma once
#include "wordlist/Scramble.h"

#include <cstddef>
#include <map>
#include <string>
#include <vector>

// The one word list of the process. Written by the user-interface thread
// only; the candidate search reads it while no load can run.

// Name of the standard list in StartDirectory.
constexpr char StandardListName[] = "anagrilla.dat";

// Loads the list chosen by Wordlist/Listpath unless one is loaded already.
// On failure the player has been told and the list is empty.
bool LoadWordList();
// The same for a given file, whatever is loaded (the developer tools).
bool LoadStandardWordList(const std::string& path);
bool LoadOwnWordList(const std::string& path);
void ClearWordList();

int WordCount();
int MaxWordLength();

// The plain word at position (0 <= position < WordCount()).
std::string GetWord(int position);
// The same into a buffer that the caller reuses: the search's hot path.
void GetWordInto(int position, std::string& out);

// The bytes of a word as the list holds them (scrambled in a standard
// list), valid until the list changes; for quick tests of many words.
struct StoredWordView {
    const char* bytes;
    size_t length;
};
StoredWordView StoredWord(int position);
// True when the loaded list is a standard list, whose words are scrambled.
bool IsStandardWordList();

// Standard list only: first position of each length that occurs.
const std::map<int, int>& LengthIndex();
// Standard list only: first position of a word of the given length (the
// length first limited to MaxWordLength), 0 when there is none.
int FirstIndexOfLength(int length);

// Bytes the loaded list holds in memory (words, offsets and index).
size_t WordListMemoryBytes();

// Puts words into the list as the loaders do: for the standard list
// (Wordlist 0) in their stored, scrambled form, else as plain lines.
// Builds MaxWordLength and, for the standard list, the length index.
void StoreWordList(const std::vector<std::string>& words);
