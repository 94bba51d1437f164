#include "wordlist/OwnList.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<char> buffer(text.begin(), text.end());
    std::vector<uint32_t> starts;
    EXPECT_TRUE(ParseOwnList(buffer, starts));
    std::vector<std::string> words;
    for (size_t i = 0; i + 1 < starts.size(); ++i)
        words.emplace_back(buffer.data() + starts[i], starts[i + 1] - starts[i]);
    return words;
}

using Words = std::vector<std::string>;

TEST(OwnList, LineEnds)
{
    EXPECT_EQ((Words{"Haus", "", "Baum mit Ast", "\xD6l"}), Lines("Haus\r\n\r\nBaum mit Ast\r\n\xD6l"));
    EXPECT_EQ((Words{"Haus", "Baum"}), Lines("Haus\nBaum\n")) << "a final line end adds no word";
    EXPECT_EQ((Words{"Haus", "Baum"}), Lines("Haus\r\nBaum\r\n"));
    EXPECT_EQ((Words{"Haus", ""}), Lines("Haus\n\n")) << "an empty last line is a word";
    EXPECT_EQ((Words{"Haus\rBaum", "Tor\r"}), Lines("Haus\rBaum\nTor\r")) << "a CR alone is no line end";
    EXPECT_EQ((Words{"Tor\r"}), Lines("Tor\r\r\n"));
    EXPECT_EQ(Words{}, Lines(""));
    EXPECT_EQ((Words{""}), Lines("\n"));
}

TEST(OwnList, EndOfTextByteAndNulBytes)
{
    EXPECT_EQ((Words{"Haus", "Ba"}), Lines("Haus\nBa\x1Aum\nTor\n"));
    EXPECT_EQ((Words{"Haus"}), Lines("Haus\n\x1A\nTor"));
    EXPECT_EQ(Words{}, Lines("\x1AHaus\n"));
    EXPECT_EQ((Words{std::string("Ha\0us", 5), std::string("\0", 1)}), Lines(std::string("Ha\0us\n\0\n", 8)));
}

TEST(OwnList, LinesOfMegabytes)
{
    const std::string longLine(3 * 1024 * 1024, 'x');
    const Words words = Lines("kurz\r\n" + longLine + "\r\nende");
    ASSERT_EQ(3u, words.size());
    EXPECT_EQ(longLine, words[1]);
    EXPECT_EQ("ende", words[2]);
}

} // namespace
