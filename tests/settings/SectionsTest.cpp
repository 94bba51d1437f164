#include "settings/GameSettings.h"
#include "settings/Registry.h"
#include "settings/RegistryValue.h"
#include "settings/SettingsSections.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Passes every call on to a memory store and notes it.
class RecordingRegistry : public CRegistry {
public:
    std::vector<std::string> calls;
    CMemoryRegistry store;

    uint32_t ReadDword(const char* section, const char* name, uint32_t defaultValue) override
    {
        calls.push_back(std::string("ReadDword ") + section + " " + name);
        return store.ReadDword(section, name, defaultValue);
    }
    std::string ReadString(const char* section, const char* name, const std::string& defaultValue) override
    {
        calls.push_back(std::string("ReadString ") + section + " " + name);
        return store.ReadString(section, name, defaultValue);
    }
    void WriteDword(const char* section, const char* name, uint32_t value) override
    {
        calls.push_back(std::string("WriteDword ") + section + " " + name + " " + std::to_string(value));
        store.WriteDword(section, name, value);
    }
    void WriteString(const char* section, const char* name, const std::string& value) override
    {
        calls.push_back(std::string("WriteString ") + section + " " + name + " " + value);
        store.WriteString(section, name, value);
    }
};

class SectionsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_old = SetSettingsStore(&m_registry);
        GameSettings.ResetToDefaults();
    }
    void TearDown() override
    {
        SetSettingsStore(m_old);
        GameSettings.ResetToDefaults();
    }
    void LoadAll()
    {
        LoadGameSettings();
        LoadMenuSettings();
        LoadListSettings();
    }

    RecordingRegistry m_registry;
    CRegistry* m_old = nullptr;
};

using Calls = std::vector<std::string>;

// Every setting in one line, in the order of the sections.
std::string Settings()
{
    const GameSettingsRecord& g = GameSettings;
    std::string line;
    for (int value : {g.AngLimit.load(), g.Duration.load(), g.Mistrials.load(), g.WordLimit.load(),
                      g.UseDuration.load(), g.UseMistrials.load(), g.UseSound.load(), g.UseHelp.load(),
                      g.Uppercase.load(), g.Substitute.load(), g.Lax.load(), g.Wordlist.load()})
        line += std::to_string(value) + " ";
    return line + "'" + g.Listpath + "'";
}
const char* const Defaults = "3 1 1 10 0 0 1 1 0 0 0 0 ''";

void SetEverythingTo77()
{
    for (auto* field : {&GameSettings.AngLimit, &GameSettings.Duration, &GameSettings.Mistrials,
                        &GameSettings.WordLimit, &GameSettings.UseDuration, &GameSettings.UseMistrials,
                        &GameSettings.UseSound, &GameSettings.UseHelp, &GameSettings.Uppercase,
                        &GameSettings.Substitute, &GameSettings.Lax, &GameSettings.Wordlist})
        *field = 77;
    GameSettings.Listpath = "C:\\alt.txt";
}

TEST_F(SectionsTest, EmptyStoreAndResetGiveTheDefaults)
{
    SetEverythingTo77();
    GameSettings.ResetToDefaults();
    EXPECT_EQ(Defaults, Settings());

    SetEverythingTo77(); // so that a missing read shows
    LoadAll();
    EXPECT_EQ(Defaults, Settings());
    EXPECT_EQ((Calls{"ReadDword Game AngLimit", "ReadDword Game Duration", "ReadDword Game Mistrials",
                     "ReadDword Game WordLimit", "ReadDword Game UseDuration", "ReadDword Game UseMistrials",
                     "ReadDword Menu UseSound", "ReadDword Menu UseHelp", "ReadDword Menu Uppercase",
                     "ReadDword Menu Substitute", "ReadDword Menu Lax", "ReadDword List Wordlist",
                     "ReadString List Listpath"}),
              m_registry.calls);
}

