// The markup's reader and the drawing of text runs, fonts, links and images.
#include "tests/tooltip/RendererFixture.h"
#include "tooltip/BrowserCommand.h"
#include "tooltip/MarkupReader.h"
#include "tooltip/StripCell.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Pieces as "[run<tag>]" each, "[run]" alone when no tag followed.
std::string Cut(const std::string& text, bool escape = true, std::size_t end = std::string::npos)
{
    std::string pieces;
    CMarkupScanner scanner(text, 0, end, escape);
    MarkupPiece piece;
    while (scanner.Next(piece))
        pieces += "[" + piece.run + (piece.hasTag ? "<" + piece.tag + ">]" : "]");
    return pieces;
}

TEST(MarkupReader, CutsRunsAndTags)
{
    // ">" outside a tag is text; an unterminated tag ends with the text.
    EXPECT_EQ("[a<b<i>][c>d<\t>][e<x>]", Cut("a<<b<i>c>d\te<x"));
    EXPECT_EQ("[x<]", Cut("x<"));
    EXPECT_EQ("[a<b>]", Cut("a<bc>d", true, 3)) << "a tag ends with the range";
    EXPECT_EQ("[a<\r>][<\n>][b]", Cut("a\r\nb"));
    // Without escapes line ends are dropped.
    EXPECT_EQ("[abc]", Cut("a\tb\nc", false));
}

TEST(MarkupReader, TagsNamesAttributesAndCounts)
{
    const std::pair<const char*, const char*> cases[] = {
        {" A HREF = \"HTTP://X.DE/A B\"Msg=Go target id=1 id=2", "a 1: href=http://x.de/a b msg=go target= id=1 id=2"},
        {"/Strike", "/strike 1:"}, {"br=2", "br 2:"}, {"br", "br 1:"}, {"t=99999999999 x", "t 100: x="},
        {"br=x", "br 0:"}, {"font  size=\"3", "font 1: size=3"}, {"x = y=1", "x 1:"},
    };
    // "name count: attribute=value ...", a leading "/" for a closing tag.
    for (const auto& c : cases) {
        const MarkupTag tag = ReadTag(c.first);
        std::string shown = (tag.closing ? "/" : "") + tag.name + " " + std::to_string(tag.count) + ":";
        for (const auto& attribute : tag.attributes)
            shown += " " + attribute.first + "=" + attribute.second;
        EXPECT_EQ(c.second, shown) << c.first;
    }
    const MarkupTag a = ReadTag("a id=1 id=2 target");
    EXPECT_EQ("2", a.Value("id")) << "the last value counts";
    EXPECT_EQ(nullptr, a.Find("none"));
}

using MarkupDrawing = RendererTest;

TEST_F(MarkupDrawing, TagsChangeTheFontOfTheRunsAfterThem)
{
    const RenderCase cases[] = {
        {"a<<b\r\nc\nd<", "19x40: 'a<b'@0,0 'c'@0,13 'd<'@0,26"},
        {"<b>one<b>two</b></b>three<i>four<em>five</em></i>",
            "115x14: 'one'@0,0/w800 'two'@18,0/w900 'three'@36,0 'four'@66,0/i 'five'@90,0"},
        // Closing tags that do not match the innermost open one are ignored.
        {"<b><i>p</b>q</i>r</b>s</u>", "25x14: 'p'@0,0/w800/i 'q'@6,0/w800/i 'r'@12,0/w800 's'@18,0"},
        {"<strike>a</s>b<u>c", "19x14: 'a'@0,0/s 'b'@6,0 'c'@12,0/u"},
        {"<font color=#ff0000 size=4>red</font><font size=+3 face=Arial weight=bold>x</font>"
         "<font size=200% style=iu bkgnd=yellow>y</font><font face=\"\" size=6>z",
         "53x27: 'red'@0,9/h14/#0000ff 'x'@21,11/h12/w700/arial 'y'@27,0/h26/i/u/on#00ffff 'z'@40,2/h24"},
        {"<font size=20px><font size=2em>a</font><font size=2ex>b</font></font><font size=1in>c",
            "79x97: 'a'@0,42/h40 'b'@20,57/h20 'c'@30,0/h96"},
        {"<h1>big</h1><p>para</p><span class=cpp-comment>note</span><span>plain</span><code>c</code><sub>low</sub>",
         "124x19: 'big'@0,0/h18/w700 'para'@27,4 'note'@51,4/i/#008000 'plain'@75,4 'c'@105,4/arial/#000099 "
         "'low'@111,12/h8"},
        // A span without a class makes no entry: its closing tag ends the bold.
        {"<b><span id=1>a</span>b</b>c", "19x14: 'a'@0,0/w800 'b'@6,0/w800 'c'@12,0"},
        {"<font style=o>ab</font><font style=bo color=blue>cd</font>",
         "25x14: 'ab'@0,0 line(0,0 12,0)w1#000000 'cd'@12,0/w700/#ff0000 line(12,0 24,0)w2#ff0000"},
        {"<font style=biuso>a<font style=\"-b-i x+u-o\">b",
            "13x14: 'a'@0,0/w700/i/u/s line(0,0 6,0)w2#000000 'b'@6,0/u/s"},
        {"<string idres=7>|<string idres=8>|<string iddll=7 srcdll=x.dll>", "49x14: 'Sieben'@0,0 '|'@36,0 '|'@42,0"},
    };
    ExpectRuns(cases);
}

