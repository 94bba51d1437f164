// Any bytes as an own list loaded through LoadWordList with any of the
// settings' flags: the load succeeds, the stock holds words of the allowed
// lengths, and the search finds exactly the words that the full test of
// every word accepts (its quick pre-test must never drop one).
#include "engine/CancelEvent.h"
#include "engine/Search.h"
#include "engine/StartWordStock.h"
#include "tests/wordlist/ReferenceSearch.h"

#include <cstdlib>
#include <fstream>
#include <unistd.h>

// The first byte holds the flags, the second the limits; the rest is the file.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    GameSettings.ResetToDefaults();
    GameSettings.Uppercase = data[0] & 1;
    GameSettings.Substitute = (data[0] >> 1) & 1;
    GameSettings.Lax = (data[0] >> 2) & 1;
    GameSettings.AngLimit = 2 + (data[1] & 7);
    GameSettings.WordLimit = 6 + (data[1] >> 3);
    GameSettings.Wordlist = 1;
    GameSettings.Listpath = "/tmp/fuzz_listload_" + std::to_string(getpid()) + ".txt";
    if (!(std::ofstream(GameSettings.Listpath, std::ios::binary) << std::string(data + 2, data + size)))
        std::abort();

    ClearWordList();
    if (!LoadWordList() || IsStandardWordList())
        std::abort();
    StockMaxLength = GameSettings.WordLimit;
    BuildStartWordStock();
    for (const std::string& word : StartWordStock)
        if (word.size() < static_cast<size_t>(MinStartWordLength) || word.size() > static_cast<size_t>(StockMaxLength))
            std::abort();

    CSearchCollector search;
    search.letters = !StartWordStock.empty() ? StartWordStock.front() : WordCount() > 0 ? GetWord(0) : "";
    NormaliseWord(search.letters, EffectiveSubstitute(), std::string());
    if (EffectiveUpper())
        UpperCaseWord(search.letters);
    CancelEvent.Reset();
    if (!search.letters.empty() &&
        (SearchThreadProc(&search) != 1 || search.candidates != ReferenceSearch(search.letters) ||
         search.total != static_cast<int>(search.candidates.size())))
        std::abort();
    return 0;
}