TEST_F(SectionsTest, SavesWriteWholeSectionsInOrder)
{
    GameSettings.AngLimit = 4;
    GameSettings.Duration = 5;
    GameSettings.Mistrials = 6;
    GameSettings.WordLimit = 7;
    GameSettings.UseDuration = 1;
    SaveGameSettings();
    EXPECT_EQ((Calls{"WriteDword Game AngLimit 4", "WriteDword Game Duration 5", "WriteDword Game Mistrials 6",
                     "WriteDword Game WordLimit 7", "WriteDword Game UseDuration 1",
                     "WriteDword Game UseMistrials 0"}),
              m_registry.calls);

    m_registry.calls.clear();
    GameSettings.Lax = 1; // one toggle rewrites all five values
    SaveMenuSettings();
    EXPECT_EQ((Calls{"WriteDword Menu UseSound 1", "WriteDword Menu UseHelp 1", "WriteDword Menu Uppercase 0",
                     "WriteDword Menu Substitute 0", "WriteDword Menu Lax 1"}),
              m_registry.calls);

    m_registry.calls.clear();
    GameSettings.Wordlist = 1;
    GameSettings.Listpath = "C:\\Listen\\meine.txt";
    SaveListSettings();
    EXPECT_EQ((Calls{"WriteDword List Wordlist 1", "WriteString List Listpath C:\\Listen\\meine.txt"}),
              m_registry.calls);
}

TEST_F(SectionsTest, ValuesSurviveARestart)
{
    GameSettings.WordLimit = 12; // out of the dialog's range, still kept
    GameSettings.Mistrials = 20;
    GameSettings.Uppercase = 1;
    GameSettings.Wordlist = 1;
    GameSettings.Listpath = "C:\\" + std::string(300, 'p') + ".txt";
    SaveGameSettings();
    SaveMenuSettings();
    SaveListSettings();
    const std::string saved = Settings();
    GameSettings.ResetToDefaults();
    LoadAll();
    EXPECT_EQ(saved, Settings()) << "a long path reads back whole";
}

TEST_F(SectionsTest, ValuesOfTheWrongTypeReadAsDefaults)
{
    m_registry.store.WriteString("Game", "WordLimit", "12");
    m_registry.store.WriteDword("List", "Listpath", 5);
    m_registry.store.WriteDword("Game", "AngLimit", 0xFFFFFFFFu);
    LoadAll();
    EXPECT_EQ("-1 1 1 10 0 0 1 1 0 0 0 0 ''", Settings()) << "a stored number is used unchanged";
}

// Stored values of any type and size: only a four-byte DWORD is a number,
// only a REG_SZ a text, read up to its first zero byte.
TEST(RegistryValueTest, TypeAndSizeDecideWhatAValueMeans)
{
    struct Case {
        uint32_t type;
        std::string bytes;
        bool isNumber;
        uint32_t number;
        bool isText;
        std::string text;
    };
    const Case cases[] = {
        {4, std::string("\x78\x56\x34\x12", 4), true, 0x12345678u, false, ""},
        {4, std::string("\x05\x00", 2), false, 0, false, ""},
        {4, std::string("\x01\x00\x00\x00\x00", 5), false, 0, false, ""},
        {3, std::string("\x05\x00\x00\x00", 4), false, 0, false, ""},
        {11, std::string("\x05\x00\x00\x00", 4), false, 0, false, ""},
        {1, std::string("C:\\a.txt\0rest", 13), false, 0, true, "C:\\a.txt"},
        {1, "C:\\a.txt", false, 0, true, "C:\\a.txt"},
        {1, "A", false, 0, true, "A"},
        {1, "", false, 0, true, ""},
        {2, std::string("%TEMP%\0", 7), false, 0, false, ""},
    };
    for (const Case& c : cases) {
        uint32_t number = 99;
        std::string text = "old";
        EXPECT_EQ(c.isNumber, DwordFromRegistryValue(c.type, c.bytes.data(), c.bytes.size(), number)) << c.type;
        EXPECT_EQ(c.isNumber ? c.number : 99u, number) << c.type;
        EXPECT_EQ(c.isText, StringFromRegistryValue(c.type, c.bytes.data(), c.bytes.size(), text)) << c.type;
        EXPECT_EQ(c.isText ? c.text : "old", text) << c.type;
    }
}

} // namespace
