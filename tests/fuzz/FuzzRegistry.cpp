// Registry values of any type and size, as the settings readers meet them:
// only a four-byte DWORD is a number, read little-endian; only a REG_SZ is a
// text, the bytes up to the first zero; anything else leaves the value alone.
#include "settings/RegistryValue.h"

#include <cstdlib>
#include <cstring>
#include <string>

// Records of [name][type][size, two bytes][bytes]; a short tail is cut.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    for (size_t at = 0; at + 4 <= size;) {
        const uint32_t type = data[at + 1];
        const size_t length = std::min(static_cast<size_t>(data[at + 2] | data[at + 3] << 8), size - at - 4);
        const std::string bytes(reinterpret_cast<const char*>(data + at + 4), length);
        at += 4 + length;

        uint32_t number = 0xDEADBEEFu;
        const bool isNumber = DwordFromRegistryValue(type, bytes.data(), bytes.size(), number);
        uint32_t expected = 0xDEADBEEFu;
        if (type == RegistryTypeDword && length == 4)
            std::memcpy(&expected, bytes.data(), 4); // the fuzzers run little-endian
        if (isNumber != (type == RegistryTypeDword && length == 4) || number != expected)
            std::abort();

        std::string text = "unchanged";
        const bool isText = StringFromRegistryValue(type, bytes.data(), bytes.size(), text);
        if (isText != (type == RegistryTypeString) || (isText && text != bytes.substr(0, bytes.find('\0'))) ||
            (!isText && text != "unchanged"))
            std::abort();
    }
    return 0;
}
