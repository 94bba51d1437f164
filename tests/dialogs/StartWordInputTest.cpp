#include "settings/StartWordInput.h"

#include <gtest/gtest.h>

// The typing cases as the player meets them run against the real dialog
// under Wine; these pin down the caret arithmetic and its edges.
namespace {

TEST(StartWordInput, CaretMovesByTheChangeInLength)
{
    // ö typed after the K of "Knig": two letters replace one.
    const CleanedStartWord umlaut = CleanStartWord("K\xF6nig", 2, false, true);
    EXPECT_EQ(umlaut.word, "Koenig");
    EXPECT_EQ(umlaut.caret, 3);
    EXPECT_TRUE(umlaut.canStart);

    // "- 7" pasted after "ab" vanishes; the caret goes back to where it was.
    const CleanedStartWord noise = CleanStartWord("ab- 7cdef", 5, false, false);
    EXPECT_EQ(noise.word, "abcdef");
    EXPECT_EQ(noise.caret, 2);
}

TEST(StartWordInput, UpperCasingFollowsTheFlagAndKeepsSharpS)
{
    EXPECT_EQ(CleanStartWord("stra\xDF" "e", 6, true, false).word, "STRA\xDF" "E");
    EXPECT_EQ(CleanStartWord("stra\xDF" "e", 6, true, true).word, "STRASSE");
    EXPECT_EQ(CleanStartWord("B\xE4ren", 5, false, false).word, "B\xE4ren");
    EXPECT_FALSE(CleanStartWord("B\xE4ren", 5, false, false).canStart) << "five letters";
}

TEST(StartWordInput, TenLettersAtMostWithTheCaretInside)
{
    const CleanedStartWord pasted = CleanStartWord("abcdefghijklmnop", 16, false, false);
    EXPECT_EQ(pasted.word, "abcdefghij");
    EXPECT_EQ(pasted.caret, 10);
    EXPECT_TRUE(pasted.canStart);

    // A letter typed at the front pushes the last one out.
    const CleanedStartWord front = CleanStartWord("zabcdefghij", 1, false, false);
    EXPECT_EQ(front.word, "zabcdefghi");
    EXPECT_EQ(front.caret, 1);
}

TEST(StartWordInput, CaretNeverLeavesTheText)
{
    const CleanedStartWord removedAhead = CleanStartWord("12ab", 0, false, false);
    EXPECT_EQ(removedAhead.word, "ab");
    EXPECT_EQ(removedAhead.caret, 0);
    const CleanedStartWord blanks = CleanStartWord("   ", 3, true, true);
    EXPECT_EQ(blanks.word, "");
    EXPECT_EQ(blanks.caret, 0);
    EXPECT_FALSE(blanks.canStart);
}

} // namespace
