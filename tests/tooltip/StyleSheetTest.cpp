#include "tooltip/StyleSheet.h"

#include <gtest/gtest.h>

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

TEST_F(StyleSheetTest, LengthsAndSizes)
{
    EXPECT_EQ(12, sheet.ParseLength("3", 16, true));
    EXPECT_EQ(3, sheet.ParseLength("3", 16, false));
    EXPECT_EQ(8, sheet.ParseLength("8", 16, true));
    EXPECT_EQ(36, sheet.ParseLength("7", 16, true));
    EXPECT_EQ(24, sheet.ParseLength("150%", 16, true));
    EXPECT_EQ(10, sheet.ParseLength("65%", 16, false));
}

} // namespace
