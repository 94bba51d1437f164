#include "engine/CancelEvent.h"
#include "engine/Letters.h"
#include "engine/Search.h"
#include "engine/Word.h"
#include "settings/GameSettings.h"
#include "wordlist/WordList.h"

#include <gtest/gtest.h>

namespace {

class Host : public ISearchHost {
public:
    std::string letters;
    std::vector<std::string> candidates;
    int total = -1;

    const std::string& SearchLetters() const override { return letters; }
    std::vector<std::string>& SearchCandidates() override { return candidates; }
    void SetSearchTotal(int value) override { total = value; }
    void SetStatusText(const char*) override {}
    void PostSearchDone() override {}
};

// The candidate search's steps word by word, without any shortcut.
std::vector<std::string> ReferenceSearch(const std::string& startWord)
{
    std::vector<std::string> found;
    for (int i = 0; i < WordCount(); ++i) {
        std::string w = GetWord(i);
        NormaliseWord(w, EffectiveSubstitute(), std::string());
        if (EffectiveUpper())
            UpperCaseWord(w);
        TrimWhiteSpace(w);
        if (EqualsIgnoreCase(w, startWord) || static_cast<int>(w.size()) < GameSettings.AngLimit)
            continue;
        if (IsSubAnagram(startWord, w))
            found.push_back(w);
    }
    return found;
}

void ExpectSameAsReference(const std::string& startWord, const std::string& what)
{
    Host host;
    host.letters = startWord;
    CancelEvent.Reset();
    ASSERT_EQ(1u, SearchThreadProc(&host)) << what;
    EXPECT_EQ(ReferenceSearch(startWord), host.candidates) << what;
    EXPECT_EQ(static_cast<int>(host.candidates.size()), host.total) << what;
}

class SearchOverListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        GameSettings.ResetToDefaults();
        ClearWordList();
    }
    void TearDown() override { SetUp(); }
};

TEST_F(SearchOverListTest, OwnListUnderEveryCombinationOfFlags)
{
    GameSettings.Wordlist = 1;
    StoreWordList({"Haus", "haus", "HAUS", "Hüte", "HÜTE", "Hüter", "hüten", "Straße", "STRASSE", "Strasse",
                   "  Rasse ", "Ras-se", "Tür", "Türen", "Eis 2", "Ei", "rüste", "Rüste", "RUESTE", "Äste",
                   "aeste", "Öse", "oese", "ß", "ss", "Fuß", "fuss", "Tier", "tier", "reiten", "Reiter", "",
                   "123", "über", "Ueber", "ÜBER", "Ruhe", "Huret", "éter", "Steuer", "Ursache"});
    for (int upper = 0; upper <= 1; ++upper)
        for (int substitute = 0; substitute <= 1; ++substitute)
            for (int lax = 0; lax <= 1; ++lax) {
                GameSettings.Uppercase = upper;
                GameSettings.Substitute = substitute;
                GameSettings.Lax = lax;
                for (int ang : {2, 3, 4})
                    for (const char* start : {"Hüterstraße", "HUETERSTRASSE", "huetersrasse", "Rüstehaus",
                                              "ÄSTEÖSEFUß", "Tierreiten", "Übersteuer"}) {
                        GameSettings.AngLimit = ang;
                        ExpectSameAsReference(start, std::string(start) + " upper " + std::to_string(upper) +
                                                         " subst " + std::to_string(substitute) + " lax " +
                                                         std::to_string(lax) + " ang " + std::to_string(ang));
                    }
            }
}

TEST_F(SearchOverListTest, TheBuiltStandardList)
{
    ASSERT_TRUE(LoadStandardWordList(ANAGRILLA_STANDARD_LIST));
    ExpectSameAsReference("STRASSENBAHN", "STRASSENBAHN");
    GameSettings.Lax = 1;
    ExpectSameAsReference("Blumentopf", "lax with a mixed-case start word");
    GameSettings.AngLimit = 6;
    ExpectSameAsReference("ERNTEDANKE", "AngLimit 6");
}

} // namespace
