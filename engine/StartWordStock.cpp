#include "engine/StartWordStock.h"

#include "engine/Random.h"
#include "engine/Word.h"
#include "settings/GameSettings.h"
#include "wordlist/WordList.h"

#include <ctime>

std::vector<std::string> StartWordStock;
int StockMaxLength = 10;

int BuildStartWordStock()
{
    StartWordStock.clear();
    int first = 0;
    int end = WordCount();
    if (GameSettings.Wordlist == 0) {
        // The standard list runs longest first: the eligible lengths are one stretch.
        first = FirstIndexOfLength(StockMaxLength);
        end = FirstIndexOfLength(MinStartWordLength - 1);
    }
    StartWordStock.reserve(static_cast<size_t>(end > first ? end - first : 0));
    std::string word;
    for (int i = first; i < end; ++i) {
        GetWordInto(i, word);
        TrimWhiteSpace(word);
        const int length = static_cast<int>(word.size());
        if (length >= MinStartWordLength && length <= StockMaxLength)
            StartWordStock.push_back(word);
    }
    return static_cast<int>(StartWordStock.size());
}

bool PickStartWord(std::string& out)
{
    if (StartWordStock.empty() && BuildStartWordStock() == 0)
        return false;
    const size_t n = StartWordStock.size();
    SeedRandom(static_cast<uint32_t>(std::time(nullptr)) + static_cast<uint32_t>(DrawRandom()));
    const int r = DrawRandom();
    const size_t index = static_cast<size_t>(r * static_cast<double>(n - 1) * (1.0 / 32767.0));
    out = StartWordStock[index];
    StartWordStock.erase(StartWordStock.begin() + static_cast<std::ptrdiff_t>(index));
    return true;
}

void ClearStartWordStock()
{
    StartWordStock.clear();
}
