// Own lists: where lines end, and what ends the text.
#include "wordlist/OwnList.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Words = std::vector<std::string>;

Words Lines(const std::string& text)
{
    std::vector<char> buffer(text.begin(), text.end());
    std::vector<uint32_t> starts;
    EXPECT_TRUE(ParseOwnList(buffer, starts));
    Words words;
    for (size_t i = 0; i + 1 < starts.size(); ++i)
        words.emplace_back(buffer.data() + starts[i], starts[i + 1] - starts[i]);
    return words;
}

TEST(OwnList, LineEndsEndOfTextAndNulBytes)
{
    const std::pair<std::string, Words> cases[] = {
        {"Haus\r\n\r\nBaum mit Ast\r\n\xD6l", {"Haus", "", "Baum mit Ast", "\xD6l"}},
        {"Haus\nBaum\n", {"Haus", "Baum"}}, // a final line end adds no word
        {"Haus\r\nBaum\r\n", {"Haus", "Baum"}},
        {"Haus\n\n", {"Haus", ""}},
        {"Haus\rBaum\nTor\r", {"Haus\rBaum", "Tor\r"}}, // a CR alone is no line end
        {"Tor\r\r\n", {"Tor\r"}},
        {"", {}},
        {"\n", {""}},
        {"Haus\nBa\x1A" "um\nTor\n", {"Haus", "Ba"}},
        {"Haus\n\x1A\nTor", {"Haus"}},
        {"\x1AHaus\n", {}},
        {std::string("Ha\0us\n\0\n", 8), {std::string("Ha\0us", 5), std::string("\0", 1)}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.second, Lines(c.first)) << c.first;

    const std::string longLine(3 * 1024 * 1024, 'x');
    EXPECT_EQ((Words{"kurz", longLine, "ende"}), Lines("kurz\r\n" + longLine + "\r\nende"));
}

} // namespace
