#include "tests/tooltip/RendererFixture.h"
#include "tooltip/BrowserCommand.h"
#include "tooltip/DrawEffects.h"
#include "tooltip/MarkupReader.h"
#include "tooltip/MarkupRenderer.h"
#include "tooltip/StripCell.h"
#include "tooltip/TextStyle.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Pieces as "run<tag>" each, "run" alone when no tag followed.
std::string Cut(const std::string& text, bool escape = true)
{
    std::string pieces;
    CMarkupScanner scanner(text, 0, text.size(), escape);
    MarkupPiece piece;
    while (scanner.Next(piece))
        pieces += "[" + piece.run + (piece.hasTag ? "<" + piece.tag + ">]" : "]");
    return pieces;
}

TEST(MarkupScanner, CutsRunsAndTags)
{
    // ">" outside a tag is text; an unterminated tag ends with the text.
    EXPECT_EQ("[a<b<i>][c>d<\t>][e<x>]", Cut("a<<b<i>c>d\te<x"));
    EXPECT_EQ("[x<]", Cut("x<"));
    EXPECT_EQ("[a<\r>][<\n>][b]", Cut("a\r\nb"));
    // Without escapes line ends are dropped.
    EXPECT_EQ("[abc]", Cut("a\tb\nc", false));
}

TEST(MarkupTagReader, NamesAttributesAndCounts)
{
    const MarkupTag a = ReadTag(" A HREF = \"HTTP://X.DE/A B\" Msg=Go target id=1 id=2");
    EXPECT_EQ("a", a.name);
    EXPECT_FALSE(a.closing);
    EXPECT_EQ("http://x.de/a b", a.Value("href"));
    EXPECT_EQ("go", a.Value("msg"));
    ASSERT_NE(nullptr, a.Find("target"));
    EXPECT_EQ("", a.Value("target"));
    EXPECT_EQ("2", a.Value("id")); // the last value counts
    EXPECT_EQ(nullptr, a.Find("none"));

    const MarkupTag close = ReadTag("/Strike");
    EXPECT_TRUE(close.closing);
    EXPECT_EQ("strike", close.name);

    EXPECT_EQ(2, ReadTag("br=2").count);
    EXPECT_EQ(1, ReadTag("br").count);
    EXPECT_EQ(MaxTagCount, ReadTag("t=99999999999").count);
    EXPECT_EQ(0, ReadTag("br=x").count);
}

TEST(MarkupTagReader, CanonicalNames)
{
    for (const auto& c : {std::pair<const char*, const char*>{"b", "bold"}, {"em", "italic"}, {"s", "strikeout"},
                          {"strike", "strikeout"}, {"middle", "vcenter"}, {"a", "link"}, {"h3", "h3"}, {"p", ""},
                          {"br", ""}})
        EXPECT_EQ(c.second, CanonicalTagName(c.first)) << c.first;
}

TEST(MarkupLetters, FontAndImageStyles)
{
    TextStyle style;
    ApplyFontStyleLetters("biuso", style);
    EXPECT_EQ(700, style.fontWeight);
    EXPECT_TRUE(style.italic && style.underline && style.lineThrough && style.overline);
    ApplyFontStyleLetters("-b-i x+u-o", style);
    EXPECT_EQ(400, style.fontWeight);
    EXPECT_FALSE(style.italic);
    EXPECT_TRUE(style.underline);
    EXPECT_FALSE(style.overline);

    EXPECT_EQ(0x07, ImageStyleBits("gdlxs", false, true));
    EXPECT_EQ(0x201, ImageStyleBits("gs", true, true));
    EXPECT_EQ(0x102, ImageStyleBits("ds", true, false));
}

class MarkupDrawing : public RendererTest
{
};

TEST_F(MarkupDrawing, BodyRuleAppliesToTheWholeText)
{
    Render("Hallo");
    EXPECT_EQ(13, Text("Hallo").font.height);
    EXPECT_EQ("verdana", Text("Hallo").font.family);
    EXPECT_EQ(400, Text("Hallo").font.weight);
}

