#include <windows.h>

#include "AssetFormats.h"

#include <gtest/gtest.h>

namespace {

// The bytes of a resource linked into this program, empty when it is missing.
std::pair<const uint8_t*, size_t> ResourceBytes(int id, LPCSTR type)
{
    HMODULE self = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(self, MAKEINTRESOURCEA(id), type);
    if (!found)
        return {nullptr, 0};
    HGLOBAL loaded = LoadResource(self, found);
    return {static_cast<const uint8_t*>(LockResource(loaded)), SizeofResource(self, found)};
}

TEST(AssetResourcesTest, EveryWaveResourceHasItsFormat)
{
    for (const SoundRule& rule : SoundRules()) {
        SCOPED_TRACE(rule.id);
        const auto bytes = ResourceBytes(rule.id, "WAVE");
        ASSERT_NE(nullptr, bytes.first);
        const WaveInfo wave = ReadWave(bytes.first, bytes.second);
        ASSERT_TRUE(wave.valid);
        EXPECT_EQ(rule.formatTag, wave.formatTag);
        EXPECT_EQ(rule.channels, wave.channels);
        EXPECT_EQ(rule.sampleRate, wave.sampleRate);
        if (rule.formatTag == 1) {
            EXPECT_EQ(rule.bitsPerSample, wave.bitsPerSample);
        } else if (rule.formatTag == 0x55) {
            EXPECT_EQ(2500, wave.avgBytesPerSecond);
            EXPECT_GT(wave.mpegFrames, 0);
            EXPECT_EQ(0, wave.mpegBadFrames);
        }
        EXPECT_NEAR(rule.seconds, wave.seconds, std::max(0.04, rule.seconds * 0.15));
    }
}

TEST(AssetResourcesTest, LetterIconsExistForExactlyTheFiftyNineLetters)
{
    HINSTANCE self = GetModuleHandleA(nullptr);
    const std::vector<int> letters = LetterBytes();
    for (int byte = 0; byte < 256; ++byte) {
        SCOPED_TRACE(byte);
        const auto bytes = ResourceBytes(1000 + byte, RT_GROUP_ICON);
        const bool letter = std::find(letters.begin(), letters.end(), byte) != letters.end();
        ASSERT_EQ(letter, bytes.first != nullptr);
        if (!letter)
            continue;
        const std::vector<IconEntry> entries = ReadIconDirectory(bytes.first, bytes.second, false);
        ASSERT_EQ(1u, entries.size());
        EXPECT_EQ(32, entries[0].width);
        EXPECT_EQ(32, entries[0].height);
        EXPECT_EQ(16, entries[0].colourCount);
        EXPECT_EQ(4, entries[0].bitCount);
        HICON icon = static_cast<HICON>(LoadImageA(self, MAKEINTRESOURCEA(1000 + byte), IMAGE_ICON, 32, 32, 0));
        EXPECT_NE(nullptr, icon);
        DestroyIcon(icon);
    }
}

TEST(AssetResourcesTest, ProgramIconsAndBitmaps)
{
    HINSTANCE self = GetModuleHandleA(nullptr);
    for (int id : {108, 177, 178, 180}) {
        SCOPED_TRACE(id);
        const auto bytes = ResourceBytes(id, RT_GROUP_ICON);
        ASSERT_NE(nullptr, bytes.first);
        const std::vector<IconEntry> entries = ReadIconDirectory(bytes.first, bytes.second, false);
        ASSERT_FALSE(entries.empty());
        EXPECT_EQ(32, entries[0].width);
        EXPECT_NE(nullptr, LoadIconA(self, MAKEINTRESOURCEA(id)));
    }
    struct { int id, width, height; } bitmaps[] = {{107, 32, 32}, {172, 75, 19}};
    for (const auto& expected : bitmaps) {
        SCOPED_TRACE(expected.id);
        HBITMAP bitmap = LoadBitmapA(self, MAKEINTRESOURCEA(expected.id));
        ASSERT_NE(nullptr, bitmap);
        BITMAP info{};
        GetObjectA(bitmap, sizeof(info), &info);
        EXPECT_EQ(expected.width, info.bmWidth);
        EXPECT_EQ(expected.height, info.bmHeight);
        DeleteObject(bitmap);
    }
}

} // namespace
