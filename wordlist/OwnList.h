#pragma once
#include <cstdint>
#include <vector>

// An own word list: a text file, one word per line. A line ends at LF or
// CR LF, neither belongs to the word; a byte 0x1A ends the text; a line end
// at the very end adds no empty word. Every other byte, NUL included, is
// part of its word.

// Removes the line ends from buffer so that the words lie one after the
// other at its front; starts receives the first byte of each word and, last,
// the end of the final word. Returns false only for a text too large for
// 32-bit offsets.
bool ParseOwnList(std::vector<char>& buffer, std::vector<uint32_t>& starts);