TEST_F(MarkupDrawing, EscapesAndLineEnds)
{
    Render("a<<b\r\nc\nd<");
    EXPECT_EQ(0, Text("a<b").y);
    EXPECT_EQ(13, Text("c").y); // CR LF breaks once
    EXPECT_EQ(26, Text("d<").y);
    EXPECT_EQ(3u, renderer.Layout().lines.size());
}

TEST_F(MarkupDrawing, NestedBoldAndItalic)
{
    Render("<b>one<b>two</b></b>three<i>four<em>five</em></i>");
    ExpectWeights({{"one", 800}, {"two", 900}, {"three", 400}});
    EXPECT_TRUE(Text("four").font.italic);
    EXPECT_FALSE(Text("five").font.italic); // toggled twice: upright
}

TEST_F(MarkupDrawing, MismatchedClosingTagsAreIgnored)
{
    Render("<b>x</i>y</b>z");
    ExpectWeights({{"y", 800}, {"z", 400}});

    Render("<b><i>p</b>q</i>r</b>s</u>");
    EXPECT_TRUE(Text("q").font.italic);
    EXPECT_FALSE(Text("r").font.italic);
    ExpectWeights({{"q", 800}, {"r", 800}, {"s", 400}});

    // strike and s close each other.
    Render("<strike>a</s>b");
    EXPECT_TRUE(Text("a").font.strikeOut);
    EXPECT_FALSE(Text("b").font.strikeOut);
}

TEST_F(MarkupDrawing, FontTag)
{
    Render("<font color=#ff0000 size=4>red</font><font size=+3 face=Arial weight=bold>x</font>"
           "<font size=200% style=iu bkgnd=yellow>y</font><font face=\"\">z");
    EXPECT_EQ(0x0000FFu, Text("red").colour);
    EXPECT_EQ(14, Text("red").font.height);
    EXPECT_EQ(12, Text("x").font.height); // HTML size 3, the sign ignored
    EXPECT_EQ("arial", Text("x").font.family);
    EXPECT_EQ(700, Text("x").font.weight);
    EXPECT_EQ(26, Text("y").font.height);
    EXPECT_TRUE(Text("y").font.italic && Text("y").font.underline);
    EXPECT_TRUE(Text("y").opaque);
    EXPECT_EQ(0x00FFFFu, Text("y").background);
    EXPECT_EQ("verdana", Text("z").font.family);
    EXPECT_EQ(0x000000u, Text("z").colour);
}

TEST_F(MarkupDrawing, TabStops)
{
    Render("<font size=16px>aaaaa\tb<br>aaaaaaaa\tc<br>aaaaa<t=2>d<br>\te");
    for (const auto& c : {std::pair<const char*, int>{"b", 64}, {"c", 96}, {"d", 96}, {"e", 32}})
        EXPECT_EQ(c.second, Text(c.first).x) << c.first;
    // A tab is the line's first content: the line takes its alignment there.
    Render("<font size=16px><center>\t</center>x\n" + std::string(20, 'w'));
    EXPECT_EQ(64, Text("x").x) << "the centred line starts at 60, its tab goes on to 64";
}

TEST_F(MarkupDrawing, StyleRulesOfTagsAndClasses)
{
    Render("<h1>big</h1><p>para</p><span class=cpp-comment>note</span><span>plain</span><code>c</code>"
           "<sub>low</sub>");
    EXPECT_EQ(18, Text("big").font.height); // 14pt
    EXPECT_EQ(700, Text("big").font.weight);
    EXPECT_EQ(400, Text("para").font.weight); // p is no tag
    EXPECT_EQ(0x008000u, Text("note").colour);
    EXPECT_TRUE(Text("note").font.italic);
    EXPECT_FALSE(Text("plain").font.italic);
    EXPECT_EQ("arial", Text("c").font.family);
    EXPECT_EQ(8, Text("low").font.height); // 65 % of 13
}

TEST_F(MarkupDrawing, SpanWithoutClassMakesNoStackEntry)
{
    Render("<b><span id=1>a</span>b</b>c");
    ExpectWeights({{"b", 800}, {"c", 400}}); // the closing span did not pop the bold
}

