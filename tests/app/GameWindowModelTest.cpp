#include "app/GameWindowModel.h"
#include <gtest/gtest.h>

TEST(LetterRow, TenLettersIn453PixelsStartAt31) {
    EXPECT_EQ(FirstLetterButtonLeft(453, 10), 31);
    const PixelRect last = LetterButtonRect(453, 10, 9);
    EXPECT_EQ(last.left, 31 + 9 * 40);
    EXPECT_EQ(last.right, last.left + 30);
    EXPECT_EQ(last.top, 255);
    EXPECT_EQ(last.bottom, 285);
}

TEST(LetterRow, RowIsCentredWithTenPixelGaps) {
    // Nine letters (the welcome row) in an even width: equal margins.
    const int width = 460;
    const PixelRect first = LetterButtonRect(width, 9, 0);
    const PixelRect last = LetterButtonRect(width, 9, 8);
    EXPECT_EQ(first.left, 55);
    EXPECT_EQ(width - last.right, 55);
    EXPECT_EQ(LetterButtonRect(width, 9, 1).left - first.right, 10);
}

TEST(LetterRow, SitsOnTheMiddleOfTheBand) {
    // The band of template 102 with the standard dialog font: 154 and 178
    // dialog units at 13 pixels per 8 units.
    EXPECT_EQ(LetterButtonTopOnBand(250, 289), 255);
    EXPECT_EQ(LetterButtonTopOnBand(231, 267), 234);
    EXPECT_EQ(LetterButtonRect(453, 10, 0, 234).bottom, 264);
}

TEST(LetterRow, TruncatesTowardZeroWhenTheRowIsWiderThanTheWindow) {
    // (101 - 400 + 30) / 2 is -134 when truncated; flooring would give -135.
    EXPECT_EQ(FirstLetterButtonLeft(101, 10), -144);
    EXPECT_EQ(FirstLetterButtonLeft(100, 10), -145);
    EXPECT_EQ(FirstLetterButtonLeft(453, 0), (453 + 30) / 2 - 10);
}

TEST(ControlColours, ResultListIsGreenWhileRunningAndRedOtherwise) {
    const ControlColors running = ColorsForControl(166, true);
    const ControlColors ended = ColorsForControl(166, false);
    EXPECT_EQ(running.brush, GameBrush::Beige);
    EXPECT_TRUE(running.transparent);
    ASSERT_TRUE(running.setText);
    EXPECT_EQ(running.text, MakeColor(0, 128, 0));
    ASSERT_TRUE(ended.setText);
    EXPECT_EQ(ended.text, MakeColor(255, 0, 0));
}

TEST(ControlColours, PanelsLabelsAndCountersHaveTheirBrushes) {
    EXPECT_EQ(ColorsForControl(132, false).brush, GameBrush::Green);
    EXPECT_EQ(ColorsForControl(133, false).brush, GameBrush::Brown);
    EXPECT_EQ(ColorsForControl(134, true).brush, GameBrush::Brown);
    for (int id : {0xFFFF, 0, 136, 145, 148, 149}) {
        const ControlColors colors = ColorsForControl(id, false);
        EXPECT_EQ(colors.brush, GameBrush::Sand) << id;
        EXPECT_FALSE(colors.transparent) << id;
        EXPECT_FALSE(colors.setText) << id;
    }
    // The status line, the buttons and the window itself.
    for (int id : {135, 129, 139, 5000, -2})
        EXPECT_EQ(ColorsForControl(id, true).brush, GameBrush::LightGrey) << id;
}

TEST(ControlColours, BrushColoursAreRedInTheLowestByte) {
    EXPECT_EQ(GameBrushColor(GameBrush::White), 0xFFFFFFu);
    EXPECT_EQ(GameBrushColor(GameBrush::LightGrey), 0xE6E6E6u);
    EXPECT_EQ(GameBrushColor(GameBrush::Brown), 0x6496D2u);
    EXPECT_EQ(GameBrushColor(GameBrush::Sand), 0xAFC8E6u);
    EXPECT_EQ(GameBrushColor(GameBrush::Beige), 0xAAD2E6u);
    EXPECT_EQ(GameBrushColor(GameBrush::Green), 0x008000u);
}

TEST(MenuState, StandardListGreysTheCaseEntriesWhateverIsStored) {
    const OptionMenuState state = MenuStateAtRest(0, 0, 1, 1, 1, 0);
    EXPECT_TRUE(state.caseEntriesGrey);
    EXPECT_TRUE(state.laxGrey);
    EXPECT_TRUE(state.soundTicked);
    EXPECT_FALSE(state.uppercaseTicked);
    EXPECT_TRUE(state.substituteTicked);
    EXPECT_TRUE(state.laxTicked);
    EXPECT_FALSE(state.helpTicked);
}

TEST(MenuState, OwnListGreysLaxOnlyWhileUppercaseIsOn) {
    EXPECT_FALSE(MenuStateAtRest(1, 0, 1, 0, 0, 1).caseEntriesGrey);
    EXPECT_FALSE(MenuStateAtRest(1, 0, 1, 0, 0, 1).laxGrey);
    EXPECT_TRUE(MenuStateAtRest(1, 1, 1, 0, 0, 1).laxGrey);
    EXPECT_FALSE(MenuStateAtRest(1, 1, 1, 0, 0, 1).caseEntriesGrey);
}

TEST(MenuState, RoundGreysDialogsAndLeavesStandardListEntriesAlone) {
    const RunningMenuState running = MenuStateForRound(true, 0, 0);
    EXPECT_TRUE(running.dialogEntriesGrey);
    EXPECT_FALSE(running.touchCaseEntries);
    EXPECT_FALSE(MenuStateForRound(false, 0, 0).dialogEntriesGrey);

    const RunningMenuState ownRunning = MenuStateForRound(true, 1, 0);
    EXPECT_TRUE(ownRunning.touchCaseEntries);
    EXPECT_TRUE(ownRunning.caseEntriesGrey);
    EXPECT_TRUE(ownRunning.laxGrey);
    const RunningMenuState ownIdle = MenuStateForRound(false, 1, 0);
    EXPECT_FALSE(ownIdle.caseEntriesGrey);
    EXPECT_FALSE(ownIdle.laxGrey);
    EXPECT_TRUE(MenuStateForRound(false, 1, 1).laxGrey);
}
