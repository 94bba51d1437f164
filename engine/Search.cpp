#include "engine/Search.h"

#include "engine/CancelEvent.h"
#include "engine/Letters.h"
#include "engine/Word.h"
#include "settings/GameSettings.h"
#include "wordlist/WordList.h"

AutoResetEvent CancelEvent;

unsigned SearchThreadProc(ISearchHost* host)
{
    const std::string startWord = host->SearchLetters();
    if (startWord.empty())
        return 0;
    host->SetStatusText("Kandidaten werden gesucht...");

    std::vector<std::string>& candidates = host->SearchCandidates();
    candidates.clear();
    const int n = WordCount();
    std::string word;
    for (int i = 0; i < n; ++i) {
        if (CancelEvent.TestAndConsume())
            return 0;
        GetWordInto(i, word);
        // Read for every word: a menu toggle during the search counts from here on.
        const bool upper = EffectiveUpper();
        const bool substitute = EffectiveSubstitute();
        NormaliseWord(word, substitute, std::string());
        if (upper)
            UpperCaseWord(word);
        TrimWhiteSpace(word);
        if (EqualsIgnoreCase(word, startWord))
            continue;
        if (static_cast<int>(word.size()) < GameSettings.AngLimit)
            continue;
        if (IsSubAnagram(startWord, word))
            candidates.push_back(word);
    }
    host->SetSearchTotal(static_cast<int>(candidates.size()));
    host->PostSearchDone();
    return 1;
}