TEST_F(MarkupDrawing, TextTransform)
{
    renderer.SetStyleSheet("body {text-transform:capitalize} h1 {text-transform:uppercase}");
    Render("hello wORLD\n<h1>gr\xF6\xDF" "e</h1>");
    EXPECT_NE(nullptr, canvas.Find("Hello World"));
    EXPECT_NE(nullptr, canvas.Find("GR\xD6\xDF" "E"));
}

TEST_F(MarkupDrawing, StringResources)
{
    Render("<string idres=7>|<string idres=8>|<string iddll=7>");
    EXPECT_NE(nullptr, canvas.Find("Sieben"));
    EXPECT_EQ(2u, canvas.texts.size() - 1);
}

TEST_F(MarkupDrawing, LinksHoverAndClick)
{
    const unsigned hoverMessage = 0x465;
    int window = 0;
    renderer.SetHoverCallback(&window, hoverMessage, 42);
    renderer.SetClickCallback(&window, 0x500);
    Render("<a href=\"HTTP://Example.ORG/X\">Web</a> <a msg=Hallo>Msg</a> <a>None</a>");
    EXPECT_EQ(0xFF0000u, Text("Web").colour);
    EXPECT_FALSE(Text("Web").font.underline);
    ASSERT_EQ(3u, renderer.Links().size());
    EXPECT_EQ(LinkAddress, renderer.Links()[0].kind);
    EXPECT_EQ(1, renderer.Links()[1].index);
    EXPECT_EQ(LinkMessage, renderer.Links()[2].kind);

    const FakeCanvas::TextCall web = Text("Web");
    const MarkupPoint onWeb{web.x + 1, web.y + 1};
    EXPECT_EQ(0, renderer.HitTestLink(onWeb));
    EXPECT_EQ(-1, renderer.HitTestLink(MarkupPoint{500, 500}));
    EXPECT_TRUE(renderer.OnSetCursor(onWeb));
    EXPECT_EQ(0, renderer.HoverIndex());
    ASSERT_EQ(1u, host.messages.size());
    EXPECT_EQ(hoverMessage, host.messages[0].message);
    EXPECT_EQ(0, host.messages[0].wParam);
    // Staying on the same link reports nothing new.
    EXPECT_TRUE(renderer.OnSetCursor(MarkupPoint{web.x + 2, web.y + 2}));
    EXPECT_EQ(1u, host.messages.size());

    Render("<a href=\"HTTP://Example.ORG/X\">Web</a> <a msg=Hallo>Msg</a> <a>None</a>");
    EXPECT_TRUE(Text("Web").font.underline); // the hovered link's style
    EXPECT_FALSE(Text("Msg").font.underline);

    EXPECT_TRUE(renderer.OnClick(onWeb));
    ASSERT_EQ(1u, host.opened.size());
    EXPECT_EQ("http://example.org/x", host.opened[0]);

    const FakeCanvas::TextCall msg = Text("Msg");
    EXPECT_TRUE(renderer.OnClick(MarkupPoint{msg.x, msg.y}));
    ASSERT_EQ(2u, host.messages.size());
    EXPECT_EQ("hallo", host.messages[1].text);

    const FakeCanvas::TextCall none = Text("None");
    const MarkupPoint onNone{none.x, none.y};
    EXPECT_FALSE(renderer.OnSetCursor(onNone)); // no target: no hand cursor
    EXPECT_EQ(2, renderer.HoverIndex());
    EXPECT_FALSE(renderer.OnClick(onNone));

    EXPECT_FALSE(renderer.OnSetCursor(MarkupPoint{500, 500}));
    EXPECT_EQ(-2, renderer.HoverIndex());
    EXPECT_EQ(-2, host.messages.back().wParam);
    EXPECT_EQ(2, host.handCursors);
}

TEST_F(MarkupDrawing, RepeatedDrawingDoesNotPileUpLinks)
{
    const std::string text = "<a href=x>x</a>";
    const MarkupSize size = renderer.Measure(canvas, text);
    for (int i = 0; i < 5; ++i)
        renderer.Draw(canvas, text, MarkupRect{0, 0, size.cx, size.cy});
    EXPECT_EQ(1u, renderer.Links().size());
}

