#include "settings/ListChoice.h"

#include <gtest/gtest.h>

namespace {

TEST(ListPath, ComparesWindows1252LettersWithoutCase)
{
    EXPECT_TRUE(SamePathIgnoringCase("C:\\Listen\\W\xF6rter.txt", "c:\\LISTEN\\W\xD6RTER.TXT"));
    EXPECT_TRUE(SamePathIgnoringCase("\x8A\x8C\x8E\x9F", "\x9A\x9C\x9E\xFF"));
    EXPECT_FALSE(SamePathIgnoringCase("a.txt", "b.txt"));
    EXPECT_FALSE(SamePathIgnoringCase("a.txt", "a.txt "));
    EXPECT_FALSE(SamePathIgnoringCase("stra\xDF" "e", "strasse"));
    // Multiplication and division signs sit among the letters but are none.
    EXPECT_FALSE(SamePathIgnoringCase("\xD7", "\xF7"));
}

TEST(ListChoice, StandardListKeptLeavesTheListLoaded)
{
    std::string path = "C:\\eigene.txt";
    const ListConfirmation result = ConfirmListChoice(0, "C:\\eigene.txt", 0, path);
    EXPECT_FALSE(result.pathMissing);
    EXPECT_FALSE(result.clearList);
}

TEST(ListChoice, SamePathInOtherCaseClearsNothing)
{
    std::string path = "c:\\LISTEN\\woerter.TXT";
    const ListConfirmation result = ConfirmListChoice(1, "C:\\Listen\\Woerter.txt", 1, path);
    EXPECT_FALSE(result.clearList);
    EXPECT_EQ(path, "c:\\LISTEN\\woerter.TXT");
}

TEST(ListChoice, BlanksAroundThePathAreRemoved)
{
    std::string same = "  C:\\a.txt\t ";
    EXPECT_FALSE(ConfirmListChoice(1, "C:\\a.txt", 1, same).clearList);
    EXPECT_EQ(same, "C:\\a.txt");

    std::string other = " C:\\b.txt ";
    EXPECT_TRUE(ConfirmListChoice(1, "C:\\a.txt", 1, other).clearList);
    EXPECT_EQ(other, "C:\\b.txt");
}

TEST(ListChoice, SwitchingListsClearsWhateverThePath)
{
    std::string toStandard = "C:\\a.txt";
    EXPECT_TRUE(ConfirmListChoice(1, "C:\\a.txt", 0, toStandard).clearList);
    std::string blankToStandard = "   ";
    const ListConfirmation result = ConfirmListChoice(1, "C:\\a.txt", 0, blankToStandard);
    EXPECT_FALSE(result.pathMissing) << "the standard list needs no path";
    EXPECT_TRUE(result.clearList);
    std::string toOwn = "C:\\a.txt";
    EXPECT_TRUE(ConfirmListChoice(0, "C:\\a.txt", 1, toOwn).clearList);
}

TEST(ListChoice, OwnListWithoutPathIsRefused)
{
    std::string blank = " \t ";
    const ListConfirmation result = ConfirmListChoice(0, "", 1, blank);
    EXPECT_TRUE(result.pathMissing);
    EXPECT_FALSE(result.clearList) << "nothing is cleared when the choice is refused";
}

} // namespace
