#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// Number of per-position seeds, and so the most words a standard list can hold.
constexpr int SeedTableSize = 330000;

// The seed of a position (1..32768). The table is filled on first use from
// the program's own table seed and never changes afterwards.
uint32_t PositionSeed(int position);

// Turns stored bytes of the word at a position into plain ones, or plain
// into stored: the steps are their own inverse. in and out may be the same.
// Positions outside the table copy the bytes unchanged.
void ScrambleBytes(const char* in, size_t length, char* out, int position);

// The same on a string in place.
void ScrambleWord(std::string& word, int position);
