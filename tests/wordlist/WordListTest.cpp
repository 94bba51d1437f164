// Loading the chosen list, what a failed load leaves, the generator that
// unscrambling leaves behind.
#include "engine/Messages.h"
#include "engine/Random.h"
#include "engine/Search.h"
#include "settings/StartDirectory.h"
#include "tests/engine/ProcessState.h"
#include "wordlist/Archive.h"
#include "wordlist/FileBytes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace {

using Words = std::vector<std::string>;

using Messages = std::vector<std::pair<std::string, int>>;
Messages g_messages;

class WordListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetProcessState();
        std::filesystem::create_directories(m_folder);
        m_oldHandler = SetMessageHandler([](const char* text, int type) {
            g_messages.emplace_back(text, type);
            return 1;
        });
        m_oldStart = std::exchange(StartDirectory, m_folder.string());
    }
    void TearDown() override
    {
        SetMessageHandler(m_oldHandler);
        StartDirectory = m_oldStart;
        ResetProcessState();
        std::filesystem::remove_all(m_folder);
    }
    std::string Write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream((m_folder / name).string(), std::ios::binary) << bytes;
        return (m_folder / name).string();
    }
    // The archive of a standard list, scrambled at each word's position.
    void LoadStandardList(Words words)
    {
        for (size_t i = 0; i < words.size(); ++i)
            ScrambleWord(words[i], static_cast<int>(i));
        Write(StandardListName, WriteArchive(words));
        ClearWordList();
        ASSERT_TRUE(LoadWordList());
    }
    static Words AllWords()
    {
        Words words;
        for (int i = 0; i < WordCount(); ++i)
            words.push_back(GetWord(i));
        return words;
    }
    static void ExpectFailedLoad(const char* what)
    {
        EXPECT_FALSE(LoadWordList()) << what;
        EXPECT_EQ(0, WordCount()) << what;
        EXPECT_EQ(Messages({{"Wortlistendatei konnte nicht geöffnet werden.", MessageError}}), g_messages) << what;
        g_messages.clear();
    }

    const std::filesystem::path m_folder =
        std::filesystem::temp_directory_path() / ("anagrilla-test-" + std::to_string(std::random_device()()));
    MessageHandler m_oldHandler = nullptr;
    std::string m_oldStart;
};

TEST_F(WordListTest, ListsFromTheStartDirectoryAndFromListpath)
{
    LoadStandardList({});
    EXPECT_EQ(0, MaxWordLength()) << "an empty list loads";
    const Words words = {"KATZENTIER", "HAUSTIEREN", "RAUBTIERE", "STRAUSS", "GEHEIME", "REISEN"};
    LoadStandardList(words);
    EXPECT_EQ(words, AllWords());
    EXPECT_EQ(10, MaxWordLength());
    EXPECT_EQ((std::map<int, int>{{10, 0}, {9, 2}, {7, 3}, {6, 5}}), LengthIndex());
    EXPECT_EQ((std::vector<int>{0, 0, 3, 5, 0}), (std::vector<int>{FirstIndexOfLength(12), FirstIndexOfLength(8),
                                                                   FirstIndexOfLength(7), FirstIndexOfLength(6),
                                                                   FirstIndexOfLength(5)}))
        << "clamped to 10; 0 where no word has the length";
    GameSettings.Wordlist = 1;
    GameSettings.Listpath = "missing.txt";
    EXPECT_TRUE(LoadWordList()) << "a loaded list is not read again";
    EXPECT_EQ(6, WordCount());

    ClearWordList();
    std::filesystem::create_directory(m_folder / "unter");
    Write("unter/liste.txt", "Haus\r\n\r\nBaum mit Ast\r\n\xD6l");
    GameSettings.Listpath = m_folder.string() + "\\unter\\liste.txt";
    ASSERT_TRUE(LoadWordList());
    EXPECT_EQ((Words{"Haus", "", "Baum mit Ast", "\xD6l"}), AllWords());
    EXPECT_EQ(12, MaxWordLength()) << "the longest line, blanks included";
    EXPECT_TRUE(LengthIndex().empty() && g_messages.empty());
    EXPECT_EQ((Words{"C:\\a\\b.dat", "C:\\a\\b.dat", "C:/a/b.dat"}),
              (Words{JoinPath("C:\\a", "b.dat"), JoinPath("C:\\a\\", "b.dat"), JoinPath("C:/a/", "b.dat")}))
        << "never a doubled separator";
}

TEST_F(WordListTest, BadFilesLeaveTheListEmptyAndSaySo)
{
    ExpectFailedLoad("missing file");
    Write(StandardListName, WriteArchive({"HAUS"}).substr(1));
    ExpectFailedLoad("not an archive");
    std::filesystem::remove(m_folder / StandardListName);
    std::filesystem::create_directory(m_folder / StandardListName);
    ExpectFailedLoad("a folder where the file should be");
    GameSettings.Wordlist = 1;
    GameSettings.Listpath = (m_folder / "fehlt.txt").string();
    ExpectFailedLoad("missing own list");
    GameSettings.Listpath = m_folder.string(); // a folder opens on some systems and cannot be read
    ExpectFailedLoad("read error after opening");

    GameSettings.Listpath = Write("eigene.txt", "Haus");
    ASSERT_TRUE(LoadWordList());
    EXPECT_FALSE(LoadStandardWordList(m_folder.string() + "/missing.dat"));
    EXPECT_EQ(0, WordCount() + MaxWordLength()) << "a failed load drops the list loaded before";
}

// The thread's generator after unscrambling the word at a position of the
// given length by the steps: seeded with the word's seed, one draw a byte.
int NextDrawAfterWord(size_t position, size_t length)
{
    uint32_t state = PositionSeed(static_cast<int>(position));
    for (size_t i = 0; i < length; ++i)
        NextRandom(state);
    return NextRandom(state);
}

TEST_F(WordListTest, UnscramblingLeavesTheThreadsGeneratorWhereItsDrawsEnd)
{
    // Longest first; ABEND ends the stock's stretch and is the last word.
    LoadStandardList({"KATZENTIER", "RAUBTIERE", "STRAUSS", "REISEN", "ABEND", ""});
    SeedRandom(99);
    EXPECT_EQ("STRAUSS", GetWord(2)) << "whatever the thread's generator held";
    EXPECT_EQ(NextDrawAfterWord(2, 7), DrawRandom());
    GetWord(5);
    EXPECT_EQ(NextDrawAfterWord(5, 0), DrawRandom()) << "an empty word seeds and draws nothing";
    SeedRandom(99);
    ASSERT_EQ(4, BuildStartWordStock());
    EXPECT_EQ(NextDrawAfterWord(3, 6), DrawRandom()) << "after the stock";

    // A search whose last word is rejected early leaves it as a full pass.
    for (const Words& words : {Words{"KATZENTIER", "REISEN", "ABEND"}, Words{"ABEND"}}) {
        LoadStandardList(words);
        CSearchCollector host;
        host.letters = "REISENT";
        SeedRandom(99);
        ASSERT_EQ(1u, SearchThreadProc(&host));
        EXPECT_EQ(words.size() > 1 ? Words{"REISEN"} : Words{}, host.candidates);
        EXPECT_EQ(NextDrawAfterWord(words.size() - 1, 5), DrawRandom()) << "after the search";
    }
}

} // namespace
