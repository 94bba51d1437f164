#include "tooltip/StyleSheet.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class StyleSheetTest : public ::testing::Test
{
protected:
    CFixedSysColors system;
    CColorNames names{system};
    CStyleSheet sheet{names};

    TextStyle Apply(const std::string& declarations, TextStyle style = TextStyle())
    {
        sheet.ApplyDeclarations(declarations, style);
        return style;
    }
};

TEST_F(StyleSheetTest, DefaultSheetIsTheSeventeenRulesCharacterForCharacter)
{
    const std::string text = CStyleSheet::DefaultStyleSheet();
    EXPECT_EQ(0u, text.find("body {font-size: 10pt; color:black; font-family:Verdana}\r\n"));
    EXPECT_NE(std::string::npos, text.find("\r\npre {font-size: 9pt; font-family:\"Courier\"; background-color:#fbedbb}\r\n"));
    EXPECT_EQ(text.size() - 47, text.find(".cpp-comment {color:green; font-style:italic}\r\n"));
    EXPECT_EQ(17u, sheet.RuleCount());
    EXPECT_EQ("font-size:65%; vertical-align:top", sheet.GetStyleRule("sup"));
    EXPECT_EQ("", sheet.GetStyleRule("hr"));
}

TEST_F(StyleSheetTest, DefaultRulesGiveTheirStyles)
{
    TextStyle body;
    sheet.ApplyStyleRule("body", body);
    EXPECT_EQ(13, body.fontSize); // 10pt at 96 dpi, truncated
    EXPECT_EQ("verdana", body.fontFamily);

    TextStyle pre;
    sheet.ApplyStyleRule("pre", pre);
    EXPECT_EQ("courier", pre.fontFamily); // quoted, lower-cased with the rest
    EXPECT_EQ(BackgroundOpaque, pre.backgroundMode);
    EXPECT_EQ(0xBBEDFBu, pre.backgroundColor);

    TextStyle h2;
    sheet.ApplyStyleRule("h2", h2);
    EXPECT_EQ(0x0099FFu, h2.textColor); // red FF, green 99, blue 00
    EXPECT_EQ(700, h2.fontWeight);

    TextStyle hover;
    hover.overline = true;
    sheet.ApplyStyleRule("a:hover", hover);
    EXPECT_TRUE(hover.underline);
    EXPECT_TRUE(hover.overline);
    EXPECT_EQ(0xFF0000u, hover.textColor);

    TextStyle untouched;
    sheet.ApplyStyleRule("nothing", untouched);
    EXPECT_EQ(16, untouched.fontSize);
}

TEST_F(StyleSheetTest, SheetSyntax)
{
    sheet.SetStyleSheet("h1 {color:red}\n  ;;  H1 {font-size:20px}\r\n.Note{color:blue} x {} y {color:green");
    EXPECT_EQ(2u, sheet.RuleCount());
    // The second h1 rule replaces the first entirely.
    EXPECT_EQ("font-size:20px", sheet.GetStyleRule("h1"));
    EXPECT_EQ("color:blue", sheet.GetStyleRule(".note"));
    EXPECT_EQ("", sheet.GetStyleRule("x"));
    EXPECT_EQ("", sheet.GetStyleRule("y"));
    EXPECT_EQ("", sheet.GetStyleRule("body"));

    sheet.SetStyleSheet("");
    EXPECT_EQ(0u, sheet.RuleCount());
    sheet.SetStyleSheet(nullptr);
    EXPECT_EQ(17u, sheet.RuleCount());
}

struct LengthCase
{
    const char* text;
    int base;
    bool fontSize;
    int expected;
};

void ExpectLengths(CStyleSheet& sheet, std::initializer_list<LengthCase> cases)
{
    for (const LengthCase& c : cases)
        EXPECT_EQ(c.expected, sheet.ParseLength(c.text, c.base, c.fontSize)) << c.text << " " << c.base;
}

TEST_F(StyleSheetTest, LengthsSizesAndUnits)
{
    // Bare numbers as font sizes are HTML sizes; 1cm is 37.8 truncated.
    ExpectLengths(sheet, {{"3", 16, true, 12}, {"3", 16, false, 3}, {"8", 16, true, 8}, {"7", 16, true, 36},
                          {"150%", 16, true, 24}, {"65%", 16, false, 10}, {"10pt", 0, true, 13},
                          {"7px", 0, false, 7}, {"1in", 0, false, 96}, {"1cm", 0, false, 37},
                          {"10mm", 0, false, 37}, {"1pc", 0, false, 16}});
    UnitMetrics units;
    units.fontHeight = 20;
    units.xHeight = 9;
    units.dotsPerInch = 120;
    sheet.SetUnitMetrics(units);
    // Only leading digits count; the fraction is dropped.
    // cm and mm multiply dots by number first: 45720 x 0.3937... is 18000.
    ExpectLengths(sheet, {{"2em", 0, false, 40}, {"3ex", 0, false, 27}, {"10pt", 0, true, 16},
                          {"1.5em", 0, false, 20}, {"381cm", 0, false, 18000}, {"381mm", 0, false, 1800}});
}

