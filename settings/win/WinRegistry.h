#pragma once
#include "settings/Registry.h"

#include <windows.h>

#include <string>

// An open registry key, closed when it goes.
class RegKey {
public:
    RegKey() = default;
    ~RegKey() { Close(); }
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;

    HKEY Get() const { return m_key; }
    // For the functions that hand out a new key.
    HKEY* Receive()
    {
        Close();
        return &m_key;
    }
    void Close()
    {
        if (m_key)
            RegCloseKey(m_key);
        m_key = nullptr;
    }

private:
    HKEY m_key = nullptr;
};

// The settings below "<base path>\<section>" of the machine root. Where the
// machine root cannot be written (a standard user below
// HKEY_LOCAL_MACHINE), the value goes to the same path below the user root,
// and a value found below the user root wins when reading; once a value has
// a copy there, writes keep that copy current too.
class CWinRegistry : public CRegistry {
public:
    explicit CWinRegistry(const char* basePath = SettingsBasePath, HKEY machineRoot = HKEY_LOCAL_MACHINE,
                          HKEY userRoot = HKEY_CURRENT_USER);

    uint32_t ReadDword(const char* section, const char* name, uint32_t defaultValue) override;
    std::string ReadString(const char* section, const char* name, const std::string& defaultValue) override;
    void WriteDword(const char* section, const char* name, uint32_t value) override;
    void WriteString(const char* section, const char* name, const std::string& value) override;

protected:
    // Creates or opens the key for writing; tests replace it to refuse a root.
    virtual LONG CreateKeyForWrite(HKEY root, const std::string& path, RegKey& key);

private:
    std::string KeyPath(const char* section) const;
    void Write(const char* section, const char* name, DWORD type, const BYTE* data, DWORD size);
    bool SetValue(HKEY root, const std::string& path, const char* name, DWORD type, const BYTE* data, DWORD size);

    std::string m_basePath;
    HKEY m_machineRoot;
    HKEY m_userRoot;
};

// The game's own store: HKEY_LOCAL_MACHINE\Software\Anagrilla.
CRegistry& MachineRegistry();
