// Lines, rules, borders and tables: where things land and what they measure.
#include "tests/tooltip/RendererFixture.h"

#include <gtest/gtest.h>

// Body font: 13 pixels high, ascent 10, descent 3, characters 6 wide.
namespace {

using Layout = RendererTest;

TEST_F(Layout, LinesAndTheirHeights)
{
    const RenderCase cases[] = {
        // A final break adds an empty line of the font in force at the end.
        {"Hallo", "31x14: 'Hallo'@0,0"}, {"Hallo\n", "31x27: 'Hallo'@0,0"}, {"Hallo<br>", "31x27: 'Hallo'@0,0"},
        {"Hallo\n<h1>", "31x32: 'Hallo'@0,0"}, {"Hallo<br=3>", "31x53: 'Hallo'@0,0"}, {"a\n\t", "33x27: 'a'@0,0"},
        {"<bmp file=a>", "21x11: image[0,0,20,10]"},
        // Hostile counts and sizes stay bounded.
        {"<br=99999999>", "1x1314: "}, {"<t=99999999>", "3201x14: "},
        {"<font size=99999999px>x", "501x1001: 'x'@0,0/h1000"},
    };
    ExpectRuns(cases);
}

TEST_F(Layout, AlignmentWithinTheArea)
{
    // 50 wide in an area of 151.
    EXPECT_EQ("51x31: 'aaaaaaaaaa'@50,0/h10 'bbbbb'@126,10/h10 'cc'@0,20/h10", Run(
        "<font size=10px><center>aaaaaaaaaa</center>\n<right>bbbbb</right>\ncc", 101));
    // Drawing another text measures it first.
    renderer.Measure(canvas, "short");
    canvas = FakeCanvas();
    renderer.Draw(canvas, "<center>ab</center>\nabcdefgh", MarkupRect{0, 0, 49, 40});
    EXPECT_EQ("'ab'@18,0 'abcdefgh'@0,13", canvas.trace);
}

TEST_F(Layout, HorizontalRules)
{
    const RenderCase cases[] = {
        // A 50 % rule of the widest line, in the middle of a line of thickness + 8.
        {"<font size=16px>aaaaaaaaaa\n<hr width=50% size=3 color=red>",
            "81x28: 'aaaaaaaaaa'@0,0/h16 line(0,21 40,21)w3#0000ff"},
        // A part-width rule starts at the pen, which a centred or right-aligned
        // line of no width leaves in the middle or at the right edge.
        {"<font size=16px>aaaaaaaaaa\n<center><hr width=50%>",
            "81x27: 'aaaaaaaaaa'@0,0/h16 line(40,21 80,21)w2#000000"},
        {"<font size=16px>aaaaaaaaaa\n<right><hr width=50%>",
            "81x27: 'aaaaaaaaaa'@0,0/h16 line(80,21 120,21)w2#000000"},
        {"<hr width=0>x", "7x14: 'x'@0,0"}, {"<hr size=0>x", "7x14: 'x'@0,0"},
    };
    ExpectRuns(cases);
    // A rule in pixels widens its line; the default colour is the light
    // border colour, which the style sheet may set.
    renderer.SetStyleSheet("hr {border-color:#010203; border-width:1}");
    EXPECT_EQ("71x10: line(0,4 70,4)w1#030201", Run("<hr width=70>"));
    EXPECT_EQ("71x9: ", Run("<hr width=70 size=-100%>")) << "no thickness below 0";
}

TEST_F(Layout, Borders)
{
    // Solid and double frames show in the tables' traces.
    const std::pair<int, int> borders[] = {{BorderNone, 3}, {BorderSolid, 0}, {BorderDashed, 1}, {BorderDotted, 1}};
    for (const auto& b : borders)
        DrawBorder(canvas, MarkupRect{0, 0, 100, 50}, 0x111111, 0x222222, b.first, b.second);
    EXPECT_EQ("line(0,50 0,0 100,0)w1/dash#111111 line(100,0 100,50 0,50)w1/dash#222222 line(0,50 0,0 100,0)w1/dot#111111 "
              "line(100,0 100,50 0,50)w1/dot#222222",
              canvas.trace);
    EXPECT_EQ(9, BorderThickness(BorderDouble, 3));
    EXPECT_EQ(0, BorderThickness(BorderDouble, 0));
    EXPECT_EQ(0, TableWidth(WidthRequest{WidthRequest::Percent, 0, true}, 0, 0, false));
    // Measured, a table over 100 % is that share of what it needs.
    EXPECT_EQ(202, TableWidth(WidthRequest{WidthRequest::Percent, 101, true}, 0, 200, false));
}

TEST_F(Layout, ColumnsAreTheWidestRowsSpans)
{
    const std::pair<const char*, const char*> cases[] = {
        // A cell spanning rows adds no column to the rows below; a span is cut
        // where the row ends.
        {"<tr><td colspan=3>A</tr><tr><td>B<td>C</tr>", "2x3 0,0+3 1,0 1,1"},
        {"<tr><td rowspan=2>A<td>B</tr><tr><td colspan=2>C</tr>", "2x2 0,0 0,1 1,1"},
        {"<tr><td>A<td colspan=2>B</tr><tr><td>C</tr>", "2x3 0,0 0,1+2 1,0"},
        // A row left open still counts; cells without a row make one.
        {"<tr><td>A<td>B<td>C", "1x3 0,0 0,1 0,2"}, {"<td>A<td>B</td>", "1x2 0,0 0,1"},
        {"<tr><td>A</tr>X<tr><td>B</td>Y</tr>", "2x1 0,0 1,0"},
        {"<tr><td colspan=99999999>a</td><td>b</td></tr>", "1x256 0,0+256"},
    };
    // Rows x columns, then each cell's row and column (+ its column span).
    for (const auto& c : cases) {
        Run(std::string("<table>") + c.first + "</table>");
        const TableLayout& table = *renderer.Layout().tables.at(0);
        std::string shape = N(table.rows) + "x" + N(table.columns);
        for (const CellLayout& cell : table.cells)
            shape += " " + N(cell.row) + "," + N(cell.column) + (cell.columnSpan > 1 ? "+" + N(cell.columnSpan) : "");
        EXPECT_EQ(c.second, shape) << c.first;
    }
}

TEST_F(Layout, TablesAndTheirWidths)
{
    const RenderCase cases[] = {
        // Text between rows belongs to no cell; D has no place in the grid.
        {"<table><tr><td rowspan=2>A<td>B</tr>X<tr><td>C<td>D</tr></table>",
            "19x33: clip[2,2,8,30]{ 'A'@2,2 } clip[10,2,16,15]{ 'B'@10,2 } clip[10,17,16,30]{ 'C'@10,17 }"},
        // The spanning cell's need beyond its columns goes to each, the rest to the last.
        {"<table cellspacing=1>\n<tr><td>ab</td><td>abcd</td></tr>\n<tr><td colspan=2> abcdefgh </td></tr></table>",
         "63x30: clip[1,1,24,14]{ 'ab'@1,1 } clip[25,1,61,14]{ 'abcd'@25,1 } clip[1,15,61,28]{ ' abcdefgh '@1,15 }"},
        {"<table cellspacing=0><tr><td rowspan=2><font size=41px>X</font></td><td>a</td></tr><tr><td>b</td></tr>"
         "</table>",
             "27x42: clip[0,0,20,41]{ 'X'@0,0/h41 } clip[20,0,26,20]{ 'a'@20,0 } clip[20,20,26,41]{ 'b'@20,20 }"},
        {"<table cellspacing=0><tr><td>a\tb\n", "39x27: clip[0,0,38,26]{ 'a'@0,0 'b'@32,0 }"},
        {"<b>x<table><tr><td>in<i>side</td></tr></table>y</b>z",
            "41x44: 'x'@0,0/w800 clip[2,15,38,28]{ 'in'@2,15/w800 'side'@14,15/w800/i } 'y'@0,30/w800 'z'@6,30"},
        // em and ex are those of the font at the table in both passes.
        {"<table width=10em bgcolor=red><tr><td><font size=40px>X",
            "131x45: bg[0,0,130,44]e0#0000ff#ffffff#ffffff clip[2,2,128,42]{ 'X'@2,2/h40 }"},
        {"<table cellspacing=0><tr><td><font size=40px>X</td><td width=3em>y</td><td cellpadding=1ex>z</td>"
         "</tr></table>",
             "78x41: clip[0,0,20,40]{ 'X'@0,0/h40 } clip[20,0,59,40]{ 'y'@20,0 } clip[65,6,71,34]{ 'z'@65,6 }"},
        {"<table border=2 borderstyle=double bgcolor=red bordercolor=#0000ff bordercolorlight=#ffffff></table>",
            "15x15: bg[0,0,14,14]e0#0000ff#ffffff#ffffff line(1,13 1,1 13,1)w2#ffffff line(13,1 13,13 1,13)w2#ff0000 "
            "line(5,9 5,5 9,5)w2#ffffff line(9,5 9,9 5,9)w2#ff0000"},
        {"<table cellspacing=0><tr><td bgeffect=hgradient bgmidcolor=lime bgendcolor=white><font size=40px>X<td "
         "background=b.bmp valign=middle>b<td bgeffect=7 valign=bottom>c",
            "33x41: bg[0,0,20,40]e1#ffffff#00ff00#ffffff clip[0,0,20,40]{ 'X'@0,0/h40 } tile[20,0,26,40] "
            "clip[20,0,26,40]{ 'b'@20,13 } bg[26,0,32,40]e7#ffffff#ffffff#ffffff clip[26,0,32,40]{ 'c'@26,30 }"},
        {"<table cellspacing=0><tr><td>"
         "<table cellspacing=1><tr><td>ab</td><td>c</td></tr></table>"
         "</td><td>z</td></tr></table>",
             "28x16: clip[0,0,21,15]{ clip[1,1,13,14]{ 'ab'@1,1 } clip[14,1,20,14]{ 'c'@14,1 } } clip[21,0,27,15]{ "
             "'z'@21,0 }"},
        // 50 %: measured at twice its need.
        {"<table width=50% cellspacing=0><tr><td>abcdefghij", "121x14: clip[0,0,60,13]{ 'abcdefghij'@0,0 }"},
        {"<table width=200% cellspacing=0><tr><td>abcdefghij", "121x14: clip[0,0,120,13]{ 'abcdefghij'@0,0 }"},
        // Pixels, even where the content needs less or more.
        {"<table width=80 cellspacing=0><tr><td>ab</td></tr></table>", "81x14: clip[0,0,80,13]{ 'ab'@0,0 }"},
        {"<table width=5 cellspacing=0><tr><td>ab</td></tr></table>", "6x14: clip[0,0,12,13]{ 'ab'@0,0 }"},
        {"<table cellspacing=0><tr><td width=4>abc<td>d",
            "11x14: clip[0,0,4,13]{ 'abc'@0,0 } clip[4,0,10,13]{ 'd'@4,0 }"},
        // A cell's percentage is of the table's width inside its frame.
        {"<table width=100 border=2 cellspacing=0><tr><td width=50%>a<td>b",
            "101x20: line(1,18 1,1 99,1)w2#000000 line(99,1 99,18 1,18)w2#000000 line(2,17 2,2 70,2)w1#000000 "
            "line(70,2 70,17 2,17)w1#000000 clip[3,3,69,16]{ 'a'@3,3 } line(70,17 70,2 98,2)w1#000000 line(98,2 98,17 "
            "70,17)w1#000000 clip[71,3,97,16]{ 'b'@71,3 }"},
        {"<table width=0%><tr><td width=0%>ab</td><td width=-5%>c</td></tr></table><hr width=0%>",
            "25x28: clip[2,2,14,15]{ 'ab'@2,2 } clip[16,2,22,15]{ 'c'@16,2 }"},
        {"wide line of text here\n<table align=center width=40 cellspacing=0><tr><td>a</td></tr></table>b "
         "<center>c</center>",
             "133x40: 'wide line of text here'@0,0 clip[46,13,86,26]{ 'a'@46,13 } 'b '@0,26 'c'@12,26"},
        {"wide line of text here\n<table align=right width=40 cellspacing=0><tr><td>a</td></tr></table>",
            "133x27: 'wide line of text here'@0,0 clip[92,13,132,26]{ 'a'@92,13 }"},
        {"\t<table cellspacing=0><tr><td>a</td></tr></table>b", "7x27: clip[0,0,6,13]{ 'a'@0,0 } 'b'@0,13"},
        // Without cells there are no columns to share the width among.
        {"<table width=50%></table>", "5x3: "},
        {"<table border=1><tr></tr><tr></tr></table>", "5x9: line(0,8 0,0 4,0)w1#000000 line(4,0 4,8 0,8)w1#000000"},
        {"<td>a</td><tr></table></tr>b", "13x14: 'a'@0,0 'b'@6,0"},
    };
    ExpectRuns(cases);
    // Without a width a table fills the area it is drawn into.
    EXPECT_EQ("11x18: clip[2,2,108,15]{ 'a'@2,2 }", Run("<table><tr><td>a</td></tr></table>", 100));
    EXPECT_EQ("7x14: clip[0,0,106,13]{ 'a'@0,0 }", Run("<table cellspacing=0><tr><td>a</td></tr></table>", 100));
}

TEST_F(Layout, HostileTablesStayBounded)
{
    std::string deep;
    for (int i = 0; i < 2000; ++i)
        deep += "<table><tr><td>";
    // Eight levels of cells, and no text deeper down.
    const std::string nine = Run(deep.substr(0, 9 * 15) + "core");
    EXPECT_EQ("33x46: clip[2,2,30,43]{ clip[4,4,28,41]{ clip[6,6,26,39]{ clip[8,8,24,37]{ clip[10,10,22,35]{ "
              "clip[12,12,20,33]{ clip[14,14,18,31]{ clip[16,16,16,29]{ } } } } } } } }",
              nine);
    EXPECT_EQ(nine, Run(deep + "core")) << "both passes stop at the same depth";
    EXPECT_EQ("1x14: ", Run("<b<i<table<tr<td<font size="));
}

} // namespace
