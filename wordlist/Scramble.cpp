#include "wordlist/Scramble.h"

namespace {

// The program's own table seed: the scrambling of "anagrilla.dat" depends on it.
constexpr uint32_t TableSeed = 0x414E4147u;

} // namespace

void FillSeedTable(std::vector<uint32_t>& seeds)
{
    seeds.assign(SeedTableSize, 0);
    uint32_t state = TableSeed;
    for (uint32_t& seed : seeds)
        seed = static_cast<uint32_t>(NextRandom(state)) + 1;
}

const std::vector<uint32_t>& SeedTable()
{
    // The magic static makes the first use thread-safe.
    static const std::vector<uint32_t> seeds = [] {
        std::vector<uint32_t> table;
        FillSeedTable(table);
        return table;
    }();
    return seeds;
}

uint32_t PositionSeed(int position)
{
    return SeedTable()[static_cast<size_t>(position)];
}

void ScrambleBytes(const char* in, size_t length, char* out, int position)
{
    Unscrambler scrambler(SeedTable(), position);
    for (size_t i = 0; i < length; ++i)
        out[i] = scrambler.Next(in[i]);
}

void ScrambleWord(std::string& word, int position)
{
    if (!word.empty())
        ScrambleBytes(word.data(), word.size(), &word[0], position);
}
