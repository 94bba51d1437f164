// Letters, words and the generator: the rules every list and round share.
#include "engine/Letters.h"
#include "engine/Random.h"
#include "engine/Word.h"
#include "engine/WorkerThread.h"
#include "settings/GameSettings.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <thread>

namespace {

class WordTest : public ::testing::Test {
protected:
    void SetUp() override { GameSettings.ResetToDefaults(); }
    void TearDown() override { GameSettings.ResetToDefaults(); }
};

TEST(RandomTest, FollowsTheRuntimeRuleWithAStatePerThread)
{
    SeedRandom(1);
    const int first[] = {DrawRandom(), DrawRandom(), DrawRandom()};
    EXPECT_EQ((std::vector<int>{41, 18467, 6334}), std::vector<int>(first, first + 3)) << "the runtime's draws";
    std::thread([] {
        SeedRandom(999);
        DrawRandom();
    }).join();
    EXPECT_EQ(26500, DrawRandom()) << "another thread's draws must not move this thread's state";
}

TEST(LettersTest, KnowsExactlyTheFiftyNineLettersAndTheirCapitals)
{
    std::string letters;
    for (int c = 0; c < 256; ++c)
        if (IsGameLetter(static_cast<char>(c)))
            letters += static_cast<char>(c);
    EXPECT_EQ("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz\xC4\xD6\xDC\xDF\xE4\xF6\xFC", letters);
    UpperCaseWord(letters);
    EXPECT_EQ("ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQRSTUVWXYZ\xC4\xD6\xDC\xDF\xC4\xD6\xDC", letters)
        << "ß stays";
    EXPECT_TRUE(EqualsIgnoreCase("Bären", "bÄREN"));
    EXPECT_FALSE(EqualsIgnoreCase("Baren", "Bären"));
    EXPECT_FALSE(EqualsIgnoreCase("Bar", "Bare"));
}

TEST_F(WordTest, NormaliseSubstitutesCollapsesAndDrops)
{
    const struct {
        const char* word;
        bool substitute;
        const char* keep;
        const char* expected;
    } cases[] = {
        {"Straße", true, "", "Strasse"},          {"Käse-Brot 2", false, "", "KäseBrot"},
        {"café", false, "", "caf"},               {"123456", true, "", ""},
        {"GRÖßEN", true, "", "GROEssEN"},         {"ÄÖÜäöüß", true, "", "AEOEUEaeoeuess"},
        {"a  b   c-d", false, " ", "a b cd"},
    };
    for (const auto& c : cases) {
        std::string word = c.word;
        EXPECT_EQ(static_cast<int>(std::strlen(c.expected)), NormaliseWord(word, c.substitute, c.keep));
        EXPECT_EQ(c.expected, word);
    }
}

TEST_F(WordTest, SubAnagramIsAMultisetTestWithCaseUnderLax)
{
    const char* const pairs[][2] = {{"REISEN", "RIESE"}, {"REISEN", "SEES"},     {"REISEN", "NEISER"},
                                    {"REISEN", ""},      {"REISEN", "REISENS"},  {"Haustier", "haus"},
                                    {"Bär", "BÄR"}};
    std::string strict, lax;
    for (const auto& pair : pairs) {
        GameSettings.Lax = 0;
        strict += IsSubAnagram(pair[0], pair[1]) ? '1' : '0';
        GameSettings.Lax = 1;
        lax += IsSubAnagram(pair[0], pair[1]) ? '1' : '0';
    }
    EXPECT_EQ("1011000", strict);
    EXPECT_EQ("1011011", lax);
}

TEST_F(WordTest, EffectiveFlagsFollowTheList)
{
    // Wordlist, Uppercase, Substitute; then upper and substitute in force.
    const int cases[][5] = {{0, 0, 0, 1, 1}, {1, 0, 0, 0, 0}, {1, 1, 0, 1, 0}, {1, 0, 1, 0, 1}, {7, 1, 1, 0, 0}};
    for (const auto& c : cases) {
        GameSettings.Wordlist = c[0];
        GameSettings.Uppercase = c[1];
        GameSettings.Substitute = c[2];
        EXPECT_EQ(std::make_pair(c[3] != 0, c[4] != 0), std::make_pair(EffectiveUpper(), EffectiveSubstitute()))
            << c[0] << c[1] << c[2];
    }
}

TEST(TrimTest, RemovesOnlyOuterWhiteSpace)
{
    std::string a = " \t Haus Tür \r\n", b = "   ";
    TrimWhiteSpace(a);
    TrimWhiteSpace(b);
    EXPECT_EQ("Haus Tür|", a + "|" + b);
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
