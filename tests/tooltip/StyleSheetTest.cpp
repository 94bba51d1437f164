// The style sheet: rules, declarations, lengths and colours.
#include "tests/tooltip/FakeCanvas.h"
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

    // The fields that differ from a fresh style, as "name=value ...".
    static std::string Changed(const TextStyle& style)
    {
        const auto fields = [](const TextStyle& s) -> std::vector<std::pair<const char*, std::string>> {
            return {{"size", N(s.fontSize)}, {"weight", N(s.fontWeight)}, {"family", s.fontFamily},
                    {"flags", std::string(s.italic ? "i" : "") + (s.underline ? "u" : "") + (s.lineThrough ? "s" : "") +
                                  (s.overline ? "o" : "")},
                    {"colour", FakeCanvas::Hex(s.textColor)}, {"bg", FakeCanvas::Hex(s.backgroundColor)},
                    {"mode", N(s.backgroundMode)}, {"light", FakeCanvas::Hex(s.borderColorLight)},
                    {"dark", FakeCanvas::Hex(s.borderColorDark)}, {"align", N(s.textAlign)},
                    {"valign", N(s.verticalAlign)}, {"border", N(s.borderStyle)}, {"width", N(s.borderWidth)},
                    {"transform", N(s.textTransform)},
                    {"box", N(s.marginLeft) + " " + N(s.marginRight) + " " + N(s.marginTop) + " " + N(s.marginBottom) +
                                " " + N(s.paddingLeft) + " " + N(s.paddingRight) + " " + N(s.paddingTop) + " " +
                                N(s.paddingBottom)}};
        };
        const auto fresh = fields(TextStyle()), now = fields(style);
        std::string text;
        for (std::size_t i = 0; i < now.size(); ++i)
            if (now[i].second != fresh[i].second)
                text += std::string(text.empty() ? "" : " ") + now[i].first + "=" + now[i].second;
        return text;
    }
};

TEST_F(StyleSheetTest, DefaultSheetAndItsRules)
{
    // 10pt at 96 dpi, truncated; names lower-cased, quotes and all. The body's
    // font shows in every drawing test, a:hover in the links test.
    const std::pair<const char*, const char*> rules[] = {
        {"pre", "size=12 family=courier bg=#bbedfb mode=2"}, {"h2", "size=17 weight=700 family=verdana colour=#0099ff"},
        {"nothing", ""}};
    for (const auto& r : rules) {
        TextStyle style;
        sheet.ApplyStyleRule(r.first, style);
        EXPECT_EQ(r.second, Changed(style)) << r.first;
    }
}

TEST_F(StyleSheetTest, SheetSyntax)
{
    sheet.SetStyleSheet("h1 {color:red}\n  ;;  H1 {font-size:20px}\r\n.Note{color:blue} x {} 0a {color:red} y {color:green");
    EXPECT_EQ(3u, sheet.RuleCount());
    // The second h1 rule replaces the first entirely.
    EXPECT_EQ("font-size:20px", sheet.GetStyleRule("h1"));
    EXPECT_EQ("color:blue", sheet.GetStyleRule(".note"));
    EXPECT_EQ("color:red", sheet.GetStyleRule("0a")); // a digit begins a rule too
    sheet.SetStyleSheet("");
    EXPECT_EQ(0u, sheet.RuleCount());
    sheet.SetStyleSheet(nullptr);
    EXPECT_EQ(17u, sheet.RuleCount());
}

