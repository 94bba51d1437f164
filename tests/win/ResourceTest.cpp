#include "res/resource.h"
#include <windows.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::string Bytes(int id, const char* type) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), type);
    if (!found)
        return {};
    return std::string(static_cast<const char*>(LockResource(LoadResource(module, found))), SizeofResource(module, found));
}

std::string LoadText(int id) {
    char buffer[1024] = {};
    return std::string(buffer, LoadStringA(GetModuleHandleA(nullptr), static_cast<UINT>(id), buffer, sizeof buffer));
}

uint32_t Little(const std::string& s, size_t at, int bytes) {
    uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(s[at + i]);
    return value;
}

TEST(Resources, MenuTipsManifestAndVersion) {
    for (int id : {IDD_GAME, IDD_LOADING, IDD_MESSAGE})
        EXPECT_FALSE(Bytes(id, RT_DIALOG).empty()) << "dialog " << id;
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINMENU));
    char text[128] = {};
    GetMenuStringA(menu, ID_OPT_LAX, text, sizeof text, MF_BYCOMMAND);
    EXPECT_STREQ(text, "Groß-/Kleinschreibung beim Eintragen &vernachlässigen");
    EXPECT_TRUE(GetMenuState(menu, ID_OPT_SOUND, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(GetMenuState(menu, ID_OPT_UPPERCASE, MF_BYCOMMAND) & MF_GRAYED);
    DestroyMenu(menu);

    // Tip texts are the program's own bytes; controls without a tip have none.
    EXPECT_EQ(LoadText(IDC_QUIT), "Schließt das Anagrilla-Fenster.\n(Alt+B)");
    EXPECT_EQ(LoadText(IDOK), "Speichert gemachte Änderungen\nund schließt das Dialogfenster.\n(ALT+Ü)");
    std::string missing;
    for (int id : {IDC_BACK, IDC_NEW, IDC_SHUFFLE, IDC_GIVEUP, IDC_ENTER, IDC_LETTERBAND, IDC_INPUT, IDC_RESULTLIST,
                   IDCANCEL, IDC_LISTPATH, IDC_BROWSE, IDC_STANDARDLIST, IDC_OWNLIST, IDC_SETTINGS_OK,
                   IDC_SETTINGS_CANCEL, IDC_USEDURATION, IDC_WORDLIMIT, IDC_ANGLIMIT, IDC_USEMISTRIALS, IDC_DURATION,
                   IDC_MISTRIALS_EDIT, IDC_STARTWORD, IDC_STARTGAME, IDC_STARTWORD_CANCEL})
        missing += LoadText(id).empty() ? std::to_string(id) + " " : "";
    for (int id : {IDC_STATUS, IDC_FOUND, IDC_TIME})
        missing += LoadText(id).empty() ? "" : "extra " + std::to_string(id);
    EXPECT_EQ("", missing);

    const std::string manifest = Bytes(1, MAKEINTRESOURCEA(24));
    // Common controls 6, Windows 7 and Windows 10/11.
    for (const char* part : {"Microsoft.Windows.Common-Controls", "version=\"6.0.0.0\"",
                             "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"})
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
    // The strings are read back as Explorer shows them by the release test.
    const std::string version = Bytes(1, RT_VERSION);
    // Fixed part: signature, structure version, file version 1.2.0.0; translation German, Unicode.
    EXPECT_NE(version.find(std::string("\xBD\x04\xEF\xFE\x00\x00\x01\x00\x02\x00\x01\x00\x00\x00\x00\x00", 16)),
              std::string::npos);
    EXPECT_NE(version.find(std::string("\x07\x04\xB0\x04", 4)), std::string::npos);
}

// Format tag, channels, rate, bits and length in hundredths of seconds of a RIFF WAVE.
std::vector<int> WaveFormat(const std::string& bytes) {
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") || bytes.compare(8, 4, "WAVE"))
        return {};
    std::vector<int> format(4);
    uint32_t samples = 0, data = 0, blockAlign = 1;
    for (size_t at = 12; at + 8 <= bytes.size();) {
        const uint32_t length = Little(bytes, at + 4, 4);
        if (length > bytes.size() - at - 8)
            return {};
        const std::string chunk = bytes.substr(at, 4);
        if (chunk == "fmt " && length >= 16) {
            format = {int(Little(bytes, at + 8, 2)), int(Little(bytes, at + 10, 2)), int(Little(bytes, at + 12, 4)),
                      int(Little(bytes, at + 22, 2))};
            blockAlign = Little(bytes, at + 20, 2);
        } else if (chunk == "fact" && length >= 4) {
            samples = Little(bytes, at + 8, 4);
        } else if (chunk == "data") {
            data = length;
        }
        at += 8 + length + (length & 1);
    }
    // ADPCM is stored in whole blocks, so a short sound may run a little long.
    const double seconds = format[0] == 1 ? double(data / blockAlign) / format[2] : double(samples) / format[2];
    format.push_back(static_cast<int>(seconds * 100 + 0.5));
    return format;
}

TEST(Resources, SoundsLetterIconsAndPictures) {
    // 2 Microsoft ADPCM (4 bits), 0x55 MPEG Layer 3, 1 PCM
    const struct {
        int id;
        std::vector<int> format;
    } sounds[] = {{IDW_KEY, {2, 2, 22050, 4, 4}},        {IDW_TIMEUP, {0x55, 1, 16000, 0, 200}},
                  {IDW_WARNING, {1, 1, 22050, 8, 50}},    {IDW_SHUFFLE, {1, 1, 22255, 8, 20}},
                  {IDW_ACCEPTED, {0x55, 1, 16000, 0, 220}}, {IDW_BACK, {2, 2, 22050, 4, 20}},
                  {IDW_UNKNOWN, {1, 1, 22050, 8, 40}},    {IDW_ALLFOUND, {0x55, 1, 16000, 0, 410}},
                  {IDW_GIVEUP, {0x55, 1, 16000, 0, 140}}, {IDW_LOST, {0x55, 1, 16000, 0, 210}}};
    for (const auto& sound : sounds)
        EXPECT_EQ(sound.format, WaveFormat(Bytes(sound.id, "WAVE"))) << sound.id;

    // One 32 x 32 icon of 16 colours for each of the 59 letters, each its own picture.
    const std::string letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz\xC4\xD6\xDC\xE4\xF6\xFC\xDF";
    std::vector<std::string> pictures;
    for (int byte = 1; byte < 256; ++byte) {
        const std::string group = Bytes(IDI_LETTER_BASE + byte, RT_GROUP_ICON);
        const bool letter = letters.find(static_cast<char>(byte)) != std::string::npos;
        ASSERT_EQ(letter, group.size() >= 20) << byte;
        if (!letter)
            continue;
        EXPECT_EQ("1 32 32 16 4", std::to_string(Little(group, 4, 2)) + " " + std::to_string(Little(group, 6, 1)) +
                                      " " + std::to_string(Little(group, 7, 1)) + " " +
                                      std::to_string(Little(group, 8, 1)) + " " + std::to_string(Little(group, 12, 2)));
        pictures.push_back(Bytes(static_cast<int>(Little(group, 18, 2)), RT_ICON));
    }
    EXPECT_TRUE(Bytes(IDI_LETTER_BASE, RT_GROUP_ICON).empty());
    std::sort(pictures.begin(), pictures.end());
    EXPECT_EQ(59, std::unique(pictures.begin(), pictures.end()) - pictures.begin());

    HINSTANCE self = GetModuleHandleA(nullptr);
    for (int id : {IDI_APP, IDI_MSG_NOTICE, IDI_MSG_ERROR, IDI_MSG_QUESTION})
        EXPECT_EQ(32u, Little(Bytes(id, RT_GROUP_ICON) + std::string(7, '\0'), 6, 1)) << id;
    const struct {
        int id, width, height;
    } bitmaps[] = {{IDB_WARNING, 32, 32}, {IDB_LOGO, 75, 19}};
    for (const auto& expected : bitmaps) {
        HBITMAP bitmap = LoadBitmapA(self, MAKEINTRESOURCEA(expected.id));
        BITMAP info{};
        GetObjectA(bitmap, sizeof(info), &info);
        EXPECT_EQ(expected.width * 1000 + expected.height, info.bmWidth * 1000 + info.bmHeight) << expected.id;
        DeleteObject(bitmap);
    }
}

} // namespace
