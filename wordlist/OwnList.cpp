#include "wordlist/OwnList.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

constexpr char EndOfText = '\x1A';

size_t TextLength(const std::vector<char>& buffer)
{
    if (buffer.empty())
        return 0;
    const void* end = std::memchr(buffer.data(), EndOfText, buffer.size());
    return end ? static_cast<size_t>(static_cast<const char*>(end) - buffer.data()) : buffer.size();
}

} // namespace

bool ParseOwnList(std::vector<char>& buffer, std::vector<uint32_t>& starts)
{
    starts.clear();
    if (buffer.size() >= 0xFFFFFFFFu)
        return false;
    const size_t textLength = TextLength(buffer);
    char* const text = buffer.data();
    // One start per line plus the end: reserved exactly, so the offsets take
    // no more memory than they need.
    const size_t lineFeeds = static_cast<size_t>(std::count(text, text + textLength, '\n'));
    const bool openLastLine = textLength > 0 && text[textLength - 1] != '\n';
    if (lineFeeds + openLastLine >= static_cast<size_t>(INT_MAX))
        return false;
    starts.reserve(lineFeeds + openLastLine + 1);

    size_t written = 0;
    size_t lineStart = 0;
    while (lineStart < textLength) {
        const void* found = std::memchr(text + lineStart, '\n', textLength - lineStart);
        const size_t lineFeed = found ? static_cast<size_t>(static_cast<const char*>(found) - text) : textLength;
        size_t lineEnd = lineFeed;
        if (found && lineEnd > lineStart && text[lineEnd - 1] == '\r')
            --lineEnd; // CR LF: a CR alone stays part of the word
        starts.push_back(static_cast<uint32_t>(written));
        const size_t length = lineEnd - lineStart;
        if (length > 0)
            std::memmove(text + written, text + lineStart, length);
        written += length;
        lineStart = lineFeed + 1;
    }
    starts.push_back(static_cast<uint32_t>(written));
    buffer.resize(written);
    return true;
}
