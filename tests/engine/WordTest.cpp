// Letters, words and the generator: the rules every list and round share.
#include "engine/Letters.h"
#include "engine/Random.h"
#include "engine/Word.h"
#include "engine/WorkerThread.h"

#include <gtest/gtest.h>

#include <climits>
#include <thread>

namespace {

// The runtime's sequence itself is pinned where a round shuffles its row.
TEST(RandomTest, EachThreadHasItsOwnState)
{
    SeedRandom(1);
    std::thread([] {
        SeedRandom(999);
        DrawRandom();
    }).join();
    EXPECT_EQ(41, DrawRandom()) << "another thread's draws must not move this thread's state";
}

TEST(WordTest, LettersTheirCapitalsAndNormalisation)
{
    std::string letters;
    for (int c = 0; c < 256; ++c)
        letters += IsGameLetter(static_cast<char>(c)) ? std::string(1, static_cast<char>(c)) : "";
    EXPECT_EQ("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyzÄÖÜßäöü", letters);
    UpperCaseWord(letters);
    EXPECT_EQ("ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜßÄÖÜ", letters) << "ß stays";
    EXPECT_EQ("100", std::to_string(EqualsIgnoreCase("Bären", "bÄREN")) +
                         std::to_string(EqualsIgnoreCase("Baren", "Bären")) + std::to_string(EqualsIgnoreCase("Bar", "Bare")));

    // Word, substitution, characters kept besides letters; the result.
    const char* const cases[][4] = {{"Straße", "1", "", "Strasse"},          {"Käse-Brot 2", "", "", "KäseBrot"},
                                    {"café", "", "", "caf"},                 {"123456", "1", "", ""},
                                    {"GRÖßEN", "1", "", "GROEssEN"},         {"ÄÖÜäöüß", "1", "", "AEOEUEaeoeuess"},
                                    {"a  b   c-d", "", " ", "a b cd"}};
    for (const auto& c : cases) {
        std::string word = c[0];
        EXPECT_EQ(static_cast<int>(std::string(c[3]).size()), NormaliseWord(word, *c[1] != 0, c[2]));
        EXPECT_EQ(c[3], word);
    }
    std::string blanks = " \t Haus Tür \r\n", onlyBlanks = "   ";
    TrimWhiteSpace(blanks);
    TrimWhiteSpace(onlyBlanks);
    EXPECT_EQ("Haus Tür|", blanks + "|" + onlyBlanks);
}

TEST(WorkerThreadTest, AWaitWithoutLimitEndsWhenTheProcedureEnds)
{
    WorkerThread worker([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        return 7u;
    });
    ASSERT_TRUE(worker.WaitFor(INT_MAX)); // hangs if the end is not signalled
    EXPECT_FALSE(worker.IsRunning());
    EXPECT_EQ(7u, worker.ExitCode());
}

} // namespace
