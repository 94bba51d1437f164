#pragma once
#include "tooltip/ColorNames.h"
#include "tooltip/DrawEffects.h"
#include "tooltip/MarkupCanvas.h"
#include "tooltip/StyleSheet.h"
#include "tooltip/TextStyle.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Tables nest at most this deep; deeper ones are left out.
constexpr int MaxTableDepth = 8;
// A table has at most this many columns; cells beyond them are left out.
constexpr int MaxTableColumns = 256;
// Fonts are never made larger than this, whatever the text asks for.
constexpr int MaxFontHeight = 1000;

struct LineRecord
{
    int width = 0;
    int height = 0;
    int ascent = 0;
    int descent = 0;
    int align = AlignLeft;
    // A break of several lines ("br=3") moves down by count times the height.
    int count = 1;
};

struct LinkArea
{
    MarkupRect rect;
    int kind = LinkNone;
    int index = -1;
    std::string target;
};

struct TableLayout;

// What the measuring pass learns about a stretch of text, for the drawing
// pass: its lines and its tables, in the order they occur.
struct FlowLayout
{
    std::vector<LineRecord> lines;
    std::vector<std::unique_ptr<TableLayout>> tables;
    int width = 0;
    int height = 0;
};

// How a table or cell asks for its width.
struct WidthRequest
{
    enum Kind { Absent, Pixels, Percent } kind = Absent;
    int value = 0;
    bool hasAttributes = false;
};

struct CellLayout
{
    int row = 0;
    int column = 0;
    int rowSpan = 1;
    int columnSpan = 1;
    int neededWidth = 0;
    int neededHeight = 0;
    WidthRequest width;
    // Which cell of the table's text this is.
    std::size_t source = 0;
    FlowLayout content;
};

struct TableLayout
{
    int rows = 0;
    int columns = 0;
    int naturalWidth = 0;
    int width = 0;
    int height = 0;
    std::vector<int> columnWidths;
    std::vector<int> rowHeights;
    std::vector<CellLayout> cells;
};

class CMarkupRenderer
{
public:
    // The colour names read the system colours once, here.
    explicit CMarkupRenderer(const ISysColorProvider& systemColours);
    CMarkupRenderer();
    ~CMarkupRenderer();
    CMarkupRenderer(const CMarkupRenderer&) = delete;
    CMarkupRenderer& operator=(const CMarkupRenderer&) = delete;

    void SetHost(IMarkupHost* host) { m_host = host; }
    void SetStyleSheet(const char* text) { m_sheet.SetStyleSheet(text); }
    CStyleSheet& StyleSheet() { return m_sheet; }
    const CColorNames& ColourNames() const { return m_colourNames; }
    // The tooltip window draws its background and shadow with these.
    const CDrawEffects& Effects() const { return m_effects; }

    // Size of the text plus one pixel in each direction.
    MarkupSize Measure(IMarkupCanvas& dc, const std::string& text);
    // Draws into rect, whose right and bottom edges move in by one pixel.
    void Draw(IMarkupCanvas& dc, const std::string& text, const MarkupRect& rect);

    int HitTestLink(MarkupPoint point) const;
    // True when the point lies on a link with a target and the hand cursor
    // was set; reports a change of the hovered link.
    bool OnSetCursor(MarkupPoint point);
    // Follows the link under the point; false when there is none to follow.
    bool OnClick(MarkupPoint point);
    void SetHoverCallback(void* window, unsigned message, intptr_t parameter);
    void SetClickCallback(void* window, unsigned message);
    // With escapes off, tabs and line ends in the text are dropped instead
    // of moving the pen; the tooltip keeps them on.
    void SetEscapes(bool on) { m_escapes = on; }
    void SetImageShadow(int offsetX, int offsetY, bool gradient, int blurX, int blurY, int darkness);

    int HoverIndex() const { return m_hoverIndex; }
    const std::vector<LinkArea>& Links() const { return m_links; }
    const FlowLayout& Layout() const { return m_layout; }

    // Pieces the passes share; public for the pass objects only.
    struct ImageShadow
    {
        int offsetX = 4;
        int offsetY = 4;
        bool gradient = true;
        int blurX = 5;
        int blurY = 5;
        int darkness = 50;
    };
    struct PassContext;

private:
    TextStyle StartStyle();
    void RunPass(IMarkupCanvas& dc, bool drawing, const std::string& text, const MarkupRect& area);

    std::unique_ptr<ISysColorProvider> m_ownColours;
    CColorNames m_colourNames;
    CStyleSheet m_sheet;
    IMarkupHost* m_host = nullptr;
    FlowLayout m_layout;
    std::string m_measuredText;
    bool m_measured = false;
    std::vector<LinkArea> m_links;
    int m_hoverIndex = -2;
    void* m_hoverWindow = nullptr;
    unsigned m_hoverMessage = 0;
    intptr_t m_hoverParameter = 0;
    void* m_clickWindow = nullptr;
    unsigned m_clickMessage = 0;
    ImageShadow m_imageShadow;
    bool m_escapes = true;
    CDrawEffects m_effects;
};

// A frame in the light colour on the left and top edges and the dark one on
// the right and bottom; the double style adds an inner frame.
void DrawBorder(IMarkupCanvas& dc, const MarkupRect& rect, uint32_t light, uint32_t dark, int style, int width);

// Room a border takes on each side: its width, three times for double.
int BorderThickness(int style, int width);

// The width a table asks for: a is the width available, n what its content
// needs; the percentage rule differs between the two passes.
int TableWidth(const WidthRequest& wish, int available, int needed, bool drawing);
