#include <windows.h>
#include <mmsystem.h>
#include <mmreg.h>
#include <msacm.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace {

uint32_t Read32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }
uint16_t Read16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

struct Bytes {
    const uint8_t* data = nullptr;
    size_t size = 0;
};

// A resource linked into this program from the program's own script.
Bytes Resource(int id, LPCSTR type)
{
    HMODULE self = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(self, MAKEINTRESOURCEA(id), type);
    if (!found)
        return {};
    return {static_cast<const uint8_t*>(LockResource(LoadResource(self, found))), SizeofResource(self, found)};
}

struct WaveInfo {
    bool valid = false;
    const uint8_t* format = nullptr;
    const uint8_t* data = nullptr;
    int formatTag = 0, channels = 0, sampleRate = 0, avgBytesPerSecond = 0, blockAlign = 0, bitsPerSample = 0;
    uint32_t factSamples = 0, dataBytes = 0;
    int mpegFrames = 0;
    bool mpegIntact = true;
};

// MPEG-2 Layer 3 at 16000 Hz: frames of 576 samples, 72 * bit rate / rate bytes.
void CountMpegFrames(const uint8_t* data, size_t size, WaveInfo& info)
{
    static const int kbits[16] = {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0};
    for (size_t at = 0; at + 4 <= size; ++info.mpegFrames) {
        const uint8_t* h = data + at;
        const bool header = h[0] == 0xFF && (h[1] & 0xFE) == 0xF2 && kbits[h[2] >> 4] && ((h[2] >> 2) & 3) == 2;
        if (!header) {
            info.mpegIntact = false;
            return;
        }
        at += 72 * kbits[h[2] >> 4] * 1000 / 16000 + ((h[2] >> 1) & 1);
    }
}

WaveInfo ReadWave(Bytes bytes)
{
    WaveInfo info;
    const uint8_t* d = bytes.data;
    if (!d || bytes.size < 12 || std::string(reinterpret_cast<const char*>(d), 4) != "RIFF" ||
        std::string(reinterpret_cast<const char*>(d + 8), 4) != "WAVE")
        return info;
    bool format = false, data = false;
    for (size_t at = 12; at + 8 <= bytes.size;) {
        const std::string id(reinterpret_cast<const char*>(d + at), 4);
        const uint32_t length = Read32(d + at + 4);
        const uint8_t* body = d + at + 8;
        if (length > bytes.size - at - 8)
            return info;
        if (id == "fmt " && length >= 16) {
            info.formatTag = Read16(body);
            info.channels = Read16(body + 2);
            info.sampleRate = static_cast<int>(Read32(body + 4));
            info.avgBytesPerSecond = static_cast<int>(Read32(body + 8));
            info.blockAlign = Read16(body + 12);
            info.bitsPerSample = Read16(body + 14);
            info.format = body;
            format = true;
        } else if (id == "fact" && length >= 4) {
            info.factSamples = Read32(body);
        } else if (id == "data") {
            info.dataBytes = length;
            info.data = body;
            data = true;
            if (info.formatTag == 0x55)
                CountMpegFrames(body, length, info);
        }
        at += 8 + length + (length & 1);
    }
    info.valid = format && data;
    return info;
}

double Seconds(const WaveInfo& wave)
{
    if (wave.formatTag == 1)
        return double(wave.dataBytes / wave.blockAlign) / wave.sampleRate;
    return double(wave.factSamples) / wave.sampleRate;
}

TEST(AssetResourcesTest, EveryWaveResourceHasItsFormatAndLength)
{
    struct Rule {
        int id, formatTag, channels, sampleRate, bits;
        double seconds;
    };
    // 2 Microsoft ADPCM (4 bits), 0x55 MPEG Layer 3, 1 PCM
    const Rule rules[] = {{110, 2, 2, 22050, 4, 0.05},     {111, 0x55, 1, 16000, 0, 2.0},
                          {112, 1, 1, 22050, 8, 0.5},      {113, 1, 1, 22255, 8, 0.2},
                          {114, 0x55, 1, 16000, 0, 2.2},   {115, 2, 2, 22050, 4, 0.2},
                          {116, 1, 1, 22050, 8, 0.4},      {117, 0x55, 1, 16000, 0, 4.1},
                          {118, 0x55, 1, 16000, 0, 1.4},   {119, 0x55, 1, 16000, 0, 2.1}};
    for (const Rule& rule : rules) {
        SCOPED_TRACE(rule.id);
        const WaveInfo wave = ReadWave(Resource(rule.id, "WAVE"));
        ASSERT_TRUE(wave.valid);
        EXPECT_EQ(rule.formatTag, wave.formatTag);
        EXPECT_EQ(rule.channels, wave.channels);
        EXPECT_EQ(rule.sampleRate, wave.sampleRate);
        EXPECT_EQ(rule.bits, wave.bitsPerSample);
        // ADPCM is stored in whole blocks, so a short sound may run a little long.
        EXPECT_NEAR(rule.seconds, Seconds(wave), std::max(0.04, rule.seconds * 0.15));
        if (rule.formatTag != 0x55)
            continue;
        EXPECT_EQ(2500, wave.avgBytesPerSecond) << "20 kbit/s";
        EXPECT_TRUE(wave.mpegIntact);
        const double streamSeconds = wave.mpegFrames * 576.0 / 16000;
        EXPECT_NEAR(rule.seconds, streamSeconds, 0.2);
        EXPECT_NEAR(20.0, wave.dataBytes * 8.0 / streamSeconds / 1000, 3.0) << "kbit/s on average";
    }
}

