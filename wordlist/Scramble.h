#pragma once
#include "engine/Random.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Number of per-position seeds, and so the most words a standard list can hold.
constexpr int SeedTableSize = 330000;

// Fills a table with the seeds of every position, as the first use does.
void FillSeedTable(std::vector<uint32_t>& seeds);

// The seed of each position (1..32768), filled on first use from the
// program's own table seed and never changed afterwards.
const std::vector<uint32_t>& SeedTable();

// The seed of a position (0 <= position < SeedTableSize).
uint32_t PositionSeed(int position);

// Gives the plain bytes of the word stored at a position, one at a time.
// Positions outside the table pass their bytes unchanged.
class Unscrambler {
public:
    // r * 255 stays below 2^23 and the seed below 2^16, so with 40 bits the
    // reciprocal gives exactly the quotient of (r * 255) / seed.
    static constexpr int ReciprocalShift = 40;

    // One division per word instead of one per character.
    Unscrambler(const std::vector<uint32_t>& seeds, int position)
    {
        if (position >= 0 && position < SeedTableSize) {
            m_state = seeds[static_cast<size_t>(position)];
            m_reciprocal = (uint64_t{1} << ReciprocalShift) / m_state + 1;
        }
    }

    char Next(char stored)
    {
        if (m_reciprocal == 0)
            return stored;
        const uint64_t scaled = static_cast<uint64_t>(NextRandom(m_state)) * 255u;
        const uint32_t m = static_cast<uint32_t>((scaled * m_reciprocal) >> ReciprocalShift);
        return static_cast<char>(static_cast<unsigned char>(stored) ^ (m & 0xFFu));
    }

    // Whether the position has a seed, and the generator's state after the
    // bytes so far: the state the thread's own generator would be left in.
    bool Seeded() const { return m_reciprocal != 0; }
    uint32_t State() const { return m_state; }

private:
    uint32_t m_state = 0;
    uint64_t m_reciprocal = 0;
};

// Turns stored bytes of the word at a position into plain ones, or plain
// into stored: the steps are their own inverse. in and out may be the same.
void ScrambleBytes(const char* in, size_t length, char* out, int position);

// The same on a string in place.
void ScrambleWord(std::string& word, int position);
