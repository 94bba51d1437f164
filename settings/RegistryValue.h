#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// Registry value types by their numbers in the Windows registry.
constexpr uint32_t RegistryTypeString = 1; // REG_SZ
constexpr uint32_t RegistryTypeDword = 4;  // REG_DWORD

// What a stored value of any type and size means to the settings readers.
// Only a DWORD of exactly four bytes is a number; anything else stored
// under the name counts as missing.
bool DwordFromRegistryValue(uint32_t type, const void* bytes, size_t size, uint32_t& value);
// A text is a REG_SZ up to its first zero byte; stored texts need not end
// in one.
bool StringFromRegistryValue(uint32_t type, const void* bytes, size_t size, std::string& value);
