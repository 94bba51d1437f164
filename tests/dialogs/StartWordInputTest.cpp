#include "settings/StartWordInput.h"

#include <gtest/gtest.h>

// The typing cases as the player meets them run against the real dialog
// under Wine; these pin down the caret arithmetic and its edges.
namespace {

TEST(StartWordInput, CleaningMovesTheCaretByTheChangeInLength)
{
    const struct {
        const char* typed;
        int caret;
        bool upper, substitute;
        const char* word;
        int cleanCaret;
        bool canStart;
    } cases[] = {
        // ö typed after the K of "Knig": two letters replace one.
        {"K\xF6nig", 2, false, true, "Koenig", 3, true},
        // "- 7" pasted after "ab" vanishes; the caret goes back to where it was.
        {"ab- 7cdef", 5, false, false, "abcdef", 2, true},
        // Upper-casing follows its flag and keeps ß unless it is substituted.
        {"stra\xDF" "e", 6, true, false, "STRA\xDF" "E", 6, true},
        {"stra\xDF" "e", 6, true, true, "STRASSE", 7, true},
        {"B\xE4ren", 5, false, false, "B\xE4ren", 5, false},
        // Ten letters at most, the caret inside; a letter typed at the front
        // pushes the last one out.
        {"abcdefghijklmnop", 16, false, false, "abcdefghij", 10, true},
        {"zabcdefghij", 1, false, false, "zabcdefghi", 1, true},
        // The caret never leaves the text.
        {"12ab", 0, false, false, "ab", 0, false},
        {"   ", 3, true, true, "", 0, false},
    };
    for (const auto& c : cases) {
        const CleanedStartWord cleaned = CleanStartWord(c.typed, c.caret, c.upper, c.substitute);
        EXPECT_EQ(cleaned.word, c.word) << c.typed;
        EXPECT_EQ(cleaned.caret, c.cleanCaret) << c.typed;
        EXPECT_EQ(cleaned.canStart, c.canStart) << c.typed;
    }
}

} // namespace
