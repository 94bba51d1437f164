// Any bytes as a standard list file: the reader either refuses them or
// yields words that lie inside the buffer and can be unscrambled.
#include "wordlist/Archive.h"
#include "wordlist/Scramble.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<char> buffer(data, data + size);
    std::vector<uint32_t> starts;
    if (!ParseArchive(buffer, starts))
        return 0;
    const size_t count = starts.size() - 1;
    if (starts.empty() || count > static_cast<size_t>(SeedTableSize) || starts.back() != buffer.size())
        std::abort();
    std::string word;
    for (size_t i = 0; i < count; ++i) {
        if (starts[i] > starts[i + 1])
            std::abort();
        word.assign(buffer.data() + starts[i], starts[i + 1] - starts[i]);
        ScrambleWord(word, static_cast<int>(i));
    }
    // Written again, the words read back the same.
    std::vector<std::string> words;
    for (size_t i = 0; i < count; ++i)
        words.emplace_back(buffer.data() + starts[i], starts[i + 1] - starts[i]);
    const std::string again = WriteArchive(words);
    std::vector<char> copy(again.begin(), again.end());
    std::vector<uint32_t> starts2;
    if (!ParseArchive(copy, starts2) || starts2 != starts || copy != buffer)
        std::abort();
    return 0;
}
