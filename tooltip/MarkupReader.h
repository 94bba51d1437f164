#pragma once
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

// A count of line breaks or tabs in one tag never goes beyond this: a text
// must not ask for millions of lines.
constexpr int MaxTagCount = 100;

// One step through a markup text: the text run before the next tag, and
// that tag's text (without the angle brackets). With the escape switch on,
// a tab, line feed or carriage return is returned as a tag of its own.
struct MarkupPiece
{
    std::string run;
    bool hasTag = false;
    std::string tag;
};

class CMarkupScanner
{
public:
    CMarkupScanner(const std::string& text, std::size_t begin, std::size_t end, bool escape = true);

    // False once the range is used up and nothing is left to return.
    bool Next(MarkupPiece& piece);
    std::size_t Position() const { return m_pos; }
    // Where the last tag returned began (its "<" or its character).
    std::size_t TagStart() const { return m_tagStart; }
    void Seek(std::size_t pos) { m_pos = pos < m_end ? pos : m_end; }
    bool AtEnd() const { return m_pos >= m_end; }

private:
    const std::string& m_text;
    std::size_t m_pos;
    std::size_t m_end;
    std::size_t m_tagStart = 0;
    bool m_escape;
};

// A tag read from its text: lower-cased name and attributes.
struct MarkupTag
{
    std::string name;
    bool closing = false;
    // "br=2", "t=3": the number right after the name; 1 when there is none.
    int count = 1;
    std::vector<std::pair<std::string, std::string>> attributes;

    // The last value given for the attribute, or null.
    const std::string* Find(const char* attribute) const;
    std::string Value(const char* attribute) const;
};

MarkupTag ReadTag(const std::string& tagText);

// The name under which a tag is kept on the tag stack ("strike" and "s"
// close each other); empty for tags that make no stack entry.
std::string CanonicalTagName(const std::string& name);

struct TextStyle;

// Letters of the font tag's style attribute: b, i, u, s, o; "-" before a
// letter switches it off.
void ApplyFontStyleLetters(const std::string& letters, TextStyle& style);

// Bits of DrawImage from the image style letters g, d, l and s.
int ImageStyleBits(const std::string& letters, bool shadowOffsetSet, bool shadowGradient);
