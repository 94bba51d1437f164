#include "settings/win/WinRegistry.h"
#include "settings/RegistryValue.h"

#include <vector>

static_assert(RegistryTypeString == REG_SZ && RegistryTypeDword == REG_DWORD, "registry type numbers");

namespace {

bool OpenForQuery(HKEY root, const std::string& path, RegKey& key)
{
    return RegOpenKeyExA(root, path.c_str(), 0, KEY_QUERY_VALUE, key.Receive()) == ERROR_SUCCESS;
}

// The type and every byte of a value. Asks for the size first, so a value
// of any length reads back whole.
bool QueryValue(HKEY root, const std::string& path, const char* name, DWORD& type, std::vector<char>& bytes)
{
    RegKey key;
    if (!OpenForQuery(root, path, key))
        return false;
    DWORD size = 0;
    if (RegQueryValueExA(key.Get(), name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return false;
    // The value may grow between the two queries; a few tries settle it.
    for (int attempt = 0; attempt < 4; ++attempt) {
        bytes.assign(static_cast<size_t>(size) + 1, '\0');
        DWORD got = size;
        const LONG result =
            RegQueryValueExA(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()), &got);
        if (result == ERROR_MORE_DATA) {
            size = got;
            continue;
        }
        if (result != ERROR_SUCCESS)
            return false;
        bytes.resize(got);
        return true;
    }
    return false;
}

bool QueryDword(HKEY root, const std::string& path, const char* name, uint32_t& value)
{
    DWORD type = 0;
    std::vector<char> bytes;
    return QueryValue(root, path, name, type, bytes) && DwordFromRegistryValue(type, bytes.data(), bytes.size(), value);
}

bool QueryString(HKEY root, const std::string& path, const char* name, std::string& value)
{
    DWORD type = 0;
    std::vector<char> bytes;
    return QueryValue(root, path, name, type, bytes) &&
           StringFromRegistryValue(type, bytes.data(), bytes.size(), value);
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
