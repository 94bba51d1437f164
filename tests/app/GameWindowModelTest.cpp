// The main window's places, colours and menu states, as the window applies them.
#include "app/GameWindowModel.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

// Numbers (flags as 0 and 1) as one short text: "1 2 3,".
std::string Join(std::initializer_list<long> values)
{
    std::string text;
    for (long value : values)
        text += (text.empty() ? "" : " ") + std::to_string(value);
    return text + ",";
}
std::string Rect(const PixelRect& r) { return Join({r.left, r.top, r.right, r.bottom}); }

TEST(LetterRow, IsCentredOnTheBandWithTenPixelGaps)
{
    // Nine letters (the welcome row) in an even width: equal margins of 55. Wider than the
    // window: (101 - 400 + 30) / 2 truncates to -134; flooring would give -135. The band of
    // the standard dialog font is 250 to 289; the odd pixel goes below.
    const int left = FirstLetterButtonLeft(101, 10), floorless = FirstLetterButtonLeft(100, 10);
    const int top = LetterButtonTopOnBand(231, 267);
    EXPECT_EQ("31 255 61 285,391 255 421 285,375 255 405 285,-144 -145,31 234 61 264,255,",
              Rect(LetterButtonRect(453, 10, 0)) + Rect(LetterButtonRect(453, 10, 9)) +
                  Rect(LetterButtonRect(460, 9, 8)) + Join({left, floorless}) +
                  Rect(LetterButtonRect(453, 10, 0, top)) + Join({LetterButtonTopOnBand(250, 289)}));
}

TEST(ControlColours, EachControlHasItsBrushAndTheListItsRoundColour)
{
    // Brush, transparency, whether the text colour is set, and that colour, all BGR in decimal:
    // beige AAD2E6, green 008000, brown 6496D2, sand AFC8E6, light grey E6E6E6.
    std::string colours;
    for (const auto& c : {std::make_pair(IDC_RESULTLIST, true), {IDC_RESULTLIST, false}, {IDC_LETTERBAND, false},
                          {IDC_BUTTONPANEL, false}, {IDC_LISTPANEL, true}, {0xFFFF, false}, {-1, false},
                          {IDC_COUNTERSTRIP, false}, {IDC_STATUS, true}, {IDC_NEW, true}}) {
        const ControlColors s = ColorsForControl(c.first, c.second);
        colours += Join({static_cast<long>(GameBrushColor(s.brush)), s.transparent, s.setText, s.setText ? s.text : 0});
    }
    EXPECT_EQ("11195110 1 1 32768,11195110 1 1 255,32768 0 0 0,6592210 0 0 0,6592210 0 0 0,11520230 0 0 0,"
              "11520230 0 0 0,11520230 0 0 0,15132390 0 0 0,15132390 0 0 0,16777215,",
              colours + Join({static_cast<long>(GameBrushColor(GameBrush::White))}));
}

TEST(MenuState, StandardListGreysTheCaseEntriesAndRoundsGreyTheDialogs)
{
    // Ticks of sound, Uppercase, Substitute, Lax and help; case entries grey, Lax grey.
    std::string states;
    for (const auto& c : {std::array<int, 6>{0, 0, 1, 1, 1, 0}, {1, 0, 0, 0, 0, 1}, {1, 1, 1, 0, 0, 1}}) {
        const OptionMenuState s = MenuStateAtRest(c[0], c[1], c[2], c[3], c[4], c[5]);
        states += Join({s.soundTicked, s.uppercaseTicked, s.substituteTicked, s.laxTicked, s.helpTicked,
                        s.caseEntriesGrey, s.laxGrey});
    }
    // Dialog entries grey, case entries touched, case entries grey, Lax grey.
    for (const auto& c : {std::make_tuple(true, 0, 0), std::make_tuple(false, 0, 1), std::make_tuple(true, 1, 0),
                          std::make_tuple(false, 1, 0), std::make_tuple(false, 1, 1)}) {
        const RunningMenuState s = MenuStateForRound(std::get<0>(c), std::get<1>(c), std::get<2>(c));
        states += Join({s.dialogEntriesGrey, s.touchCaseEntries, s.caseEntriesGrey, s.laxGrey});
    }
    EXPECT_EQ("1 0 1 1 0 1 1,0 0 0 0 1 0 0,1 1 0 0 1 0 1,1 0 1 1,0 0 0 1,1 1 1 1,0 1 0 0,0 1 0 1,", states)
        << "the standard list greys whatever is stored and its entries are left alone in a round";
}

} // namespace