TEST_F(MarkupDrawing, Images)
{
    renderer.SetImageShadow(3, 4, true, 5, 7, 60);
    Render("<a href=x><bmp file=a.bmp width=200% style=g hotstyle=ls mask=#ff00ff></a><icon idres=5 handle=0x1F>"
           "<ilst file=strip.bmp index=2 cx=0 height=3><bmp file=\"\">");
    ASSERT_EQ(3u, canvas.images.size());
    EXPECT_EQ(40, canvas.images[0].rect.Width());
    EXPECT_EQ(10, canvas.images[0].rect.Height());
    EXPECT_EQ(ImageStyleGrey, canvas.images[0].drawing.style);
    EXPECT_TRUE(canvas.images[0].drawing.hasMask);
    EXPECT_EQ(0xFF00FFu, canvas.images[0].drawing.maskColour);
    EXPECT_EQ(ImageIcon, host.requests[1].kind);
    EXPECT_EQ(5u, host.requests[1].idRes);
    EXPECT_EQ(0x1Fu, host.requests[1].handle);
    EXPECT_EQ(ImageListItem, host.requests[2].kind);
    EXPECT_EQ(2, host.requests[2].index);
    EXPECT_EQ(3, canvas.images[2].rect.Height());
    // Images share the baseline with text: the line is 10 high.
    EXPECT_EQ(10, renderer.Layout().lines[0].height);

    ASSERT_EQ(1u, renderer.Links().size());
    renderer.OnSetCursor(MarkupPoint{1, 1});
    Render("<a href=x><bmp file=a.bmp width=200% style=g hotstyle=ls mask=#ff00ff></a>");
    EXPECT_EQ(ImageStyleLighter | ImageStyleSoftShadow, canvas.images[0].drawing.style);
    const ImageDrawing& drawn = canvas.images[0].drawing;
    EXPECT_TRUE(drawn.shadowOn);
    EXPECT_EQ((std::vector<int>{3, 4, 5, 7, 60}),
              (std::vector<int>{drawn.shadowX, drawn.shadowY, drawn.blurX, drawn.blurY, drawn.darkness}));
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
    MarkupRect cell;
    ASSERT_TRUE(StripCellRect(48, 16, 2, 16, 0, cell));
    EXPECT_EQ(32, cell.left);
    EXPECT_EQ(48, cell.right);
    EXPECT_EQ(16, cell.bottom);
    EXPECT_FALSE(StripCellRect(48, 16, 3, 16, 16, cell));
    EXPECT_FALSE(StripCellRect(48, 16, -1, 16, 16, cell));
    // A cell size of 0 takes the whole strip instead of dividing by it.
    ASSERT_TRUE(StripCellRect(48, 16, 0, 0, 0, cell));
    EXPECT_EQ(48, cell.Width());
    EXPECT_FALSE(StripCellRect(48, 16, 1, 0, 0, cell));
    ASSERT_TRUE(StripCellRect(48, 16, 0, 100, 8, cell));
    EXPECT_EQ(48, cell.Width());
    EXPECT_EQ(8, cell.Height());
    EXPECT_FALSE(StripCellRect(0, 16, 0, 0, 0, cell));
}

TEST_F(MarkupDrawing, LengthsReferToTheCurrentFont)
{
    // 2em of the 20-pixel font, 2ex of its x-height 10.
    Render("<font size=20px><font size=2em>a</font><font size=2ex>b</font></font><font size=1in>c");
    EXPECT_EQ(40, Text("a").font.height);
    EXPECT_EQ(20, Text("b").font.height);
    EXPECT_EQ(96, Text("c").font.height);
}

TEST_F(MarkupDrawing, WithoutEscapesTabsAndLineEndsAreDropped)
{
    renderer.SetEscapes(false);
    Render("a\tb\r\nc<br>d");
    EXPECT_NE(nullptr, canvas.Find("abc"));
    EXPECT_EQ(13, Text("d").y);
}

} // namespace
