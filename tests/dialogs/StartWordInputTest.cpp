#include "settings/StartWordInput.h"

#include <gtest/gtest.h>

namespace {

// Plays the player typing one character at the caret, with the field
// cleaned after every keystroke as the dialog does.
struct Field {
    std::string text;
    int caret = 0;
    bool canStart = false;
    bool upper;
    bool substitute;

    Field(bool upperCase, bool substitution) : upper(upperCase), substitute(substitution) {}

    void Type(char c) { Replace(std::string(1, c)); }
    void Paste(const std::string& s) { Replace(s); }
    void Backspace()
    {
        text.erase(static_cast<size_t>(caret - 1), 1);
        --caret;
        Clean();
    }
    void Replace(const std::string& s)
    {
        text.insert(static_cast<size_t>(caret), s);
        caret += static_cast<int>(s.size());
        Clean();
    }
    void Clean()
    {
        const CleanedStartWord cleaned = CleanStartWord(text, caret, upper, substitute);
        text = cleaned.word;
        caret = cleaned.caret;
        canStart = cleaned.canStart;
    }
};

TEST(StartWordInput, StandardListSubstitutesAndUpperCasesWhileTyping)
{
    Field field(true, true);
    for (char c : std::string("stra\xDF" "e"))
        field.Type(c);
    EXPECT_EQ(field.text, "STRASSE");
    EXPECT_EQ(field.caret, 7);
    EXPECT_TRUE(field.canStart);
}

TEST(StartWordInput, OwnListWithoutConversionKeepsUmlautsAndCase)
{
    Field field(false, false);
    for (char c : std::string("B\xE4ren"))
        field.Type(c);
    EXPECT_EQ(field.text, "B\xE4ren");
    EXPECT_FALSE(field.canStart) << "five letters are too few";
    field.Type('t');
    EXPECT_EQ(field.text, "B\xE4rent");
    EXPECT_TRUE(field.canStart);
    field.Backspace();
    EXPECT_FALSE(field.canStart) << "back to five letters";
}

TEST(StartWordInput, CharactersThatAreNoLettersVanishAndTheCaretStays)
{
    Field own(false, false);
    for (char c : std::string("xy1z"))
        own.Type(c);
    EXPECT_EQ(own.text, "xyz");
    EXPECT_EQ(own.caret, 3);

    Field standard(true, true);
    for (char c : std::string("xy1z"))
        standard.Type(c);
    EXPECT_EQ(standard.text, "XYZ");
    EXPECT_EQ(standard.caret, 3);

    Field middle(false, false);
    middle.Paste("abcdef");
    middle.caret = 2;
    middle.Paste("- 7");
    EXPECT_EQ(middle.text, "abcdef");
    EXPECT_EQ(middle.caret, 2);
}

TEST(StartWordInput, LongWordsAreCutToTenLetters)
{
    Field field(false, false);
    field.Paste("abcdefghijklmnop");
    EXPECT_EQ(field.text, "abcdefghij");
    EXPECT_EQ(field.caret, 10) << "the caret cannot stand behind the cut";
    EXPECT_TRUE(field.canStart);

    // Typing at the front of a full word pushes the last letter out.
    field.caret = 0;
    field.Type('z');
    EXPECT_EQ(field.text, "zabcdefghi");
    EXPECT_EQ(field.caret, 1);
}

TEST(StartWordInput, UmlautTypedInTheMiddleBecomesTwoLettersWithTheCaretBehindThem)
{
    Field field(false, true);
    field.Paste("Knig");
    field.caret = 1;
    field.Type('\xF6');
    EXPECT_EQ(field.text, "Koenig");
    EXPECT_EQ(field.caret, 3) << "after the e";
}

TEST(StartWordInput, UpperCasingKeepsSharpSWithoutSubstitution)
{
    const CleanedStartWord cleaned = CleanStartWord("stra\xDF" "e", 6, true, false);
    EXPECT_EQ(cleaned.word, "STRA\xDF" "E");
    EXPECT_TRUE(cleaned.canStart);
}

TEST(StartWordInput, CaretNeverLeavesTheText)
{
    // A selection start that the removed characters would push before the text.
    const CleanedStartWord cleaned = CleanStartWord("12ab", 0, false, false);
    EXPECT_EQ(cleaned.word, "ab");
    EXPECT_EQ(cleaned.caret, 0);
    const CleanedStartWord empty = CleanStartWord("   ", 3, true, true);
    EXPECT_EQ(empty.word, "");
    EXPECT_EQ(empty.caret, 0);
    EXPECT_FALSE(empty.canStart);
}

} // namespace
