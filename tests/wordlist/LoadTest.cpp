#include "engine/Messages.h"
#include "engine/CancelEvent.h"
#include "engine/Random.h"
#include "engine/Search.h"
#include "engine/StartWordStock.h"
#include "settings/GameSettings.h"
#include "settings/StartDirectory.h"
#include "tests/wordlist/TempFolder.h"
#include "wordlist/Archive.h"
#include "wordlist/WordList.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const char* const LoadFailed = "Wortlistendatei konnte nicht ge\xF6" "ffnet werden.";

std::vector<std::pair<std::string, int>> g_messages;

int RecordMessage(const char* text, int type)
{
    g_messages.emplace_back(text, type);
    return 1;
}

// The archive of a standard list, scrambled at each word's position.
std::string StandardArchive(std::vector<std::string> words)
{
    for (size_t i = 0; i < words.size(); ++i)
        ScrambleWord(words[i], static_cast<int>(i));
    return WriteArchive(words);
}

class LoadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        GameSettings.ResetToDefaults();
        ClearWordList();
        g_messages.clear();
        m_oldHandler = SetMessageHandler(RecordMessage);
        m_oldStart = StartDirectory;
        StartDirectory = m_folder.Path();
    }
    void TearDown() override
    {
        SetMessageHandler(m_oldHandler);
        StartDirectory = m_oldStart;
        ClearWordList();
        GameSettings.ResetToDefaults();
    }

    void ExpectFailedLoad(const char* what)
    {
        EXPECT_FALSE(LoadWordList()) << what;
        EXPECT_EQ(0, WordCount()) << what;
        ASSERT_EQ(1u, g_messages.size()) << what;
        EXPECT_EQ(LoadFailed, g_messages[0].first);
        EXPECT_EQ(MessageError, g_messages[0].second);
        g_messages.clear();
    }

    TempFolder m_folder;
    MessageHandler m_oldHandler = nullptr;
    std::string m_oldStart;
};

TEST_F(LoadTest, StandardListFromTheStartDirectory)
{
    // Lengths 10, 10, 9, 7, 7, 6.
    m_folder.Write(StandardListName,
                   StandardArchive({"KATZENTIER", "HAUSTIEREN", "RAUBTIERE", "STRAUSS", "GEHEIME", "REISEN"}));
    ASSERT_TRUE(LoadWordList());
    EXPECT_TRUE(g_messages.empty());
    ASSERT_EQ(6, WordCount());
    EXPECT_EQ("KATZENTIER", GetWord(0));
    EXPECT_EQ("GEHEIME", GetWord(4));
    EXPECT_EQ("REISEN", GetWord(5));
    EXPECT_EQ(10, MaxWordLength());
    EXPECT_EQ((std::map<int, int>{{10, 0}, {9, 2}, {7, 3}, {6, 5}}), LengthIndex());
    EXPECT_EQ(0, FirstIndexOfLength(12)) << "clamped to 10";
    EXPECT_EQ(0, FirstIndexOfLength(8)) << "no word of length 8";
    EXPECT_EQ(3, FirstIndexOfLength(7));
    EXPECT_EQ(5, FirstIndexOfLength(6));
    EXPECT_EQ(0, FirstIndexOfLength(5));
}

TEST_F(LoadTest, UnscramblingIgnoresTheThreadsGenerator)
{
    m_folder.Write(StandardListName, StandardArchive({"AAAAAA", "BBBBBB", "CCCCCC", "DDDDDD", "EEEEEE", "GEHEIM"}));
    ASSERT_TRUE(LoadWordList());
    const std::string first = GetWord(5);
    SeedRandom(12345);
    DrawRandom();
    EXPECT_EQ(first, GetWord(5));
    EXPECT_EQ("GEHEIM", first);
}

// The thread's generator after unscrambling the word at a position of the
// given length by the steps: seeded with the word's seed, one draw a byte.
int NextDrawAfterWord(int position, size_t length)
{
    uint32_t state = PositionSeed(position);
    for (size_t i = 0; i < length; ++i)
        NextRandom(state);
    return NextRandom(state);
}

TEST_F(LoadTest, UnscramblingLeavesTheThreadsGeneratorWhereItsDrawsEnd)
{
    // Longest first; ABEND ends the stock's stretch and is the last word.
    m_folder.Write(StandardListName, StandardArchive({"KATZENTIER", "RAUBTIERE", "STRAUSS", "REISEN", "ABEND", ""}));
    ASSERT_TRUE(LoadWordList());
    SeedRandom(99);
    GetWord(2);
    EXPECT_EQ(NextDrawAfterWord(2, 7), DrawRandom()) << "one word";
    SeedRandom(99);
    GetWord(5);
    EXPECT_EQ(NextDrawAfterWord(5, 0), DrawRandom()) << "an empty word seeds and draws nothing";

    // The next start word's seed is drawn after the stock was built.
    SeedRandom(99);
    ASSERT_EQ(4, BuildStartWordStock());
    EXPECT_EQ(NextDrawAfterWord(3, 6), DrawRandom()) << "after the stock";

    // A search whose last word is rejected early leaves it as a full pass.
    ClearWordList();
    m_folder.Write(StandardListName, StandardArchive({"KATZENTIER", "REISEN", "ABEND"}));
    ASSERT_TRUE(LoadWordList());
    CSearchCollector host;
    host.letters = "REISENT";
    CancelEvent.Reset();
    SeedRandom(99);
    ASSERT_EQ(1u, SearchThreadProc(&host));
    EXPECT_EQ(std::vector<std::string>{"REISEN"}, host.candidates);
    EXPECT_EQ(NextDrawAfterWord(2, 5), DrawRandom()) << "after the search";
}

