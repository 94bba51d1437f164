// Any bytes as a standard list file: the reader either refuses them or
// yields words inside the buffer, few enough to unscramble, that write back
// to the same bytes.
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
    if (starts.empty() || starts.size() - 1 > static_cast<size_t>(SeedTableSize) || starts.back() != buffer.size())
        std::abort();
    std::vector<std::string> words;
    for (size_t i = 0; i + 1 < starts.size(); ++i) {
        if (starts[i] > starts[i + 1])
            std::abort();
        words.emplace_back(buffer.data() + starts[i], starts[i + 1] - starts[i]);
    }
    const std::string again = WriteArchive(words);
    std::vector<char> copy(again.begin(), again.end());
    std::vector<uint32_t> startsAgain;
    if (!ParseArchive(copy, startsAgain) || startsAgain != starts || copy != buffer)
        std::abort();
    return 0;
}