TEST_F(MarkupDrawing, RunsShareTheBaselineOrAlignToTheLine)
{
    const RenderCase cases[] = {
        {"<font size=20px>A</font><font size=12px>b</font>\nc", "17x34: 'A'@0,0/h20 'b'@10,6/h12 'c'@0,20"},
        {"<font size=20px>A</font><top><font size=12px>t</font></top><middle><font size=12px>m</font>"
         "</middle><bottom><font size=12px>b</font>",
         "29x21: 'A'@0,0/h20 't'@10,0/h12 'm'@16,4/h12 'b'@22,11/h12"},
        {"<font size=16px>aaaaa\tb<br>aaaaaaaa\tc<br>aaaaa<t=2>d<br>\te",
         "105x65: 'aaaaa'@0,0/h16 'b'@64,0/h16 'aaaaaaaa'@0,16/h16 'c'@96,16/h16 'aaaaa'@0,32/h16 'd'@96,32/h16 "
         "'e'@32,48/h16"},
        // A tab as the line's first content: the line takes its alignment there.
        {"<font size=16px><center>\t</center>x\n" "wwwwwwwwwwwwwwwwwwww",
         "161x33: 'x'@64,0/h16 'wwwwwwwwwwwwwwwwwwww'@0,16/h16"},
    };
    ExpectRuns(cases);
}

TEST_F(MarkupDrawing, TextTransformAndEscapes)
{
    renderer.SetStyleSheet("body {text-transform:capitalize} h1 {text-transform:uppercase} "
                           "h2 {text-transform:lowercase}");
    EXPECT_EQ("89x33: 'Hello World'@0,0/h16/Verdana 'GR\xD6\xDF" "E \xF7\xFF'@0,16/h16/Verdana "
              "'\xF6\xD7'@64,16/h16/Verdana",
              Run("hello wORLD\n<h1>gr\xF6\xDF" "e \xF7\xFF</h1><h2>\xD6\xD7</h2>"));
    renderer.SetStyleSheet(nullptr);
    renderer.SetEscapes(false);
    EXPECT_EQ("19x27: 'abc'@0,0 'd'@0,13", Run("a\tb\r\nc<br>d"));
}

TEST_F(MarkupDrawing, LinksHoverAndClick)
{
    const std::string text = "<a href=\"HTTP://Example.ORG/X\">Web</a> <a msg=Hallo>Msg</a> <a>None</a>";
    int window = 0;
    renderer.SetHoverCallback(&window, 0x465, 42);
    renderer.SetClickCallback(&window, 0x500);
    EXPECT_EQ("73x14: 'Web'@0,0/#ff0000 ' '@18,0 'Msg'@24,0/#ff0000 ' '@42,0 'None'@48,0/#ff0000", Run(text));
    std::string links;
    for (const LinkArea& link : renderer.Links())
        links += FakeCanvas::Box(link.rect) + N(link.kind) + N(link.index) + link.target + " ";
    EXPECT_EQ("[0,0,18,13]10http://example.org/x [24,0,42,13]21hallo [48,0,72,13]22 ", links);

    EXPECT_TRUE(renderer.OnSetCursor(MarkupPoint{1, 1}));
    EXPECT_TRUE(renderer.OnSetCursor(MarkupPoint{2, 2})) << "the same link again reports nothing new";
    EXPECT_EQ("73x14: 'Web'@0,0/u/#ff0000 ' '@18,0 'Msg'@24,0/#ff0000 ' '@42,0 'None'@48,0/#ff0000", Run(text))
        << "the hovered link's style";
    EXPECT_TRUE(renderer.OnClick(MarkupPoint{1, 1}));
    EXPECT_TRUE(renderer.OnClick(MarkupPoint{30, 1}));
    EXPECT_FALSE(renderer.OnSetCursor(MarkupPoint{60, 1})) << "no target: no hand cursor";
    EXPECT_FALSE(renderer.OnClick(MarkupPoint{60, 1}));
    EXPECT_FALSE(renderer.OnSetCursor(MarkupPoint{500, 500}));
    EXPECT_EQ("msg1125/0/42 hand hand url:http://example.org/x msg1280/0/hallo msg1125/2/42 msg1125/-2/42", host.log);

    renderer.SetClickCallback(nullptr, 0x500);
    EXPECT_FALSE(renderer.OnClick(MarkupPoint{30, 1})) << "a message link without a window";
    // A link opened inside another that was never closed starts without its target.
    Run("<a href=x>a<a>b");
    EXPECT_EQ("|2", renderer.Links().back().target + "|" + N(renderer.Links().back().kind));

    // Repeated paints list the links anew.
    renderer.Draw(canvas, text, MarkupRect{0, 0, 100, 20});
    renderer.Draw(canvas, text, MarkupRect{0, 0, 100, 20});
    EXPECT_EQ(3u, renderer.Links().size());
}