// Seconds of 16-bit PCM that the platform's own codec makes of a compressed
// sound; PlaySound goes the same way.
double DecodedSeconds(const WaveInfo& wave)
{
    auto* source = reinterpret_cast<WAVEFORMATEX*>(const_cast<uint8_t*>(wave.format));
    WAVEFORMATEX pcm{};
    pcm.wFormatTag = WAVE_FORMAT_PCM;
    HACMSTREAM stream = nullptr;
    if (acmFormatSuggest(nullptr, source, &pcm, sizeof(pcm), ACM_FORMATSUGGESTF_WFORMATTAG) ||
        acmStreamOpen(&stream, nullptr, source, &pcm, nullptr, 0, 0, ACM_STREAMOPENF_NONREALTIME))
        return -1;
    std::vector<BYTE> buffer(4 << 20);
    ACMSTREAMHEADER header{};
    header.cbStruct = sizeof(header);
    header.pbSrc = const_cast<BYTE*>(wave.data);
    header.cbSrcLength = wave.dataBytes;
    header.pbDst = buffer.data();
    header.cbDstLength = static_cast<DWORD>(buffer.size());
    acmStreamPrepareHeader(stream, &header, 0);
    acmStreamConvert(stream, &header, ACM_STREAMCONVERTF_START | ACM_STREAMCONVERTF_END);
    acmStreamUnprepareHeader(stream, &header, 0);
    acmStreamClose(stream, 0);
    return double(header.cbDstLengthUsed) / pcm.nAvgBytesPerSec;
}

TEST(AssetResourcesTest, CompressedSoundsDecodeWithThePlatformCodecs)
{
    for (int id : {110, 111, 114, 115, 117, 118, 119}) {
        SCOPED_TRACE(id);
        const WaveInfo wave = ReadWave(Resource(id, "WAVE"));
        ASSERT_TRUE(wave.valid);
        EXPECT_NEAR(Seconds(wave), DecodedSeconds(wave), 0.12);
    }
}

// Directory entries of a group icon resource: 14 bytes each.
struct IconEntry {
    int width, height, colours, bits, id;
};
std::vector<IconEntry> IconEntries(Bytes group)
{
    std::vector<IconEntry> entries;
    if (!group.data || group.size < 6)
        return entries;
    for (int i = 0; i < Read16(group.data + 4) && 6 + (i + 1) * 14u <= group.size; ++i) {
        const uint8_t* e = group.data + 6 + 14 * i;
        entries.push_back({e[0], e[1], e[2], Read16(e + 6), Read16(e + 12)});
    }
    return entries;
}

// A bold red glyph: every opaque pixel is red, and there are many of them,
// on a mostly transparent background.
void ExpectRedGlyph(Bytes image)
{
    ASSERT_GE(image.size, 40u + 64 + 16 * 32 + 4 * 32);
    const uint8_t* palette = image.data + Read32(image.data);
    const uint8_t* colour = palette + 64;
    const uint8_t* mask = colour + 16 * 32;
    int opaque = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            if (mask[y * 4 + x / 8] & (0x80 >> (x % 8)))
                continue;
            ++opaque;
            const uint8_t* c = palette + 4 * ((colour[y * 16 + x / 2] >> (x % 2 ? 0 : 4)) & 15);
            ASSERT_GT(c[2], 150);
            ASSERT_LT(c[1], c[2]);
            ASSERT_LT(c[0], c[2]);
        }
    EXPECT_GT(opaque, 60);
    EXPECT_LT(opaque, 600);
}

TEST(AssetResourcesTest, LetterIconsExistForExactlyTheFiftyNineLetters)
{
    const std::string umlauts = "\xC4\xD6\xDC\xE4\xF6\xFC\xDF";
    std::vector<std::string> pictures;
    for (int byte = 0; byte < 256; ++byte) {
        SCOPED_TRACE(byte);
        const std::vector<IconEntry> entries = IconEntries(Resource(1000 + byte, RT_GROUP_ICON));
        const bool letter = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                            umlauts.find(static_cast<char>(byte)) != std::string::npos;
        ASSERT_EQ(letter ? 1u : 0u, entries.size());
        if (!letter)
            continue;
        const IconEntry& e = entries[0];
        EXPECT_EQ((std::vector<int>{32, 32, 16, 4}), (std::vector<int>{e.width, e.height, e.colours, e.bits}));
        const Bytes image = Resource(entries[0].id, RT_ICON);
        ExpectRedGlyph(image);
        pictures.emplace_back(reinterpret_cast<const char*>(image.data), image.size);
    }
    ASSERT_EQ(59u, pictures.size());
    std::sort(pictures.begin(), pictures.end());
    EXPECT_EQ(pictures.end(), std::adjacent_find(pictures.begin(), pictures.end())) << "each letter its own picture";
}

TEST(AssetResourcesTest, ProgramIconsAndBitmaps)
{
    HINSTANCE self = GetModuleHandleA(nullptr);
    for (int id : {108, 177, 178, 180}) {
        SCOPED_TRACE(id);
        const std::vector<IconEntry> entries = IconEntries(Resource(id, RT_GROUP_ICON));
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
