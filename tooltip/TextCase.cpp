#include "tooltip/TextCase.h"

namespace {
// 0xC0..0xDE are capitals of 0xE0..0xFE, except the multiplication sign.
bool IsLatinCapital(unsigned char c) { return c >= 0xC0 && c <= 0xDE && c != 0xD7; }
bool IsLatinSmall(unsigned char c) { return c >= 0xE0 && c <= 0xFE && c != 0xF7; }
}

char LowerChar(char c)
{
    const unsigned char u = static_cast<unsigned char>(c);
    if ((u >= 'A' && u <= 'Z') || IsLatinCapital(u))
        return static_cast<char>(u + 0x20);
    return c;
}

char UpperChar(char c)
{
    const unsigned char u = static_cast<unsigned char>(c);
    if ((u >= 'a' && u <= 'z') || IsLatinSmall(u))
        return static_cast<char>(u - 0x20);
    return c;
}

std::string LowerCaseText(std::string text)
{
    for (char& c : text)
        c = LowerChar(c);
    return text;
}

std::string UpperCaseText(std::string text)
{
    for (char& c : text)
        c = UpperChar(c);
    return text;
}

std::string CapitalizeText(std::string text)
{
    text = LowerCaseText(std::move(text));
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool startsWord = i == 0 || text[i - 1] == ' ';
        if (startsWord && text[i] >= 'a' && text[i] <= 'z')
            text[i] = static_cast<char>(text[i] - 0x20);
    }
    return text;
}

bool IsBlankChar(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
