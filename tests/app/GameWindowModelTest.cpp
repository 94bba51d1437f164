// The main window's places, colours and menu states, as the window applies them.
#include "app/GameWindowModel.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

std::string Rect(const PixelRect& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "-" + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

TEST(LetterRow, IsCentredOnTheBandWithTenPixelGaps)
{
    EXPECT_EQ("31,255-61,285", Rect(LetterButtonRect(453, 10, 0)));
    EXPECT_EQ("391,255-421,285", Rect(LetterButtonRect(453, 10, 9)));
    // Nine letters (the welcome row) in an even width: equal margins of 55.
    EXPECT_EQ("375,255-405,285", Rect(LetterButtonRect(460, 9, 8)));
    // Wider than the window: (101 - 400 + 30) / 2 truncates to -134; flooring would give -135.
    EXPECT_EQ(std::make_pair(-144, -145),
              std::make_pair(FirstLetterButtonLeft(101, 10), FirstLetterButtonLeft(100, 10)));
    // The band of the standard dialog font is 250 to 289; the odd pixel goes below.
    EXPECT_EQ(std::make_pair(255, 234),
              std::make_pair(LetterButtonTopOnBand(250, 289), LetterButtonTopOnBand(231, 267)));
    EXPECT_EQ("31,234-61,264", Rect(LetterButtonRect(453, 10, 0, 234)));
}

// Brush, transparency and text colour as one short text.
std::string Colours(int id, bool running)
{
    const ControlColors c = ColorsForControl(id, running);
    char text[48];
    std::snprintf(text, sizeof text, "%06X %s %s", GameBrushColor(c.brush), c.transparent ? "clear" : "opaque",
                  c.setText ? std::to_string(c.text).c_str() : "system");
    return text;
}

TEST(ControlColours, EachControlHasItsBrushAndTheListItsRoundColour)
{
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

TEST(MenuState, StandardListGreysTheCaseEntriesAndRoundsGreyTheDialogs)
{
    // Ticks of sound, Uppercase, Substitute, Lax and help; case entries grey, Lax grey.
    const auto atRest = [](int wordlist, int uppercase, int useSound, int substitute, int lax, int useHelp) {
        const OptionMenuState s = MenuStateAtRest(wordlist, uppercase, useSound, substitute, lax, useHelp);
        return std::to_string(s.soundTicked * 10000 + s.uppercaseTicked * 1000 + s.substituteTicked * 100 +
                              s.laxTicked * 10 + s.helpTicked) +
               " grey " + std::to_string(s.caseEntriesGrey) + std::to_string(s.laxGrey);
    };
    EXPECT_EQ("10110 grey 11", atRest(0, 0, 1, 1, 1, 0)) << "the standard list, whatever is stored";
    EXPECT_EQ("1 grey 00", atRest(1, 0, 0, 0, 0, 1));
    EXPECT_EQ("11001 grey 01", atRest(1, 1, 1, 0, 0, 1)) << "Lax is grey while Uppercase is on";
    // Dialog entries grey, case entries touched, case entries grey, Lax grey.
    std::string forRound;
    for (const auto& c : {std::make_tuple(true, 0, 0), std::make_tuple(false, 0, 1), std::make_tuple(true, 1, 0),
                          std::make_tuple(false, 1, 0), std::make_tuple(false, 1, 1)}) {
        const RunningMenuState s = MenuStateForRound(std::get<0>(c), std::get<1>(c), std::get<2>(c));
        forRound += std::to_string(s.dialogEntriesGrey) + std::to_string(s.touchCaseEntries) +
                    std::to_string(s.caseEntriesGrey) + std::to_string(s.laxGrey) + " ";
    }
    EXPECT_EQ("1011 0001 1111 0100 0101 ", forRound) << "the standard list's entries are left alone";
}

} // namespace
