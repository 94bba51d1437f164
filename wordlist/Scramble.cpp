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

const SeedTables& GetSeedTables()
{
    // The magic static makes the first use thread-safe.
    static const SeedTables tables = [] {
        SeedTables t;
        FillSeedTable(t.seeds);
        t.reciprocals.resize(t.seeds.size());
        for (size_t i = 0; i < t.seeds.size(); ++i)
            t.reciprocals[i] = (uint64_t{1} << Unscrambler::ReciprocalShift) / t.seeds[i] + 1;
        return t;
    }();
    return tables;
}

uint32_t PositionSeed(int position)
{
    return GetSeedTables().seeds[static_cast<size_t>(position)];
}

void ScrambleBytes(const char* in, size_t length, char* out, int position)
{
    Unscrambler scrambler(GetSeedTables(), position);
    for (size_t i = 0; i < length; ++i)
        out[i] = scrambler.Next(in[i]);
}

void ScrambleWord(std::string& word, int position)
{
    if (!word.empty())
        ScrambleBytes(word.data(), word.size(), &word[0], position);
}
