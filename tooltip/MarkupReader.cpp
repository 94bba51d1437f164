#include "tooltip/MarkupReader.h"

#include "tooltip/DrawEffects.h"
#include "tooltip/StyleSheet.h"
#include "tooltip/TextCase.h"
#include "tooltip/TextStyle.h"

#include <algorithm>

CMarkupScanner::CMarkupScanner(const std::string& text, std::size_t begin, std::size_t end, bool escape)
    : m_text(text), m_pos(std::min(begin, text.size())), m_end(std::min(end, text.size())), m_escape(escape)
{
}

bool CMarkupScanner::Next(MarkupPiece& piece)
{
    piece.run.clear();
    piece.hasTag = false;
    piece.tag.clear();
    if (m_pos >= m_end)
        return false;
    while (m_pos < m_end) {
        const char c = m_text[m_pos];
        if (c == '\t' || c == '\n' || c == '\r') {
            m_tagStart = m_pos;
            ++m_pos;
            if (m_escape) {
                piece.hasTag = true;
                piece.tag.assign(1, c);
                return true;
            }
            continue;
        }
        if (c == '<') {
            // "<<" and a "<" at the very end are a literal "<".
            if (m_pos + 1 >= m_end || m_text[m_pos + 1] == '<') {
                piece.run += '<';
                m_pos += (m_pos + 1 >= m_end) ? 1 : 2;
                continue;
            }
            std::size_t close = m_text.find('>', m_pos + 1);
            if (close == std::string::npos || close >= m_end)
                close = m_end;
            piece.hasTag = true;
            m_tagStart = m_pos;
            piece.tag = m_text.substr(m_pos + 1, close - m_pos - 1);
            m_pos = std::min(close + 1, m_end);
            return true;
        }
        std::size_t stop = m_text.find_first_of("<\t\n\r", m_pos);
        if (stop == std::string::npos || stop > m_end)
            stop = m_end;
        piece.run.append(m_text, m_pos, stop - m_pos);
        m_pos = stop;
    }
    return true;
}

namespace {

bool IsTagNameEnd(char c) { return IsBlankChar(c) || c == '='; }

void SkipBlanks(const std::string& text, std::size_t& pos)
{
    while (pos < text.size() && IsBlankChar(text[pos]))
        ++pos;
}

std::string ReadValue(const std::string& text, std::size_t& pos)
{
    if (pos < text.size() && text[pos] == '"') {
        const std::size_t close = text.find('"', pos + 1);
        const std::size_t stop = close == std::string::npos ? text.size() : close;
        std::string value = text.substr(pos + 1, stop - pos - 1);
        pos = stop == text.size() ? stop : stop + 1;
        return value;
    }
    const std::size_t start = pos;
    while (pos < text.size() && !IsBlankChar(text[pos]))
        ++pos;
    return text.substr(start, pos - start);
}

} // namespace

const std::string* MarkupTag::Find(const char* attribute) const
{
    const std::string* found = nullptr;
    for (const auto& pair : attributes)
        if (pair.first == attribute)
            found = &pair.second;
    return found;
}

std::string MarkupTag::Value(const char* attribute) const
{
    const std::string* value = Find(attribute);
    return value ? *value : std::string();
}

MarkupTag ReadTag(const std::string& tagText)
{
    MarkupTag tag;
    const std::string text = LowerCaseText(tagText);
    std::size_t pos = 0;
    SkipBlanks(text, pos);
    const std::size_t nameStart = pos;
    while (pos < text.size() && !IsTagNameEnd(text[pos]))
        ++pos;
    tag.name = text.substr(nameStart, pos - nameStart);
    if (!tag.name.empty() && tag.name[0] == '/') {
        tag.closing = true;
        tag.name.erase(0, 1);
    }
    if (pos < text.size() && text[pos] == '=') {
        ++pos;
        const int64_t count = ReadDecimal(ReadValue(text, pos));
        tag.count = static_cast<int>(std::max<int64_t>(0, std::min<int64_t>(MaxTagCount, count)));
    }
    while (true) {
        SkipBlanks(text, pos);
        if (pos >= text.size())
            break;
        const std::size_t start = pos;
        while (pos < text.size() && !IsTagNameEnd(text[pos]))
            ++pos;
        std::string name = text.substr(start, pos - start);
        SkipBlanks(text, pos);
        std::string value;
        if (pos < text.size() && text[pos] == '=') {
            ++pos;
            SkipBlanks(text, pos);
            value = ReadValue(text, pos);
        }
        if (!name.empty())
            tag.attributes.emplace_back(std::move(name), std::move(value));
        else if (pos == start)
            ++pos; // a stray "=" with nothing before it
    }
    return tag;
}

std::string CanonicalTagName(const std::string& name)
{
    if (name == "b")
        return "bold";
    if (name == "i" || name == "em")
        return "italic";
    if (name == "u")
        return "underline";
    if (name == "s" || name == "strike")
        return "strikeout";
    if (name == "a")
        return "link";
    if (name == "middle")
        return "vcenter";
    static const char* const asThemselves[] = {"font", "left", "center", "right", "baseline", "top", "vcenter",
                                               "bottom", "body", "h1", "h2", "h3", "h4", "h5", "h6", "code",
                                               "pre", "big", "small", "sub", "sup", "span"};
    for (const char* own : asThemselves)
        if (name == own)
            return name;
    return std::string();
}

void ApplyFontStyleLetters(const std::string& letters, TextStyle& style)
{
    bool on = true;
    for (char c : letters) {
        switch (c) {
        case '-': on = false; continue;
        case '+': on = true; continue;
        case 'b': style.fontWeight = on ? 700 : 400; break;
        case 'i': style.italic = on; break;
        case 'u': style.underline = on; break;
        case 's': style.lineThrough = on; break;
        case 'o': style.overline = on; break;
        default: continue; // skipped characters keep a pending sign
        }
        on = true;
    }
}

int ImageStyleBits(const std::string& letters, bool shadowOffsetSet, bool shadowGradient)
{
    int bits = 0;
    for (char c : letters) {
        if (c == 'g')
            bits |= ImageStyleGrey;
        else if (c == 'd')
            bits |= ImageStyleDarker;
        else if (c == 'l')
            bits |= ImageStyleLighter;
        else if (c == 's' && shadowOffsetSet)
            bits |= shadowGradient ? ImageStyleSoftShadow : ImageStyleHardShadow;
    }
    return bits;
}
