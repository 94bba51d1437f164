#include "tooltip/MarkupRenderer.h"

#include "tooltip/DrawEffects.h"
#include "tooltip/MarkupReader.h"
#include "tooltip/TextCase.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int TabStop = 32;
// The pen never wanders further than this; sums of widths stay in range.
constexpr int MaxPen = 1 << 28;
// A rule without a size of its own.
constexpr int DefaultRuleThickness = 2;

int ClampPen(int64_t value) { return static_cast<int>(std::max<int64_t>(-MaxPen, std::min<int64_t>(MaxPen, value))); }

int NonNegative(int value) { return std::max(0, value); }

FontRequest FontFromStyle(const TextStyle& style)
{
    FontRequest font;
    font.height = std::min(MaxFontHeight, std::abs(style.fontSize));
    font.weight = std::max(0, std::min(1000, style.fontWeight));
    font.italic = style.italic;
    font.underline = style.underline;
    font.strikeOut = style.lineThrough;
    font.family = style.fontFamily;
    return font;
}

std::string TransformRun(const std::string& run, int transform)
{
    switch (transform) {
    case TransformUpper: return UpperCaseText(run);
    case TransformLower: return LowerCaseText(run);
    case TransformCapitalize: return CapitalizeText(run);
    default: return run;
    }
}

unsigned ReadUnsigned(const std::string& value)
{
    return static_cast<unsigned>(std::strtoul(value.c_str(), nullptr, 0));
}

} // namespace

int BorderThickness(int style, int width)
{
    if (style == BorderNone || width < 1)
        return 0;
    const int w = std::min(width, MaxLength);
    return style == BorderDouble ? 3 * w : w;
}

