// Resources no scenario reads: the release test and the window tests open the
// dialogs, menus, tips and the letter icons of their rounds.
#include "res/resource.h"
#include <windows.h>
#include <gtest/gtest.h>
#include <string>

namespace {

std::string Bytes(int id, const char* type) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), type);
    return found ? std::string(static_cast<const char*>(LockResource(LoadResource(module, found))),
                               SizeofResource(module, found))
                 : std::string();
}

TEST(Resources, ManifestAndVersion) {
    const std::string manifest = Bytes(1, MAKEINTRESOURCEA(24));
    // Common controls 6, Windows 7 and Windows 10/11.
    for (const char* part : {"Microsoft.Windows.Common-Controls", "version=\"6.0.0.0\"",
                             "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"})
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
    // Fixed part: signature, structure version, file version 1.2.0.0.
    EXPECT_NE(Bytes(1, RT_VERSION).find(std::string("\xBD\x04\xEF\xFE\x00\x00\x01\x00\x02\x00\x01\x00\x00\x00\x00\x00", 16)),
              std::string::npos);
}

} // namespace
