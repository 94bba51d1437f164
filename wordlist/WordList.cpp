#include "wordlist/WordList.h"

#include "engine/Random.h"
#include "settings/GameSettings.h"

#include <map>
#include <memory>

namespace {

// The program's own table seed: the scrambling of "anagrilla.dat" depends on it.
constexpr uint32_t TableSeed = 0x414E4147u;

struct WordListData {
    std::vector<std::string> words;
    bool standard = false;
    int maxLength = 0;
    std::map<int, int> lengthIndex;
};

WordListData g_list;

const std::vector<uint32_t>& SeedTable()
{
    // Filled once, on first use; the magic static keeps it thread-safe.
    static const std::vector<uint32_t> table = [] {
        std::vector<uint32_t> seeds(SeedTableSize);
        uint32_t state = TableSeed;
        for (uint32_t& seed : seeds)
            seed = static_cast<uint32_t>(NextRandom(state)) + 1;
        return seeds;
    }();
    return table;
}

void BuildLengthIndex()
{
    g_list.lengthIndex.clear();
    int limit = g_list.maxLength + 1;
    for (size_t i = 0; i < g_list.words.size(); ++i) {
        const int length = static_cast<int>(g_list.words[i].size());
        if (length < limit) {
            g_list.lengthIndex[length] = static_cast<int>(i);
            limit = length;
        }
    }
}

} // namespace

void ScrambleWord(std::string& word, int position)
{
    if (position < 0 || position >= SeedTableSize)
        return;
    const uint32_t k = SeedTable()[position];
    uint32_t state = k;
    for (char& c : word) {
        const uint32_t m = static_cast<uint32_t>(NextRandom(state)) * 255u / k;
        c = static_cast<char>(static_cast<unsigned char>(c) ^ (m & 0xFF));
    }
}

void StoreWordList(std::vector<std::string> words)
{
    g_list.words = std::move(words);
    g_list.standard = GameSettings.Wordlist == 0;
    g_list.maxLength = 0;
    g_list.lengthIndex.clear();
    if (g_list.standard) {
        if (!g_list.words.empty())
            g_list.maxLength = static_cast<int>(g_list.words.front().size());
        BuildLengthIndex();
    } else {
        for (const std::string& w : g_list.words)
            if (static_cast<int>(w.size()) > g_list.maxLength)
                g_list.maxLength = static_cast<int>(w.size());
    }
}

void ClearWordList()
{
    g_list = WordListData();
}

int WordCount()
{
    return static_cast<int>(g_list.words.size());
}

int MaxWordLength()
{
    return g_list.maxLength;
}

void GetWordInto(int position, std::string& out)
{
    out = g_list.words[static_cast<size_t>(position)];
    if (g_list.standard)
        ScrambleWord(out, position);
}

std::string GetWord(int position)
{
    std::string word;
    GetWordInto(position, word);
    return word;
}

int FirstIndexOfLength(int length)
{
    if (length > g_list.maxLength)
        length = g_list.maxLength;
    const auto it = g_list.lengthIndex.find(length);
    return it == g_list.lengthIndex.end() ? 0 : it->second;
}
