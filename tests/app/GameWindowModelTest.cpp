// The main window's places, colours and menu states, as the window applies them.
#include "app/GameWindowModel.h"
#include "res/resource.h"
#include <gtest/gtest.h>
#include <cstdio>
#include <string>

namespace {

std::string Rect(const PixelRect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "-" + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

TEST(LetterRow, IsCentredOnTheBandWithTenPixelGaps) {
    EXPECT_EQ("31,255-61,285", Rect(LetterButtonRect(453, 10, 0)));
    EXPECT_EQ("391,255-421,285", Rect(LetterButtonRect(453, 10, 9)));
    // Nine letters (the welcome row) in an even width: equal margins of 55.
    EXPECT_EQ("55,255-85,285", Rect(LetterButtonRect(460, 9, 0)));
    EXPECT_EQ("375,255-405,285", Rect(LetterButtonRect(460, 9, 8)));
    // Wider than the window: (101 - 400 + 30) / 2 truncates to -134; flooring would give -135.
    EXPECT_EQ(-144, FirstLetterButtonLeft(101, 10));
    EXPECT_EQ(-145, FirstLetterButtonLeft(100, 10));
    // The band of the standard dialog font is 250 to 289; the odd pixel goes below.
    EXPECT_EQ(255, LetterButtonTopOnBand(250, 289));
    EXPECT_EQ(234, LetterButtonTopOnBand(231, 267));
    EXPECT_EQ("31,234-61,264", Rect(LetterButtonRect(453, 10, 0, 234)));
}

// Brush, transparency and text colour as one short text.
std::string Colours(int id, bool running) {
    const ControlColors c = ColorsForControl(id, running);
    char text[48];
    std::snprintf(text, sizeof text, "%06X %s %s", GameBrushColor(c.brush), c.transparent ? "clear" : "opaque",
                  c.setText ? std::to_string(c.text).c_str() : "system");
    return text;
}

TEST(ControlColours, EachControlHasItsBrushAndTheListItsRoundColour) {
    const std::string green = std::to_string(0x008000), red = std::to_string(0x0000FF);
    EXPECT_EQ("AAD2E6 clear " + green, Colours(IDC_RESULTLIST, true));
    EXPECT_EQ("AAD2E6 clear " + red, Colours(IDC_RESULTLIST, false));
    EXPECT_EQ("008000 opaque system", Colours(IDC_LETTERBAND, false));
    EXPECT_EQ("6496D2 opaque system", Colours(IDC_BUTTONPANEL, false));
    EXPECT_EQ("6496D2 opaque system", Colours(IDC_LISTPANEL, true));
    for (int id : {0xFFFF, 0, -1, IDC_FOUND, IDC_TIME, IDC_MISTRIALS, IDC_COUNTERSTRIP})
        EXPECT_EQ("AFC8E6 opaque system", Colours(id, false)) << id;
    // The status line, the buttons and the window itself.
    for (int id : {IDC_STATUS, IDC_NEW, IDC_INPUT, 5000, -2})
        EXPECT_EQ("E6E6E6 opaque system", Colours(id, true)) << id;
    EXPECT_EQ(0xFFFFFFu, GameBrushColor(GameBrush::White));
}

// Ticks, then greys (case entries, Lax), as one text.
std::string AtRest(int wordlist, int uppercase, int useSound, int substitute, int lax, int useHelp) {
    const OptionMenuState s = MenuStateAtRest(wordlist, uppercase, useSound, substitute, lax, useHelp);
    return std::string() + char('0' + s.soundTicked) + char('0' + s.uppercaseTicked) + char('0' + s.substituteTicked) +
           char('0' + s.laxTicked) + char('0' + s.helpTicked) + " grey " + char('0' + s.caseEntriesGrey) +
           char('0' + s.laxGrey);
}

// Dialog entries grey, case entries touched, case entries grey, Lax grey.
std::string ForRound(bool running, int wordlist, int uppercase) {
    const RunningMenuState s = MenuStateForRound(running, wordlist, uppercase);
    return std::string() + char('0' + s.dialogEntriesGrey) + char('0' + s.touchCaseEntries) +
           char('0' + s.caseEntriesGrey) + char('0' + s.laxGrey);
}

TEST(MenuState, StandardListGreysTheCaseEntriesAndRoundsGreyTheDialogs) {
    EXPECT_EQ("10110 grey 11", AtRest(0, 0, 1, 1, 1, 0)) << "the standard list, whatever is stored";
    EXPECT_EQ("00001 grey 00", AtRest(1, 0, 0, 0, 0, 1));
    EXPECT_EQ("11001 grey 01", AtRest(1, 1, 1, 0, 0, 1)) << "Lax is grey while Uppercase is on";
    EXPECT_EQ("1011", ForRound(true, 0, 0)) << "the standard list's entries are left alone";
    EXPECT_EQ("0001", ForRound(false, 0, 1));
    EXPECT_EQ("1111", ForRound(true, 1, 0));
    EXPECT_EQ("0100", ForRound(false, 1, 0));
    EXPECT_EQ("0101", ForRound(false, 1, 1));
}

} // namespace
