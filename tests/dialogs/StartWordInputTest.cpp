#include "settings/StartWordInput.h"

#include <gtest/gtest.h>

#include <tuple>

// The typing cases as the player meets them run against the real dialog
// under Wine; these pin down the caret arithmetic and its edges.
namespace {

TEST(StartWordInput, CleaningMovesTheCaretByTheChangeInLength)
{
    // Typed text, caret, upper-casing, substitution; the word with its caret as |, + when it can start.
    const std::tuple<const char*, int, bool, bool, const char*> cases[] = {
        {"K\xF6nig", 2, false, true, "Koe|nig+"},    // ö typed after the K: two letters replace one
        {"ab- 7cdef", 5, false, false, "ab|cdef+"}, // "- 7" pasted after "ab" vanishes
        // Upper-casing follows its flag and keeps ß unless it is substituted.
        {"stra\xDF" "e", 6, true, false, "STRA\xDF" "E|+"},
        {"stra\xDF" "e", 6, true, true, "STRASSE|+"},
        {"B\xE4ren", 5, false, false, "B\xE4ren|"},
        // Ten letters at most, the caret inside; a letter typed at the front pushes the last one out.
        {"abcdefghijklmnop", 16, false, false, "abcdefghij|+"},
        {"zabcdefghij", 1, false, false, "z|abcdefghi+"},
        // The caret never leaves the text.
        {"12ab", 0, false, false, "|ab"},
        {"   ", 3, true, true, "|"},
    };
    for (const auto& c : cases) {
        const CleanedStartWord cleaned = CleanStartWord(std::get<0>(c), std::get<1>(c), std::get<2>(c), std::get<3>(c));
        const size_t caret = static_cast<size_t>(cleaned.caret);
        ASSERT_LE(caret, cleaned.word.size()) << std::get<0>(c); // a caret below 0 turns huge
        EXPECT_EQ(std::get<4>(c), cleaned.word.substr(0, caret) + "|" + cleaned.word.substr(caret) +
                                      (cleaned.canStart ? "+" : ""));
    }
}

} // namespace
