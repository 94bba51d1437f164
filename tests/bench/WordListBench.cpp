#include "engine/CancelEvent.h"
#include "engine/Letters.h"
#include "engine/Search.h"
#include "engine/StartWordStock.h"
#include "engine/Word.h"
#include "settings/GameSettings.h"
#include "wordlist/WordList.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <malloc.h>

namespace {

const char* const StandardList = ANAGRILLA_STANDARD_LIST;

bool EnsureStandardList(benchmark::State& state)
{
    GameSettings.ResetToDefaults();
    if (WordCount() > 0 || LoadStandardWordList(StandardList))
        return true;
    state.SkipWithError("the standard list could not be loaded");
    return false;
}

// Runs first: the first load pays for the seed table as well.
void BM_FirstLoadWithSeedTable(benchmark::State& state)
{
    for (auto _ : state) {
        ClearWordList();
        benchmark::DoNotOptimize(LoadStandardWordList(StandardList));
        benchmark::DoNotOptimize(GetWord(0)); // the first unscrambling fills the table
    }
}
BENCHMARK(BM_FirstLoadWithSeedTable)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_FillSeedTable(benchmark::State& state)
{
    std::vector<uint32_t> seeds;
    for (auto _ : state) {
        FillSeedTable(seeds);
        benchmark::DoNotOptimize(seeds.data());
    }
}
BENCHMARK(BM_FillSeedTable)->Unit(benchmark::kMillisecond);

void BM_LoadStandardList(benchmark::State& state)
{
    GameSettings.ResetToDefaults();
    for (auto _ : state) {
        ClearWordList();
        if (!LoadStandardWordList(StandardList))
            state.SkipWithError("load failed");
    }
    // Memory of the loaded list: what it reserves, and what the heap holds
    // for it (glibc's count of bytes in use, before and after a load).
    ClearWordList();
    const size_t heapBefore = mallinfo2().uordblks;
    LoadStandardWordList(StandardList);
    const size_t heapAfter = mallinfo2().uordblks;
    const double fileBytes = static_cast<double>(std::filesystem::file_size(StandardList));
    state.counters["words"] = WordCount();
    state.counters["file_bytes"] = fileBytes;
    state.counters["list_bytes"] = static_cast<double>(WordListMemoryBytes());
    state.counters["heap_bytes"] = static_cast<double>(heapAfter - heapBefore);
    state.counters["heap_per_file"] = static_cast<double>(heapAfter - heapBefore) / fileBytes;
}
BENCHMARK(BM_LoadStandardList)->Unit(benchmark::kMillisecond);

void BM_SearchTenLetters(benchmark::State& state, const char* startWord)
{
    if (!EnsureStandardList(state))
        return;
    CSearchCollector host;
    host.letters = startWord;
    NormaliseWord(host.letters, EffectiveSubstitute(), std::string());
    UpperCaseWord(host.letters);
    for (auto _ : state) {
        CancelEvent.Reset();
        SearchThreadProc(&host);
    }
    state.counters["candidates"] = host.total;
}
BENCHMARK_CAPTURE(BM_SearchTenLetters, BLUMENTOPF, "BLUMENTOPF")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchTenLetters, REISEBUERO, "REISEBUERO")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchTenLetters, ERNTEDANKE, "ERNTEDANKE")->Unit(benchmark::kMillisecond);

void BM_GetWordWholeList(benchmark::State& state)
{
    if (!EnsureStandardList(state))
        return;
    std::string word;
    for (auto _ : state) {
        const int n = WordCount();
        for (int i = 0; i < n; ++i) {
            GetWordInto(i, word);
            benchmark::DoNotOptimize(word.data());
        }
    }
}
BENCHMARK(BM_GetWordWholeList)->Unit(benchmark::kMillisecond);

// What the loading window does after its list: the start-word stock.
void BM_BuildStartWordStock(benchmark::State& state)
{
    if (!EnsureStandardList(state))
        return;
    StockMaxLength = 10;
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildStartWordStock());
    state.counters["words"] = static_cast<double>(StartWordStock.size());
}
BENCHMARK(BM_BuildStartWordStock)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
