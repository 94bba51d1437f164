#include "settings/Registry.h"

namespace {
CRegistry* g_store = nullptr;
}

uint32_t CMemoryRegistry::ReadDword(const char* section, const char* name, uint32_t defaultValue)
{
    const auto it = m_values.find({section, name});
    if (it == m_values.end() || !it->second.isNumber)
        return defaultValue;
    return it->second.number;
}

std::string CMemoryRegistry::ReadString(const char* section, const char* name, const std::string& defaultValue)
{
    const auto it = m_values.find({section, name});
    if (it == m_values.end() || it->second.isNumber)
        return defaultValue;
    return it->second.text;
}

void CMemoryRegistry::WriteDword(const char* section, const char* name, uint32_t value)
{
    Value& stored = m_values[{section, name}];
    stored.isNumber = true;
    stored.number = value;
    stored.text.clear();
}

void CMemoryRegistry::WriteString(const char* section, const char* name, const std::string& value)
{
    Value& stored = m_values[{section, name}];
    stored.isNumber = false;
    stored.number = 0;
    stored.text = value;
}

CRegistry* SetSettingsStore(CRegistry* store)
{
    CRegistry* old = g_store;
    g_store = store;
    return old;
}

CRegistry& SettingsStore()
{
    static CMemoryRegistry memoryStore;
    return g_store ? *g_store : memoryStore;
}
