#include "res/resource.h"
#include <windows.h>
#include <gtest/gtest.h>
#include <cstring>
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

// The "fmt " chunk of a RIFF WAVE resource: format tag, channels, rate, bits.
struct WaveFormat {
    int tag = 0, channels = 0, rate = 0, bits = 0;
};

bool ReadWaveFormat(const ResourceBytes& bytes, WaveFormat& format) {
    if (bytes.size < 12 || std::memcmp(bytes.data, "RIFF", 4) != 0 || std::memcmp(bytes.data + 8, "WAVE", 4) != 0)
        return false;
    for (DWORD at = 12; at + 8 <= bytes.size;) {
        const uint32_t length = Word32(bytes.data + at + 4);
        if (std::memcmp(bytes.data + at, "fmt ", 4) == 0 && at + 8 + 16 <= bytes.size) {
            const unsigned char* f = bytes.data + at + 8;
            format = {Word16(f), Word16(f + 2), static_cast<int>(Word32(f + 4)), Word16(f + 14)};
            return true;
        }
        at += 8 + length + (length & 1);
    }
    return false;
}

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

TEST(Resources, IconsAndBitmapsArePresent) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    for (int id : {IDI_APP, IDI_MSG_NOTICE, IDI_MSG_ERROR, IDI_MSG_QUESTION})
        EXPECT_NE(LoadIconA(instance, MAKEINTRESOURCEA(id)), nullptr) << "icon " << id;
    const std::string letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyzÄÖÜäöüß";
    ASSERT_EQ(letters.size(), 59u);
    for (char letter : letters) {
        const int id = IDI_LETTER_BASE + static_cast<unsigned char>(letter);
        HANDLE icon = LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_ICON, 32, 32, 0);
        EXPECT_NE(icon, nullptr) << "letter icon " << id;
        if (icon)
            DestroyIcon(static_cast<HICON>(icon));
    }
    for (int id : {IDB_WARNING, IDB_LOGO}) {
        HBITMAP bitmap = LoadBitmapA(instance, MAKEINTRESOURCEA(id));
        EXPECT_NE(bitmap, nullptr) << "bitmap " << id;
        DeleteObject(bitmap);
    }
}

TEST(Resources, SoundsAreWavesInTheirFormats) {
    struct Expected {
        int id, tag, channels, rate, bits;
    };
    const Expected sounds[] = {
        {IDW_KEY, 2, 2, 22050, 4},       {IDW_TIMEUP, 0x55, 1, 16000, 0},  {IDW_WARNING, 1, 1, 22050, 8},
        {IDW_SHUFFLE, 1, 1, 22255, 8},   {IDW_ACCEPTED, 0x55, 1, 16000, 0}, {IDW_BACK, 2, 2, 22050, 4},
        {IDW_UNKNOWN, 1, 1, 22050, 8},   {IDW_ALLFOUND, 0x55, 1, 16000, 0}, {IDW_GIVEUP, 0x55, 1, 16000, 0},
        {IDW_LOST, 0x55, 1, 16000, 0},
    };
    for (const Expected& sound : sounds) {
        WaveFormat format;
        ASSERT_TRUE(ReadWaveFormat(FindBytes(sound.id, "WAVE"), format)) << "sound " << sound.id;
        EXPECT_EQ(format.tag, sound.tag) << sound.id;
        EXPECT_EQ(format.channels, sound.channels) << sound.id;
        EXPECT_EQ(format.rate, sound.rate) << sound.id;
        if (sound.tag != 0x55) {
            EXPECT_EQ(format.bits, sound.bits) << sound.id;
        }
    }
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

} // namespace
