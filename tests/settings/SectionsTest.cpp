// The settings sections over a store, and what stored values of any type mean.
#include "settings/GameSettings.h"
#include "settings/Registry.h"
#include "settings/RegistryValue.h"
#include "settings/SettingsSections.h"

#include <gtest/gtest.h>

namespace {

// Each number's section and name, in the order of the record.
const struct {
    const char* section;
    const char* name;
    std::atomic<int>& field;
} Numbers[] = {{"Game", "AngLimit", GameSettings.AngLimit},     {"Game", "Duration", GameSettings.Duration},
               {"Game", "Mistrials", GameSettings.Mistrials},   {"Game", "WordLimit", GameSettings.WordLimit},
               {"Game", "UseDuration", GameSettings.UseDuration}, {"Game", "UseMistrials", GameSettings.UseMistrials},
               {"Menu", "UseSound", GameSettings.UseSound},     {"Menu", "UseHelp", GameSettings.UseHelp},
               {"Menu", "Uppercase", GameSettings.Uppercase},   {"Menu", "Substitute", GameSettings.Substitute},
               {"Menu", "Lax", GameSettings.Lax},               {"List", "Wordlist", GameSettings.Wordlist}};
const char* const Defaults = "3 1 1 10 0 0 1 1 0 0 0 0 ''";

class SectionsTest : public ::testing::Test {
protected:
    void SetUp() override { m_old = SetSettingsStore(&m_store); }
    void TearDown() override
    {
        SetSettingsStore(m_old);
        GameSettings.ResetToDefaults();
    }
    // Every setting in one line after a load over values that show any value not read.
    static std::string Line(void (*load)())
    {
        for (auto& number : Numbers)
            number.field = 77;
        GameSettings.Listpath = "C:\\alt.txt";
        load();
        std::string line;
        for (const auto& number : Numbers)
            line += std::to_string(number.field.load()) + " ";
        return line + "'" + GameSettings.Listpath + "'";
    }
    static void LoadAll()
    {
        LoadGameSettings();
        LoadMenuSettings();
        LoadListSettings();
    }

    CMemoryRegistry m_store;
    CRegistry* m_old = nullptr;
};

TEST_F(SectionsTest, ValuesAreReadUnderTheirNamesAndSavedWhole)
{
    const std::string path = "C:\\" + std::string(300, 'p') + ".txt";
    for (size_t i = 0; i < 12; ++i)
        m_store.WriteDword(Numbers[i].section, Numbers[i].name, static_cast<uint32_t>(40 + i));
    m_store.WriteString("List", "Listpath", path);
    const std::string loaded = "40 41 42 43 44 45 46 47 48 49 50 51 '" + path + "'";
    EXPECT_EQ(loaded, Line(LoadAll));
    CMemoryRegistry fresh;
    SetSettingsStore(&fresh);
    SaveGameSettings();
    SaveMenuSettings();
    SaveListSettings();
    EXPECT_EQ(loaded, Line(LoadAll)) << "after a restart";
}

TEST_F(SectionsTest, EmptyStoreResetAndValuesOfTheWrongTypeGiveTheDefaults)
{
    EXPECT_EQ(Defaults, Line(LoadAll));
    EXPECT_EQ(Defaults, Line([] { GameSettings.ResetToDefaults(); }));
    m_store.WriteString("Game", "WordLimit", "12");
    m_store.WriteDword("List", "Listpath", 5);
    m_store.WriteDword("Game", "AngLimit", 0xFFFFFFFFu);
    EXPECT_EQ("-1 1 1 10 0 0 1 1 0 0 0 0 ''", Line(LoadAll)) << "a stored number is used unchanged";
    EXPECT_EQ("kein Text", m_store.ReadString("List", "Listpath", "kein Text"));
}

// Stored values of any type and size: only a four-byte DWORD is a number,
// only a REG_SZ a text, read up to its first zero byte.
TEST(RegistryValueTest, TypeAndSizeDecideWhatAValueMeans)
{
    const std::pair<uint32_t, std::string> values[] = {
        {4, std::string("\x78\x56\x34\x12", 4)},     {4, std::string("\x05\x00", 2)},
        {4, std::string("\x01\x00\x00\x00\x00", 5)}, {3, std::string("\x05\x00\x00\x00", 4)},
        {11, std::string("\x05\x00\x00\x00", 4)},    {1, std::string("C:\\a.txt\0rest", 13)},
        {1, "C:\\a.txt"},                            {1, "A"},
        {1, ""},                                     {2, std::string("%TEMP%\0", 7)},
    };
    std::string meanings;
    for (const auto& v : values) {
        uint32_t number = 99;
        std::string text = "old";
        const bool isNumber = DwordFromRegistryValue(v.first, v.second.data(), v.second.size(), number);
        const bool isText = StringFromRegistryValue(v.first, v.second.data(), v.second.size(), text);
        meanings += (isNumber ? std::to_string(number) : isText ? "'" + text + "'" : "-") + ";";
    }
    EXPECT_EQ("305419896;-;-;-;-;'C:\\a.txt';'C:\\a.txt';'A';'';-;", meanings);
}

} // namespace
