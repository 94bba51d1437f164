// The settings sections over a store, and what stored values of any type mean.
#include "settings/GameSettings.h"
#include "settings/Registry.h"
#include "settings/RegistryValue.h"
#include "settings/SettingsSections.h"

#include <gtest/gtest.h>

namespace {

// Section and name of each number, in the order of the record.
const char* const Names[][2] = {{"Game", "AngLimit"},    {"Game", "Duration"},    {"Game", "Mistrials"},
                                {"Game", "WordLimit"},   {"Game", "UseDuration"}, {"Game", "UseMistrials"},
                                {"Menu", "UseSound"},    {"Menu", "UseHelp"},     {"Menu", "Uppercase"},
                                {"Menu", "Substitute"},  {"Menu", "Lax"},         {"List", "Wordlist"}};
std::atomic<int>* const Fields[] = {&GameSettings.AngLimit,   &GameSettings.Duration,    &GameSettings.Mistrials,
                                    &GameSettings.WordLimit,  &GameSettings.UseDuration, &GameSettings.UseMistrials,
                                    &GameSettings.UseSound,   &GameSettings.UseHelp,     &GameSettings.Uppercase,
                                    &GameSettings.Substitute, &GameSettings.Lax,         &GameSettings.Wordlist};
const char* const Defaults = "3 1 1 10 0 0 1 1 0 0 0 0 ''";

class SectionsTest : public ::testing::Test {
protected:
    void SetUp() override { m_old = SetSettingsStore(&m_store); }
    void TearDown() override
    {
        SetSettingsStore(m_old);
        GameSettings.ResetToDefaults();
    }
    static void SetAll(int value)
    {
        for (auto* field : Fields)
            *field = value;
        GameSettings.Listpath = "C:\\alt.txt";
    }
    // Every setting in one line.
    static std::string Line()
    {
        std::string line;
        for (const auto* field : Fields)
            line += std::to_string(field->load()) + " ";
        return line + "'" + GameSettings.Listpath + "'";
    }
    // Loads the three sections over values that show any value not read.
    static std::string LoadAll()
    {
        SetAll(77);
        LoadGameSettings();
        LoadMenuSettings();
        LoadListSettings();
        return Line();
    }

    CMemoryRegistry m_store;
    CRegistry* m_old = nullptr;
};

TEST_F(SectionsTest, EmptyStoreAndResetGiveTheDefaults)
{
    EXPECT_EQ(Defaults, LoadAll());
    SetAll(77);
    GameSettings.ResetToDefaults();
    EXPECT_EQ(Defaults, Line());
}

TEST_F(SectionsTest, ValuesAreReadUnderTheirNamesAndSavedWhole)
{
    const std::string path = "C:\\" + std::string(300, 'p') + ".txt";
    for (size_t i = 0; i < 12; ++i)
        m_store.WriteDword(Names[i][0], Names[i][1], static_cast<uint32_t>(40 + i));
    m_store.WriteString("List", "Listpath", path);
    EXPECT_EQ("40 41 42 43 44 45 46 47 48 49 50 51 '" + path + "'", LoadAll());

    CMemoryRegistry fresh;
    SetSettingsStore(&fresh);
    SaveGameSettings();
    SaveMenuSettings();
    SaveListSettings();
    EXPECT_EQ("40 41 42 43 44 45 46 47 48 49 50 51 '" + path + "'", LoadAll()) << "after a restart";
}

TEST_F(SectionsTest, ValuesOfTheWrongTypeReadAsDefaults)
{
    m_store.WriteString("Game", "WordLimit", "12");
    m_store.WriteDword("List", "Listpath", 5);
    m_store.WriteDword("Game", "AngLimit", 0xFFFFFFFFu);
    EXPECT_EQ("-1 1 1 10 0 0 1 1 0 0 0 0 ''", LoadAll()) << "a stored number is used unchanged";
    EXPECT_EQ("kein Text", m_store.ReadString("List", "Listpath", "kein Text"));
}

// Stored values of any type and size: only a four-byte DWORD is a number,
// only a REG_SZ a text, read up to its first zero byte.
TEST(RegistryValueTest, TypeAndSizeDecideWhatAValueMeans)
{
    const std::pair<uint32_t, std::string> values[] = {
        {4, std::string("\x78\x56\x34\x12", 4)},      {4, std::string("\x05\x00", 2)},
        {4, std::string("\x01\x00\x00\x00\x00", 5)},  {3, std::string("\x05\x00\x00\x00", 4)},
        {11, std::string("\x05\x00\x00\x00", 4)},     {1, std::string("C:\\a.txt\0rest", 13)},
        {1, "C:\\a.txt"},                             {1, "A"},
        {1, ""},                                      {2, std::string("%TEMP%\0", 7)},
    };
    std::string meanings;
    for (const auto& v : values) {
        uint32_t number = 99;
        std::string text = "old";
        if (DwordFromRegistryValue(v.first, v.second.data(), v.second.size(), number))
            meanings += std::to_string(number);
        if (StringFromRegistryValue(v.first, v.second.data(), v.second.size(), text))
            meanings += "'" + text + "'";
        meanings += number == 99 && text == "old" ? "-;" : ";";
    }
    EXPECT_EQ("305419896;-;-;-;-;'C:\\a.txt';'C:\\a.txt';'A';'';-;", meanings);
}

} // namespace
