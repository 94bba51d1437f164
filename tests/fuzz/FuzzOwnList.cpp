// Any bytes as an own list: the words lie inside the buffer, carry no line
// feed and nothing of the text after an end-of-text byte; every line feed
// before it makes one word, and an open last line one more.
#include "wordlist/OwnList.h"

#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<char> buffer(data, data + size);
    std::vector<uint32_t> starts;
    if (!ParseOwnList(buffer, starts) || starts.empty() || starts.back() != buffer.size() ||
        std::count(buffer.begin(), buffer.end(), '\n') + std::count(buffer.begin(), buffer.end(), '\x1A') != 0 ||
        !std::is_sorted(starts.begin(), starts.end()))
        std::abort();
    const size_t textLength = static_cast<size_t>(std::find(data, data + size, 0x1A) - data);
    const size_t feeds = static_cast<size_t>(std::count(data, data + textLength, '\n'));
    if (starts.size() - 1 != feeds + (textLength > 0 && data[textLength - 1] != '\n'))
        std::abort();
    return 0;
}
