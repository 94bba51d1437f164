#pragma once
#include <string>

// A start word is 6 to 10 letters long.
constexpr int StartWordMaxLength = 10;

// What the start-word field shows after the player changed its text.
struct CleanedStartWord {
    std::string word; // letters only, at most StartWordMaxLength of them
    int caret;        // where the caret goes, within 0..word.size()
    bool canStart;    // enough letters for a round
};

// Cleans the field's text with the input rules in force: substitution of
// umlauts and ß, only game letters, upper case, at most ten letters. The
// caret moves by the change in length so that it stays behind what was typed.
CleanedStartWord CleanStartWord(const std::string& text, int selectionStart, bool upper, bool substitute);
