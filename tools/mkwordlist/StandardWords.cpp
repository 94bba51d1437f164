#include "tools/mkwordlist/StandardWords.h"

#include "engine/Letters.h"
#include "engine/Word.h"
#include "tools/common/ToolText.h"
#include "wordlist/Archive.h"
#include "wordlist/Scramble.h"

#include <algorithm>
#include <set>

namespace {

constexpr size_t ShortestWord = 2;
constexpr size_t LongestWord = 15;

bool IsCapital(char c)
{
    return IsGameLetter(c) && c != SharpS && UpperLetter(c) == c;
}

// Abbreviations and names with inner capitals, and entries with anything
// but the game's letters, are no words of the game.
bool IsAcceptedEntry(const std::string& entry)
{
    if (entry.empty())
        return false;
    for (size_t i = 0; i < entry.size(); ++i) {
        if (!IsGameLetter(entry[i]))
            return false;
        if (i > 0 && IsCapital(entry[i]))
            return false;
    }
    return true;
}

bool LongestFirst(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return a.size() > b.size();
    return a < b;
}

} // namespace

std::vector<std::string> BuildStandardWords(std::istream& dictionary)
{
    std::set<std::string> unique;
    std::string line, entry;
    while (std::getline(dictionary, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!Utf8ToWindows1252(line, entry) || !IsAcceptedEntry(entry))
            continue;
        NormaliseWord(entry, true, std::string());
        UpperCaseWord(entry);
        if (entry.size() >= ShortestWord && entry.size() <= LongestWord)
            unique.insert(entry);
    }
    std::vector<std::string> words(unique.begin(), unique.end());
    std::stable_sort(words.begin(), words.end(), LongestFirst);
    if (words.size() > static_cast<size_t>(SeedTableSize))
        words.resize(static_cast<size_t>(SeedTableSize));
    return words;
}

std::string BuildStandardArchive(std::vector<std::string> words)
{
    for (size_t i = 0; i < words.size(); ++i)
        ScrambleWord(words[i], static_cast<int>(i));
    return WriteArchive(words);
}
