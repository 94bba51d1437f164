#include "res/resource.h"
#include <windows.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <cstring>
#include <vector>
#include <string>

namespace {

struct ResourceBytes {
    const unsigned char* data = nullptr;
    DWORD size = 0;
};

ResourceBytes FindBytes(int id, const char* type) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), type);
    if (!found)
        return {};
    HGLOBAL loaded = LoadResource(module, found);
    return {static_cast<const unsigned char*>(LockResource(loaded)), SizeofResource(module, found)};
}

std::string LoadText(int id) {
    char buffer[1024] = {};
    const int length = LoadStringA(GetModuleHandleA(nullptr), static_cast<UINT>(id), buffer, sizeof buffer);
    return std::string(buffer, static_cast<size_t>(length));
}

uint16_t Word16(const unsigned char* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t Word32(const unsigned char* p) { return Word16(p) | static_cast<uint32_t>(Word16(p + 2)) << 16; }

TEST(Resources, DialogTemplatesAndMenuArePresent) {
    for (int id : {IDD_GAME, IDD_LOADING, IDD_MESSAGE})
        EXPECT_NE(FindBytes(id, MAKEINTRESOURCEA(5)).data, nullptr) << "dialog " << id;
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINMENU));
    ASSERT_NE(menu, nullptr);
    char text[128] = {};
    GetMenuStringA(menu, ID_OPT_LAX, text, sizeof text, MF_BYCOMMAND);
    EXPECT_STREQ(text, "Groß-/Kleinschreibung beim Eintragen &vernachlässigen");
    EXPECT_TRUE(GetMenuState(menu, ID_OPT_SOUND, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(GetMenuState(menu, ID_OPT_UPPERCASE, MF_BYCOMMAND) & MF_GRAYED);
    DestroyMenu(menu);
}

TEST(Resources, TooltipTextsAreTheWindowsOwnBytes) {
    EXPECT_EQ(LoadText(IDC_QUIT), "Schließt das Anagrilla-Fenster.\n(Alt+B)");
    EXPECT_EQ(LoadText(IDC_SHUFFLE),
              "\"Schüttelt\" die Buchstaben des Ausgangswortes in\nzufälliger Reihenfolge durcheinander. "
              "Dies macht\nes oft leichter, weitere Teilanagramme zu finden.\n(Alt+S)");
    EXPECT_EQ(LoadText(IDC_STARTWORD), "Geben Sie hier das gewünschte\nAusgangswort ein und drücken\nSie ENTER "
                                       "oder klicken Sie auf\nden Button \"Spiel starten\".");
    EXPECT_EQ(LoadText(IDOK), "Speichert gemachte Änderungen\nund schließt das Dialogfenster.\n(ALT+Ü)");
    // Every control that has a tip has its text.
    for (int id : {IDC_BACK, IDC_NEW, IDC_GIVEUP, IDC_ENTER, IDC_LETTERBAND, IDC_INPUT, IDC_RESULTLIST, IDCANCEL,
                   IDC_LISTPATH, IDC_BROWSE, IDC_STANDARDLIST, IDC_OWNLIST, IDC_SETTINGS_OK, IDC_SETTINGS_CANCEL,
                   IDC_USEDURATION, IDC_WORDLIMIT, IDC_ANGLIMIT, IDC_USEMISTRIALS, IDC_DURATION, IDC_MISTRIALS_EDIT,
                   IDC_STARTGAME, IDC_STARTWORD_CANCEL})
        EXPECT_FALSE(LoadText(id).empty()) << id;
    // Controls without a tip have no string.
    for (int id : {IDC_STATUS, IDC_FOUND, IDC_TIME})
        EXPECT_TRUE(LoadText(id).empty()) << id;
}

TEST(Resources, ManifestAndVersionAreCarried) {
    const ResourceBytes manifest = FindBytes(1, MAKEINTRESOURCEA(24));
    ASSERT_NE(manifest.data, nullptr);
    const std::string text(reinterpret_cast<const char*>(manifest.data), manifest.size);
    EXPECT_NE(text.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(text.find("version=\"6.0.0.0\""), std::string::npos);
    // Windows 7 and Windows 10/11 as supported systems.
    EXPECT_NE(text.find("{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"), std::string::npos);
    EXPECT_NE(text.find("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"), std::string::npos);

    const ResourceBytes version = FindBytes(1, MAKEINTRESOURCEA(16));
    ASSERT_NE(version.data, nullptr);
    const std::wstring block(reinterpret_cast<const wchar_t*>(version.data), version.size / sizeof(wchar_t));
    EXPECT_NE(block.find(L"040704b0"), std::wstring::npos);
    for (const wchar_t* value : {L"Programmversion: 1.2", L"1.2.0.0", L"Die Anagrilla-Entwickler",
                                 L"\u00A9 2026 Die Anagrilla-Entwickler"})
        EXPECT_NE(block.find(value), std::wstring::npos) << value;
    // The fixed part: signature, structure version, then file version 1.2.0.0.
    const unsigned char fixed[] = {0xBD, 0x04, 0xEF, 0xFE, 0x00, 0x00, 0x01, 0x00,
                                   0x02, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00};
    // The translation: German (0x407), Unicode (1200).
    const unsigned char translation[] = {0x07, 0x04, 0xB0, 0x04};
    const std::string raw(reinterpret_cast<const char*>(version.data), version.size);
    EXPECT_NE(raw.find(std::string(reinterpret_cast<const char*>(translation), 4)), std::string::npos);
    EXPECT_NE(raw.find(std::string(reinterpret_cast<const char*>(fixed), sizeof fixed)), std::string::npos);
}

// The "fmt " and "data" chunks of a RIFF WAVE resource.
struct Wave {
    int tag = 0, channels = 0, rate = 0, bits = 0, blockAlign = 0;
    uint32_t samples = 0, dataBytes = 0; // samples from the "fact" chunk
};

bool ReadWave(const ResourceBytes& bytes, Wave& wave) {
    if (bytes.size < 12 || std::memcmp(bytes.data, "RIFF", 4) != 0 || std::memcmp(bytes.data + 8, "WAVE", 4) != 0)
        return false;
    bool format = false, data = false;
    for (DWORD at = 12; at + 8 <= bytes.size;) {
        const uint32_t length = Word32(bytes.data + at + 4);
        const unsigned char* body = bytes.data + at + 8;
        if (length > bytes.size - at - 8)
            return false;
        if (std::memcmp(bytes.data + at, "fmt ", 4) == 0 && length >= 16) {
            wave.tag = Word16(body);
            wave.channels = Word16(body + 2);
            wave.rate = static_cast<int>(Word32(body + 4));
            wave.blockAlign = Word16(body + 12);
            wave.bits = Word16(body + 14);
            format = true;
        } else if (std::memcmp(bytes.data + at, "fact", 4) == 0 && length >= 4) {
            wave.samples = Word32(body);
        } else if (std::memcmp(bytes.data + at, "data", 4) == 0) {
            wave.dataBytes = length;
            data = true;
        }
        at += 8 + length + (length & 1);
    }
    return format && data;
}

TEST(Resources, SoundsAreWavesOfTheirFormatsAndLengths) {
    // 2 Microsoft ADPCM (4 bits), 0x55 MPEG Layer 3, 1 PCM
    const struct {
        int id, tag, channels, rate, bits;
        double seconds;
    } sounds[] = {{IDW_KEY, 2, 2, 22050, 4, 0.05},      {IDW_TIMEUP, 0x55, 1, 16000, 0, 2.0},
                  {IDW_WARNING, 1, 1, 22050, 8, 0.5},   {IDW_SHUFFLE, 1, 1, 22255, 8, 0.2},
                  {IDW_ACCEPTED, 0x55, 1, 16000, 0, 2.2}, {IDW_BACK, 2, 2, 22050, 4, 0.2},
                  {IDW_UNKNOWN, 1, 1, 22050, 8, 0.4},   {IDW_ALLFOUND, 0x55, 1, 16000, 0, 4.1},
                  {IDW_GIVEUP, 0x55, 1, 16000, 0, 1.4}, {IDW_LOST, 0x55, 1, 16000, 0, 2.1}};
    for (const auto& sound : sounds) {
        Wave wave;
        ASSERT_TRUE(ReadWave(FindBytes(sound.id, "WAVE"), wave)) << sound.id;
        EXPECT_EQ((std::vector<int>{sound.tag, sound.channels, sound.rate, sound.bits}),
                  (std::vector<int>{wave.tag, wave.channels, wave.rate, wave.bits}))
            << sound.id;
        // ADPCM is stored in whole blocks, so a short sound may run a little long.
        const double seconds = wave.tag == 1 ? double(wave.dataBytes / wave.blockAlign) / wave.rate
                                             : double(wave.samples) / wave.rate;
        EXPECT_NEAR(sound.seconds, seconds, std::max(0.04, sound.seconds * 0.15)) << sound.id;
    }
}

// Directory entries of a group icon resource: width, height, colours, bits, image id.
std::vector<std::vector<int>> IconEntries(const ResourceBytes& group) {
    std::vector<std::vector<int>> entries;
    for (int i = 0; group.size >= 6 && i < Word16(group.data + 4) && 6 + (i + 1) * 14u <= group.size; ++i) {
        const unsigned char* e = group.data + 6 + 14 * i;
        entries.push_back({e[0], e[1], e[2], Word16(e + 6), Word16(e + 12)});
    }
    return entries;
}

TEST(Resources, LetterIconsForExactlyTheFiftyNineLettersAndTheProgramsPictures) {
    const std::string letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz\xC4\xD6\xDC\xE4\xF6\xFC\xDF";
    std::vector<std::string> pictures;
    for (int byte = 0; byte < 256; ++byte) {
        const auto entries = IconEntries(FindBytes(IDI_LETTER_BASE + byte, RT_GROUP_ICON));
        const bool letter = byte && letters.find(static_cast<char>(byte)) != std::string::npos;
        ASSERT_EQ(letter ? 1u : 0u, entries.size()) << byte;
        if (!letter)
            continue;
        EXPECT_EQ((std::vector<int>{32, 32, 16, 4}), std::vector<int>(entries[0].begin(), entries[0].begin() + 4));
        const ResourceBytes image = FindBytes(entries[0][4], RT_ICON);
        pictures.emplace_back(reinterpret_cast<const char*>(image.data), image.size);
    }
    ASSERT_EQ(59u, pictures.size());
    std::sort(pictures.begin(), pictures.end());
    EXPECT_EQ(pictures.end(), std::adjacent_find(pictures.begin(), pictures.end())) << "each letter its own picture";

    HINSTANCE self = GetModuleHandleA(nullptr);
    for (int id : {IDI_APP, IDI_MSG_NOTICE, IDI_MSG_ERROR, IDI_MSG_QUESTION}) {
        const auto entries = IconEntries(FindBytes(id, RT_GROUP_ICON));
        ASSERT_FALSE(entries.empty()) << id;
        EXPECT_EQ(32, entries[0][0]) << id;
        EXPECT_NE(nullptr, LoadIconA(self, MAKEINTRESOURCEA(id))) << id;
    }
    const struct {
        int id, width, height;
    } bitmaps[] = {{IDB_WARNING, 32, 32}, {IDB_LOGO, 75, 19}};
    for (const auto& expected : bitmaps) {
        HBITMAP bitmap = LoadBitmapA(self, MAKEINTRESOURCEA(expected.id));
        ASSERT_NE(nullptr, bitmap) << expected.id;
        BITMAP info{};
        GetObjectA(bitmap, sizeof(info), &info);
        EXPECT_EQ(expected.width * 1000 + expected.height, info.bmWidth * 1000 + info.bmHeight) << expected.id;
        DeleteObject(bitmap);
    }
}

} // namespace
