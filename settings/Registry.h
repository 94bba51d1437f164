#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <utility>

// The store behind the three settings sections. Each operation names its
// section and value; reads fall back to the default when the value is
// missing or is not of the asked type. Write failures are silent.
class CRegistry {
public:
    virtual ~CRegistry() = default;
    virtual uint32_t ReadDword(const char* section, const char* name, uint32_t defaultValue) = 0;
    virtual std::string ReadString(const char* section, const char* name, const std::string& defaultValue) = 0;
    virtual void WriteDword(const char* section, const char* name, uint32_t value) = 0;
    virtual void WriteString(const char* section, const char* name, const std::string& value) = 0;
};

// Base path of the program's sections.
constexpr char SettingsBasePath[] = "Software\\Anagrilla";

// Keeps the values in memory for the life of the process: the store of
// builds without a registry, and of tests.
class CMemoryRegistry : public CRegistry {
public:
    uint32_t ReadDword(const char* section, const char* name, uint32_t defaultValue) override;
    std::string ReadString(const char* section, const char* name, const std::string& defaultValue) override;
    void WriteDword(const char* section, const char* name, uint32_t value) override;
    void WriteString(const char* section, const char* name, const std::string& value) override;

private:
    struct Value {
        bool isNumber = false;
        uint32_t number = 0;
        std::string text;
    };
    std::map<std::pair<std::string, std::string>, Value> m_values;
};

// The store that the section functions use. Until one is installed, a
// process-wide memory store serves. Returns the store installed before;
// nullptr goes back to the memory store.
CRegistry* SetSettingsStore(CRegistry* store);
CRegistry& SettingsStore();
