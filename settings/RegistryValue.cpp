#include "settings/RegistryValue.h"

#include <cstring>

bool DwordFromRegistryValue(uint32_t type, const void* bytes, size_t size, uint32_t& value)
{
    if (type != RegistryTypeDword || size != 4 || !bytes)
        return false;
    // The registry stores a DWORD little-endian, whatever reads it.
    const auto* b = static_cast<const unsigned char*>(bytes);
    value = static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 | static_cast<uint32_t>(b[2]) << 16 |
            static_cast<uint32_t>(b[3]) << 24;
    return true;
}

bool StringFromRegistryValue(uint32_t type, const void* bytes, size_t size, std::string& value)
{
    if (type != RegistryTypeString)
        return false;
    // An empty value may come without a buffer at all.
    if (size == 0) {
        value.clear();
        return true;
    }
    const char* text = static_cast<const char*>(bytes);
    const void* zero = std::memchr(text, '\0', size);
    value.assign(text, zero ? static_cast<size_t>(static_cast<const char*>(zero) - text) : size);
    return true;
}
