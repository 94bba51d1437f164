#include "tests/tooltip/RendererFixture.h"
#include "tooltip/MarkupReader.h"
#include "tooltip/MarkupRenderer.h"

#include <gtest/gtest.h>

// Body font: 13 pixels high, ascent 10, descent 3, characters 6 wide.
namespace {

class Layout : public RendererTest
{
protected:
    // Rows x columns, each cell's row and column (+ its column span), then the texts drawn.
    std::string TableShape(const std::string& rows)
    {
        Render("<table>" + rows + "</table>");
        const TableLayout& table = *renderer.Layout().tables.at(0);
        std::string shape = std::to_string(table.rows) + "x" + std::to_string(table.columns);
        for (const CellLayout& cell : table.cells)
            shape += " " + std::to_string(cell.row) + "," + std::to_string(cell.column) +
                     (cell.columnSpan > 1 ? "+" + std::to_string(cell.columnSpan) : "");
        shape += ":";
        for (const FakeCanvas::TextCall& call : canvas.texts)
            shape += " " + call.text;
        return shape;
    }
};

void ExpectPoint(const MarkupPoint& point, int x, int y)
{
    EXPECT_EQ(x, point.x);
    EXPECT_EQ(y, point.y);
}

TEST_F(Layout, OneLineMeasuresItsExtentPlusOneAFinalBreakAddsAnEmptyLine)
{
    const MarkupSize size = renderer.Measure(canvas, "Hallo");
    EXPECT_EQ(31, size.cx);
    EXPECT_EQ(14, size.cy);
    ASSERT_EQ(1u, renderer.Layout().lines.size());
    EXPECT_EQ(10, renderer.Layout().lines[0].ascent);
    EXPECT_EQ(3, renderer.Layout().lines[0].descent);

    EXPECT_EQ(27, renderer.Measure(canvas, "Hallo\n").cy);
    EXPECT_EQ(27, renderer.Measure(canvas, "Hallo<br>").cy);
    // The empty line has the height of the font in force at its end.
    EXPECT_EQ(14 + 18, renderer.Measure(canvas, "Hallo\n<h1>").cy);
    EXPECT_EQ(14 + 3 * 13, renderer.Measure(canvas, "Hallo<br=3>").cy);
}

TEST_F(Layout, LineAlignment)
{
    // A line of width 50 in an area 151 wide starts 50 pixels right.
    const std::string text = "<font size=10px><center>aaaaaaaaaa</center>\n<right>bbbbb</right>\ncc";
    const MarkupSize size = renderer.Measure(canvas, text);
    canvas = FakeCanvas();
    renderer.Draw(canvas, text, MarkupRect{10, 0, 10 + 152, size.cy});
    EXPECT_EQ(10 + 50, Text("aaaaaaaaaa").x);
    EXPECT_EQ(10 + 151 - 25, Text("bbbbb").x);
    EXPECT_EQ(10, Text("cc").x);
}

TEST_F(Layout, RunsOfOneLineShareTheBaseline)
{
    Render("<font size=20px>A</font><font size=12px>b</font>\nc");
    const LineRecord& line = renderer.Layout().lines[0];
    EXPECT_EQ(20, line.height); // ascent 15 + descent 5
    EXPECT_EQ(0 + 15, Text("A").y + 15);
    EXPECT_EQ(15, Text("b").y + 9); // baseline of the 12-pixel run
    EXPECT_EQ(20, Text("c").y);
}

TEST_F(Layout, VerticalAlignmentWithinTheLine)
{
    Render("<font size=20px>A</font><top><font size=12px>t</font></top><middle><font size=12px>m</font>"
           "</middle><bottom><font size=12px>b</font>");
    EXPECT_EQ(0, Text("t").y);
    EXPECT_EQ(4, Text("m").y);  // (20 - 12) / 2
    EXPECT_EQ(11, Text("b").y); // 20 - ascent 9
}

TEST_F(Layout, OverlineFollowsTheWeight)
{
    Render("<font style=o>ab</font><font style=bo>cd</font>");
    ASSERT_EQ(2u, canvas.lines.size());
    EXPECT_EQ(1, canvas.lines[0].width);
    EXPECT_EQ(2, canvas.lines[1].width);
    EXPECT_EQ(12, canvas.lines[0].points[1].x - canvas.lines[0].points[0].x);
}

TEST_F(Layout, HorizontalRules)
{
    // A 50 % rule in a text whose widest line is 200 pixels is 100 long.
    const std::string text = "<font size=16px>" + std::string(25, 'a') + "\n<hr width=50% size=3 color=red>";
    const MarkupSize size = Render(text);
    EXPECT_EQ(201, size.cx);
    EXPECT_EQ(16 + 11 + 1, size.cy); // the rule's line: thickness + 8
    ASSERT_EQ(1u, canvas.lines.size());
    const auto& rule = canvas.lines[0];
    EXPECT_EQ(0, rule.points[0].x);
    EXPECT_EQ(100, rule.points[1].x);
    EXPECT_EQ(16 + 5, rule.points[0].y); // middle of the line
    EXPECT_EQ(3, rule.width);
    EXPECT_EQ(0x0000FFu, rule.colour);

    // A rule in pixels widens its line; the default colour is the light
    // border colour, which the style sheet may set.
    renderer.SetStyleSheet("hr {border-color:#010203}");
    const MarkupSize fixed = Render("<hr width=70>");
    EXPECT_EQ(71, fixed.cx);
    ASSERT_EQ(1u, canvas.lines.size());
    EXPECT_EQ(0x030201u, canvas.lines[0].colour);
    EXPECT_EQ(2, canvas.lines[0].width);

    // A part-width rule starts at the pen, which a centred or right-aligned
    // line of no width leaves in the middle or at the right edge.
    const std::string line(25, 'a');
    for (const auto& c : {std::pair<const char*, int>{"center", 100}, {"right", 200}}) {
        const std::string tag = c.first;
        Render("<font size=16px>" + line + "\n<" + tag + "><hr width=50%>");
        ASSERT_EQ(1u, canvas.lines.size()) << tag;
        EXPECT_EQ(c.second, canvas.lines[0].points[0].x) << tag;
        EXPECT_EQ(c.second + 100, canvas.lines[0].points[1].x) << tag;
    }
    // A rule of no width draws nothing and moves nothing.
    Render("<hr width=0>x");
    EXPECT_TRUE(canvas.lines.empty());
    EXPECT_EQ(0, Text("x").x);
}

TEST_F(Layout, BorderOfWidthThree)
{
    DrawBorder(canvas, MarkupRect{0, 0, 100, 50}, 0x111111, 0x222222, BorderSolid, 3);
    ASSERT_EQ(2u, canvas.lines.size());
    const auto& light = canvas.lines[0].points;
    EXPECT_EQ(0x111111u, canvas.lines[0].colour);
    EXPECT_EQ(3, canvas.lines[0].width);
    EXPECT_EQ(PenSolid, canvas.lines[0].style);
    ExpectPoint(light[0], 1, 49);
    ExpectPoint(light[1], 1, 1);
    ExpectPoint(light[2], 99, 1);
    const auto& dark = canvas.lines[1].points;
    EXPECT_EQ(0x222222u, canvas.lines[1].colour);
    ExpectPoint(dark[1], 99, 49);
    EXPECT_EQ(1, dark[2].x);

    canvas = FakeCanvas();
    DrawBorder(canvas, MarkupRect{0, 0, 100, 50}, 0x111111, 0x222222, BorderDouble, 3);
    ASSERT_EQ(4u, canvas.lines.size());
    const auto& inner = canvas.lines[2].points;
    ExpectPoint(inner[0], 7, 43);
    EXPECT_EQ(7, inner[1].y);
    EXPECT_EQ(93, inner[2].x);
    ExpectPoint(canvas.lines[3].points[1], 93, 43);
}

TEST_F(Layout, BorderStylesAndNothingToDraw)
{
    DrawBorder(canvas, MarkupRect{0, 0, 10, 10}, 1, 2, BorderNone, 3);
    DrawBorder(canvas, MarkupRect{0, 0, 10, 10}, 1, 2, BorderSolid, 0);
    EXPECT_TRUE(canvas.lines.empty());
    DrawBorder(canvas, MarkupRect{0, 0, 10, 10}, 1, 2, BorderDashed, 1);
    DrawBorder(canvas, MarkupRect{0, 0, 10, 10}, 1, 2, BorderDotted, 1);
    ASSERT_EQ(4u, canvas.lines.size());
    EXPECT_EQ(PenDash, canvas.lines[0].style);
    EXPECT_EQ(PenDot, canvas.lines[3].style);
    EXPECT_EQ(0, canvas.lines[0].points[0].x);
    EXPECT_EQ(9, BorderThickness(BorderDouble, 3));
    EXPECT_EQ(0, BorderThickness(BorderDouble, 0));
}

TEST_F(Layout, TableWithColumnSpan)
{
    const MarkupSize size = Render("<table>\n<tr><td>ab</td><td>abcd</td></tr>\n"
                                   "<tr><td colspan=2> abcdefgh </td></tr></table>");
    // Columns 12 and 24; the spanning cell of 60, blanks and all, adds 11
    // to each.
    EXPECT_EQ(23 + 35 + 3 * 2 + 1, size.cx);
    EXPECT_EQ(13 + 13 + 3 * 2 + 1, size.cy);
    const TableLayout& table = *renderer.Layout().tables.at(0);
    EXPECT_EQ(2, table.rows);
    EXPECT_EQ(2, table.columns);
    EXPECT_EQ(23, table.columnWidths[0]);
    EXPECT_EQ(35, table.columnWidths[1]);
    ExpectAt("ab", 2, 2);
    EXPECT_EQ(27, Text("abcd").x);
    ExpectAt(" abcdefgh ", 2, 17);
    EXPECT_TRUE(canvas.backgrounds.empty());

    // Tabs and line ends inside a cell count as well.
    Render("<table cellspacing=0><tr><td>a\tb\n</td></tr></table>");
    EXPECT_EQ(32, Text("b").x);
    EXPECT_EQ(2 * 13, renderer.Layout().tables.at(0)->height);
}

TEST_F(Layout, ColumnsAreTheWidestRowsSpans)
{
    const std::pair<const char*, const char*> cases[] = {
        // A cell spanning rows adds no column to the rows below; D has no place.
        {"<tr><td rowspan=2>A<td>B</tr><tr><td>C<td>D</tr>", "2x2 0,0 0,1 1,1: A B C"},
        {"<tr><td colspan=3>A</tr><tr><td>B<td>C</tr>", "2x3 0,0+3 1,0 1,1: A B C"},
        // A span is cut where the row ends.
        {"<tr><td rowspan=2>A<td>B</tr><tr><td colspan=2>C</tr>", "2x2 0,0 0,1 1,1: A B C"},
        {"<tr><td>A<td colspan=2>B</tr><tr><td>C</tr>", "2x3 0,0 0,1+2 1,0: A B C"},
        // A row left open still counts; cells without a row make one.
        {"<tr><td>A<td>B<td>C", "1x3 0,0 0,1 0,2: A B C"},
        {"<td>A<td>B</td>", "1x2 0,0 0,1: A B"},
        // Text between rows belongs to no cell.
        {"<tr><td>A</tr>X<tr><td>B</td>Y</tr>", "2x1 0,0 1,0: A B"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.second, TableShape(c.first)) << c.first;
    Render("<table><tr><td>A<td>B");
    EXPECT_EQ(2, renderer.Layout().tables.at(0)->columns) << "a table never closed";
}

TEST_F(Layout, TableLengthsReferToTheFontAtTheTable)
{
    // The cell before ends in a 40-pixel font; em and ex stay those of the
    // 13-pixel font of the table in both passes.
    const MarkupSize size = Render("<table width=10em bgcolor=red><tr><td><font size=40px>X</td></tr></table>");
    EXPECT_EQ(131, size.cx);
    ASSERT_EQ(1u, canvas.backgrounds.size());
    EXPECT_EQ(130, canvas.backgrounds[0].rect.right);

    Render("<table cellspacing=0><tr><td><font size=40px>X</td><td width=3em>y</td><td cellpadding=1ex>z</td>"
           "</tr></table>");
    EXPECT_EQ(39, renderer.Layout().tables.at(0)->columnWidths[1]);
    ExpectAt("z", 20 + 39 + 6, 6);
}

TEST_F(Layout, DrawingAnotherTextMeasuresItFirst)
{
    renderer.Measure(canvas, "short");
    canvas = FakeCanvas();
    renderer.Draw(canvas, "<center>ab</center>\nabcdefgh", MarkupRect{0, 0, 49, 40});
    EXPECT_EQ(18, Text("ab").x); // centred by the lines of this text
    EXPECT_EQ(2u, renderer.Layout().lines.size());
}

TEST_F(Layout, TextAroundATable)
{
    const MarkupSize size = Render("Intro\n<table><tr><td>x</td></tr></table>\nEnd");
    EXPECT_EQ(0, Text("Intro").y);
    EXPECT_EQ(13 + 2, Text("x").y);
    EXPECT_EQ(13 + 17, Text("End").y);
    EXPECT_EQ(13 + 17 + 13 + 1, size.cy);
    // A table at the end of the text adds no empty line.
    EXPECT_EQ(18, renderer.Measure(canvas, "<table><tr><td>x</td></tr></table>").cy);
}

TEST_F(Layout, RowSpanSettlesRowHeights)
{
    Render("<table cellspacing=0><tr><td rowspan=2><font size=40px>X</font></td><td>a</td></tr>"
           "<tr><td>b</td></tr></table>");
    const TableLayout& table = *renderer.Layout().tables.at(0);
    // 40 over two rows of 13: 14 more, 7 to each.
    EXPECT_EQ(20, table.rowHeights[0]);
    EXPECT_EQ(20, table.rowHeights[1]);
    EXPECT_EQ(20, Text("a").x);
    ExpectAt("b", 20, 20);
}

TEST_F(Layout, TableBordersPaddingAndBackground)
{
    Render("<table border=3 cellpadding=4 cellspacing=1 bgcolor=red bordercolorlight=#ffffff><tr><td>ab</td>"
           "<td bgcolor=blue bgeffect=hgradient bgendcolor=white>c</td></tr></table>");
    const TableLayout& table = *renderer.Layout().tables.at(0);
    // Cells: content + 2 x padding 4 + 2 x border 1.
    EXPECT_EQ(12 + 10, table.columnWidths[0]);
    EXPECT_EQ(6 + 10, table.columnWidths[1]);
    EXPECT_EQ(22 + 16 + 3 * 1 + 2 * 3, table.width);
    EXPECT_EQ(13 + 10 + 2 * 1 + 2 * 3, table.height);
    ASSERT_EQ(2u, canvas.backgrounds.size());
    EXPECT_EQ(0, canvas.backgrounds[0].effect);
    EXPECT_EQ(0x0000FFu, canvas.backgrounds[0].colour1);
    EXPECT_EQ(0, canvas.backgrounds[0].rect.left);
    EXPECT_EQ(table.width, canvas.backgrounds[0].rect.right);
    EXPECT_EQ(1, canvas.backgrounds[1].effect);
    EXPECT_EQ(0xFF0000u, canvas.backgrounds[1].colour1);
    EXPECT_EQ(0xFFFFFFu, canvas.backgrounds[1].colour3);
    // Table frame of width 3, then a frame of 1 for each cell.
    ASSERT_EQ(6u, canvas.lines.size());
    EXPECT_EQ(3, canvas.lines[0].width);
    EXPECT_EQ(0xFFFFFFu, canvas.lines[0].colour);
    EXPECT_EQ(1, canvas.lines[2].width);
    // Text inside: frame 3 + spacing 1 + cell border 1 + padding 4.
    ExpectAt("ab", 9, 9);
}

TEST_F(Layout, DoubleTableBorderTakesThreeTimesItsWidth)
{
    Render("<table border=2 borderstyle=double cellspacing=0><tr><td>a</td></tr></table>");
    const TableLayout& table = *renderer.Layout().tables.at(0);
    // Its cell gets a double frame of width 1 too: 3 on each side.
    EXPECT_EQ(6 + 3 + 6 + 3 + 6, table.width);
    EXPECT_EQ(6 + 3, Text("a").x);
}

TEST_F(Layout, TableWidths)
{
    // Without attributes a table fills the area when drawn.
    Render("<table><tr><td>a</td></tr></table>", 100);
    // Drawn into 111 pixels: an area of 110 less two spacings of 2.
    EXPECT_EQ(106, renderer.Layout().tables.at(0)->columnWidths[0]);

    // 50 %: measured at twice its need, drawn at half the area.
    const MarkupSize half = Render("<table width=50% cellspacing=0><tr><td>abcdefghij</td></tr></table>");
    EXPECT_EQ(121, half.cx);
    EXPECT_EQ(60, renderer.Layout().tables.at(0)->columnWidths[0]);

    const MarkupSize wide = Render("<table width=200% cellspacing=0><tr><td>abcdefghij</td></tr></table>");
    EXPECT_EQ(121, wide.cx);

    // Pixels, even where the content needs more.
    EXPECT_EQ(81, Render("<table width=80 cellspacing=0><tr><td>ab</td></tr></table>").cx);
    EXPECT_EQ(6, Render("<table width=5 cellspacing=0><tr><td>ab</td></tr></table>").cx);
    Render("<table cellspacing=0><tr><td width=4>abc</td><td>d</td></tr></table>");
    EXPECT_EQ(4, Text("d").x);
    // A cell's percentage is of the table's width inside its frame: 48 of
    // 96, then both columns share the 40 left over.
    Render("<table width=100 border=2 cellspacing=0><tr><td width=50%>a</td><td>b</td></tr></table>");
    EXPECT_EQ(2 + 68 + 1, Text("b").x);
}

TEST_F(Layout, ZeroPercentWidthsDivideNothing)
{
    const MarkupSize size = Render("<table width=0%><tr><td width=0%>ab</td><td width=-5%>c</td></tr></table>"
                                   "<hr width=0%>");
    EXPECT_EQ(12 + 6 + 3 * 2 + 1, size.cx);
    EXPECT_EQ(0, TableWidth(WidthRequest{WidthRequest::Percent, 0, true}, 0, 0, false));
}

TEST_F(Layout, CentredTable)
{
    Render("wide line of text here\n<table align=center width=40 cellspacing=0><tr><td>a</td></tr></table>b "
           "<center>c</center>");
    // Area 132, table 40: 46 from the left; its cell fills the table. The
    // line after it starts afresh.
    EXPECT_EQ(46, Text("a").x);
    EXPECT_EQ(0, Text("b ").x);
    EXPECT_EQ(12, Text("c").x);
    // A tab before a table moves nothing after it.
    Render("\t<table cellspacing=0><tr><td>a</td></tr></table>b");
    EXPECT_EQ(0, Text("b").x);
}

TEST_F(Layout, NestedTables)
{
    const MarkupSize size = Render("<table cellspacing=0><tr><td>"
                                   "<table cellspacing=1><tr><td>ab</td><td>c</td></tr></table>"
                                   "</td><td>z</td></tr></table>");
    EXPECT_EQ(12 + 6 + 3 + 6 + 1, size.cx);
    EXPECT_EQ(15 + 1, size.cy);
    ExpectAt("ab", 1, 1);
    EXPECT_EQ(14, Text("c").x);
    EXPECT_EQ(21, Text("z").x);
    EXPECT_GE(canvas.maxClipDepth, 2);
    EXPECT_EQ(0, canvas.clipDepth);
}

TEST_F(Layout, StyleCarriesIntoCellsAndNotOut)
{
    Render("<b>x<table><tr><td>in<i>side</td></tr></table>y</b>z");
    EXPECT_EQ(800, Text("in").font.weight);
    EXPECT_TRUE(Text("side").font.italic);
    EXPECT_FALSE(Text("y").font.italic);
    EXPECT_EQ(800, Text("y").font.weight);
    EXPECT_EQ(400, Text("z").font.weight);
}

TEST_F(Layout, HostileMarkupStaysBounded)
{
    EXPECT_EQ(14 + MaxTagCount * 13, renderer.Measure(canvas, "<br=99999999>").cy);
    EXPECT_EQ(1 + MaxTagCount * 32, renderer.Measure(canvas, "<t=99999999>").cx);
    EXPECT_EQ(MaxFontHeight + 1, renderer.Measure(canvas, "<font size=99999999px>x").cy);

    Render("<table><tr><td colspan=99999999>a</td><td>b</td></tr></table>");
    EXPECT_EQ(MaxTableColumns, renderer.Layout().tables.at(0)->columns);
    EXPECT_EQ(nullptr, canvas.Find("b")); // beyond the last column

    std::string deep;
    for (int i = 0; i < 2000; ++i)
        deep += "<table><tr><td>";
    deep += "core";
    const MarkupSize size = Render(deep);
    EXPECT_GT(size.cy, 1);
    EXPECT_EQ(nullptr, canvas.Find("core")); // deeper than tables may nest
    std::string nine;
    for (int i = 0; i < 9; ++i)
        nine += "<table><tr><td>";
    const MarkupSize bounded = renderer.Measure(canvas, nine + "core");
    EXPECT_EQ(size.cx * 10000 + size.cy, bounded.cx * 10000 + bounded.cy) << "both passes stop at the same depth";

    Render("<b<i<table<tr<td<font size=");
    // Tables without cells have no columns to share width among.
    EXPECT_EQ(2 * 2 + 1, Render("<table width=50%></table>").cx); // one spacing, doubled
    EXPECT_EQ(2 + 3 * 2 + 1, Render("<table border=1><tr></tr><tr></tr></table>", 30).cy);
    Render("<td>a</td><tr></table></tr>b");
    EXPECT_EQ(6, Text("b").x); // table tags outside a table are ignored
}

} // namespace
