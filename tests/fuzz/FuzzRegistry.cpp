// Registry values of any type and size under the settings' names: loading
// never fails, a loaded text holds no zero byte, and what the sections save
// loads back unchanged.
#include "settings/GameSettings.h"
#include "settings/Registry.h"
#include "settings/RegistryValue.h"
#include "settings/SettingsSections.h"

#include <cstdlib>
#include <map>
#include <string>
#include <utility>

namespace {

const char* const Names[][2] = {
    {"Game", "AngLimit"},    {"Game", "Duration"},   {"Game", "Mistrials"},    {"Game", "WordLimit"},
    {"Game", "UseDuration"}, {"Game", "UseMistrials"}, {"Menu", "UseSound"},   {"Menu", "UseHelp"},
    {"Menu", "Uppercase"},   {"Menu", "Substitute"}, {"Menu", "Lax"},          {"List", "Wordlist"},
    {"List", "Listpath"}};

// Values as the registry keeps them: a type number and raw bytes.
class RawRegistry : public CRegistry {
public:
    std::map<std::pair<std::string, std::string>, std::pair<uint32_t, std::string>> values;

    uint32_t ReadDword(const char* section, const char* name, uint32_t defaultValue) override
    {
        const auto* raw = Find(section, name);
        uint32_t value = 0;
        return raw && DwordFromRegistryValue(raw->first, raw->second.data(), raw->second.size(), value) ? value
                                                                                                       : defaultValue;
    }
    std::string ReadString(const char* section, const char* name, const std::string& defaultValue) override
    {
        const auto* raw = Find(section, name);
        std::string value;
        return raw && StringFromRegistryValue(raw->first, raw->second.data(), raw->second.size(), value) ? value
                                                                                                        : defaultValue;
    }
    void WriteDword(const char* section, const char* name, uint32_t value) override
    {
        std::string bytes(4, '\0');
        for (int i = 0; i < 4; ++i)
            bytes[i] = static_cast<char>(value >> (8 * i));
        values[{section, name}] = {RegistryTypeDword, bytes};
    }
    void WriteString(const char* section, const char* name, const std::string& value) override
    {
        values[{section, name}] = {RegistryTypeString, value + '\0'};
    }

private:
    const std::pair<uint32_t, std::string>* Find(const char* section, const char* name) const
    {
        const auto it = values.find({section, name});
        return it == values.end() ? nullptr : &it->second;
    }
};

// Every setting in one line.
std::string LoadAll()
{
    GameSettings.ResetToDefaults();
    LoadGameSettings();
    LoadMenuSettings();
    LoadListSettings();
    std::string line;
    for (const auto* field : {&GameSettings.AngLimit, &GameSettings.Duration, &GameSettings.Mistrials,
                              &GameSettings.WordLimit, &GameSettings.UseDuration, &GameSettings.UseMistrials,
                              &GameSettings.UseSound, &GameSettings.UseHelp, &GameSettings.Uppercase,
                              &GameSettings.Substitute, &GameSettings.Lax, &GameSettings.Wordlist})
        line += std::to_string(field->load()) + " ";
    return line + GameSettings.Listpath;
}

} // namespace

// Records of [name][type][size, two bytes][bytes]; a short tail is cut.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    RawRegistry store;
    for (size_t at = 0; at + 4 <= size;) {
        const auto& name = Names[data[at] % (sizeof Names / sizeof Names[0])];
        const size_t length = std::min(static_cast<size_t>(data[at + 2] | data[at + 3] << 8), size - at - 4);
        store.values[{name[0], name[1]}] = {data[at + 1], std::string(reinterpret_cast<const char*>(data + at + 4), length)};
        at += 4 + length;
    }
    CRegistry* before = SetSettingsStore(&store);
    const std::string loaded = LoadAll();
    if (GameSettings.Listpath.find('\0') != std::string::npos)
        std::abort();
    SaveGameSettings();
    SaveMenuSettings();
    SaveListSettings();
    if (LoadAll() != loaded)
        std::abort();
    SetSettingsStore(before);
    return 0;
}
