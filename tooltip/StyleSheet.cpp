#include "tooltip/StyleSheet.h"

#include "tooltip/TextCase.h"

#include <algorithm>
#include <cstdlib>

namespace {

bool IsAsciiLetterOrDigit(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// Rules and declarations begin at a letter, digit or "."; all else between
// them is skipped.
bool StartsName(char c) { return IsAsciiLetterOrDigit(c) || c == '.'; }

int ClampLength(int64_t value)
{
    return static_cast<int>(std::max<int64_t>(-MaxLength, std::min<int64_t>(MaxLength, value)));
}

void TrimTrailingBlanks(std::string& text)
{
    while (!text.empty() && IsBlankChar(text.back()))
        text.pop_back();
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The display's dots times the number, then the factor, truncated: in this
// order, or 381cm at 120 dpi comes out one short of 18000.
int ScaledLength(int dpi, int64_t number, double factor)
{
    return ClampLength(static_cast<int64_t>(double(int64_t(dpi) * number) * factor));
}

const int HtmlFontSizes[7] = {8, 10, 12, 14, 18, 24, 36};

} // namespace

int MulDivRound(int64_t a, int64_t b, int64_t c)
{
    if (c == 0)
        return 0;
    const int64_t product = a * b;
    const bool negative = (product < 0) != (c < 0);
    const int64_t magnitude = (std::llabs(product) + std::llabs(c) / 2) / std::llabs(c);
    const int64_t result = negative ? -magnitude : magnitude;
    return static_cast<int>(std::max<int64_t>(INT32_MIN, std::min<int64_t>(INT32_MAX, result)));
}

int64_t ReadDecimal(const std::string& text)
{
    const int64_t limit = int64_t(MaxLength) * 1000;
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min(limit, value * 10 + (text[i] - '0'));
    return negative ? -value : value;
}

CStyleSheet::CStyleSheet(const CColorNames& colourNames) : m_colourNames(colourNames)
{
    SetStyleSheet(nullptr);
}

std::string CStyleSheet::DefaultStyleSheet()
{
    static const char* const lines[] = {
        "body {font-size: 10pt; color:black; font-family:Verdana}",
        "p {font-size: 10pt; color:black; font-family:Verdana; font-weight:bold}",
        "h1 {font-size: 14pt; color:black; font-family:Verdana; font-weight:bold}",
        "h2 {font-size: 13pt; color:#ff9900; font-family:Verdana; font-weight:bold}",
        "h3 {font-size: 12pt; color:#ff9900; font-family:Arial; font-weight:bold}",
        "h4 {font-size: 10pt; color:black; font-family:Verdana; font-weight:bold}",
        "h5 {font-size: 9pt; color:#ff9900; font-family:Verdana; font-weight:bold}",
        "h6 {font-size: 65%; color:#626262; font-family:Verdana; font-weight:normal}",
        "pre {font-size: 9pt; font-family:\"Courier\"; background-color:#fbedbb}",
        "code {color:#990000; font-family:Arial}",
        "a:link {text-decoration:none; color:blue}",
        "a:hover {text-decoration:underline; color:blue}",
        "sub {font-size:65%; vertical-align:bottom}",
        "sup {font-size:65%; vertical-align:top}",
        "big {font-size:125%}",
        "small {font-size:75%}",
        ".cpp-comment {color:green; font-style:italic}",
    };
    std::string sheet;
    for (const char* line : lines) {
        sheet += line;
        sheet += "\r\n";
    }
    return sheet;
}

void CStyleSheet::SetStyleSheet(const char* text)
{
    m_rules.clear();
    m_text = text ? std::string(text) : DefaultStyleSheet();
    ParseSheet(m_text);
}

void CStyleSheet::ParseSheet(const std::string& text)
{
    std::size_t pos = 0;
    while (pos < text.size()) {
        // 1. Skip to the start of a selector.
        while (pos < text.size() && !StartsName(text[pos]))
            ++pos;
        if (pos >= text.size())
            return;
        // 2. The selector runs to a blank or "{".
        std::size_t end = pos;
        while (end < text.size() && !IsBlankChar(text[end]) && text[end] != '{')
            ++end;
        const std::string selector = LowerCaseText(text.substr(pos, end - pos));
        // 3. The declarations lie between the braces.
        const std::size_t open = text.find('{', end);
        if (open == std::string::npos)
            return;
        const std::size_t close = text.find('}', open + 1);
        if (close == std::string::npos)
            return;
        const std::string declarations = text.substr(open + 1, close - open - 1);
        pos = close + 1;
        // 4. A later rule for the same selector replaces the earlier one.
        if (!selector.empty() && !declarations.empty())
            m_rules[selector] = declarations;
    }
}

std::string CStyleSheet::GetStyleRule(const std::string& selector) const
{
    const auto it = m_rules.find(selector);
    return it == m_rules.end() ? std::string() : it->second;
}

void CStyleSheet::ApplyStyleRule(const std::string& selector, TextStyle& style) const
{
    const auto it = m_rules.find(selector);
    if (it != m_rules.end())
        ApplyDeclarations(it->second, style);
}

void CStyleSheet::ApplyDeclarations(const std::string& declarations, TextStyle& style) const
{
    const std::string text = LowerCaseText(declarations);
    std::size_t pos = 0;
    while (pos < text.size()) {
        while (pos < text.size() && !StartsName(text[pos]))
            ++pos;
        if (pos >= text.size())
            return;
        std::size_t end = pos;
        while (end < text.size() && !IsBlankChar(text[end]) && text[end] != ':')
            ++end;
        const std::string name = text.substr(pos, end - pos);
        pos = end;
        while (pos < text.size() && IsBlankChar(text[pos]))
            ++pos;
        std::string value;
        if (pos < text.size() && text[pos] == ':') {
            ++pos;
            while (pos < text.size() && IsBlankChar(text[pos]))
                ++pos;
            if (pos < text.size() && text[pos] == '"') {
                const std::size_t close = text.find('"', pos + 1);
                const std::size_t stop = close == std::string::npos ? text.size() : close;
                value = text.substr(pos + 1, stop - pos - 1);
                pos = stop == text.size() ? stop : stop + 1;
            } else {
                const std::size_t semicolon = text.find(';', pos);
                const std::size_t stop = semicolon == std::string::npos ? text.size() : semicolon;
                value = text.substr(pos, stop - pos);
                // "color: red ;" means red, not "red ".
                TrimTrailingBlanks(value);
                pos = stop;
            }
        }
        ApplyProperty(name, value, style);
    }
}

void ReadFontWeight(const std::string& value, int& weight)
{
    if (value.empty() || value == "normal")
        weight = 400;
    else if (value == "bold")
        weight = 700;
    else if (value == "bolder")
        weight = 900;
    else if (value == "lighter")
        weight = 100;
    else
        weight = static_cast<int>(std::max<int64_t>(-100000, std::min<int64_t>(100000, ReadDecimal(value))));
}

void ReadTextAlign(const std::string& value, int& align)
{
    if (value.empty() || value == "left")
        align = AlignLeft;
    else if (value == "center")
        align = AlignCenter;
    else if (value == "right")
        align = AlignRight;
}

void ReadVerticalAlign(const std::string& value, int& align)
{
    if (value.empty() || value == "baseline")
        align = VAlignBaseline;
    else if (value == "top")
        align = VAlignTop;
    else if (value == "middle" || value == "vcenter")
        align = VAlignMiddle;
    else if (value == "bottom")
        align = VAlignBottom;
}

void ReadBorderStyle(const std::string& value, int& style)
{
    if (value.empty() || value == "none")
        style = BorderNone;
    else if (value == "solid")
        style = BorderSolid;
    else if (value == "dashed")
        style = BorderDashed;
    else if (value == "dotted")
        style = BorderDotted;
    else if (value == "double")
        style = BorderDouble;
}

void ReadBackground(const CStyleSheet& sheet, const std::string& value, TextStyle& style)
{
    if (value.empty() || value == "transparent") {
        style.backgroundMode = BackgroundTransparent;
        return;
    }
    style.backgroundMode = BackgroundOpaque;
    style.backgroundColor = sheet.ParseColor(value, style.backgroundColor);
}

namespace {

void ReadTextTransform(const std::string& value, int& transform)
{
    if (value.empty() || value == "none")
        transform = TransformNone;
    else if (value == "uppercase")
        transform = TransformUpper;
    else if (value == "lowercase")
        transform = TransformLower;
    else if (value == "capitalize")
        transform = TransformCapitalize;
}

void ReadTextDecoration(const std::string& value, TextStyle& style)
{
    const std::string words = value.empty() ? std::string("none") : value;
    std::size_t pos = 0;
    while (pos < words.size()) {
        while (pos < words.size() && (words[pos] == ' ' || words[pos] == ','))
            ++pos;
        std::size_t end = pos;
        while (end < words.size() && words[end] != ' ' && words[end] != ',')
            ++end;
        const std::string word = words.substr(pos, end - pos);
        pos = end;
        if (word == "none") {
            style.underline = false;
            style.lineThrough = false;
            style.overline = false;
        } else if (word == "underline") {
            style.underline = true;
        } else if (word == "line-through") {
            style.lineThrough = true;
        } else if (word == "overline") {
            style.overline = true;
        }
    }
}

} // namespace

int CStyleSheet::ParseBorderWidth(const std::string& value, int current) const
{
    if (value == "thin")
        return MulDivRound(current, 75, 100);
    if (value == "thick")
        return MulDivRound(current, 125, 100);
    if (value == "medium")
        return current;
    return ParseLength(value, current, false);
}

void CStyleSheet::ApplyProperty(const std::string& name, const std::string& value, TextStyle& style) const
{
    if (name == "font-size") {
        style.fontSize = ParseLength(value, style.fontSize, true);
    } else if (name == "font-family") {
        if (!value.empty())
            style.fontFamily = value;
    } else if (name == "font-style") {
        if (value.empty() || value == "normal")
            style.italic = false;
        else if (value == "italic" || value == "oblique")
            style.italic = true;
    } else if (name == "font-weight") {
        ReadFontWeight(value, style.fontWeight);
    } else if (name == "text-align") {
        ReadTextAlign(value, style.textAlign);
    } else if (name == "text-transform") {
        ReadTextTransform(value, style.textTransform);
    } else if (name == "color") {
        style.textColor = ParseColor(value, style.textColor);
    } else if (name == "background-color") {
        ReadBackground(*this, value, style);
    } else if (name == "text-decoration") {
        ReadTextDecoration(value, style);
    } else if (name == "vertical-align") {
        ReadVerticalAlign(value, style.verticalAlign);
    } else if (name == "border-color") {
        style.borderColorLight = ParseColor(value, style.borderColorLight);
        style.borderColorDark = ParseColor(value, style.borderColorDark);
    } else if (name == "border-width" || name == "size") {
        style.borderWidth = ParseBorderWidth(value, style.borderWidth);
    } else if (name == "border-style") {
        ReadBorderStyle(value, style.borderStyle);
    } else if (name == "margin-left") {
        style.marginLeft = ParseLength(value, style.marginLeft, false);
    } else if (name == "margin-right") {
        style.marginRight = ParseLength(value, style.marginRight, false);
    } else if (name == "margin-top") {
        style.marginTop = ParseLength(value, style.marginTop, false);
    } else if (name == "margin-bottom") {
        style.marginBottom = ParseLength(value, style.marginBottom, false);
    } else if (name == "padding-left") {
        style.paddingLeft = ParseLength(value, style.paddingLeft, false);
    } else if (name == "padding-right") {
        style.paddingRight = ParseLength(value, style.paddingRight, false);
    } else if (name == "padding-top") {
        style.paddingTop = ParseLength(value, style.paddingTop, false);
    } else if (name == "padding-bottom") {
        style.paddingBottom = ParseLength(value, style.paddingBottom, false);
    }
}

int CStyleSheet::ParseLength(const std::string& text, int base, bool htmlSizes) const
{
    if (text.empty())
        return base;
    // 1. Percentages of the base.
    if (text.back() == '%')
        return ClampLength(MulDivRound(base, ReadDecimal(text.substr(0, text.size() - 1)), 100));
    // 2. The sign has no effect.
    std::string body = text;
    if (body[0] == '+' || body[0] == '-')
        body.erase(0, 1);
    // 3. Units.
    if (body.size() >= 2) {
        const std::string unit = body.substr(body.size() - 2);
        const int64_t number = ReadDecimal(body.substr(0, body.size() - 2));
        const int dpi = m_units.dotsPerInch;
        if (unit == "px")
            return ClampLength(number);
        if (unit == "ex")
            return ClampLength(number * m_units.xHeight);
        if (unit == "em")
            return ClampLength(number * m_units.fontHeight);
        if (unit == "in")
            return ClampLength(number * dpi);
        if (unit == "cm")
            return ScaledLength(dpi, number, 0.39370078740157477);
        if (unit == "mm")
            return ScaledLength(dpi, number, 0.03937007874015748);
        if (unit == "pt")
            return ClampLength(int64_t(dpi) * number / 72);
        if (unit == "pc")
            return ClampLength(int64_t(dpi) * number / 6);
    }
    // 4. A plain number, or an HTML font size 1..7.
    const int64_t n = ReadDecimal(body);
    if (htmlSizes && n >= 1 && n <= 7)
        return HtmlFontSizes[n - 1];
    return ClampLength(n);
}

uint32_t CStyleSheet::ParseColor(const std::string& text, uint32_t defaultColor) const
{
    if (text.empty())
        return defaultColor;
    if (text[0] == '#') {
        if (text.size() != 7)
            return defaultColor;
        int digits[6];
        for (int i = 0; i < 6; ++i) {
            digits[i] = HexDigit(text[1 + i]);
            if (digits[i] < 0)
                return defaultColor;
        }
        const uint32_t red = uint32_t(digits[0] * 16 + digits[1]);
        const uint32_t green = uint32_t(digits[2] * 16 + digits[3]);
        const uint32_t blue = uint32_t(digits[4] * 16 + digits[5]);
        return red | (green << 8) | (blue << 16);
    }
    if (text[0] >= '0' && text[0] <= '9') {
        // A stored colour value has 24 bits; higher bits would mean a
        // palette index to the system, not a colour.
        return static_cast<uint32_t>(std::strtoul(text.c_str(), nullptr, 0)) & 0xFFFFFF;
    }
    return m_colourNames.Lookup(text, defaultColor);
}
