#include "wordlist/Scramble.h"

#include "engine/Random.h"

#include <vector>

namespace {

// The program's own table seed: the scrambling of "anagrilla.dat" depends on it.
constexpr uint32_t TableSeed = 0x414E4147u;

// r * 255 stays below 2^23 and the seed below 2^16, so a 40-bit reciprocal
// gives exactly the quotient of the integer division for every draw.
constexpr int ReciprocalShift = 40;

const std::vector<uint32_t>& SeedTable()
{
    // The magic static makes the first use thread-safe.
    static const std::vector<uint32_t> table = [] {
        std::vector<uint32_t> seeds(SeedTableSize);
        uint32_t state = TableSeed;
        for (uint32_t& seed : seeds)
            seed = static_cast<uint32_t>(NextRandom(state)) + 1;
        return seeds;
    }();
    return table;
}

} // namespace

uint32_t PositionSeed(int position)
{
    return SeedTable()[static_cast<size_t>(position)];
}

void ScrambleBytes(const char* in, size_t length, char* out, int position)
{
    if (position < 0 || position >= SeedTableSize) {
        for (size_t i = 0; i < length; ++i)
            out[i] = in[i];
        return;
    }
    const uint32_t k = PositionSeed(position);
    const uint64_t reciprocal = (uint64_t{1} << ReciprocalShift) / k + 1;
    uint32_t state = k;
    for (size_t i = 0; i < length; ++i) {
        const uint64_t scaled = static_cast<uint64_t>(NextRandom(state)) * 255u;
        const uint32_t m = static_cast<uint32_t>((scaled * reciprocal) >> ReciprocalShift);
        out[i] = static_cast<char>(static_cast<unsigned char>(in[i]) ^ (m & 0xFFu));
    }
}

void ScrambleWord(std::string& word, int position)
{
    if (!word.empty())
        ScrambleBytes(word.data(), word.size(), &word[0], position);
}