TEST_F(StyleSheetTest, LengthEdgeCases)
{
    // The sign has no effect, except on percentages.
    ExpectLengths(sheet, {{"", 16, true, 16}, {"-4px", 9, false, 4}, {"+4", 9, false, 4}, {"abc", 9, false, 0},
                          {"px", 9, false, 0}, {"99999999999999999999px", 0, false, MaxLength},
                          {"99999999999in", 0, false, MaxLength}, {"99999999999%", 16, false, MaxLength},
                          {"-50%", 16, false, -8}});
    EXPECT_EQ(4, Apply("margin-left: -4px").marginLeft);
    EXPECT_EQ(3, Apply("padding-top:150%", [] { TextStyle s; s.paddingTop = 2; return s; }()).paddingTop);
    const TextStyle box = Apply("margin-left:1px;margin-right:2px;margin-top:3px;margin-bottom:4px;padding-left:5px;"
                                "padding-right:6px;padding-top:7px;padding-bottom:8px;zoom:9px");
    EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}),
              (std::vector<int>{box.marginLeft, box.marginRight, box.marginTop, box.marginBottom, box.paddingLeft,
                                box.paddingRight, box.paddingTop, box.paddingBottom}))
        << "each side its own, an unknown property none";
}

TEST_F(StyleSheetTest, Colours)
{
    const std::pair<const char*, uint32_t> cases[] = {
        {"#ff9900", 0x0099FF}, {"#FFA0BC", 0xBCA0FF}, {"#f90", 7},       {"#ff99001", 7},       {"#gg9900", 7},
        {"", 7},               {"255", 0x0000FF}, {"0x00ff00", 0x00FF00}, {"010", 8},
        {"0xffffffff", 0xFFFFFF}, {"red", 0x0000FF}, {"lightgray", 7}};
    for (const auto& c : cases)
        EXPECT_EQ(c.second, sheet.ParseColor(c.first, 7)) << c.first;
    EXPECT_EQ(0x0000FFu, Apply("COLOR: Red ;").textColor);
}

TEST_F(StyleSheetTest, BackgroundAndDecoration)
{
    TextStyle opaque = Apply("background-color:#000080");
    EXPECT_EQ(BackgroundOpaque, opaque.backgroundMode);
    EXPECT_EQ(0x800000u, opaque.backgroundColor);
    EXPECT_EQ(BackgroundTransparent, Apply("background-color:transparent", opaque).backgroundMode);
    EXPECT_EQ(BackgroundTransparent, Apply("background-color:", opaque).backgroundMode);

    TextStyle both = Apply("text-decoration: underline,overline");
    EXPECT_TRUE(both.underline);
    EXPECT_TRUE(both.overline);
    EXPECT_FALSE(both.lineThrough);
    both.lineThrough = true;
    const TextStyle cleared = Apply("text-decoration:", both);
    EXPECT_FALSE(cleared.underline || cleared.overline || cleared.lineThrough);
    const TextStyle replaced = Apply("text-decoration: none line-through blink", both);
    EXPECT_FALSE(replaced.underline || replaced.overline);
    EXPECT_TRUE(replaced.lineThrough);
}

TEST_F(StyleSheetTest, KeywordProperties)
{
    const TextStyle bold = Apply("font-weight:bold");
    EXPECT_EQ(900, Apply("font-weight:bolder").fontWeight);
    EXPECT_EQ(100, Apply("font-weight:lighter").fontWeight);
    EXPECT_EQ(600, Apply("font-weight:600").fontWeight);
    EXPECT_EQ(400, Apply("font-weight:normal", bold).fontWeight);
    // Without a colon the value is empty, which means normal.
    EXPECT_EQ(400, Apply("font-weight 700", bold).fontWeight);

    const TextStyle italic = Apply("font-style:oblique");
    EXPECT_TRUE(italic.italic);
    EXPECT_TRUE(Apply("font-style:slanted", italic).italic);
    EXPECT_FALSE(Apply("font-style:", italic).italic);

    EXPECT_EQ(AlignCenter, Apply("text-align:center").textAlign);
    EXPECT_EQ(AlignRight, Apply("text-align:justify", Apply("text-align:right")).textAlign);
    EXPECT_EQ(VAlignMiddle, Apply("vertical-align:vcenter").verticalAlign);
    EXPECT_EQ(VAlignTop, Apply("vertical-align:top").verticalAlign);
    EXPECT_EQ(VAlignBaseline, Apply("vertical-align:", Apply("vertical-align:top")).verticalAlign);
    EXPECT_EQ(TransformCapitalize, Apply("text-transform:capitalize").textTransform);
    EXPECT_EQ(BorderDouble, Apply("border-style:double").borderStyle);
    EXPECT_EQ(BorderDouble, Apply("border-style:groove", Apply("border-style:double")).borderStyle);
    EXPECT_EQ("a;b", Apply("font-family:\"A;B\"; color:red").fontFamily);
    EXPECT_EQ("Verdana", Apply("font-family:").fontFamily);
}

TEST_F(StyleSheetTest, BorderWidthsAndColour)
{
    TextStyle eight;
    eight.borderWidth = 8;
    for (const auto& c : {std::pair<const char*, int>{"border-width:thin", 6}, {"border-width:thick", 10},
                          {"border-width:medium", 8}, {"size:3px", 3}, {"border-width:50%", 4}})
        EXPECT_EQ(c.second, Apply(c.first, eight).borderWidth) << c.first;
    const TextStyle coloured = Apply("border-color:#102030");
    EXPECT_EQ(0x302010u, coloured.borderColorLight);
    EXPECT_EQ(0x302010u, coloured.borderColorDark);
}

} // namespace
