#include "settings/GameSettings.h"
#include "settings/SettingsSections.h"
#include "settings/win/WinRegistry.h"

#include <gtest/gtest.h>

#include <cstdio>
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
    void SetUp() override { TearDown(); }
    void TearDown() override
    {
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, m_base.c_str());
        RegDeleteTreeA(HKEY_CURRENT_USER, m_base.c_str());
        SetSettingsStore(nullptr);
        GameSettings.ResetToDefaults();
    }

    // Puts a raw value where the program will look for it.
    void Put(HKEY root, const char* section, const char* name, DWORD type, const void* data, DWORD size)
    {
        ASSERT_EQ(ERROR_SUCCESS, RegSetKeyValueA(root, (m_base + "\\" + section).c_str(), name, type, data, size));
    }

    // Type and size of a stored value as "type/size", "-" when it is missing.
    std::string Stored(HKEY root, const char* section, const char* name)
    {
        DWORD type = REG_NONE, size = 0;
        return RegGetValueA(root, (m_base + "\\" + section).c_str(), name, RRF_RT_ANY | RRF_NOEXPAND, &type,
                            nullptr, &size) == ERROR_SUCCESS
                   ? std::to_string(type) + "/" + std::to_string(size)
                   : "-";
    }

    // Loads every section through the store.
    static std::string Loaded(CRegistry& store)
    {
        SetSettingsStore(&store);
        LoadGameSettings();
        LoadMenuSettings();
        LoadListSettings();
        char line[64];
        std::snprintf(line, sizeof line, "%d %d %d %d %d%d%d %d ", GameSettings.WordLimit.load(),
                      GameSettings.AngLimit.load(), GameSettings.Duration.load(), GameSettings.Mistrials.load(),
                      GameSettings.UseSound.load(), GameSettings.UseHelp.load(), GameSettings.Lax.load(),
                      GameSettings.Wordlist.load());
        return line + GameSettings.Listpath;
    }

    const std::string m_base = "Software\\AnagrillaTest" + std::to_string(GetCurrentProcessId());
};

TEST_F(WinRegistryTest, SectionsLandBelowTheMachineKeyWithTheirTypesAndReadBack)
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
    // The text with its zero byte; nothing below the user while the machine key is writable.
    EXPECT_EQ("4/4 4/4 1/16 -", Stored(HKEY_LOCAL_MACHINE, "Game", "WordLimit") + " " +
                                    Stored(HKEY_LOCAL_MACHINE, "Menu", "Lax") + " " +
                                    Stored(HKEY_LOCAL_MACHINE, "List", "Listpath") + " " +
                                    Stored(HKEY_CURRENT_USER, "Game", "WordLimit"));
    GameSettings.ResetToDefaults();
    EXPECT_EQ("12 3 1 1 111 1 C:\\Listen\\w.txt", Loaded(registry));

    // A Listpath longer than one buffer comes back whole.
    for (size_t length : {255u, 256u, 300u, 5000u}) {
        const std::string path = "C:\\" + std::string(length - 7, 'x') + ".txt";
        registry.WriteString("List", "Listpath", path);
        EXPECT_EQ(path, CWinRegistry(m_base.c_str()).ReadString("List", "Listpath", "")) << length;
    }
}

TEST_F(WinRegistryTest, UnwritableMachineKeyFallsBackToTheUserWhoseCopyWinsAndIsKeptCurrent)
{
    Put(HKEY_LOCAL_MACHINE, "Game", "Duration", REG_DWORD, "\x07\x00\x00\x00", 4);
    MachineReadOnlyRegistry registry(m_base.c_str());
    SetSettingsStore(&registry);
    GameSettings.AngLimit = 5;
    GameSettings.Listpath = "D:\\eigen.txt";
    SaveGameSettings();
    SaveListSettings();
    EXPECT_EQ("- 4/4 1/13", Stored(HKEY_LOCAL_MACHINE, "Game", "AngLimit") + " " +
                                Stored(HKEY_CURRENT_USER, "Game", "AngLimit") + " " +
                                Stored(HKEY_CURRENT_USER, "List", "Listpath"));

    // The next start: the user's values win (Duration was written there with
    // the value of that time), machine-wide ones without a user copy count.
    Put(HKEY_LOCAL_MACHINE, "Game", "AngLimit", REG_DWORD, "\x04\x00\x00\x00", 4);
    Put(HKEY_LOCAL_MACHINE, "Menu", "UseSound", REG_DWORD, "\x00\x00\x00\x00", 4);
    GameSettings.ResetToDefaults();
    CWinRegistry restarted(m_base.c_str());
    EXPECT_EQ("10 5 1 1 010 0 D:\\eigen.txt", Loaded(restarted));

    // A machine write that succeeds updates the user's copy too.
    restarted.WriteDword("Game", "AngLimit", 6);
    EXPECT_EQ(6u, registry.ReadDword("Game", "AngLimit", 3));
    EXPECT_EQ("4/4", Stored(HKEY_LOCAL_MACHINE, "Game", "AngLimit"));
}

TEST_F(WinRegistryTest, StrangeValuesReadAsDefaults)
{
    Put(HKEY_LOCAL_MACHINE, "Game", "WordLimit", REG_SZ, "12", 3);                          // text for a number
    Put(HKEY_LOCAL_MACHINE, "Game", "AngLimit", REG_DWORD, "\x05\x00", 2);                   // two bytes
    Put(HKEY_LOCAL_MACHINE, "Game", "Duration", REG_BINARY, "\x09\x00\x00\x00\x00\x00\x00\x00", 8);
    Put(HKEY_LOCAL_MACHINE, "Game", "Mistrials", REG_DWORD, "\x0C\x00\x00\x00", 4);          // used unchanged
    Put(HKEY_LOCAL_MACHINE, "List", "Listpath", REG_DWORD, "\x41\x42\x43\x44", 4);           // number for a text

    CWinRegistry registry(m_base.c_str());
    EXPECT_EQ("10 3 1 12 110 0 ", Loaded(registry));
    Put(HKEY_LOCAL_MACHINE, "List", "Listpath", REG_SZ, "C:\\a.txt", 8); // no zero byte
    EXPECT_EQ("10 3 1 12 110 0 C:\\a.txt", Loaded(registry));
}

} // namespace
