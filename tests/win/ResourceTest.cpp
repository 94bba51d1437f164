// Resources no scenario reads: the release test and the window tests open the
// dialogs, menus, tips and the letters of their rounds.
#include "res/resource.h"
#include <windows.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <vector>

namespace {

std::string Bytes(int id, const char* type) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), type);
    return found ? std::string(static_cast<const char*>(LockResource(LoadResource(module, found))),
                               SizeofResource(module, found))
                 : std::string();
}

TEST(Resources, ManifestVersionSoundsAndLetterIcons) {
    const std::string manifest = Bytes(1, MAKEINTRESOURCEA(24));
    // Common controls 6, Windows 7 and Windows 10/11.
    for (const char* part : {"Microsoft.Windows.Common-Controls", "version=\"6.0.0.0\"",
                             "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"})
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
    // Fixed part: signature, structure version, file version 1.2.0.0; translation German, Unicode.
    const std::string version = Bytes(1, RT_VERSION);
    EXPECT_NE(version.find(std::string("\xBD\x04\xEF\xFE\x00\x00\x01\x00\x02\x00\x01\x00\x00\x00\x00\x00", 16)),
              std::string::npos);
    EXPECT_NE(version.find(std::string("\x07\x04\xB0\x04", 4)), std::string::npos);

    std::string notWaves;
    for (int id : {IDW_KEY, IDW_TIMEUP, IDW_WARNING, IDW_SHUFFLE, IDW_ACCEPTED, IDW_BACK, IDW_UNKNOWN, IDW_ALLFOUND,
                   IDW_GIVEUP, IDW_LOST}) {
        const std::string wave = Bytes(id, "WAVE");
        notWaves += wave.size() > 44 && wave.compare(0, 4, "RIFF") == 0 && wave.compare(8, 4, "WAVE") == 0
                        ? ""
                        : std::to_string(id) + " ";
    }
    EXPECT_EQ("", notWaves);

    // One 32 x 32 icon of 16 colours for each of the 59 letters and no other byte, each its own picture.
    const std::string letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz\xC4\xD6\xDC\xE4\xF6\xFC\xDF";
    std::vector<std::string> pictures;
    std::string wrong;
    for (int byte = 0; byte < 256; ++byte) {
        const std::string group = Bytes(IDI_LETTER_BASE + byte, RT_GROUP_ICON);
        const bool letter = byte && letters.find(static_cast<char>(byte)) != std::string::npos;
        if (letter != (group.size() >= 20) || (letter && group.compare(4, 5, std::string("\1\0\x20\x20\x10", 5))))
            wrong += std::to_string(byte) + " ";
        if (letter && group.size() >= 20)
            pictures.push_back(Bytes(static_cast<unsigned char>(group[18]) | static_cast<unsigned char>(group[19]) << 8,
                                     RT_ICON));
    }
    EXPECT_EQ("", wrong);
    std::sort(pictures.begin(), pictures.end());
    EXPECT_EQ(59, std::unique(pictures.begin(), pictures.end()) - pictures.begin());
}

} // namespace
