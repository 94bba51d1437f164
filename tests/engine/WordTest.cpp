#include "engine/Letters.h"
#include "engine/Random.h"
#include "engine/Word.h"
#include "settings/GameSettings.h"

#include <gtest/gtest.h>
#include <thread>

namespace {

class WordTest : public ::testing::Test {
protected:
    void SetUp() override { GameSettings.ResetToDefaults(); }
    void TearDown() override { GameSettings.ResetToDefaults(); }
};

std::string Normalised(std::string word, bool substitute)
{
    NormaliseWord(word, substitute, std::string());
    return word;
}

TEST(RandomTest, FollowsTheRuntimeRuleWithAStatePerThread)
{
    SeedRandom(1);
    // The runtime's well-known first draws after srand(1).
    EXPECT_EQ(41, DrawRandom());
    EXPECT_EQ(18467, DrawRandom());
    EXPECT_EQ(6334, DrawRandom());

    SeedRandom(12345);
    const int first = DrawRandom();
    int other = -1;
    std::thread([&] {
        SeedRandom(999);
        DrawRandom();
        other = DrawRandom();
    }).join();
    SeedRandom(12345);
    EXPECT_EQ(first, DrawRandom()) << "another thread's draws must not move this thread's state";
    EXPECT_NE(-1, other);

    uint32_t state = 0xFFFFFFFFu;
    for (int i = 0; i < 1000; ++i) {
        const int r = NextRandom(state);
        ASSERT_GE(r, 0);
        ASSERT_LE(r, RandomMax);
    }
}

TEST(LettersTest, KnowsExactlyTheFiftyNineLetters)
{
    int count = 0;
    for (int c = 0; c < 256; ++c)
        count += IsGameLetter(static_cast<char>(c)) ? 1 : 0;
    EXPECT_EQ(59, count);
    EXPECT_TRUE(IsGameLetter('\xDF'));
    EXPECT_FALSE(IsGameLetter('\xE9')); // é
    EXPECT_FALSE(IsGameLetter(' '));

    std::string word = "ärger über öl straße";
    UpperCaseWord(word);
    EXPECT_EQ("ÄRGER ÜBER ÖL STRAßE", word);
    EXPECT_TRUE(EqualsIgnoreCase("Bären", "bÄREN"));
    EXPECT_FALSE(EqualsIgnoreCase("Baren", "Bären"));
    EXPECT_FALSE(EqualsIgnoreCase("Bar", "Bare"));
}

TEST_F(WordTest, NormaliseSubstitutesCollapsesAndDrops)
{
    std::string word = "Straße";
    EXPECT_EQ(7, NormaliseWord(word, true, std::string()));
    EXPECT_EQ("Strasse", word);
    EXPECT_EQ("AEpfel", Normalised("Äpfel", true));
    EXPECT_EQ("KäseBrot", Normalised("Käse-Brot 2", false));
    EXPECT_EQ("caf", Normalised("café", false));
    EXPECT_EQ("", Normalised("123456", true));
    EXPECT_EQ("GROEssEN", Normalised("GRÖßEN", true)) << "ß becomes small ss even in capitals";
    EXPECT_EQ("AEOEUEaeoeuess", Normalised("ÄÖÜäöüß", true));

    std::string kept = "a  b   c-d";
    NormaliseWord(kept, false, " ");
    EXPECT_EQ("a b cd", kept) << "blank runs collapse to one when blanks are kept";
}

TEST_F(WordTest, SubAnagramIsAMultisetTest)
{
    EXPECT_TRUE(IsSubAnagram("REISEN", "RIESE"));
    EXPECT_FALSE(IsSubAnagram("REISEN", "SEES"));
    EXPECT_TRUE(IsSubAnagram("REISEN", "NEISER"));
    EXPECT_TRUE(IsSubAnagram("REISEN", ""));
    EXPECT_FALSE(IsSubAnagram("REISEN", "REISENS"));

    EXPECT_FALSE(IsSubAnagram("Haustier", "haus"));
    GameSettings.Lax = 1;
    EXPECT_TRUE(IsSubAnagram("Haustier", "haus"));
    EXPECT_TRUE(IsSubAnagram("Bär", "BÄR"));
}

TEST_F(WordTest, EffectiveFlagsFollowTheList)
{
    GameSettings.Wordlist = 0;
    EXPECT_TRUE(EffectiveUpper());
    EXPECT_TRUE(EffectiveSubstitute());
    GameSettings.Wordlist = 1;
    EXPECT_FALSE(EffectiveUpper());
    EXPECT_FALSE(EffectiveSubstitute());
    GameSettings.Uppercase = 1;
    EXPECT_TRUE(EffectiveUpper());
    EXPECT_FALSE(EffectiveSubstitute());
    GameSettings.Substitute = 1;
    EXPECT_TRUE(EffectiveSubstitute());
    GameSettings.Wordlist = 7;
    EXPECT_FALSE(EffectiveUpper());
    EXPECT_FALSE(EffectiveSubstitute());
}

TEST(TrimTest, RemovesOnlyOuterWhiteSpace)
{
    std::string a = " \t Haus Tür \r\n";
    TrimWhiteSpace(a);
    EXPECT_EQ("Haus Tür", a);
    std::string b = "   ";
    TrimWhiteSpace(b);
    EXPECT_EQ("", b);
}

} // namespace
