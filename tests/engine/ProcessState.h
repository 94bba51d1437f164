#pragma once
// The process-wide state that tests of lists, searches and rounds share.
#include "engine/CancelEvent.h"
#include "engine/StartWordStock.h"
#include "settings/GameSettings.h"
#include "wordlist/WordList.h"

// Back to a process that has just started: default settings, no list, no stock, no signal.
inline void ResetProcessState()
{
    GameSettings.ResetToDefaults();
    ClearWordList();
    ClearStartWordStock();
    StockMaxLength = 10;
    CancelEvent.Reset();
}

// Stores plain words as the loader would: scrambled for the standard list.
inline void UseWords(std::vector<std::string> words, int wordlist)
{
    GameSettings.Wordlist = wordlist;
    for (size_t i = 0; wordlist == 0 && i < words.size(); ++i)
        ScrambleWord(words[i], static_cast<int>(i));
    StoreWordList(words);
}
