// Any bytes as an own list: the words lie inside the buffer, carry no line
// feed and nothing of the text after an end-of-text byte.
#include "wordlist/OwnList.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<char> buffer(data, data + size);
    std::vector<uint32_t> starts;
    if (!ParseOwnList(buffer, starts))
        std::abort(); // only texts of 4 GiB are refused
    if (starts.empty() || starts.back() != buffer.size())
        std::abort();
    if (std::find(buffer.begin(), buffer.end(), '\n') != buffer.end() ||
        std::find(buffer.begin(), buffer.end(), '\x1A') != buffer.end())
        std::abort();
    for (size_t i = 0; i + 1 < starts.size(); ++i)
        if (starts[i] > starts[i + 1])
            std::abort();
    // Every line feed before the end of text makes one word, and an open
    // last line one more.
    const uint8_t* end = static_cast<const uint8_t*>(std::memchr(data, 0x1A, size));
    const size_t textLength = end ? static_cast<size_t>(end - data) : size;
    const size_t feeds = static_cast<size_t>(std::count(data, data + textLength, '\n'));
    const size_t expected = feeds + (textLength > 0 && data[textLength - 1] != '\n' ? 1 : 0);
    if (starts.size() - 1 != expected)
        std::abort();
    return 0;
}
