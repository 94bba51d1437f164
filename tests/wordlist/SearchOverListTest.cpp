// The quick search against its steps word by word, over lists of every kind.
#include "engine/Search.h"
#include "tests/engine/ProcessState.h"
#include "tests/wordlist/ReferenceSearch.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

class SearchOverListTest : public ::testing::Test {
protected:
    void SetUp() override { ResetProcessState(); }
    void TearDown() override { ResetProcessState(); }

    static void ExpectSameAsReference(const std::string& startWord)
    {
        CSearchCollector host;
        host.letters = startWord;
        ASSERT_EQ(1u, SearchThreadProc(&host));
        EXPECT_EQ(ReferenceSearch(startWord), host.candidates)
            << startWord << " upper " << GameSettings.Uppercase << " subst " << GameSettings.Substitute << " lax "
            << GameSettings.Lax << " ang " << GameSettings.AngLimit;
    }
};

TEST_F(SearchOverListTest, OwnListUnderEveryCombinationOfFlags)
{
    UseWords({"Haus", "haus", "HAUS", "Hüte", "HÜTE", "Hüter", "hüten", "Straße", "STRASSE", "Strasse", "  Rasse ",
              "Ras-se", "Tür", "Türen", "Eis 2", "Ei", "rüste", "Rüste", "RUESTE", "Äste", "aeste", "Öse", "oese", "ß",
              "ss", "Fuß", "fuss", "Tier", "tier", "reiten", "Reiter", "", "123", "über", "Ueber", "ÜBER", "Ruhe",
              "Huret", "éter", "Steuer", "Ursache"},
             1);
    for (int flags = 0; flags < 24; ++flags) {
        GameSettings.Uppercase = flags & 1;
        GameSettings.Substitute = (flags >> 1) & 1;
        GameSettings.Lax = (flags >> 2) & 1;
        GameSettings.AngLimit = 2 + flags / 8;
        for (const char* start : {"Hüterstraße", "HUETERSTRASSE", "huetersrasse", "Rüstehaus", "ÄSTEÖSEFUß",
                                  "Tierreiten", "Übersteuer"})
            ExpectSameAsReference(start);
    }
}

TEST_F(SearchOverListTest, TheBuiltStandardList)
{
    ASSERT_TRUE(LoadStandardWordList(ANAGRILLA_STANDARD_LIST));
    EXPECT_GT(WordCount(), 200000);
    EXPECT_EQ(15, MaxWordLength());
    EXPECT_LE(WordListMemoryBytes(), 2 * std::filesystem::file_size(ANAGRILLA_STANDARD_LIST)) << "at most twice the file";
    ExpectSameAsReference("STRASSENBAHN");
    GameSettings.Lax = 1;
    ExpectSameAsReference("Blumentopf"); // a mixed-case start word
    GameSettings.AngLimit = 6;
    ExpectSameAsReference("ERNTEDANKE");
}

} // namespace