TEST_F(MarkupDrawing, Images)
{
    renderer.SetImageShadow(0, 4, true, 5, 7, 160);
    const std::string linked = "<a href=x><bmp file=a.bmp width=200% style=gs hotstyle=l mask=#ff00ff></a>";
    EXPECT_EQ("81x11: image[0,0,40,10]/style513/mask#ff00ff/shadow0,4,5,7,100 image[40,0,60,10] image[60,7,80,10]",
              Run(linked + "<icon idres=5 handle=0x1F>"
                      "<ilst file=strip.bmp index=2 cx=3 cy=4 height=3><bmp file=\"\"><bmp iddll=9 srcdll=m.dll>"));
    const std::string opened = "open0/a.bmp open1/res5/handle31 open2/strip.bmp/index2/cx3/cy4 open0 open0/dll9/m.dll";
    EXPECT_EQ(opened + " " + opened, host.log) << "each pass opens the images";
    EXPECT_EQ(1u, renderer.Links().size());
    renderer.OnSetCursor(MarkupPoint{1, 1});
    EXPECT_EQ("41x11: image[0,0,40,10]/style4/mask#ff00ff", Run(linked)) << "the hovered link's hot style";
    renderer.SetImageShadow(0, 0, false, 5, 7, 60);
    EXPECT_EQ("21x11: image[0,0,20,10]/style7", Run("<bmp file=a style=gdlxs>")) << "no shadow without an offset";
    renderer.SetImageShadow(2, 0, false, 1, 1, 60);
    EXPECT_EQ("21x11: image[0,0,20,10]/style258/shadow2,0,1,1,60", Run("<bmp file=a style=ds>"));
    EXPECT_EQ("2x11: image[0,0,1,10]", Run("<bmp file=a width=1>")) << "one pixel wide is drawn too";
}

TEST(BrowserCommand, CutsThePlaceholderAndAppendsTheAddress)
{
    // The quoted placeholder goes from its opening quote.
    EXPECT_EQ("\"C:\\web\\browser.exe\" -nohome  http://x.de/",
              BuildBrowserCommand("\"C:\\web\\browser.exe\" -nohome \"%1\" -extra", "http://x.de/"));
    EXPECT_EQ("browser.exe -url  http://x.de/", BuildBrowserCommand("browser.exe -url %1 more", "http://x.de/"));
    EXPECT_EQ("browser.exe http://x.de/", BuildBrowserCommand("browser.exe", "http://x.de/"));
    // Blanks cannot split the address into further arguments.
    EXPECT_EQ("b.exe \"http://x.de/a -evil\"", BuildBrowserCommand("b.exe", "http://x.de/a\" -evil"));
}

TEST(StripCell, CellsOfAStrip)
{
    // A cell size of 0 takes the whole strip instead of dividing by it.
    const std::pair<std::vector<int>, const char*> cases[] = {
        {{48, 16, 2, 16, 0}, "[32,0,48,16]"}, {{48, 16, 3, 16, 16}, "none"}, {{48, 16, -1, 16, 16}, "none"},
        {{48, 16, 0, 0, 0}, "[0,0,48,16]"},   {{48, 16, 1, 0, 0}, "none"},    {{48, 16, 0, 100, 8}, "[0,0,48,8]"},
        {{0, 16, 0, 0, 0}, "none"},           {{48, 0, 0, 0, 0}, "none"}};
    for (const auto& c : cases) {
        MarkupRect cell;
        const std::vector<int>& a = c.first;
        EXPECT_EQ(c.second, StripCellRect(a[0], a[1], a[2], a[3], a[4], cell) ? FakeCanvas::Box(cell) : "none");
    }
}

} // namespace
