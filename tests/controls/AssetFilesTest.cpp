#include "AssetFormats.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

namespace {

std::vector<uint8_t> ReadFile(const std::string& relative)
{
    std::ifstream in(std::string(ANAGRILLA_RES_DIR) + "/" + relative, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(AssetFilesTest, SoundsHaveTheirFormatsAndLengths)
{
    for (const SoundRule& rule : SoundRules()) {
        SCOPED_TRACE(rule.file);
        const std::vector<uint8_t> file = ReadFile(std::string("sounds/") + rule.file);
        const WaveInfo wave = ReadWave(file.data(), file.size());
        ASSERT_TRUE(wave.valid);
        EXPECT_EQ(rule.formatTag, wave.formatTag);
        EXPECT_EQ(rule.channels, wave.channels);
        EXPECT_EQ(rule.sampleRate, wave.sampleRate);
        if (rule.formatTag == 1) {
            EXPECT_EQ(rule.bitsPerSample, wave.bitsPerSample);
        } else if (rule.formatTag == 2) {
            EXPECT_EQ(4, wave.bitsPerSample);
        }
        // ADPCM is stored in whole blocks, so a short sound may run a little long.
        EXPECT_NEAR(rule.seconds, wave.seconds, std::max(0.04, rule.seconds * 0.15));
        if (rule.formatTag == 0x55) {
            EXPECT_EQ(2500, wave.avgBytesPerSecond) << "20 kbit/s";
            EXPECT_EQ(0, wave.mpegBadFrames);
            const double streamSeconds = wave.mpegFrames * 576.0 / 16000;
            EXPECT_NEAR(rule.seconds, streamSeconds, 0.2);
            const double kbits = wave.dataBytes * 8.0 / streamSeconds / 1000;
            EXPECT_GE(kbits, 17.0);
            EXPECT_LE(kbits, 23.0);
        }
    }
}

// The glyph must be red and opaque where it is drawn, transparent elsewhere.
void CheckLetterPicture(const std::vector<uint8_t>& file)
{
    const uint32_t offset = Read32(file.data() + 6 + 12);
    ASSERT_LE(offset + 40 + 64 + 512 + 128, file.size());
    const uint8_t* header = file.data() + offset;
    EXPECT_EQ(4, Read16(header + 14));
    const uint8_t* palette = header + 40;
    const uint8_t* colourBits = palette + 64;
    const uint8_t* mask = colourBits + 16 * 32;
    int opaque = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            if (mask[y * 4 + x / 8] & (0x80 >> (x % 8)))
                continue;
            ++opaque;
            const int index = (colourBits[y * 16 + x / 2] >> (x % 2 ? 0 : 4)) & 15;
            const uint8_t* c = palette + 4 * index; // blue, green, red
            ASSERT_GT(c[2], 150);
            ASSERT_LT(c[1], c[2]);
            ASSERT_LT(c[0], c[2]);
        }
    EXPECT_GT(opaque, 60) << "a bold glyph";
    EXPECT_LT(opaque, 600) << "on a mostly transparent background";
}

TEST(AssetFilesTest, LetterIconsAreSixteenColourRedGlyphs)
{
    std::set<std::vector<uint8_t>> distinct;
    for (int byte : LetterBytes()) {
        SCOPED_TRACE(byte);
        const std::vector<uint8_t> file = ReadFile("icons/letter_" + std::to_string(byte) + ".ico");
        const std::vector<IconEntry> entries = ReadIconDirectory(file.data(), file.size(), true);
        ASSERT_EQ(1u, entries.size());
        EXPECT_EQ(32, entries[0].width);
        EXPECT_EQ(32, entries[0].height);
        EXPECT_EQ(16, entries[0].colourCount);
        EXPECT_EQ(4, entries[0].bitCount);
        CheckLetterPicture(file);
        distinct.insert(file);
    }
    EXPECT_EQ(59u, distinct.size()) << "every letter has a picture of its own";
}

TEST(AssetFilesTest, ProgramAndMessageIconsAndBitmaps)
{
    for (const char* name : {"anagrilla.ico", "notice.ico", "error.ico", "question.ico"}) {
        SCOPED_TRACE(name);
        const std::vector<uint8_t> file = ReadFile(std::string("icons/") + name);
        const std::vector<IconEntry> entries = ReadIconDirectory(file.data(), file.size(), true);
        ASSERT_EQ(2u, entries.size());
        EXPECT_EQ(32, entries[0].width);
        EXPECT_EQ(16, entries[1].width);
    }
    struct { const char* name; int width, height; } bitmaps[] = {{"warning.bmp", 32, 32}, {"logo.bmp", 75, 19}};
    for (const auto& bitmap : bitmaps) {
        SCOPED_TRACE(bitmap.name);
        const std::vector<uint8_t> file = ReadFile(std::string("bitmaps/") + bitmap.name);
        ASSERT_GE(file.size(), 54u);
        EXPECT_EQ('B', file[0]);
        EXPECT_EQ('M', file[1]);
        EXPECT_EQ(bitmap.width, static_cast<int>(Read32(file.data() + 18)));
        EXPECT_EQ(bitmap.height, static_cast<int>(Read32(file.data() + 22)));
    }
}

} // namespace
