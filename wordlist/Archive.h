#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The object archive that holds the standard list: one string array,
// little-endian, words as length-prefixed byte strings.

// Reads the archive in buffer and moves the words' bytes to its front, one
// after the other; starts receives the first byte of each word and, last,
// the end of the final word (so it holds word count + 1 entries). On any
// fault (short, wrong class or schema, UTF-16 strings, more words than the
// seed table covers) returns false; buffer and starts are then unspecified.
bool ParseArchive(std::vector<char>& buffer, std::vector<uint32_t>& starts);

// The archive bytes for these words, stored as given.
std::string WriteArchive(const std::vector<std::string>& words);
