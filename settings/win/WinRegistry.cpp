#include "settings/win/WinRegistry.h"

#include <vector>

namespace {

bool OpenForQuery(HKEY root, const std::string& path, RegKey& key)
{
    return RegOpenKeyExA(root, path.c_str(), 0, KEY_QUERY_VALUE, key.Receive()) == ERROR_SUCCESS;
}

// Only a DWORD of exactly four bytes is a number; anything else stored
// under the name counts as missing.
bool QueryDword(HKEY root, const std::string& path, const char* name, uint32_t& value)
{
    RegKey key;
    if (!OpenForQuery(root, path, key))
        return false;
    DWORD type = 0, data = 0, size = sizeof(data);
    if (RegQueryValueExA(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size) != ERROR_SUCCESS)
        return false;
    if (type != REG_DWORD || size != sizeof(data))
        return false;
    value = data;
    return true;
}

// Asks for the size first, so a text of any length reads back whole.
bool QueryString(HKEY root, const std::string& path, const char* name, std::string& value)
{
    RegKey key;
    if (!OpenForQuery(root, path, key))
        return false;
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key.Get(), name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS || type != REG_SZ)
        return false;
    // The value may grow between the two queries; a few tries settle it.
    for (int attempt = 0; attempt < 4; ++attempt) {
        std::vector<char> buffer(static_cast<size_t>(size) + 1, '\0');
        DWORD got = size;
        const LONG result =
            RegQueryValueExA(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &got);
        if (result == ERROR_MORE_DATA) {
            size = got;
            continue;
        }
        if (result != ERROR_SUCCESS || type != REG_SZ)
            return false;
        // Stored texts need not end in a zero byte; the extra one ends it.
        value.assign(buffer.data());
        return true;
    }
    return false;
}

bool ValueExists(HKEY root, const std::string& path, const char* name)
{
    RegKey key;
    return OpenForQuery(root, path, key) &&
           RegQueryValueExA(key.Get(), name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

} // namespace

CWinRegistry::CWinRegistry(const char* basePath, HKEY machineRoot, HKEY userRoot)
    : m_basePath(basePath), m_machineRoot(machineRoot), m_userRoot(userRoot)
{
}

std::string CWinRegistry::KeyPath(const char* section) const
{
    return m_basePath + "\\" + section;
}

uint32_t CWinRegistry::ReadDword(const char* section, const char* name, uint32_t defaultValue)
{
    const std::string path = KeyPath(section);
    uint32_t value;
    if (QueryDword(m_userRoot, path, name, value) || QueryDword(m_machineRoot, path, name, value))
        return value;
    return defaultValue;
}

std::string CWinRegistry::ReadString(const char* section, const char* name, const std::string& defaultValue)
{
    const std::string path = KeyPath(section);
    std::string value;
    if (QueryString(m_userRoot, path, name, value) || QueryString(m_machineRoot, path, name, value))
        return value;
    return defaultValue;
}

void CWinRegistry::WriteDword(const char* section, const char* name, uint32_t value)
{
    const DWORD data = value;
    Write(section, name, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof(data));
}

void CWinRegistry::WriteString(const char* section, const char* name, const std::string& value)
{
    // The text and its terminating zero byte.
    Write(section, name, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), static_cast<DWORD>(value.size() + 1));
}

void CWinRegistry::Write(const char* section, const char* name, DWORD type, const BYTE* data, DWORD size)
{
    const std::string path = KeyPath(section);
    if (!SetValue(m_machineRoot, path, name, type, data, size)) {
        SetValue(m_userRoot, path, name, type, data, size);
        return;
    }
    // A copy below the user root would win over the value just written.
    if (ValueExists(m_userRoot, path, name))
        SetValue(m_userRoot, path, name, type, data, size);
}

bool CWinRegistry::SetValue(HKEY root, const std::string& path, const char* name, DWORD type, const BYTE* data,
                            DWORD size)
{
    RegKey key;
    if (CreateKeyForWrite(root, path, key) != ERROR_SUCCESS)
        return false;
    return RegSetValueExA(key.Get(), name, 0, type, data, size) == ERROR_SUCCESS;
}

LONG CWinRegistry::CreateKeyForWrite(HKEY root, const std::string& path, RegKey& key)
{
    return RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                           key.Receive(), nullptr);
}

CRegistry& MachineRegistry()
{
    static CWinRegistry registry;
    return registry;
}
