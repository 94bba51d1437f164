#include "engine/CancelEvent.h"
#include "engine/Search.h"
#include "engine/StartWordStock.h"
#include "settings/GameSettings.h"
#include "wordlist/WordList.h"

#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <thread>

namespace {

// Stores plain words as the loader would: scrambled for the standard list.
void UseWords(std::vector<std::string> words, int wordlist)
{
    GameSettings.Wordlist = wordlist;
    if (wordlist == 0)
        for (size_t i = 0; i < words.size(); ++i)
            ScrambleWord(words[i], static_cast<int>(i));
    StoreWordList(std::move(words));
}

class FakeSearchHost : public ISearchHost {
public:
    std::string letters;
    std::vector<std::string> candidates;
    int total = -1;
    std::string status;
    std::atomic<int> doneNotices{0};

    const std::string& SearchLetters() const override { return letters; }
    std::vector<std::string>& SearchCandidates() override { return candidates; }
    void SetSearchTotal(int t) override { total = t; }
    void SetStatusText(const char* text) override { status = text; }
    void PostSearchDone() override { ++doneNotices; }
};

class EngineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        GameSettings.ResetToDefaults();
        ClearWordList();
        ClearStartWordStock();
        CancelEvent.Reset();
        StockMaxLength = 10;
    }
    void TearDown() override { SetUp(); }
};

TEST_F(EngineTest, StandardListStoresScrambledAndIndexesLengths)
{
    UseWords({"ABCDEFGHIJ", "KLMNOPQRST", "ABCDEFGHI", "ABCDEFG", "HIJKLMN", "ABCDEF"}, 0);
    EXPECT_EQ(10, MaxWordLength());
    EXPECT_EQ("ABCDEFGHI", GetWord(2));
    EXPECT_EQ(0, FirstIndexOfLength(10));
    EXPECT_EQ(2, FirstIndexOfLength(9));
    EXPECT_EQ(3, FirstIndexOfLength(7));
    EXPECT_EQ(5, FirstIndexOfLength(6));
    EXPECT_EQ(0, FirstIndexOfLength(12)) << "clamped to 10";
    EXPECT_EQ(0, FirstIndexOfLength(8)) << "no word of length 8";

    std::string stored = "HAUSTIER";
    ScrambleWord(stored, 5);
    EXPECT_NE("HAUSTIER", stored);
    ScrambleWord(stored, 5);
    EXPECT_EQ("HAUSTIER", stored) << "scrambling twice gives the word back";
}

TEST_F(EngineTest, StockOfStandardListKeepsEligibleStretch)
{
    UseWords({"ABCDEFGHIJKL", "ABCDEFGHIJ", "ABCDEFGHI", "ABCDEFGH", "ABCDEFG", "ABCDEF", "ABCDE", "ABCD"},
             0);
    StockMaxLength = 8;
    ASSERT_EQ(3, BuildStartWordStock());
    EXPECT_EQ((std::vector<std::string>{"ABCDEFGH", "ABCDEFG", "ABCDEF"}), StartWordStock);
}

TEST_F(EngineTest, StandardListWithoutFiveLetterWordsHasNoStock)
{
    UseWords({"ABCDEFGH", "ABCDEFG", "ABCDEF"}, 0);
    EXPECT_EQ(0, BuildStartWordStock());
    std::string word = "unchanged";
    EXPECT_FALSE(PickStartWord(word));
    EXPECT_EQ("unchanged", word);
}

TEST_F(EngineTest, OwnListStockTrimsAndDrawsEachWordOnce)
{
    UseWords({"Haus", "  Haustür  ", "Baumhaus", "Gartenzaunpfahl", "Leitern"}, 1);
    StockMaxLength = 7;
    ASSERT_EQ(2, BuildStartWordStock()) << "only Haustür (7 after trimming) and Leitern (the last line)";
    EXPECT_EQ("Haustür", StartWordStock[0]);

    StockMaxLength = 8;
    ASSERT_EQ(3, BuildStartWordStock());
    std::set<std::string> drawn;
    std::string word;
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(PickStartWord(word));
        drawn.insert(word);
    }
    EXPECT_EQ(3u, drawn.size()) << "three draws give three different words";
    EXPECT_TRUE(StartWordStock.empty());
    ASSERT_TRUE(PickStartWord(word)) << "the fourth draw rebuilds the stock";
    EXPECT_EQ(2u, StartWordStock.size());
}

