#include "settings/ListChoice.h"

#include <gtest/gtest.h>

namespace {

TEST(ListPath, ComparesWindows1252LettersWithoutCase)
{
    EXPECT_TRUE(SamePathIgnoringCase("C:\\Listen\\W\xF6rter.txt", "c:\\LISTEN\\W\xD6RTER.TXT"));
    EXPECT_TRUE(SamePathIgnoringCase("\x8A\x8C\x8E\x9F\xC0\xDE", "\x9A\x9C\x9E\xFF\xE0\xFE"));
    EXPECT_FALSE(SamePathIgnoringCase("a.txt", "a.txt "));
    EXPECT_FALSE(SamePathIgnoringCase("stra\xDF" "e", "strasse"));
    // Multiplication and division signs sit among the letters but are none.
    EXPECT_FALSE(SamePathIgnoringCase("\xD7", "\xF7"));
}

// The dialog's cases run against the real dialog under Wine; these are the
// decisions on their own, with the trimming.
TEST(ListChoice, ClearsOnlyWhenTheListOrItsFileChanged)
{
    struct Case {
        int storedChoice;
        const char* storedPath;
        int chosen;
        const char* typed;
        bool missing, clear;
        const char* kept;
    } cases[] = {
        {0, "C:\\a.txt", 0, "C:\\b.txt", false, false, "C:\\b.txt"},
        {1, "C:\\A.TXT", 1, " c:\\a.txt\t", false, false, "c:\\a.txt"},
        {1, "C:\\a.txt", 1, " C:\\b.txt ", false, true, "C:\\b.txt"},
        {1, "C:\\a.txt", 0, "   ", false, true, ""},
        {0, "C:\\a.txt", 1, "C:\\a.txt", false, true, "C:\\a.txt"},
        {0, "", 1, " \t ", true, false, ""},
    };
    for (const Case& c : cases) {
        std::string path = c.typed;
        const ListConfirmation result = ConfirmListChoice(c.storedChoice, c.storedPath, c.chosen, path);
        EXPECT_EQ(result.pathMissing, c.missing) << c.typed;
        EXPECT_EQ(result.clearList, c.clear) << c.typed;
        EXPECT_EQ(path, c.kept);
    }
}

} // namespace
