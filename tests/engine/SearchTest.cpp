// The start-word stock and the candidate search over a stored list.
#include "engine/Search.h"
#include "tests/engine/ProcessState.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using Words = std::vector<std::string>;

class SearchTest : public ::testing::Test, public CSearchCollector {
protected:
    void SetUp() override { ResetProcessState(); }
    void TearDown() override { ResetProcessState(); }
    void SetStatusText(const char* text) override { status = text; }
    void PostSearchDone() override { ++notices; }

    Words Search(const std::string& startWord)
    {
        letters = startWord;
        EXPECT_EQ(1u, SearchThreadProc(this));
        EXPECT_EQ(static_cast<int>(candidates.size()), total);
        return candidates;
    }

    std::string status;
    int notices = 0;
};

TEST_F(SearchTest, StandardListStockIsTheStretchOfEligibleLengths)
{
    UseWords({"ABCDEFGHIJKL", "ABCDEFGHIJ", "ABCDEFGHI", "ABCDEFGH", "ABCDEFG", "ABCDEF", "ABCDE", "ABCD"}, 0);
    StockMaxLength = 8;
    ASSERT_EQ(3, BuildStartWordStock());
    EXPECT_EQ((Words{"ABCDEFGH", "ABCDEFG", "ABCDEF"}), StartWordStock);
    UseWords({"ABCDEFGH", "ABCDEFG", "ABCDEF"}, 0);
    EXPECT_EQ(0, BuildStartWordStock()) << "the stretch ends at the first five-letter word";
    std::string word = "unchanged";
    EXPECT_FALSE(PickStartWord(word));
    EXPECT_EQ("unchanged", word);
}

TEST_F(SearchTest, OwnListStockTrimsAndDrawsEachWordOnce)
{
    UseWords({"Haus", "  Haustür  ", "Baumhaus", "Gartenzaunpfahl", "Leitern"}, 1);
    StockMaxLength = 7;
    ASSERT_EQ(2, BuildStartWordStock());
    EXPECT_EQ((Words{"Haustür", "Leitern"}), StartWordStock);
    StockMaxLength = 8;
    ASSERT_EQ(3, BuildStartWordStock()) << "a rebuilt stock starts empty";
    std::set<std::string> drawn;
    for (std::string word; drawn.size() < 3 && PickStartWord(word);)
        drawn.insert(word);
    EXPECT_EQ((std::set<std::string>{"Baumhaus", "Haustür", "Leitern"}), drawn);
    EXPECT_TRUE(StartWordStock.empty());
    std::string word;
    ASSERT_TRUE(PickStartWord(word)) << "the fourth draw rebuilds the stock";
    EXPECT_EQ(2u, StartWordStock.size());
}

TEST_F(SearchTest, SearchFindsSubAnagramsInListOrderUnderTheCaseRules)
{
    UseWords({"REISEN", "RIESE", "SEES", "REIS", "EIS", "NIERE", "SIRENE", "reisen", "RIESE", "Eis", "Bär"}, 1);
    EXPECT_EQ((Words{"RIESE", "REIS", "EIS", "NIERE", "SIRENE", "RIESE"}), Search("REISEN"))
        << "the start word in any case is skipped; SEES needs two S; duplicates stay; case counts without Lax";
    EXPECT_EQ("Kandidaten werden gesucht... 1", status + " " + std::to_string(notices));
    GameSettings.AngLimit = 4;
    EXPECT_EQ((Words{"RIESE", "REIS", "NIERE", "SIRENE", "RIESE"}), Search("REISEN"));
    GameSettings.AngLimit = 3;
    GameSettings.Lax = 1;
    EXPECT_EQ((Words{"RIESE", "REIS", "EIS", "NIERE", "SIRENE", "RIESE", "Eis"}), Search("reisen"));
    EXPECT_EQ((Words{"Bär"}), Search("BÄRE")) << "with Lax case is ignored and the stored form kept";
    GameSettings.Lax = 0;
    GameSettings.Substitute = 1;
    UseWords({"Hüte", "Straße"}, 1);
    EXPECT_EQ((Words{"Huete"}), Search("Huetes"));
}

TEST_F(SearchTest, StoppedSearchesPostNothing)
{
    UseWords({"RIESE", "REIS"}, 1);
    total = 42;
    EXPECT_EQ(0u, SearchThreadProc(this)) << "an empty start word ends at once";
    EXPECT_EQ("", status);
    letters = "REISEN";
    CancelEvent.Set();
    EXPECT_EQ(0u, SearchThreadProc(this));
    EXPECT_EQ("0 42", std::to_string(notices) + " " + std::to_string(total)) << "no notice, the old total";
    EXPECT_EQ((Words{"RIESE", "REIS"}), Search("REISEN")) << "the signal was consumed by the first test";
}

} // namespace
