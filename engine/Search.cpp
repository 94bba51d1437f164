#include "engine/Search.h"

#include "engine/CancelEvent.h"
#include "engine/Letters.h"
#include "engine/Word.h"
#include "settings/GameSettings.h"
#include "wordlist/WordList.h"

#include <cstdint>

AutoResetEvent CancelEvent;

namespace {

// The settings that steer the test of one word, read afresh for each word:
// a menu toggle during the search counts from the next word on.
struct WordRules {
    bool upper;
    bool substitute;
    bool lax;
    int angLimit;
};

WordRules CurrentRules()
{
    return {EffectiveUpper(), EffectiveSubstitute(), GameSettings.Lax != 0, GameSettings.AngLimit};
}

// A quick look at a word's stored bytes that rejects most words without
// building them: it walks the characters that normalisation keeps and stops
// at the first one the start word cannot supply. A word it lets pass still
// goes through every step of the full test, so results cannot differ.
class QuickReject {
public:
    explicit QuickReject(const std::string& startWord) : m_seeds(SeedTable())
    {
        for (int c = 0; c < 256; ++c) {
            m_isLetter[c] = IsGameLetter(static_cast<char>(c));
            m_upper[c] = static_cast<unsigned char>(UpperLetter(static_cast<char>(c)));
        }
        for (char c : startWord) {
            const unsigned char b = static_cast<unsigned char>(c);
            ++m_exact[b];
            ++m_folded[m_upper[b]];
        }
        SetSubstitution(CapitalAUmlaut, "AE");
        SetSubstitution(CapitalOUmlaut, "OE");
        SetSubstitution(CapitalUUmlaut, "UE");
        SetSubstitution(SmallAUmlaut, "ae");
        SetSubstitution(SmallOUmlaut, "oe");
        SetSubstitution(SmallUUmlaut, "ue");
        SetSubstitution(SharpS, "ss");
    }

    // False only when the word cannot be a sub-anagram of the start word.
    bool MayPass(int position, const WordRules& rules)
    {
        m_rules = rules;
        m_available = rules.lax ? m_folded : m_exact;
        m_taken.clear();
        const StoredWordView stored = StoredWord(position);
        Unscrambler plain(m_seeds, IsStandardWordList() ? position : -1);
        bool possible = true;
        for (size_t i = 0; i < stored.length && possible; ++i)
            possible = TakeCharacter(static_cast<unsigned char>(plain.Next(stored.bytes[i])));
        for (unsigned char key : m_taken)
            ++m_available[key];
        return possible;
    }

private:
    void SetSubstitution(char from, const char* to)
    {
        const unsigned char b = static_cast<unsigned char>(from);
        m_substitute[b][0] = static_cast<unsigned char>(to[0]);
        m_substitute[b][1] = static_cast<unsigned char>(to[1]);
    }

    bool TakeCharacter(unsigned char c)
    {
        if (m_rules.substitute && m_substitute[c][0] != 0)
            return TakeLetter(m_substitute[c][0]) && TakeLetter(m_substitute[c][1]);
        if (!m_isLetter[c])
            return true; // normalisation drops it
        return TakeLetter(c);
    }

    bool TakeLetter(unsigned char c)
    {
        if (m_rules.upper)
            c = m_upper[c];
        const unsigned char key = m_rules.lax ? m_upper[c] : c;
        m_taken.push_back(key);
        return --m_available[key] >= 0;
    }

    const std::vector<uint32_t>& m_seeds;
    bool m_isLetter[256] = {};
    unsigned char m_upper[256] = {};
    unsigned char m_substitute[256][2] = {};
    int m_exact[256] = {};
    int m_folded[256] = {};
    int* m_available = nullptr;
    std::vector<unsigned char> m_taken;
    WordRules m_rules{};
};

// Normalised with the rules' flags, upper-cased if they say so, trimmed.
void PrepareWord(std::string& word, const WordRules& rules)
{
    NormaliseWord(word, rules.substitute, std::string());
    if (rules.upper)
        UpperCaseWord(word);
    TrimWhiteSpace(word);
}

bool IsCandidate(const std::string& word, const std::string& startWord, const WordRules& rules)
{
    if (EqualsIgnoreCase(word, startWord))
        return false;
    if (static_cast<int>(word.size()) < rules.angLimit)
        return false;
    return IsSubAnagram(startWord, word);
}

} // namespace

unsigned SearchThreadProc(ISearchHost* host)
{
    const std::string startWord = host->SearchLetters();
    if (startWord.empty())
        return 0;
    host->SetStatusText("Kandidaten werden gesucht...");

    std::vector<std::string>& candidates = host->SearchCandidates();
    candidates.clear();
    const int n = WordCount();
    QuickReject quick(startWord);
    std::string word;
    // The quick look leaves the thread's generator alone; a search that ends
    // on a word it rejected unscrambles that word once more, so the thread
    // is left as by taking every word in full.
    int rejected = -1;
    auto settleGenerator = [&](int last) {
        if (last >= 0 && last == rejected)
            GetWordInto(last, word);
    };
    for (int i = 0; i < n; ++i) {
        if (CancelEvent.TestAndConsume()) {
            settleGenerator(i - 1);
            return 0;
        }
        const WordRules rules = CurrentRules();
        if (!quick.MayPass(i, rules)) {
            rejected = i;
            continue;
        }
        GetWordInto(i, word);
        PrepareWord(word, rules);
        if (IsCandidate(word, startWord, rules))
            candidates.push_back(word);
    }
    settleGenerator(n - 1);
    host->SetSearchTotal(static_cast<int>(candidates.size()));
    host->PostSearchDone();
    return 1;
}
