#pragma once
#include <cstdint>

// The runtime library's generator, rebuilt so that every build draws the same
// numbers: state = state * 214013 + 2531011, result bits 16..30.
// Each thread has a state of its own, starting at 1 as the runtime's does.
constexpr int RandomMax = 32767;

void SeedRandom(uint32_t seed);
int DrawRandom();

// One step of the rule, for code that runs its own state (the word list's
// unscrambling walks many seeds in a row).
inline int NextRandom(uint32_t& state)
{
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 0x7FFF);
}