TEST_F(EngineTest, SearchCollectsSubAnagramsInListOrder)
{
    UseWords({"REISEN", "RIESE", "SEES", "REIS", "EIS", "NIERE", "SIRENE", "reisen", "RIESE"}, 1);
    GameSettings.Uppercase = 1;
    FakeSearchHost host;
    host.letters = "REISEN";
    EXPECT_EQ(1u, SearchThreadProc(&host));
    EXPECT_EQ("Kandidaten werden gesucht...", host.status);
    // The start word in any case is skipped; SEES needs two S; duplicates stay.
    EXPECT_EQ((std::vector<std::string>{"RIESE", "REIS", "EIS", "NIERE", "SIRENE", "RIESE"}),
              host.candidates);
    EXPECT_EQ(6, host.total);
    EXPECT_EQ(1, host.doneNotices.load());

    GameSettings.AngLimit = 4;
    EXPECT_EQ(1u, SearchThreadProc(&host));
    EXPECT_EQ((std::vector<std::string>{"RIESE", "REIS", "NIERE", "SIRENE", "RIESE"}), host.candidates)
        << "a three-letter word is never a candidate with AngLimit 4";
}

TEST_F(EngineTest, OwnListCaseRulesAndSubstitution)
{
    UseWords({"HAUS", "Haus", "Tier", "tier", "Hüte", "Straße"}, 1);
    FakeSearchHost host;
    host.letters = "Haustier";
    SearchThreadProc(&host);
    EXPECT_EQ((std::vector<std::string>{"Haus", "tier"}), host.candidates) << "case counts without Lax";

    GameSettings.Lax = 1;
    SearchThreadProc(&host);
    EXPECT_EQ((std::vector<std::string>{"HAUS", "Haus", "Tier", "tier"}), host.candidates)
        << "with Lax the stored form is kept";

    GameSettings.Lax = 0;
    GameSettings.Substitute = 1;
    host.letters = "Huetes";
    SearchThreadProc(&host);
    EXPECT_EQ((std::vector<std::string>{"Huete"}), host.candidates);
}

TEST_F(EngineTest, SearchStopsWithoutNotice)
{
    UseWords({"RIESE", "REIS"}, 1);
    FakeSearchHost host;
    host.total = 42;
    EXPECT_EQ(0u, SearchThreadProc(&host)) << "an empty start word ends at once";
    EXPECT_EQ("", host.status);

    host.letters = "REISEN";
    CancelEvent.Set();
    EXPECT_EQ(0u, SearchThreadProc(&host));
    EXPECT_EQ(0, host.doneNotices.load());
    EXPECT_EQ(42, host.total) << "a cancelled search keeps the old total";
    EXPECT_EQ(1u, SearchThreadProc(&host)) << "the signal was consumed by the first test";
}

TEST_F(EngineTest, CancelFromAnotherThreadEndsALongSearch)
{
    std::vector<std::string> words(200000, "RIESE");
    UseWords(words, 1);
    FakeSearchHost host;
    host.letters = "REISEN";
    std::atomic<unsigned> result{99};
    std::thread worker([&] { result = SearchThreadProc(&host); });
    CancelEvent.Set();
    worker.join();
    // Either the cancel came in time, or the search had already finished and
    // the signal is still pending; never both a notice and a stop.
    if (result == 0u) {
        EXPECT_EQ(0, host.doneNotices.load());
    } else {
        EXPECT_EQ(1, host.doneNotices.load());
        EXPECT_TRUE(CancelEvent.TestAndConsume());
    }
}

} // namespace
