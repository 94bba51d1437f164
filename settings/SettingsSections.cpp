#include "settings/SettingsSections.h"

#include "settings/GameSettings.h"
#include "settings/Registry.h"

#include <atomic>
#include <cstdint>

namespace {

constexpr char GameSection[] = "Game";
constexpr char MenuSection[] = "Menu";
constexpr char ListSection[] = "List";

// Numbers are stored as DWORDs: a stored 0xFFFFFFFF reads back as -1.
void Load(const char* section, const char* name, std::atomic<int>& field, int defaultValue)
{
    field = static_cast<int>(SettingsStore().ReadDword(section, name, static_cast<uint32_t>(defaultValue)));
}

void Save(const char* section, const char* name, const std::atomic<int>& field)
{
    SettingsStore().WriteDword(section, name, static_cast<uint32_t>(field.load()));
}

} // namespace

void LoadGameSettings()
{
    Load(GameSection, "AngLimit", GameSettings.AngLimit, 3);
    Load(GameSection, "Duration", GameSettings.Duration, 1);
    Load(GameSection, "Mistrials", GameSettings.Mistrials, 1);
    Load(GameSection, "WordLimit", GameSettings.WordLimit, 10);
    Load(GameSection, "UseDuration", GameSettings.UseDuration, 0);
    Load(GameSection, "UseMistrials", GameSettings.UseMistrials, 0);
}

void SaveGameSettings()
{
    Save(GameSection, "AngLimit", GameSettings.AngLimit);
    Save(GameSection, "Duration", GameSettings.Duration);
    Save(GameSection, "Mistrials", GameSettings.Mistrials);
    Save(GameSection, "WordLimit", GameSettings.WordLimit);
    Save(GameSection, "UseDuration", GameSettings.UseDuration);
    Save(GameSection, "UseMistrials", GameSettings.UseMistrials);
}

void LoadMenuSettings()
{
    Load(MenuSection, "UseSound", GameSettings.UseSound, 1);
    Load(MenuSection, "UseHelp", GameSettings.UseHelp, 1);
    Load(MenuSection, "Uppercase", GameSettings.Uppercase, 0);
    Load(MenuSection, "Substitute", GameSettings.Substitute, 0);
    Load(MenuSection, "Lax", GameSettings.Lax, 0);
}

void SaveMenuSettings()
{
    Save(MenuSection, "UseSound", GameSettings.UseSound);
    Save(MenuSection, "UseHelp", GameSettings.UseHelp);
    Save(MenuSection, "Uppercase", GameSettings.Uppercase);
    Save(MenuSection, "Substitute", GameSettings.Substitute);
    Save(MenuSection, "Lax", GameSettings.Lax);
}

void LoadListSettings()
{
    Load(ListSection, "Wordlist", GameSettings.Wordlist, 0);
    GameSettings.Listpath = SettingsStore().ReadString(ListSection, "Listpath", std::string());
}

void SaveListSettings()
{
    Save(ListSection, "Wordlist", GameSettings.Wordlist);
    SettingsStore().WriteString(ListSection, "Listpath", GameSettings.Listpath);
}
