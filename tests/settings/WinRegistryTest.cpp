#include "settings/GameSettings.h"
#include "settings/SettingsSections.h"
#include "settings/win/WinRegistry.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Refuses to create keys below the machine root, as Windows does for a
// standard user below HKEY_LOCAL_MACHINE.
class MachineReadOnlyRegistry : public CWinRegistry {
public:
    using CWinRegistry::CWinRegistry;

protected:
    LONG CreateKeyForWrite(HKEY root, const std::string& path, RegKey& key) override
    {
        if (root == HKEY_LOCAL_MACHINE)
            return ERROR_ACCESS_DENIED;
        return CWinRegistry::CreateKeyForWrite(root, path, key);
    }
};

// A base path of the test's own, removed from both roots before and after.
class WinRegistryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_base = "Software\\AnagrillaTest" + std::to_string(GetCurrentProcessId());
        RemoveKeys();
        GameSettings.ResetToDefaults();
    }
    void TearDown() override
    {
        RemoveKeys();
        SetSettingsStore(nullptr);
        GameSettings.ResetToDefaults();
    }
    void RemoveKeys()
    {
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, m_base.c_str());
        RegDeleteTreeA(HKEY_CURRENT_USER, m_base.c_str());
    }

    // Puts a raw value where the program will look for it.
    void Put(HKEY root, const char* section, const char* name, DWORD type, const void* data, DWORD size)
    {
        RegKey key;
        const std::string path = m_base + "\\" + section;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                                 KEY_ALL_ACCESS, nullptr, key.Receive(), nullptr));
        ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key.Get(), name, 0, type, static_cast<const BYTE*>(data), size));
    }

    // Type and size of a stored value; type REG_NONE when it is missing.
    std::pair<DWORD, DWORD> Stored(HKEY root, const char* section, const char* name)
    {
        RegKey key;
        const std::string path = m_base + "\\" + section;
        DWORD type = REG_NONE, size = 0;
        if (RegOpenKeyExA(root, path.c_str(), 0, KEY_QUERY_VALUE, key.Receive()) != ERROR_SUCCESS ||
            RegQueryValueExA(key.Get(), name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            return {REG_NONE, 0};
        return {type, size};
    }

    std::string m_base;
};

TEST_F(WinRegistryTest, EmptyRegistryGivesDefaultsAndWritesNothing)
{
    CWinRegistry registry(m_base.c_str());
    SetSettingsStore(&registry);
    GameSettings.AngLimit = 6;
    GameSettings.UseHelp = 0;
    GameSettings.Listpath = "alt";
    LoadGameSettings();
    LoadMenuSettings();
    LoadListSettings();
    EXPECT_EQ(3, GameSettings.AngLimit);
    EXPECT_EQ(10, GameSettings.WordLimit);
    EXPECT_EQ(1, GameSettings.UseHelp);
    EXPECT_EQ("", GameSettings.Listpath);
    RegKey key;
    EXPECT_NE(ERROR_SUCCESS, RegOpenKeyExA(HKEY_LOCAL_MACHINE, m_base.c_str(), 0, KEY_READ, key.Receive()))
        << "loading creates no keys";
}

TEST_F(WinRegistryTest, SectionsLandBelowTheMachineKeyWithTheirTypes)
{
    CWinRegistry registry(m_base.c_str());
    SetSettingsStore(&registry);
    GameSettings.WordLimit = 12;
    GameSettings.Lax = 1;
    GameSettings.Wordlist = 1;
    GameSettings.Listpath = "C:\\Listen\\w.txt";
    SaveGameSettings();
    SaveMenuSettings();
    SaveListSettings();
    EXPECT_EQ(std::make_pair(DWORD{REG_DWORD}, DWORD{4}), Stored(HKEY_LOCAL_MACHINE, "Game", "WordLimit"));
    EXPECT_EQ(std::make_pair(DWORD{REG_DWORD}, DWORD{4}), Stored(HKEY_LOCAL_MACHINE, "Menu", "Lax"));
    EXPECT_EQ(std::make_pair(DWORD{REG_SZ}, DWORD{16}), Stored(HKEY_LOCAL_MACHINE, "List", "Listpath"))
        << "the text and its zero byte";
    EXPECT_EQ(DWORD{REG_NONE}, Stored(HKEY_CURRENT_USER, "Game", "WordLimit").first)
        << "nothing below the user while the machine key is writable";

    GameSettings.ResetToDefaults();
    LoadGameSettings();
    LoadMenuSettings();
    LoadListSettings();
    EXPECT_EQ(12, GameSettings.WordLimit);
    EXPECT_EQ(1, GameSettings.Lax);
    EXPECT_EQ(1, GameSettings.Wordlist);
    EXPECT_EQ("C:\\Listen\\w.txt", GameSettings.Listpath);
}

TEST_F(WinRegistryTest, LongListpathReadsBackWhole)
{
    CWinRegistry registry(m_base.c_str());
    for (size_t length : {255u, 256u, 300u, 5000u}) {
        const std::string path = "C:\\" + std::string(length - 7, 'x') + ".txt";
        registry.WriteString("List", "Listpath", path);
        EXPECT_EQ(path, CWinRegistry(m_base.c_str()).ReadString("List", "Listpath", "")) << length;
    }
}

TEST_F(WinRegistryTest, UnwritableMachineKeyFallsBackToTheUser)
{
    Put(HKEY_LOCAL_MACHINE, "Game", "Duration", REG_DWORD, "\x07\x00\x00\x00", 4);
    MachineReadOnlyRegistry registry(m_base.c_str());
    SetSettingsStore(&registry);
    GameSettings.AngLimit = 5;
    GameSettings.Listpath = "D:\\eigen.txt";
    SaveGameSettings();
    SaveListSettings();
    EXPECT_EQ(DWORD{REG_NONE}, Stored(HKEY_LOCAL_MACHINE, "Game", "AngLimit").first);
    EXPECT_EQ(std::make_pair(DWORD{REG_DWORD}, DWORD{4}), Stored(HKEY_CURRENT_USER, "Game", "AngLimit"));
    EXPECT_EQ(std::make_pair(DWORD{REG_SZ}, DWORD{13}), Stored(HKEY_CURRENT_USER, "List", "Listpath"));

    // The next start: the user's values win, machine-wide ones still count.
    Put(HKEY_LOCAL_MACHINE, "Game", "AngLimit", REG_DWORD, "\x04\x00\x00\x00", 4);
    Put(HKEY_LOCAL_MACHINE, "Menu", "UseSound", REG_DWORD, "\x00\x00\x00\x00", 4);
    GameSettings.ResetToDefaults();
    CWinRegistry restarted(m_base.c_str());
    SetSettingsStore(&restarted);
    LoadGameSettings();
    LoadMenuSettings();
    LoadListSettings();
    EXPECT_EQ(5, GameSettings.AngLimit) << "the user's copy wins";
    EXPECT_EQ(0, GameSettings.UseSound) << "a machine-wide value without a user copy";
    EXPECT_EQ(1, GameSettings.Duration) << "written below the user as well, with the value of that time";
    EXPECT_EQ("D:\\eigen.txt", GameSettings.Listpath);
}

TEST_F(WinRegistryTest, WritableMachineKeyKeepsAUserCopyCurrent)
{
    Put(HKEY_CURRENT_USER, "Game", "AngLimit", REG_DWORD, "\x05\x00\x00\x00", 4);
    CWinRegistry registry(m_base.c_str());
    registry.WriteDword("Game", "AngLimit", 6);
    EXPECT_EQ(6u, registry.ReadDword("Game", "AngLimit", 3));
    EXPECT_EQ(6u, MachineReadOnlyRegistry(m_base.c_str()).ReadDword("Game", "AngLimit", 3));
    EXPECT_EQ(std::make_pair(DWORD{REG_DWORD}, DWORD{4}), Stored(HKEY_LOCAL_MACHINE, "Game", "AngLimit"));
}

TEST_F(WinRegistryTest, StrangeValuesReadAsDefaults)
{
    Put(HKEY_LOCAL_MACHINE, "Game", "WordLimit", REG_SZ, "12", 3);
    Put(HKEY_LOCAL_MACHINE, "Game", "AngLimit", REG_DWORD, "\x05\x00", 2);
    Put(HKEY_LOCAL_MACHINE, "Game", "Duration", REG_BINARY, "\x09\x00\x00\x00\x00\x00\x00\x00", 8);
    Put(HKEY_LOCAL_MACHINE, "Game", "Mistrials", REG_DWORD, "\x0C\x00\x00\x00", 4);
    Put(HKEY_LOCAL_MACHINE, "List", "Listpath", REG_DWORD, "\x41\x42\x43\x44", 4);
    Put(HKEY_LOCAL_MACHINE, "List", "Wordlist", REG_SZ, "1", 2);
    CWinRegistry registry(m_base.c_str());
    SetSettingsStore(&registry);
    LoadGameSettings();
    LoadListSettings();
    EXPECT_EQ(10, GameSettings.WordLimit) << "a text where a number belongs";
    EXPECT_EQ(3, GameSettings.AngLimit) << "a DWORD of two bytes";
    EXPECT_EQ(1, GameSettings.Duration) << "eight bytes";
    EXPECT_EQ(12, GameSettings.Mistrials) << "out of range, used unchanged";
    EXPECT_EQ("", GameSettings.Listpath) << "a number where a text belongs";
    EXPECT_EQ(0, GameSettings.Wordlist);

    Put(HKEY_LOCAL_MACHINE, "List", "Listpath", REG_SZ, "C:\\a.txt", 8); // no zero byte
    LoadListSettings();
    EXPECT_EQ("C:\\a.txt", GameSettings.Listpath);
}

} // namespace