TEST_F(LoadTest, EmptyStandardListLoadsAndALoadedListIsKept)
{
    m_folder.Write(StandardListName, StandardArchive({}));
    EXPECT_TRUE(LoadWordList());
    EXPECT_EQ(0, WordCount());
    EXPECT_EQ(0, MaxWordLength());
    EXPECT_TRUE(g_messages.empty());

    m_folder.Write(StandardListName, StandardArchive({"HAUS", "TOR"}));
    ASSERT_TRUE(LoadWordList());
    std::filesystem::remove(m_folder.File(StandardListName));
    GameSettings.Wordlist = 1;
    GameSettings.Listpath = m_folder.File("missing.txt");
    EXPECT_TRUE(LoadWordList()) << "a loaded list is not read again";
    EXPECT_EQ(2, WordCount());
    EXPECT_EQ("TOR", GetWord(1));
    EXPECT_TRUE(g_messages.empty());
}

TEST_F(LoadTest, BadStandardFilesLeaveTheListEmpty)
{
    ExpectFailedLoad("missing file");

    std::string wrongClass = StandardArchive({"HAUS"});
    wrongClass[6] = 'D';
    m_folder.Write(StandardListName, wrongClass);
    ExpectFailedLoad("wrong class name");

    std::string schema = StandardArchive({"HAUS"});
    schema[2] = '\x01';
    m_folder.Write(StandardListName, schema);
    ExpectFailedLoad("schema 1");

    const std::string good = StandardArchive({"HAUS", "TOR"});
    m_folder.Write(StandardListName, good.substr(0, good.size() - 1));
    ExpectFailedLoad("short archive");

    std::filesystem::remove(m_folder.File(StandardListName));
    std::filesystem::create_directory(m_folder.File(StandardListName));
    ExpectFailedLoad("a folder where the file should be");
}

TEST_F(LoadTest, FailureAfterALoadEmptiesTheList)
{
    m_folder.Write(StandardListName, StandardArchive({"HAUS"}));
    ASSERT_TRUE(LoadStandardWordList(m_folder.File(StandardListName)));
    EXPECT_FALSE(LoadStandardWordList(m_folder.File("missing.dat")));
    EXPECT_EQ(0, WordCount());
    EXPECT_EQ(0, MaxWordLength());
    EXPECT_EQ(1u, g_messages.size());
}

TEST_F(LoadTest, OwnListFromListpath)
{
    GameSettings.Wordlist = 1;
    GameSettings.Listpath = m_folder.Write("eigene.txt", "Haus\r\n\r\nBaum mit Ast\r\n\xD6l");
    ASSERT_TRUE(LoadWordList());
    ASSERT_EQ(4, WordCount());
    EXPECT_EQ("", GetWord(1));
    EXPECT_EQ("Baum mit Ast", GetWord(2));
    EXPECT_EQ("\xD6l", GetWord(3));
    EXPECT_EQ(12, MaxWordLength()) << "the longest line, blanks included";
    EXPECT_TRUE(LengthIndex().empty()) << "an own list has no length index";

    ClearWordList();
    GameSettings.Listpath = m_folder.Write("eigene.txt", "Tor\nTier");
    ASSERT_TRUE(LoadWordList());
    ASSERT_EQ(2, WordCount());
    EXPECT_EQ("Tier", GetWord(1)) << "the last line without a line end is a word";
}

TEST_F(LoadTest, BadOwnListsLeaveTheListEmpty)
{
    GameSettings.Wordlist = 1;
    GameSettings.Listpath = m_folder.File("fehlt.txt");
    ExpectFailedLoad("missing own list");

    // Opened, but reading fails (a folder opens on some systems and cannot be read).
    GameSettings.Listpath = m_folder.Path();
    ExpectFailedLoad("read error after opening");
}

TEST_F(LoadTest, PathsWithBackslashesAndATrailingSeparator)
{
    m_folder.Write(StandardListName, StandardArchive({"HAUS"}));
    StartDirectory = m_folder.Path() + "\\";
    ASSERT_TRUE(LoadWordList());
    EXPECT_EQ("HAUS", GetWord(0));

    ClearWordList();
    std::filesystem::create_directory(m_folder.File("unter"));
    m_folder.Write("unter/liste.txt", "Ast\n");
    GameSettings.Wordlist = 1;
    GameSettings.Listpath = m_folder.Path() + "\\unter\\liste.txt";
    ASSERT_TRUE(LoadWordList());
    EXPECT_EQ("Ast", GetWord(0));
}

TEST_F(LoadTest, TheBuiltStandardList)
{
    const std::string path = ANAGRILLA_STANDARD_LIST;
    ASSERT_TRUE(LoadStandardWordList(path)) << path;
    const int count = WordCount();
    ASSERT_GT(count, 200000);
    ASSERT_LE(count, SeedTableSize);
    EXPECT_EQ(15, MaxWordLength());

    std::string previous = GetWord(0), word;
    for (int i = 1; i < count; ++i) {
        GetWordInto(i, word);
        ASSERT_GE(word.size(), 2u) << i;
        ASSERT_TRUE(word.size() < previous.size() || (word.size() == previous.size() && previous < word))
            << "longest first, then alphabetical, each word once: " << previous << " " << word;
        for (char c : word)
            ASSERT_TRUE(c >= 'A' && c <= 'Z') << word;
        previous.swap(word);
    }
    // Loaded, the list takes no more than twice the file's size.
    const auto fileSize = std::filesystem::file_size(path);
    EXPECT_LE(WordListMemoryBytes(), 2 * fileSize);
}

} // namespace
