#include "tools/common/ToolText.h"

#include <cstdint>

namespace {

// Windows-1252 bytes 0x80..0x9F and the characters they stand for; 0 marks
// the five bytes that are unassigned.
constexpr uint16_t HighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

bool ToWindows1252(uint32_t code, char& byte)
{
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
        byte = static_cast<char>(code);
        return true;
    }
    for (int i = 0; i < 32; ++i) {
        if (HighControls[i] != 0 && HighControls[i] == code) {
            byte = static_cast<char>(0x80 + i);
            return true;
        }
    }
    return false;
}

// Decodes one character at pos; false for a malformed or overlong sequence.
bool DecodeUtf8(const std::string& text, size_t& pos, uint32_t& code)
{
    const unsigned char lead = static_cast<unsigned char>(text[pos++]);
    int trailing;
    uint32_t minimum;
    if (lead < 0x80) {
        code = lead;
        return true;
    } else if ((lead & 0xE0) == 0xC0) {
        code = lead & 0x1F;
        trailing = 1;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        code = lead & 0x0F;
        trailing = 2;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        code = lead & 0x07;
        trailing = 3;
        minimum = 0x10000;
    } else {
        return false;
    }
    for (int i = 0; i < trailing; ++i) {
        if (pos >= text.size())
            return false;
        const unsigned char next = static_cast<unsigned char>(text[pos++]);
        if ((next & 0xC0) != 0x80)
            return false;
        code = (code << 6) | (next & 0x3F);
    }
    return code >= minimum;
}

} // namespace

bool Utf8ToWindows1252(const std::string& utf8, std::string& out)
{
    out.clear();
    size_t pos = 0;
    while (pos < utf8.size()) {
        uint32_t code;
        char byte;
        if (!DecodeUtf8(utf8, pos, code) || !ToWindows1252(code, byte))
            return false;
        out.push_back(byte);
    }
    return true;
}
