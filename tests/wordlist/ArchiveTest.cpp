#include "wordlist/Archive.h"
#include "wordlist/Scramble.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Words(const std::vector<char>& buffer, const std::vector<uint32_t>& starts)
{
    std::vector<std::string> words;
    for (size_t i = 0; i + 1 < starts.size(); ++i)
        words.emplace_back(buffer.data() + starts[i], starts[i + 1] - starts[i]);
    return words;
}

bool Parse(const std::string& bytes, std::vector<std::string>* words = nullptr)
{
    std::vector<char> buffer(bytes.begin(), bytes.end());
    std::vector<uint32_t> starts;
    const bool ok = ParseArchive(buffer, starts);
    if (ok && words)
        *words = Words(buffer, starts);
    return ok;
}

// Header up to and including the class name.
std::string Header(uint16_t schema = 0, const std::string& name = "CStringArray")
{
    std::string h = "\xFF\xFF";
    h += static_cast<char>(schema & 0xFF);
    h += static_cast<char>(schema >> 8);
    h += static_cast<char>(name.size() & 0xFF);
    h += static_cast<char>(name.size() >> 8);
    return h + name;
}

TEST(Archive, LayoutOfASmallArchiveByteByByte)
{
    const std::string bytes = WriteArchive({"AB", ""});
    const std::string expected = std::string("\xFF\xFF\x00\x00\x0C\x00", 6) + "CStringArray" +
                                 std::string("\x02\x00", 2) + "\x02" "AB" + std::string("\x00", 1);
    EXPECT_EQ(expected, bytes);
}

TEST(Archive, LengthPrefixesAndLongCountsRoundTrip)
{
    // Each length sits on a border of the prefix forms; bytes of any value, zero too.
    std::vector<std::string> words;
    for (size_t length : {0u, 1u, 254u, 255u, 256u, 0xFFFDu, 0xFFFEu, 0xFFFFu, 70000u}) {
        std::string w(length, '\0');
        for (size_t i = 0; i < length; ++i)
            w[i] = static_cast<char>(i * 7);
        words.push_back(w);
    }
    std::vector<std::string> read;
    ASSERT_TRUE(Parse(WriteArchive(words), &read));
    EXPECT_EQ(words, read);

    // 0xFFFF words and more need the 4-byte count.
    for (size_t count : {0xFFFEu, 0xFFFFu, 70000u}) {
        const std::vector<std::string> many(count, "X");
        ASSERT_TRUE(Parse(WriteArchive(many), &read)) << count;
        EXPECT_EQ(count, read.size());
    }
}

TEST(Archive, TruncatedAtAnyByteIsRefusedAndTrailingBytesIgnored)
{
    const std::string full = WriteArchive({std::string(300, 'Q'), "ZWEI", "", "EIN"});
    for (size_t cut = 0; cut < full.size(); ++cut)
        EXPECT_FALSE(Parse(full.substr(0, cut))) << "cut at " << cut;
    std::vector<std::string> read;
    EXPECT_TRUE(Parse(full + "garbage", &read));
    EXPECT_EQ(4u, read.size());
}

TEST(Archive, ClassDescriptionMustBeTheStringArray)
{
    const std::string body = std::string("\x01\x00\x01", 3) + "A";
    EXPECT_TRUE(Parse(Header() + body));
    EXPECT_FALSE(Parse(Header(1) + body)) << "schema 1";
    EXPECT_FALSE(Parse(Header(0, "CStringList") + body));
    EXPECT_FALSE(Parse(Header(0, "CSTRINGARRAY") + body));
    EXPECT_FALSE(Parse(Header(0, "CStringArrays") + body)) << "the name's first twelve bytes are not enough";
    EXPECT_FALSE(Parse(Header(0, std::string(64, 'C')) + body)) << "names of 64 bytes are refused";
    std::string oldClassTag = Header() + body;
    oldClassTag[0] = '\x01';
    oldClassTag[1] = '\x80';
    EXPECT_FALSE(Parse(oldClassTag)) << "only a new-class tag can start the file";
}

TEST(Archive, CountsAndLengthsBeyondTheFileAreRefused)
{
    // A huge count with hardly any data must fail before anything is allocated.
    EXPECT_FALSE(Parse(Header() + std::string("\xFF\xFF\xFF\xFF\xFF\xFF", 6) + "\x01" "A"));
    EXPECT_FALSE(Parse(Header() + std::string("\xE0\x93", 2) + "\x01" "A"))
        << "count 0x93E0 with one word present";
    // A word's length beyond the end, in each prefix form.
    EXPECT_FALSE(Parse(Header() + std::string("\x01\x00", 2) + "\x05" "ABC"));
    EXPECT_FALSE(Parse(Header() + std::string("\x01\x00\xFF\x00\x01", 5) + std::string(200, 'A')));
    EXPECT_FALSE(Parse(Header() + std::string("\x01\x00\xFF\xFF\xFF\xFF\xFF\xFF\x7F", 9) + "AB"));
}

TEST(Archive, WideStringsAndTooManyWordsAreRefused)
{
    EXPECT_FALSE(Parse(Header() + std::string("\x01\x00\xFF\xFE\xFF\x02", 6) + std::string("A\0B\0", 4)));

    const std::vector<std::string> fits(SeedTableSize, "");
    EXPECT_TRUE(Parse(WriteArchive(fits)));
    const std::vector<std::string> tooMany(SeedTableSize + 1, "");
    EXPECT_FALSE(Parse(WriteArchive(tooMany))) << "a word without a seed could not be unscrambled";
}

// The steps of the unscrambling, with a division per character.
std::string ReferenceScramble(const std::string& word, int position)
{
    const uint32_t k = PositionSeed(position);
    uint32_t state = k;
    std::string out = word;
    for (char& c : out) {
        state = state * 214013u + 2531011u;
        const uint32_t r = (state >> 16) & 0x7FFF;
        const uint32_t m = (r * 255u) / k;
        c = static_cast<char>(static_cast<unsigned char>(c) ^ (m & 0xFF));
    }
    return out;
}

TEST(Scramble, MatchesTheDivisionForEveryPosition)
{
    const std::string word = "ABCDEFGHIJKLMNOPQRST";
    uint32_t smallest = 99999, largest = 0;
    for (int position = 0; position < SeedTableSize; ++position) {
        std::string fast = word;
        ScrambleWord(fast, position);
        ASSERT_EQ(ReferenceScramble(word, position), fast) << "position " << position;
        smallest = std::min(smallest, PositionSeed(position));
        largest = std::max(largest, PositionSeed(position));
    }
    EXPECT_GE(smallest, 1u);
    EXPECT_LE(largest, 32768u);
}

} // namespace
