#pragma once
// The candidate search's steps word by word, without any shortcut: what the
// search must find over the loaded list with the settings in force.
#include "engine/Letters.h"
#include "engine/Word.h"
#include "settings/GameSettings.h"
#include "wordlist/WordList.h"

#include <string>
#include <vector>

inline std::vector<std::string> ReferenceSearch(const std::string& startWord)
{
    std::vector<std::string> found;
    for (int i = 0; i < WordCount(); ++i) {
        std::string word = GetWord(i);
        NormaliseWord(word, EffectiveSubstitute(), std::string());
        if (EffectiveUpper())
            UpperCaseWord(word);
        TrimWhiteSpace(word);
        if (!EqualsIgnoreCase(word, startWord) && static_cast<int>(word.size()) >= GameSettings.AngLimit &&
            IsSubAnagram(startWord, word))
            found.push_back(word);
    }
    return found;
}