TEST_F(StyleSheetTest, Declarations)
{
    const std::pair<const char*, const char*> cases[] = {
        {"COLOR: Red ;", "colour=#0000ff"}, {"font-family:\"A;B\"; color:red", "family=a;b colour=#0000ff"},
        {"font-family:", ""}, {"font-size:3", "size=12"}, {"font-size:2", "size=10"},
        {"font-weight:bold", "weight=700"}, {"font-weight:bolder", "weight=900"},
        {"font-weight:lighter", "weight=100"}, {"font-weight:600", "weight=600"},
        // Without a colon the value is empty, which means normal.
        {"font-weight:bold; font-weight:normal", ""}, {"font-weight:bold; font-weight 700", ""},
        {"font-style:oblique", "flags=i"}, {"font-style:italic; font-style:slanted", "flags=i"},
        {"font-style:italic; font-style:", ""}, {"text-align:center", "align=1"},
        {"text-align:right; text-align:justify", "align=2"}, {"text-align:right; text-align:", ""},
        {"vertical-align:vcenter", "valign=1"}, {"vertical-align:top", "valign=0"},
        {"vertical-align:bottom; vertical-align:", ""}, {"text-transform:capitalize", "transform=3"},
        {"text-transform:upper; text-transform:uppercase; text-transform:none", ""},
        {"border-style:double; border-style:groove", "border=6"}, {"border-style:dotted; border-style:", ""},
        {"background-color:#000080", "bg=#800000 mode=2"},
        {"background-color:#000080; background-color:transparent", "bg=#800000"},
        {"background-color:#000080; background-color:", "bg=#800000"},
        {"text-decoration: underline,overline", "flags=uo"},
        {"text-decoration:underline overline line-through; text-decoration:", ""},
        {"text-decoration:underline,overline; text-decoration: none line-through blink", "flags=s"},
        {"border-color:#102030", "light=#302010 dark=#302010"}, {"border-width:8px; border-width:thin", "width=6"},
        {"border-width:8px; border-width:thick", "width=10"}, {"border-width:8px; border-width:medium", "width=8"},
        {"border-width:8px; border-width:50%", "width=4"}, {"size:3px", "width=3"},
        // Each side its own, bare numbers as pixels, an unknown property none.
        {"margin-left:1; margin-right:3; margin-top:4; margin-bottom:5; padding-left:6; padding-right:7; "
         "padding-top:1; padding-bottom:3; zoom:9", "box=1 3 4 5 6 7 1 3"},
        {"margin-left: -4px; padding-top:2px; padding-top:150%", "box=4 2 2 2 0 0 3 0"},
    };
    for (const auto& c : cases) {
        TextStyle style;
        sheet.ApplyDeclarations(c.first, style);
        EXPECT_EQ(c.second, Changed(style)) << c.first;
    }
}

TEST_F(StyleSheetTest, Lengths)
{
    UnitMetrics units;
    units.fontHeight = 20;
    units.xHeight = 9;
    units.dotsPerInch = 120;
    sheet.SetUnitMetrics(units);
    // Bare numbers as font sizes are HTML sizes; only leading digits count.
    // cm and mm multiply dots by number first: 45720 x 0.3937... is 18000.
    // The sign has no effect, except on percentages.
    const struct { const char* text; int base; bool fontSize; int expected; } cases[] = {
        {"3", 16, true, 12}, {"3", 16, false, 3}, {"8", 16, true, 8}, {"7", 16, true, 36}, {"150%", 16, true, 24},
        {"65%", 16, false, 10}, {"10pt", 0, true, 16}, {"7px", 0, false, 7}, {"1in", 0, false, 120},
        {"1cm", 0, false, 47}, {"10mm", 0, false, 47}, {"1pc", 0, false, 20}, {"", 16, true, 16},
        {"-4px", 9, false, 4}, {"+4", 9, false, 4}, {"abc", 9, false, 0}, {"px", 9, false, 0}, {"2em", 0, false, 40},
        {"3ex", 0, false, 27}, {"1.5em", 0, false, 20}, {"381cm", 0, false, 18000}, {"381mm", 0, false, 1800},
        {"99999999999999999999px", 0, false, MaxLength}, {"99999999999in", 0, false, MaxLength},
        {"99999999999%", 16, false, MaxLength}, {"-50%", 16, false, -8},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, sheet.ParseLength(c.text, c.base, c.fontSize)) << c.text << " " << c.base;
}

TEST_F(StyleSheetTest, Colours)
{
    const std::pair<const char*, uint32_t> cases[] = {
        {"#ff9900", 0x0099FF}, {"#FFA0BC", 0xBCA0FF}, {"#f90", 7},        {"#ff99001", 7},      {"#gg9900", 7},
        {"", 7},               {"255", 0x0000FF},     {"0x00ff00", 0x00FF00}, {"010", 8},     {"0xffffffff", 0xFFFFFF},
        {"red", 0x0000FF},     {"lightgray", 7},      {"#0a0B0c", 0x0C0B0A},  {"#:0000A", 7},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.second, sheet.ParseColor(c.first, 7)) << c.first;
}

} // namespace