namespace {

void DrawFrame(IMarkupCanvas& dc, const MarkupRect& r, uint32_t light, uint32_t dark, int width, PenStyle pen)
{
    const MarkupPoint lightEdges[3] = {{r.left, r.bottom}, {r.left, r.top}, {r.right, r.top}};
    const MarkupPoint darkEdges[3] = {{r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
    dc.DrawPolyline(lightEdges, 3, light, width, pen);
    dc.DrawPolyline(darkEdges, 3, dark, width, pen);
}

} // namespace

void DrawBorder(IMarkupCanvas& dc, const MarkupRect& rect, uint32_t light, uint32_t dark, int style, int width)
{
    if (style == BorderNone || width < 1)
        return;
    width = std::min(width, MaxLength);
    const PenStyle pen = style == BorderDashed ? PenDash : style == BorderDotted ? PenDot : PenSolid;
    // Half the pen lies inside the rectangle's edges this way.
    const int half = width / 2;
    MarkupRect frame{rect.left + half, rect.top + half, rect.right - half, rect.bottom - half};
    DrawFrame(dc, frame, light, dark, width, pen);
    if (style == BorderDouble) {
        const int inset = 2 * width;
        frame = MarkupRect{frame.left + inset, frame.top + inset, frame.right - inset, frame.bottom - inset};
        DrawFrame(dc, frame, light, dark, width, pen);
    }
}

int TableWidth(const WidthRequest& wish, int available, int needed, bool drawing)
{
    int width = 0;
    if (!wish.hasAttributes) {
        width = std::max(available, needed);
    } else if (wish.kind == WidthRequest::Absent) {
        width = available;
    } else if (wish.kind == WidthRequest::Pixels) {
        width = wish.value;
    } else {
        const int p = wish.value;
        if (drawing)
            width = p < 100 ? MulDivRound(available, p, 100) : available;
        else
            width = p > 100 ? MulDivRound(needed, p, 100) : MulDivRound(needed, 100, p);
    }
    return std::max(0, std::min(MaxLength, width));
}

struct CMarkupRenderer::PassContext
{
    IMarkupCanvas& dc;
    CStyleSheet& sheet;
    IMarkupHost* host;
    bool drawing;
    int hoverIndex;
    int linkCounter;
    std::vector<LinkArea>& links;
    ImageShadow imageShadow;
    const std::string& text;
    bool escapes;
};

namespace {

using PassContext = CMarkupRenderer::PassContext;

// The source of a table: its tag, and for each cell its tag, its row and
// the stretch of text inside it.
struct CellSource
{
    MarkupTag tag;
    int row = 0;
    std::size_t begin = 0;
    std::size_t end = 0;
};

struct TableSource
{
    MarkupTag tag;
    std::vector<CellSource> cells;
    int rows = 0;
    // The greatest sum of column spans over the cells of one row.
    int columns = 0;
    std::size_t end = 0;
};

int ColumnSpan(const MarkupTag& cell)
{
    return static_cast<int>(std::max<int64_t>(1, std::min<int64_t>(ReadDecimal(cell.Value("colspan")), MaxTableColumns)));
}

// Reads rows and cells from just after the opening table tag up to its
// closing tag or the end of the range; tables inside cells are passed over.
TableSource ReadTableSource(const std::string& text, std::size_t begin, std::size_t limit, const MarkupTag& tag)
{
    TableSource table;
    table.tag = tag;
    CMarkupScanner scanner(text, begin, limit);
    MarkupPiece piece;
    int nested = 0;
    bool inRow = false;
    int rowColumns = 0;
    CellSource* open = nullptr;
    auto closeCell = [&](std::size_t at) {
        if (open) {
            open->end = at;
            open = nullptr;
        }
    };
    // A row that is never closed still counts when the next one begins or
    // the table ends.
    auto closeRow = [&] {
        table.columns = std::min(MaxTableColumns, std::max(table.columns, rowColumns));
        rowColumns = 0;
    };
    table.end = limit;
    while (true) {
        if (!scanner.Next(piece))
            break;
        if (!piece.hasTag || (piece.tag.size() == 1 && IsBlankChar(piece.tag[0])))
            continue;
        const std::size_t tagStart = scanner.TagStart();
        const MarkupTag t = ReadTag(piece.tag);
        if (t.name == "table") {
            nested += t.closing ? -1 : 1;
            if (nested >= 0)
                continue;
            closeCell(tagStart);
            closeRow();
            table.end = scanner.Position();
            return table;
        }
        if (nested > 0)
            continue;
        if (t.name == "tr") {
            closeCell(tagStart);
            closeRow();
            inRow = !t.closing;
            if (!t.closing)
                ++table.rows;
        } else if (t.name == "td") {
            closeCell(tagStart);
            if (t.closing)
                continue;
            if (!inRow) {
                ++table.rows;
                inRow = true;
            }
            rowColumns = static_cast<int>(std::min<int64_t>(MaxTableColumns, int64_t(rowColumns) + ColumnSpan(t)));
            table.cells.push_back(CellSource{t, table.rows - 1, scanner.Position(), limit});
            open = &table.cells.back();
        }
    }
    closeCell(limit);
    closeRow();
    return table;
}

WidthRequest ReadWidthRequest(const CStyleSheet& sheet, const MarkupTag& tag)
{
    WidthRequest wish;
    wish.hasAttributes = !tag.attributes.empty();
    const std::string* value = tag.Find("width");
    if (!value || value->empty())
        return wish;
    if (value->back() == '%') {
        const int64_t p = ReadDecimal(value->substr(0, value->size() - 1));
        // 0 % (or less) would divide by zero; it asks for nothing.
        if (p > 0) {
            wish.kind = WidthRequest::Percent;
            wish.value = static_cast<int>(std::min<int64_t>(p, 100000));
        }
        return wish;
    }
    wish.kind = WidthRequest::Pixels;
    wish.value = std::max(0, sheet.ParseLength(*value, 0, false));
    return wish;
}

void ApplyTableAttributes(const CStyleSheet& sheet, const MarkupTag& tag, TextStyle& style)
{
    if (const std::string* v = tag.Find("border")) {
        style.borderWidth = sheet.ParseLength(*v, style.borderWidth, false);
        if (style.borderWidth == 0)
            style.borderStyle = BorderNone;
        else if (style.borderStyle == BorderNone)
            style.borderStyle = BorderSolid;
    }
    if (const std::string* v = tag.Find("borderstyle"))
        ReadBorderStyle(*v, style.borderStyle);
    if (const std::string* v = tag.Find("bordercolor")) {
        style.borderColorLight = sheet.ParseColor(*v, style.borderColorLight);
        style.borderColorDark = sheet.ParseColor(*v, style.borderColorDark);
    }
    if (const std::string* v = tag.Find("bordercolorlight"))
        style.borderColorLight = sheet.ParseColor(*v, style.borderColorLight);
    if (const std::string* v = tag.Find("bordercolordark"))
        style.borderColorDark = sheet.ParseColor(*v, style.borderColorDark);
    if (const std::string* v = tag.Find("bgcolor")) {
        style.backgroundColor = sheet.ParseColor(*v, style.backgroundColor);
        if (style.backgroundEffect < 0)
            style.backgroundEffect = EffectSolid;
    }
    if (const std::string* v = tag.Find("bgmidcolor"))
        style.backgroundMidColor = sheet.ParseColor(*v, style.backgroundMidColor);
    if (const std::string* v = tag.Find("bgendcolor"))
        style.backgroundEndColor = sheet.ParseColor(*v, style.backgroundEndColor);
    if (const std::string* v = tag.Find("bgeffect")) {
        int effect = 0;
        if (EffectFromName(*v, effect))
            style.backgroundEffect = effect;
        else if (!v->empty())
            style.backgroundEffect = sheet.ParseLength(*v, style.backgroundEffect, false);
    }
    if (const std::string* v = tag.Find("background"))
        style.backgroundImage = *v;
    if (const std::string* v = tag.Find("align"))
        ReadTextAlign(*v, style.textAlign);
    if (const std::string* v = tag.Find("valign"))
        ReadVerticalAlign(*v, style.verticalAlign);
    if (const std::string* v = tag.Find("cellpadding")) {
        const int padding = sheet.ParseLength(*v, style.paddingLeft, false);
        style.paddingLeft = style.paddingRight = style.paddingTop = style.paddingBottom = padding;
    }
    if (const std::string* v = tag.Find("cellspacing")) {
        const int spacing = sheet.ParseLength(*v, style.marginLeft, false);
        style.marginLeft = style.marginRight = style.marginTop = style.marginBottom = spacing;
    }
}

// A cell starts from its table's text style; it draws no copy of the
// table's background, and a table with a border gives its cells a thin one.
// The table's align places the table, not the text of its cells.
TextStyle CellStyle(const TextStyle& table, int textAlign)
{
    TextStyle cell = table;
    cell.textAlign = textAlign;
    cell.backgroundEffect = -1;
    cell.backgroundImage.clear();
    if (BorderThickness(table.borderStyle, table.borderWidth) > 0) {
        cell.borderWidth = 1;
    } else {
        cell.borderStyle = BorderNone;
        cell.borderWidth = 0;
    }
    return cell;
}

int CellWish(const CellLayout& cell, int available, bool drawing)
{
    const int needed = cell.neededWidth;
    switch (cell.width.kind) {
    case WidthRequest::Pixels: return cell.width.value;
    case WidthRequest::Percent: {
        const int p = cell.width.value;
        int wish = 0;
        if (drawing)
            wish = p < 100 ? MulDivRound(available, p, 100) : available;
        else
            wish = p > 100 ? MulDivRound(needed, p, 100) : MulDivRound(needed, 100, p);
        return std::max(needed, std::min(MaxLength, wish));
    }
    default: return needed;
    }
}

// Settles the sizes of columns (or rows) from the cells' wishes, cells that
// span one first, then two, and so on. spacing lies between neighbours.
void SettleSizes(std::vector<int>& sizes, const std::vector<int>& starts, const std::vector<int>& spans,
                 const std::vector<int>& wishes, int spacing)
{
    std::vector<std::size_t> order(starts.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return spans[a] < spans[b]; });
    for (std::size_t i : order) {
        const int first = starts[i];
        const int span = spans[i];
        if (span == 1) {
            sizes[first] = std::max(sizes[first], wishes[i]);
            continue;
        }
        int64_t together = int64_t(spacing) * (span - 1);
        for (int k = 0; k < span; ++k)
            together += sizes[first + k];
        if (together >= wishes[i])
            continue;
        const int difference = static_cast<int>(wishes[i] - together);
        for (int k = 0; k < span; ++k)
            sizes[first + k] += difference / span;
        sizes[first + span - 1] += difference % span;
    }
}

int64_t Sum(const std::vector<int>& values)
{
    int64_t sum = 0;
    for (int v : values)
        sum += v;
    return sum;
}

// Places cells on the grid: each takes the first free column of its row;
// row spans above keep their columns taken. A cell pushed beyond the last
// column has no place in the grid and is left out.
void PlaceCells(const TableSource& source, std::vector<CellLayout>& cells)
{
    const int rows = source.rows;
    const int columns = source.columns;
    std::vector<std::vector<bool>> taken(static_cast<std::size_t>(rows));
    std::vector<int> cursor(static_cast<std::size_t>(rows), 0);
    for (std::size_t i = 0; i < source.cells.size(); ++i) {
        const CellSource& src = source.cells[i];
        const int row = src.row;
        std::vector<bool>& line = taken[row];
        int column = cursor[row];
        while (column < columns && column < static_cast<int>(line.size()) && line[column])
            ++column;
        if (column >= columns)
            continue;
        int64_t colSpan = ColumnSpan(src.tag);
        int64_t rowSpan = ReadDecimal(src.tag.Value("rowspan"));
        colSpan = std::min<int64_t>(colSpan, columns - column);
        rowSpan = std::max<int64_t>(1, std::min<int64_t>(rowSpan, rows - row));
        CellLayout cell;
        cell.row = row;
        cell.column = column;
        cell.columnSpan = static_cast<int>(colSpan);
        cell.rowSpan = static_cast<int>(rowSpan);
        for (int c = column; c < column + cell.columnSpan; ++c) {
            // Marking stops at a slot already taken, so overlapping spans
            // cost no more than the grid itself.
            for (int r = row; r < row + cell.rowSpan; ++r) {
                std::vector<bool>& slots = taken[r];
                if (static_cast<int>(slots.size()) <= c)
                    slots.resize(static_cast<std::size_t>(c) + 1, false);
                if (slots[c] && r != row)
                    break;
                slots[c] = true;
            }
        }
        cursor[row] = column + cell.columnSpan;
        cell.source = i;
        cells.push_back(std::move(cell));
    }
}

class FlowPass
{
public:
    FlowPass(PassContext& context, FlowLayout& layout, const TextStyle& style, int left, int right, int top,
             int depth)
        : m_ctx(context), m_layout(layout), m_style(style), m_left(left), m_right(right), m_y(top), m_top(top),
          m_depth(depth)
    {
    }

    void Run(std::size_t begin, std::size_t end);

private:
    // Lines
    void BeginLine();
    void EndLine(int count);
    // Tabs only place the pen: a line of tabs is still an empty line.
    void MarkContent(bool raisesLine = true);
    const LineRecord& CurrentLine() const;
    int RunTop(int height, int ascent) const;

    // Content
    void MakeFont();
    void TextRun(const std::string& run);
    void Tab(int count);
    void Rule(const MarkupTag& tag);
    void Picture(const MarkupTag& tag);
    void StringResource(const MarkupTag& tag);
    void AddLink(const MarkupRect& rect);

    // Tags
    void Tag(const std::string& tagText, CMarkupScanner& scanner, std::size_t end);
    void OpenTag(const MarkupTag& tag);
    void CloseTag(const MarkupTag& tag);
    void Push(const std::string& canonical);
    void Table(const MarkupTag& tag, CMarkupScanner& scanner, std::size_t end);
    void MeasureTable(const TableSource& source, const TextStyle& tableStyle, const WidthRequest& wish);
    void DrawTable(const TableSource& source, const TextStyle& tableStyle, const WidthRequest& wish,
                   TableLayout& layout);
    TextStyle CellStyleOf(const CellSource& cell, const TextStyle& baseCell);
    void SettleColumns(TableLayout& table, const TextStyle& tableStyle, int innerWidth, bool drawing);
    void SettleRows(TableLayout& table, const TextStyle& tableStyle);
    void DrawBox(const MarkupRect& rect, const TextStyle& style);

    PassContext& m_ctx;
    FlowLayout& m_layout;
    TextStyle m_style;
    std::vector<std::pair<std::string, TextStyle>> m_stack;
    FontMetrics m_font;
    int m_left;
    int m_right;
    int m_x = 0;
    int m_y;
    int m_top;
    int m_depth;
    std::size_t m_lineIndex = 0;
    std::size_t m_tableIndex = 0;
    // The line being measured.
    LineRecord m_line;
    bool m_hasContent = false;
    bool m_alignTaken = false;
    int m_minHeight = 0;
    // Directly after a table: an empty line here is no line.
    bool m_afterTable = false;
};

void FlowPass::Run(std::size_t begin, std::size_t end)
{
    if (!m_ctx.drawing) {
        m_layout.lines.clear();
        m_layout.tables.clear();
        m_layout.width = 0;
    }
    MakeFont();
    BeginLine();
    CMarkupScanner scanner(m_ctx.text, begin, end, m_ctx.escapes);
    MarkupPiece piece;
    while (scanner.Next(piece)) {
        if (!piece.run.empty())
            TextRun(piece.run);
        if (piece.hasTag)
            Tag(piece.tag, scanner, end);
    }
    if (m_hasContent || !m_afterTable)
        EndLine(1);
    if (!m_ctx.drawing)
        m_layout.height = ClampPen(int64_t(m_y) - m_top);
}

const LineRecord& FlowPass::CurrentLine() const
{
    static const LineRecord none;
    return m_lineIndex < m_layout.lines.size() ? m_layout.lines[m_lineIndex] : none;
}

void FlowPass::BeginLine()
{
    m_hasContent = false;
    m_alignTaken = false;
    m_minHeight = 0;
    m_line = LineRecord();
    m_x = m_left;
    if (!m_ctx.drawing)
        return;
    const LineRecord& line = CurrentLine();
    const int areaWidth = m_right - m_left;
    if (line.align == AlignCenter)
        m_x = m_left + (areaWidth - line.width) / 2;
    else if (line.align == AlignRight)
        m_x = m_right - line.width;
}

void FlowPass::MarkContent(bool raisesLine)
{
    m_hasContent = m_hasContent || raisesLine;
    m_afterTable = false;
    // The line takes the alignment in force at its first content, so that
    // "<center>title</center>" centres the title.
    if (!m_alignTaken) {
        m_line.align = m_style.textAlign;
        m_alignTaken = true;
    }
}

void FlowPass::EndLine(int count)
{
    if (count <= 0)
        return;
    int height = 0;
    if (m_ctx.drawing) {
        height = CurrentLine().height;
    } else {
        if (!m_alignTaken)
            m_line.align = m_style.textAlign;
        const int content = m_line.ascent + m_line.descent;
        height = m_hasContent ? content : m_font.height;
        height = std::max(height, m_minHeight);
        m_line.height = height;
        m_line.count = count;
        m_layout.lines.push_back(m_line);
        m_layout.width = std::max(m_layout.width, m_line.width);
    }
    ++m_lineIndex;
    m_y = ClampPen(m_y + int64_t(height) * count);
    m_afterTable = false;
    BeginLine();
}

int FlowPass::RunTop(int height, int ascent) const
{
    const LineRecord& line = CurrentLine();
    switch (m_style.verticalAlign) {
    case VAlignTop: return m_y;
    case VAlignMiddle: return m_y + (line.height - height) / 2;
    case VAlignBottom: return m_y + line.height - ascent;
    default: return m_y + line.height - ascent - line.descent;
    }
}

void FlowPass::MakeFont()
{
    m_font = m_ctx.dc.SelectFont(FontFromStyle(m_style));
    UnitMetrics units;
    units.fontHeight = m_font.height;
    units.xHeight = m_ctx.dc.XHeight();
    units.dotsPerInch = m_ctx.dc.DotsPerInch();
    m_ctx.sheet.SetUnitMetrics(units);
}

void FlowPass::AddLink(const MarkupRect& rect)
{
    if (m_style.linkIndex < 0)
        return;
    m_ctx.links.push_back(LinkArea{rect, m_style.linkKind, m_style.linkIndex, m_style.linkTarget});
}

void FlowPass::TextRun(const std::string& raw)
{
    const std::string run = TransformRun(raw, m_style.textTransform);
    const MarkupSize extent = m_ctx.dc.TextExtent(run);
    const int width = std::max(0, std::min(MaxPen, extent.cx));
    MarkContent();
    if (!m_ctx.drawing) {
        m_x = ClampPen(int64_t(m_x) + width);
        m_line.width = std::max(m_line.width, m_x - m_left);
        m_line.ascent = std::max(m_line.ascent, m_font.ascent);
        m_line.descent = std::max(m_line.descent, m_font.descent);
        return;
    }
    const int top = RunTop(m_font.height, m_font.ascent);
    const bool opaque = m_style.backgroundMode == BackgroundOpaque;
    m_ctx.dc.PaintText(m_x, top, run, m_style.textColor, opaque, m_style.backgroundColor);
    if (m_style.overline) {
        const int thickness = m_style.fontWeight >= 700 ? 2 : 1;
        const MarkupPoint line[2] = {{m_x, top}, {m_x + width, top}};
        m_ctx.dc.DrawPolyline(line, 2, m_style.textColor, thickness, PenSolid);
    }
    AddLink(MarkupRect{m_x, top, m_x + width, top + std::max(extent.cy, m_font.height)});
    m_x = ClampPen(int64_t(m_x) + width);
}

void FlowPass::Tab(int count)
{
    if (count <= 0)
        return;
    MarkContent(false);
    // Floor division, so a pen left of the edge still finds the next stop.
    const int64_t offset = int64_t(m_x) - m_left;
    int64_t stop = offset >= 0 ? offset / TabStop : -((-offset + TabStop - 1) / TabStop);
    if (stop * TabStop <= offset)
        stop += 1;
    m_x = ClampPen(m_left + (stop + count - 1) * TabStop);
    if (!m_ctx.drawing)
        m_line.width = std::max(m_line.width, m_x - m_left);
}

void FlowPass::Rule(const MarkupTag& tag)
{
    TextStyle rule = m_style;
    m_ctx.sheet.ApplyStyleRule("hr", rule);
    bool percent = true;
    int percentage = 100;
    int pixels = 0;
    const std::string width = tag.Value("width");
    if (!width.empty() && width.back() == '%') {
        percentage = static_cast<int>(std::max<int64_t>(0, std::min<int64_t>(1000, ReadDecimal(width))));
    } else if (!width.empty()) {
        percent = false;
        pixels = std::max(0, m_ctx.sheet.ParseLength(width, 0, false));
    }
    int thickness = rule.borderWidth >= 1 ? rule.borderWidth : DefaultRuleThickness;
    if (const std::string* size = tag.Find("size"))
        thickness = m_ctx.sheet.ParseLength(*size, rule.borderWidth, false);
    thickness = std::max(0, std::min(thickness, MaxLength));
    const uint32_t colour = m_ctx.sheet.ParseColor(tag.Value("color"), rule.borderColorLight);
    MarkContent();
    if (!m_ctx.drawing) {
        m_minHeight = std::max(m_minHeight, thickness + 8);
        if (!percent) {
            m_x = ClampPen(int64_t(m_x) + pixels);
            m_line.width = std::max(m_line.width, m_x - m_left);
        }
        return;
    }
    const LineRecord& line = CurrentLine();
    const int y = m_y + line.height / 2;
    const int length = percent ? MulDivRound(std::max(0, m_right - m_left), percentage, 100) : pixels;
    if (thickness >= 1 && length > 0) {
        const MarkupPoint points[2] = {{m_x, y}, {ClampPen(int64_t(m_x) + length), y}};
        m_ctx.dc.DrawPolyline(points, 2, colour, thickness, PenSolid);
    }
    if (!percent)
        m_x = ClampPen(int64_t(m_x) + pixels);
}

void FlowPass::Picture(const MarkupTag& tag)
{
    if (!m_ctx.host)
        return;
    ImageRequest request;
    request.kind = tag.name == "icon" ? ImageIcon : tag.name == "ilst" ? ImageListItem : ImageBitmap;
    if (const std::string* v = tag.Find("idres")) {
        request.hasIdRes = true;
        request.idRes = ReadUnsigned(*v);
    }
    if (const std::string* v = tag.Find("iddll")) {
        request.hasIdDll = true;
        request.idDll = ReadUnsigned(*v);
    }
    request.srcDll = tag.Value("srcdll");
    request.file = tag.Value("file");
    request.handle = static_cast<uintptr_t>(std::strtoull(tag.Value("handle").c_str(), nullptr, 0));
    request.index = static_cast<int>(std::max<int64_t>(0, std::min<int64_t>(MaxLength, ReadDecimal(tag.Value("index")))));
    request.cx = std::max(0, m_ctx.sheet.ParseLength(tag.Value("cx"), 0, false));
    request.cy = std::max(0, m_ctx.sheet.ParseLength(tag.Value("cy"), 0, false));
    const std::shared_ptr<IMarkupImage> image = m_ctx.host->OpenImage(request);
    if (!image)
        return;
    const int width = std::max(0, m_ctx.sheet.ParseLength(tag.Value("width"), image->Width(), false));
    const int height = std::max(0, m_ctx.sheet.ParseLength(tag.Value("height"), image->Height(), false));
    MarkContent();
    if (!m_ctx.drawing) {
        m_x = ClampPen(int64_t(m_x) + width);
        m_line.width = std::max(m_line.width, m_x - m_left);
        m_line.ascent = std::max(m_line.ascent, height);
        return;
    }
    const int top = RunTop(height, height);
    const bool hovered = m_style.linkIndex >= 0 && m_style.linkIndex == m_ctx.hoverIndex;
    const CMarkupRenderer::ImageShadow& shadow = m_ctx.imageShadow;
    const bool shadowSet = shadow.offsetX != 0 || shadow.offsetY != 0;
    int bits = ImageStyleBits(tag.Value("style"), shadowSet, shadow.gradient);
    if (hovered && tag.Find("hotstyle"))
        bits = ImageStyleBits(tag.Value("hotstyle"), shadowSet, shadow.gradient);
    ImageDrawing drawing;
    if (const std::string* mask = tag.Find("mask")) {
        drawing.hasMask = !mask->empty();
        drawing.maskColour = m_ctx.sheet.ParseColor(*mask, 0);
    }
    drawing.style = bits;
    drawing.shadowOn = (bits & (ImageStyleHardShadow | ImageStyleSoftShadow)) != 0;
    drawing.shadowX = shadow.offsetX;
    drawing.shadowY = shadow.offsetY;
    drawing.blurX = shadow.blurX;
    drawing.blurY = shadow.blurY;
    drawing.darkness = shadow.darkness;
    const MarkupRect rect{m_x, top, m_x + width, top + height};
    if (width > 0 && height > 0)
        m_ctx.dc.DrawImage(*image, rect, drawing);
    AddLink(rect);
    m_x = ClampPen(int64_t(m_x) + width);
}

void FlowPass::StringResource(const MarkupTag& tag)
{
    if (!m_ctx.host)
        return;
    std::string text;
    bool loaded = false;
    if (const std::string* id = tag.Find("idres"))
        loaded = m_ctx.host->FetchString(ReadUnsigned(*id), false, std::string(), text);
    else if (const std::string* id = tag.Find("iddll"))
        loaded = m_ctx.host->FetchString(ReadUnsigned(*id), true, tag.Value("srcdll"), text);
    if (loaded && !text.empty())
        TextRun(text);
}

void FlowPass::Push(const std::string& canonical)
{
    m_stack.emplace_back(canonical, m_style);
    m_style.tagName = canonical;
}

void FlowPass::Tag(const std::string& tagText, CMarkupScanner& scanner, std::size_t end)
{
    if (tagText == "\t") {
        Tab(1);
        return;
    }
    if (tagText == "\n") {
        EndLine(1);
        return;
    }
    if (tagText == "\r")
        return;
    const MarkupTag tag = ReadTag(tagText);
    if (tag.closing) {
        CloseTag(tag);
        return;
    }
    if (tag.name == "table") {
        Table(tag, scanner, end);
        return;
    }
    OpenTag(tag);
}

void FlowPass::CloseTag(const MarkupTag& tag)
{
    const std::string canonical = CanonicalTagName(tag.name);
    if (canonical.empty() || m_stack.empty() || m_stack.back().first != canonical)
        return;
    m_style = m_stack.back().second;
    m_stack.pop_back();
    MakeFont();
}

void FlowPass::OpenTag(const MarkupTag& tag)
{
    const std::string& name = tag.name;
    if (name == "br") {
        EndLine(tag.count);
        return;
    }
    if (name == "t") {
        Tab(tag.count);
        return;
    }
    if (name == "hr") {
        Rule(tag);
        return;
    }
    if (name == "bmp" || name == "icon" || name == "ilst") {
        Picture(tag);
        return;
    }
    if (name == "string") {
        StringResource(tag);
        return;
    }
    const std::string canonical = CanonicalTagName(name);
    if (canonical.empty())
        return;
    if (canonical == "span") {
        if (tag.attributes.empty() || tag.attributes.front().first != "class")
            return;
        Push(canonical);
        m_ctx.sheet.ApplyStyleRule("." + tag.attributes.front().second, m_style);
        MakeFont();
        return;
    }
    Push(canonical);
    if (canonical == "bold") {
        m_style.fontWeight = std::min(900, m_style.fontWeight * 2);
    } else if (canonical == "italic") {
        m_style.italic = !m_style.italic;
    } else if (canonical == "underline") {
        m_style.underline = !m_style.underline;
    } else if (canonical == "strikeout") {
        m_style.lineThrough = !m_style.lineThrough;
    } else if (canonical == "left" || canonical == "center" || canonical == "right") {
        m_style.textAlign = canonical == "left" ? AlignLeft : canonical == "center" ? AlignCenter : AlignRight;
    } else if (canonical == "baseline" || canonical == "top" || canonical == "vcenter" || canonical == "bottom") {
        ReadVerticalAlign(canonical, m_style.verticalAlign);
    } else if (canonical == "font") {
        for (const auto& attribute : tag.attributes) {
            const std::string& value = attribute.second;
            if (attribute.first == "face") {
                if (!value.empty())
                    m_style.fontFamily = value;
            } else if (attribute.first == "size") {
                m_style.fontSize = m_ctx.sheet.ParseLength(value, m_style.fontSize, true);
            } else if (attribute.first == "color") {
                m_style.textColor = m_ctx.sheet.ParseColor(value, m_style.textColor);
            } else if (attribute.first == "weight") {
                ReadFontWeight(value, m_style.fontWeight);
            } else if (attribute.first == "style") {
                ApplyFontStyleLetters(value, m_style);
            } else if (attribute.first == "bkgnd") {
                ReadBackground(m_ctx.sheet, value, m_style);
            }
        }
    } else if (canonical == "link") {
        m_style.linkKind = LinkMessage;
        m_style.linkTarget.clear();
        if (const std::string* href = tag.Find("href")) {
            m_style.linkKind = LinkAddress;
            m_style.linkTarget = *href;
        }
        if (const std::string* msg = tag.Find("msg")) {
            m_style.linkKind = LinkMessage;
            m_style.linkTarget = *msg;
        }
        m_style.linkIndex = ++m_ctx.linkCounter;
        m_ctx.sheet.ApplyStyleRule(m_style.linkIndex == m_ctx.hoverIndex ? "a:hover" : "a:link", m_style);
    } else {
        m_ctx.sheet.ApplyStyleRule(canonical, m_style);
    }
    MakeFont();
}

void FlowPass::Table(const MarkupTag& tag, CMarkupScanner& scanner, std::size_t end)
{
    const std::size_t begin = scanner.Position();
    const TableSource source = ReadTableSource(m_ctx.text, begin, end, tag);
    scanner.Seek(source.end);
    if (m_depth >= MaxTableDepth)
        return;
    // A table stands on lines of its own.
    if (m_hasContent)
        EndLine(1);
    // Lengths in the attributes refer to the font in force at the table,
    // in both passes alike.
    MakeFont();
    TextStyle tableStyle = m_style;
    ApplyTableAttributes(m_ctx.sheet, tag, tableStyle);
    const WidthRequest wish = ReadWidthRequest(m_ctx.sheet, tag);
    int height = 0;
    if (!m_ctx.drawing) {
        MeasureTable(source, tableStyle, wish);
        height = m_layout.tables.back()->height;
        m_layout.width = std::max(m_layout.width, m_layout.tables.back()->width);
    } else if (m_tableIndex < m_layout.tables.size()) {
        TableLayout& layout = *m_layout.tables[m_tableIndex];
        DrawTable(source, tableStyle, wish, layout);
        height = layout.height;
    }
    ++m_tableIndex;
    m_y = ClampPen(int64_t(m_y) + height);
    MakeFont();
    BeginLine();
    m_afterTable = true;
    // The line end that follows a closing table tag ends no further line.
    std::size_t next = source.end;
    if (next < end && m_ctx.text[next] == '\r')
        ++next;
    if (next < end && m_ctx.text[next] == '\n')
        ++next;
    scanner.Seek(next);
}

void FlowPass::SettleColumns(TableLayout& table, const TextStyle& tableStyle, int innerWidth, bool drawing)
{
    const int spacing = NonNegative(tableStyle.marginLeft);
    std::vector<int> starts, spans, wishes;
    for (const CellLayout& cell : table.cells) {
        starts.push_back(cell.column);
        spans.push_back(cell.columnSpan);
        wishes.push_back(CellWish(cell, innerWidth, drawing));
    }
    table.columnWidths.assign(static_cast<std::size_t>(table.columns), 0);
    SettleSizes(table.columnWidths, starts, spans, wishes, spacing);
}

void FlowPass::SettleRows(TableLayout& table, const TextStyle& tableStyle)
{
    const int spacing = NonNegative(tableStyle.marginTop);
    std::vector<int> starts, spans, wishes;
    for (const CellLayout& cell : table.cells) {
        starts.push_back(cell.row);
        spans.push_back(cell.rowSpan);
        wishes.push_back(cell.neededHeight);
    }
    table.rowHeights.assign(static_cast<std::size_t>(table.rows), 0);
    SettleSizes(table.rowHeights, starts, spans, wishes, spacing);
}

namespace {

// Widens the columns to fill the table: the same share for each, the rest
// to the first.
void FillColumns(TableLayout& table, int innerWidth, int spacing)
{
    if (table.columns == 0)
        return;
    const int64_t used = Sum(table.columnWidths) + int64_t(spacing) * (table.columns + 1);
    if (used >= innerWidth)
        return;
    const int difference = static_cast<int>(innerWidth - used);
    for (int& width : table.columnWidths)
        width += difference / table.columns;
    table.columnWidths[0] += difference % table.columns;
}

int TableOuterWidth(const TableLayout& table, int spacing, int frame)
{
    return ClampPen(Sum(table.columnWidths) + int64_t(spacing) * (table.columns + 1) + 2 * int64_t(frame));
}

// A width in pixels is kept even where the columns need more; otherwise
// the table grows around its columns.
int OuterWidth(const WidthRequest& wish, int wanted, int columnsWidth)
{
    return wish.kind == WidthRequest::Pixels ? wanted : std::max(wanted, columnsWidth);
}

int TableOuterHeight(const TableLayout& table, int spacing, int frame)
{
    return ClampPen(Sum(table.rowHeights) + int64_t(spacing) * (table.rows + 1) + 2 * int64_t(frame));
}

} // namespace

// A cell's attributes are read with the table's font, not with whatever
// font the cell before it ended in.
TextStyle FlowPass::CellStyleOf(const CellSource& cell, const TextStyle& baseCell)
{
    MakeFont();
    TextStyle style = baseCell;
    ApplyTableAttributes(m_ctx.sheet, cell.tag, style);
    return style;
}

void FlowPass::MeasureTable(const TableSource& source, const TextStyle& tableStyle, const WidthRequest& wish)
{
    m_layout.tables.push_back(std::make_unique<TableLayout>());
    TableLayout& table = *m_layout.tables.back();
    table.rows = source.rows;
    table.columns = source.columns;
    PlaceCells(source, table.cells);
    const TextStyle baseCell = CellStyle(tableStyle, m_style.textAlign);
    for (std::size_t i = 0; i < table.cells.size(); ++i) {
        CellLayout& cell = table.cells[i];
        const CellSource& src = source.cells[cell.source];
        const TextStyle style = CellStyleOf(src, baseCell);
        cell.width = ReadWidthRequest(m_ctx.sheet, src.tag);
        FlowPass content(m_ctx, cell.content, style, 0, 0, 0, m_depth + 1);
        content.Run(src.begin, src.end);
        const int frame = BorderThickness(style.borderStyle, style.borderWidth);
        cell.neededWidth = ClampPen(int64_t(cell.content.width) + NonNegative(style.paddingLeft) +
                                    NonNegative(style.paddingRight) + 2 * int64_t(frame));
        cell.neededHeight = ClampPen(int64_t(cell.content.height) + NonNegative(style.paddingTop) +
                                     NonNegative(style.paddingBottom) + 2 * int64_t(frame));
    }
    const int spacingX = NonNegative(tableStyle.marginLeft);
    const int frame = BorderThickness(tableStyle.borderStyle, tableStyle.borderWidth);
    SettleColumns(table, tableStyle, 0, false);
    SettleRows(table, tableStyle);
    table.naturalWidth = TableOuterWidth(table, spacingX, frame);
    const int wanted = TableWidth(wish, 0, table.naturalWidth, false);
    FillColumns(table, wanted - 2 * frame, spacingX);
    table.width = OuterWidth(wish, wanted, TableOuterWidth(table, spacingX, frame));
    table.height = TableOuterHeight(table, NonNegative(tableStyle.marginTop), frame);
}

void FlowPass::DrawBox(const MarkupRect& rect, const TextStyle& style)
{
    if (style.backgroundEffect >= 0) {
        m_ctx.dc.DrawBackground(rect, style.backgroundEffect, style.backgroundColor, style.backgroundMidColor,
                                style.backgroundEndColor, 0, TextureTint);
    } else if (!style.backgroundImage.empty() && m_ctx.host) {
        ImageRequest request;
        request.file = style.backgroundImage;
        if (const std::shared_ptr<IMarkupImage> image = m_ctx.host->OpenImage(request))
            m_ctx.dc.TileImage(rect, *image);
    }
    DrawBorder(m_ctx.dc, rect, style.borderColorLight, style.borderColorDark, style.borderStyle, style.borderWidth);
}

void FlowPass::DrawTable(const TableSource& source, const TextStyle& tableStyle, const WidthRequest& wish,
                         TableLayout& table)
{
    const int spacingX = NonNegative(tableStyle.marginLeft);
    const int spacingY = NonNegative(tableStyle.marginTop);
    const int frame = BorderThickness(tableStyle.borderStyle, tableStyle.borderWidth);
    const int areaWidth = std::max(0, m_right - m_left);
    const int wanted = TableWidth(wish, areaWidth, table.naturalWidth, true);
    const int innerWidth = wanted - 2 * frame - spacingX * (table.columns + 1);
    SettleColumns(table, tableStyle, std::max(0, innerWidth), true);
    FillColumns(table, wanted - 2 * frame, spacingX);
    const int width = OuterWidth(wish, wanted, TableOuterWidth(table, spacingX, frame));
    int left = m_left;
    if (width < areaWidth && tableStyle.textAlign == AlignCenter)
        left += (areaWidth - width) / 2;
    else if (width < areaWidth && tableStyle.textAlign == AlignRight)
        left += areaWidth - width;
    const MarkupRect outer{left, m_y, ClampPen(int64_t(left) + width), ClampPen(int64_t(m_y) + table.height)};
    DrawBox(outer, tableStyle);

    // Where each column and row begins inside the frame.
    std::vector<int> columnLeft(static_cast<std::size_t>(table.columns) + 1);
    std::vector<int> rowTop(static_cast<std::size_t>(table.rows) + 1);
    int64_t x = int64_t(outer.left) + frame + spacingX;
    for (int c = 0; c <= table.columns; ++c) {
        columnLeft[c] = ClampPen(x);
        if (c < table.columns)
            x += table.columnWidths[c] + spacingX;
    }
    int64_t y = int64_t(outer.top) + frame + spacingY;
    for (int r = 0; r <= table.rows; ++r) {
        rowTop[r] = ClampPen(y);
        if (r < table.rows)
            y += table.rowHeights[r] + spacingY;
    }

    const TextStyle baseCell = CellStyle(tableStyle, m_style.textAlign);
    for (CellLayout& cell : table.cells) {
        if (cell.source >= source.cells.size())
            continue;
        const CellSource& src = source.cells[cell.source];
        const TextStyle style = CellStyleOf(src, baseCell);
        const int lastColumn = cell.column + cell.columnSpan;
        const int lastRow = cell.row + cell.rowSpan;
        const MarkupRect box{columnLeft[cell.column], rowTop[cell.row], columnLeft[lastColumn] - spacingX,
                             rowTop[lastRow] - spacingY};
        DrawBox(box, style);
        const int cellFrame = BorderThickness(style.borderStyle, style.borderWidth);
        const MarkupRect inner{box.left + cellFrame + NonNegative(style.paddingLeft),
                               box.top + cellFrame + NonNegative(style.paddingTop),
                               box.right - cellFrame - NonNegative(style.paddingRight),
                               box.bottom - cellFrame - NonNegative(style.paddingBottom)};
        int top = inner.top;
        const int room = inner.Height() - cell.content.height;
        if (style.verticalAlign == VAlignMiddle)
            top += room / 2;
        else if (style.verticalAlign == VAlignBottom)
            top += room;
        m_ctx.dc.PushClip(inner);
        FlowPass content(m_ctx, cell.content, style, inner.left, inner.right, top, m_depth + 1);
        content.Run(src.begin, src.end);
        m_ctx.dc.PopClip();
    }
}

} // namespace

CMarkupRenderer::CMarkupRenderer(const ISysColorProvider& systemColours)
    : m_colourNames(systemColours), m_sheet(m_colourNames)
{
}

CMarkupRenderer::CMarkupRenderer()
    : m_ownColours(new CFixedSysColors), m_colourNames(*m_ownColours), m_sheet(m_colourNames)
{
}

CMarkupRenderer::~CMarkupRenderer() = default;

TextStyle CMarkupRenderer::StartStyle()
{
    TextStyle style;
    m_sheet.ApplyStyleRule("body", style);
    return style;
}

void CMarkupRenderer::RunPass(IMarkupCanvas& dc, bool drawing, const std::string& text, const MarkupRect& area)
{
    // Lengths in the body rule refer to the display before any font exists.
    UnitMetrics units;
    units.dotsPerInch = dc.DotsPerInch();
    m_sheet.SetUnitMetrics(units);
    PassContext context{dc, m_sheet, m_host, drawing, m_hoverIndex, -1, m_links, m_imageShadow, text, m_escapes};
    FlowPass flow(context, m_layout, StartStyle(), area.left, area.right, area.top, 0);
    flow.Run(0, text.size());
}

MarkupSize CMarkupRenderer::Measure(IMarkupCanvas& dc, const std::string& text)
{
    m_links.clear();
    RunPass(dc, false, text, MarkupRect{});
    m_measuredText = text;
    m_measured = true;
    return MarkupSize{ClampPen(int64_t(m_layout.width) + 1), ClampPen(int64_t(m_layout.height) + 1)};
}

void CMarkupRenderer::Draw(IMarkupCanvas& dc, const std::string& text, const MarkupRect& rect)
{
    // The drawing pass needs the lines of this very text.
    if (!m_measured || text != m_measuredText)
        Measure(dc, text);
    // Each drawing lists the links anew; repeated paints must not pile up.
    m_links.clear();
    const MarkupRect area{rect.left, rect.top, rect.right - 1, rect.bottom - 1};
    RunPass(dc, true, text, area);
}

int CMarkupRenderer::HitTestLink(MarkupPoint point) const
{
    for (std::size_t i = 0; i < m_links.size(); ++i)
        if (m_links[i].rect.Contains(point))
            return static_cast<int>(i);
    return -1;
}

bool CMarkupRenderer::OnSetCursor(MarkupPoint point)
{
    const int hit = HitTestLink(point);
    const int hover = hit >= 0 ? m_links[hit].index : -2;
    if (hover != m_hoverIndex) {
        m_hoverIndex = hover;
        if (m_hoverWindow && m_host)
            m_host->SendWindowMessage(m_hoverWindow, m_hoverMessage, hover, m_hoverParameter);
    }
    if (hit < 0 || m_links[hit].target.empty() || !m_host)
        return false;
    return m_host->SetHandCursor();
}

bool CMarkupRenderer::OnClick(MarkupPoint point)
{
    const int hit = HitTestLink(point);
    if (hit < 0 || m_links[hit].target.empty() || !m_host)
        return false;
    const LinkArea& link = m_links[hit];
    if (link.kind == LinkAddress) {
        m_host->OpenAddress(link.target);
        return true;
    }
    if (!m_clickWindow)
        return false;
    m_host->SendWindowMessage(m_clickWindow, m_clickMessage, 0, reinterpret_cast<intptr_t>(link.target.c_str()));
    return true;
}

void CMarkupRenderer::SetHoverCallback(void* window, unsigned message, intptr_t parameter)
{
    m_hoverWindow = window;
    m_hoverMessage = window ? message : 0;
    m_hoverParameter = window ? parameter : 0;
}

void CMarkupRenderer::SetClickCallback(void* window, unsigned message)
{
    m_clickWindow = window;
    m_clickMessage = window ? message : 0;
}

void CMarkupRenderer::SetImageShadow(int offsetX, int offsetY, bool gradient, int blurX, int blurY, int darkness)
{
    m_imageShadow = ImageShadow{offsetX, offsetY, gradient, blurX, blurY, std::max(0, std::min(100, darkness))};
}
