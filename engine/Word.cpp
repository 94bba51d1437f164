#include "engine/Word.h"

#include "engine/Letters.h"
#include "settings/GameSettings.h"

#include <algorithm>

namespace {

void ReplaceAll(std::string& word, char from, const char* to)
{
    size_t pos = 0;
    while ((pos = word.find(from, pos)) != std::string::npos) {
        word.replace(pos, 1, to);
        pos += 2;
    }
}

} // namespace

int NormaliseWord(std::string& word, bool substitute, const std::string& keepExtra)
{
    if (substitute) {
        ReplaceAll(word, CapitalAUmlaut, "AE");
        ReplaceAll(word, CapitalOUmlaut, "OE");
        ReplaceAll(word, CapitalUUmlaut, "UE");
        ReplaceAll(word, SmallAUmlaut, "ae");
        ReplaceAll(word, SmallOUmlaut, "oe");
        ReplaceAll(word, SmallUUmlaut, "ue");
        ReplaceAll(word, SharpS, "ss");
    }
    size_t pair;
    while ((pair = word.find("  ")) != std::string::npos)
        word.erase(pair, 1);
    word.erase(std::remove_if(word.begin(), word.end(),
                              [&](char c) {
                                  return !IsGameLetter(c) && keepExtra.find(c) == std::string::npos;
                              }),
               word.end());
    return static_cast<int>(word.size());
}

bool IsSubAnagram(std::string startWord, std::string word)
{
    if (GameSettings.Lax != 0) {
        UpperCaseWord(startWord);
        UpperCaseWord(word);
    }
    // A letter count per byte is the multiset that the letter-by-letter
    // deletion describes, without the quadratic walk.
    int available[256] = {};
    for (char c : startWord)
        ++available[static_cast<unsigned char>(c)];
    for (char c : word)
        if (--available[static_cast<unsigned char>(c)] < 0)
            return false;
    return true;
}

bool EffectiveUpper()
{
    const int list = GameSettings.Wordlist;
    return list == 0 || (list == 1 && GameSettings.Uppercase != 0);
}

bool EffectiveSubstitute()
{
    const int list = GameSettings.Wordlist;
    return list == 0 || (list == 1 && GameSettings.Substitute != 0);
}

void TrimWhiteSpace(std::string& text)
{
    const char* blanks = " \t\r\n\v\f";
    const size_t last = text.find_last_not_of(blanks);
    if (last == std::string::npos) {
        text.clear();
        return;
    }
    text.erase(last + 1);
    text.erase(0, text.find_first_not_of(blanks));
}
