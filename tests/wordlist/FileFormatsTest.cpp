// The two list files: the standard list's archive, with its scrambled words,
// and own lists, one word a line.
#include "wordlist/Archive.h"
#include "wordlist/OwnList.h"
#include "wordlist/Scramble.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

using Words = std::vector<std::string>;

std::string Bytes(std::initializer_list<unsigned char> bytes)
{
    return std::string(bytes.begin(), bytes.end());
}

// Header up to and including the class name.
std::string Header(unsigned char schema = 0, const std::string& name = "CStringArray")
{
    return Bytes({0xFF, 0xFF, schema, 0, static_cast<unsigned char>(name.size()), 0}) + name;
}

// The words a parser finds in the bytes; false when it refuses them.
bool Parse(bool (*parser)(std::vector<char>&, std::vector<uint32_t>&), const std::string& bytes, Words* words = nullptr)
{
    std::vector<char> buffer(bytes.begin(), bytes.end());
    std::vector<uint32_t> starts;
    const bool ok = parser(buffer, starts);
    for (size_t i = 0; ok && words && i + 1 < starts.size(); ++i)
        words->emplace_back(buffer.data() + starts[i], starts[i + 1] - starts[i]);
    return ok;
}

TEST(Archive, LayoutAndEveryPrefixFormRoundTrip)
{
    EXPECT_EQ(Header() + Bytes({2, 0, 2}) + "AB" + Bytes({0}), WriteArchive({"AB", ""}));
    // Each length sits on a border of the prefix forms; bytes of any value, zero too.
    Words words, read;
    for (size_t length : {0u, 1u, 254u, 255u, 256u, 0xFFFDu, 0xFFFEu, 0xFFFFu, 70000u}) {
        words.emplace_back(length, '\0');
        for (size_t i = 0; i < length; ++i)
            words.back()[i] = static_cast<char>(i * 7);
    }
    ASSERT_TRUE(Parse(ParseArchive, WriteArchive(words) + "trailing bytes", &read));
    EXPECT_EQ(words, read);
    // 0xFFFF words and more need the 4-byte count.
    for (size_t count : {0xFFFEu, 0xFFFFu, 70000u}) {
        read.clear();
        ASSERT_TRUE(Parse(ParseArchive, WriteArchive(Words(count, "X")), &read)) << count;
        EXPECT_EQ(count, read.size());
    }
}

TEST(Archive, DamagedAndForeignFilesAreRefused)
{
    const std::string full = WriteArchive({std::string(300, 'Q'), "ZWEI", "", "EIN"});
    for (size_t cut = 0; cut < full.size(); ++cut)
        EXPECT_FALSE(Parse(ParseArchive, full.substr(0, cut))) << "cut at " << cut;

    const std::string one = Bytes({1, 0, 1}) + "A";
    ASSERT_TRUE(Parse(ParseArchive, Header() + one));
    ASSERT_TRUE(Parse(ParseArchive, WriteArchive(Words(SeedTableSize, ""))));
    const std::pair<std::string, const char*> bad[] = {
        {Bytes({0x01, 0x80}) + Header().substr(2) + one, "only a new-class tag can start the file"},
        {Header(1) + one, "schema 1"},
        {Header(0, "CStringList") + one, "another class"},
        {Header(0, "CSTRINGARRAY") + one, "the class name's case"},
        {Header(0, "CStringArrays") + one, "the name's first twelve bytes are not enough"},
        {Header(0, std::string(64, 'C')) + one, "a name of 64 bytes"},
        // Counts and lengths beyond the end fail before anything is allocated.
        {Header() + Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 1}) + "A", "a huge count"},
        {Header() + Bytes({0xE0, 0x93, 1}) + "A", "count 0x93E0 with one word present"},
        {Header() + Bytes({1, 0, 5}) + "ABC", "a one-byte length"},
        {Header() + Bytes({1, 0, 0xFF, 0, 1}) + std::string(200, 'A'), "a two-byte length"},
        {Header() + Bytes({1, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}) + "AB", "a four-byte length"},
        {Header() + Bytes({1, 0, 0xFF, 0xFE, 0xFF, 2, 'A', 0, 'B', 0}), "a UTF-16 string"},
        {WriteArchive(Words(SeedTableSize + 1, "")), "a word without a seed could not be unscrambled"},
    };
    for (const auto& file : bad)
        EXPECT_FALSE(Parse(ParseArchive, file.first)) << file.second;
}

TEST(Scramble, MatchesTheDivisionForEveryPosition)
{
    const std::string word = "ABCDEFGHIJKLMNOPQRST";
    for (int position = 0; position < SeedTableSize; ++position) {
        const uint32_t seed = PositionSeed(position);
        ASSERT_TRUE(seed >= 1 && seed <= 32768) << position;
        // The steps of the unscrambling, with a division per character.
        std::string slow = word, fast = word;
        for (uint32_t i = 0, state = seed; i < slow.size(); ++i)
            slow[i] = static_cast<char>(slow[i] ^ ((static_cast<uint32_t>(NextRandom(state)) * 255u / seed) & 0xFF));
        ScrambleWord(fast, position);
        ASSERT_EQ(slow, fast) << "position " << position;
    }
}

TEST(OwnList, LineEndsEndOfTextAndNulBytes)
{
    const std::string longLine(3 * 1024 * 1024, 'x');
    // CR LF ends, empty lines and blanks show where the word list loads an own list.
    const std::pair<std::string, Words> cases[] = {
        {"Haus\nBaum\n", {"Haus", "Baum"}}, // a final line end adds no word
        {"Haus\rBaum\nTor\r", {"Haus\rBaum", "Tor\r"}}, // a CR alone is no line end
        {"Tor\r\r\n", {"Tor\r"}},
        {"", {}},
        {"Haus\nBa\x1A" "um\nTor\n", {"Haus", "Ba"}},
        {"Haus\n\x1A\nTor", {"Haus"}},
        {std::string("Ha\0us\n\0\n", 8), {std::string("Ha\0us", 5), std::string("\0", 1)}},
        {"kurz\r\n" + longLine + "\r\nende", {"kurz", longLine, "ende"}},
    };
    for (const auto& c : cases) {
        Words words;
        EXPECT_TRUE(Parse(ParseOwnList, c.first, &words));
        EXPECT_TRUE(c.second == words) << c.first.substr(0, 40);
    }
}

} // namespace
