// Registry values of any type and size under the settings' names: loading
// never fails, a loaded text holds no zero byte, and what the sections save
// loads back unchanged.
#include "settings/GameSettings.h"
#include "settings/Registry.h"
#include "settings/RegistryValue.h"
#include "settings/SettingsSections.h"

#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

const char* const Names[][2] = {
    {"Game", "AngLimit"},     {"Game", "Duration"},  {"Game", "Mistrials"},  {"Game", "WordLimit"},
    {"Game", "UseDuration"},  {"Game", "UseMistrials"}, {"Menu", "UseSound"}, {"Menu", "UseHelp"},
    {"Menu", "Uppercase"},    {"Menu", "Substitute"}, {"Menu", "Lax"},       {"List", "Wordlist"},
    {"List", "Listpath"}};

// Values as the registry keeps them: a type number and raw bytes.
class RawRegistry : public CRegistry {
public:
    struct Raw {
        uint32_t type;
        std::string bytes;
    };
    std::map<std::pair<std::string, std::string>, Raw> values;

    uint32_t ReadDword(const char* section, const char* name, uint32_t defaultValue) override
    {
        const auto it = values.find({section, name});
        uint32_t value = 0;
        if (it == values.end() ||
            !DwordFromRegistryValue(it->second.type, it->second.bytes.data(), it->second.bytes.size(), value))
            return defaultValue;
        return value;
    }
    std::string ReadString(const char* section, const char* name, const std::string& defaultValue) override
    {
        const auto it = values.find({section, name});
        std::string value;
        if (it == values.end() ||
            !StringFromRegistryValue(it->second.type, it->second.bytes.data(), it->second.bytes.size(), value))
            return defaultValue;
        return value;
    }
    void WriteDword(const char* section, const char* name, uint32_t value) override
    {
        const char bytes[4] = {static_cast<char>(value), static_cast<char>(value >> 8), static_cast<char>(value >> 16),
                               static_cast<char>(value >> 24)};
        values[{section, name}] = {RegistryTypeDword, std::string(bytes, 4)};
    }
    void WriteString(const char* section, const char* name, const std::string& value) override
    {
        values[{section, name}] = {RegistryTypeString, value + '\0'};
    }
};

std::vector<int> Numbers()
{
    const GameSettingsRecord& s = GameSettings;
    return {s.AngLimit,   s.Duration,  s.Mistrials, s.WordLimit, s.UseDuration, s.UseMistrials, s.UseSound,
            s.UseHelp,    s.Uppercase, s.Substitute, s.Lax,      s.Wordlist};
}

void LoadAll()
{
    LoadGameSettings();
    LoadMenuSettings();
    LoadListSettings();
}

} // namespace

// Records of [name][type][size, two bytes][bytes]; a short tail is cut.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    RawRegistry store;
    size_t at = 0;
    while (at + 4 <= size) {
        const auto& name = Names[data[at] % (sizeof Names / sizeof Names[0])];
        const uint32_t type = data[at + 1];
        size_t length = static_cast<size_t>(data[at + 2]) | static_cast<size_t>(data[at + 3]) << 8;
        at += 4;
        if (length > size - at)
            length = size - at;
        store.values[{name[0], name[1]}] = {type, std::string(reinterpret_cast<const char*>(data + at), length)};
        at += length;
    }
    CRegistry* before = SetSettingsStore(&store);
    GameSettings.ResetToDefaults();
    LoadAll();
    if (GameSettings.Listpath.find('\0') != std::string::npos)
        std::abort();
    const std::vector<int> loaded = Numbers();
    const std::string path = GameSettings.Listpath;
    SaveGameSettings();
    SaveMenuSettings();
    SaveListSettings();
    GameSettings.ResetToDefaults();
    LoadAll();
    if (Numbers() != loaded || GameSettings.Listpath != path)
        std::abort();
    SetSettingsStore(before);
    return 0;
}
