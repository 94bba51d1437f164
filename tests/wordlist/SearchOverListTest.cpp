// The quick search against its steps word by word, over lists of every kind.
#include "engine/CancelEvent.h"
#include "engine/Search.h"
#include "tests/wordlist/ReferenceSearch.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

class SearchOverListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        GameSettings.ResetToDefaults();
        ClearWordList();
        CancelEvent.Reset();
    }
    void TearDown() override { SetUp(); }

    static void ExpectSameAsReference(const std::string& startWord)
    {
        CSearchCollector host;
        host.letters = startWord;
        ASSERT_EQ(1u, SearchThreadProc(&host));
        EXPECT_EQ(ReferenceSearch(startWord), host.candidates)
            << startWord << " upper " << GameSettings.Uppercase << " subst " << GameSettings.Substitute << " lax "
            << GameSettings.Lax << " ang " << GameSettings.AngLimit;
        EXPECT_EQ(static_cast<int>(host.candidates.size()), host.total);
    }
};

TEST_F(SearchOverListTest, OwnListUnderEveryCombinationOfFlags)
{
    GameSettings.Wordlist = 1;
    StoreWordList({"Haus", "haus", "HAUS", "Hüte", "HÜTE", "Hüter", "hüten", "Straße", "STRASSE", "Strasse",
                   "  Rasse ", "Ras-se", "Tür", "Türen", "Eis 2", "Ei", "rüste", "Rüste", "RUESTE", "Äste",
                   "aeste", "Öse", "oese", "ß", "ss", "Fuß", "fuss", "Tier", "tier", "reiten", "Reiter", "",
                   "123", "über", "Ueber", "ÜBER", "Ruhe", "Huret", "éter", "Steuer", "Ursache"});
    for (int flags = 0; flags < 8; ++flags) {
        GameSettings.Uppercase = flags & 1;
        GameSettings.Substitute = (flags >> 1) & 1;
        GameSettings.Lax = flags >> 2;
        for (int ang : {2, 3, 4})
            for (const char* start : {"Hüterstraße", "HUETERSTRASSE", "huetersrasse", "Rüstehaus", "ÄSTEÖSEFUß",
                                      "Tierreiten", "Übersteuer"}) {
                GameSettings.AngLimit = ang;
                ExpectSameAsReference(start);
            }
    }
}

TEST_F(SearchOverListTest, TheBuiltStandardList)
{
    const std::string path = ANAGRILLA_STANDARD_LIST;
    ASSERT_TRUE(LoadStandardWordList(path)) << path;
    const int count = WordCount();
    ASSERT_GT(count, 200000);
    EXPECT_EQ(15, MaxWordLength());
    EXPECT_LE(WordListMemoryBytes(), 2 * std::filesystem::file_size(path)) << "at most twice the file's size";
    std::string previous = GetWord(0), word;
    for (int i = 1; i < count; ++i) {
        GetWordInto(i, word);
        ASSERT_TRUE(word.size() >= 2 && word.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ") == std::string::npos)
            << word;
        ASSERT_TRUE(word.size() < previous.size() || (word.size() == previous.size() && previous < word))
            << "longest first, then alphabetical, each word once: " << previous << " " << word;
        previous.swap(word);
    }

    ExpectSameAsReference("STRASSENBAHN");
    GameSettings.Lax = 1;
    ExpectSameAsReference("Blumentopf"); // a mixed-case start word
    GameSettings.AngLimit = 6;
    ExpectSameAsReference("ERNTEDANKE");
}

} // namespace
