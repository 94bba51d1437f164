#include "settings/ListChoice.h"

#include <gtest/gtest.h>

#include <tuple>

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
    // Stored choice and path, chosen list and typed path; the path kept, "missing", "clear".
    const std::tuple<int, const char*, int, const char*, const char*> cases[] = {
        {0, "C:\\a.txt", 0, "C:\\b.txt", "C:\\b.txt"},
        {1, "C:\\A.TXT", 1, " c:\\a.txt\t", "c:\\a.txt"},
        {1, "C:\\a.txt", 1, " C:\\b.txt ", "C:\\b.txt clear"},
        {1, "C:\\a.txt", 0, "   ", " clear"},
        {0, "C:\\a.txt", 1, "C:\\a.txt", "C:\\a.txt clear"},
        {0, "", 1, " \t ", " missing"},
    };
    for (const auto& c : cases) {
        std::string path = std::get<3>(c);
        const ListConfirmation result = ConfirmListChoice(std::get<0>(c), std::get<1>(c), std::get<2>(c), path);
        EXPECT_EQ(std::get<4>(c), path + (result.pathMissing ? " missing" : "") + (result.clearList ? " clear" : ""));
    }
}

} // namespace
