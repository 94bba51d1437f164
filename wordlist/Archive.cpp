#include "wordlist/Archive.h"

#include "wordlist/Scramble.h"

#include <cstring>

namespace {

constexpr uint16_t NewClassTag = 0xFFFF;
constexpr char ClassName[] = "CStringArray";
constexpr uint16_t ClassNameLength = sizeof(ClassName) - 1;
// Longer class names are refused as the reader of the format does.
constexpr uint16_t ClassNameLimit = 64;
constexpr uint16_t WideStringMark = 0xFFFE;

// Reads little-endian numbers from the buffer; every read checks what is
// left, so a short file never reads past its end.
class ByteReader {
public:
    ByteReader(const std::vector<char>& data) : m_data(data) {}

    size_t Position() const { return m_pos; }
    size_t Remaining() const { return m_data.size() - m_pos; }

    bool Read8(uint32_t& value) { return ReadLittleEndian(1, value); }
    bool Read16(uint32_t& value) { return ReadLittleEndian(2, value); }
    bool Read32(uint32_t& value) { return ReadLittleEndian(4, value); }

    bool Skip(size_t count)
    {
        if (count > Remaining())
            return false;
        m_pos += count;
        return true;
    }

private:
    bool ReadLittleEndian(size_t size, uint32_t& value)
    {
        if (size > Remaining())
            return false;
        value = 0;
        for (size_t i = 0; i < size; ++i)
            value |= static_cast<uint32_t>(static_cast<unsigned char>(m_data[m_pos + i])) << (8 * i);
        m_pos += size;
        return true;
    }

    const std::vector<char>& m_data;
    size_t m_pos = 0;
};

bool ReadClassDescription(ByteReader& in, const std::vector<char>& data)
{
    uint32_t tag, schema, nameLength;
    if (!in.Read16(tag) || tag != NewClassTag)
        return false;
    if (!in.Read16(schema) || schema != 0)
        return false;
    if (!in.Read16(nameLength) || nameLength >= ClassNameLimit || nameLength != ClassNameLength)
        return false;
    const size_t nameStart = in.Position();
    if (!in.Skip(nameLength))
        return false;
    return std::memcmp(data.data() + nameStart, ClassName, ClassNameLength) == 0;
}

bool ReadCount(ByteReader& in, uint32_t& count)
{
    if (!in.Read16(count))
        return false;
    if (count != 0xFFFF)
        return true;
    return in.Read32(count);
}

bool ReadStringLength(ByteReader& in, uint32_t& length)
{
    if (!in.Read8(length))
        return false;
    if (length < 0xFF)
        return true;
    if (!in.Read16(length))
        return false;
    if (length == WideStringMark)
        return false; // the UTF-16 form has no place in a list of byte strings
    if (length < 0xFFFF)
        return true;
    return in.Read32(length);
}

void AppendLittleEndian(std::string& out, uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

} // namespace

bool ParseArchive(std::vector<char>& buffer, std::vector<uint32_t>& starts)
{
    starts.clear();
    // Offsets are 32-bit; such a file could not be a word list anyway.
    if (buffer.size() >= 0xFFFFFFFFu)
        return false;
    ByteReader in(buffer);
    if (!ReadClassDescription(in, buffer))
        return false;
    uint32_t count;
    if (!ReadCount(in, count))
        return false;
    // Each word needs at least its length byte: check before allocating.
    if (count > static_cast<uint32_t>(SeedTableSize) || count > in.Remaining())
        return false;
    starts.reserve(static_cast<size_t>(count) + 1);

    // The words move to the front; the write position never passes the read one.
    size_t written = 0;
    for (uint32_t i = 0; i < count; ++i) {
        uint32_t length;
        if (!ReadStringLength(in, length) || length > in.Remaining())
            return false;
        const size_t from = in.Position();
        in.Skip(length);
        starts.push_back(static_cast<uint32_t>(written));
        if (length > 0)
            std::memmove(buffer.data() + written, buffer.data() + from, length);
        written += length;
    }
    starts.push_back(static_cast<uint32_t>(written));
    buffer.resize(written);
    return true;
}

std::string WriteArchive(const std::vector<std::string>& words)
{
    std::string out;
    AppendLittleEndian(out, NewClassTag, 2);
    AppendLittleEndian(out, 0, 2);
    AppendLittleEndian(out, ClassNameLength, 2);
    out.append(ClassName, ClassNameLength);
    const size_t count = words.size();
    if (count < 0xFFFF) {
        AppendLittleEndian(out, static_cast<uint32_t>(count), 2);
    } else {
        AppendLittleEndian(out, 0xFFFF, 2);
        AppendLittleEndian(out, static_cast<uint32_t>(count), 4);
    }
    for (const std::string& word : words) {
        const size_t length = word.size();
        if (length < 0xFF) {
            AppendLittleEndian(out, static_cast<uint32_t>(length), 1);
        } else if (length < WideStringMark) {
            AppendLittleEndian(out, 0xFF, 1);
            AppendLittleEndian(out, static_cast<uint32_t>(length), 2);
        } else {
            AppendLittleEndian(out, 0xFF, 1);
            AppendLittleEndian(out, 0xFFFF, 2);
            AppendLittleEndian(out, static_cast<uint32_t>(length), 4);
        }
        out += word;
    }
    return out;
}
