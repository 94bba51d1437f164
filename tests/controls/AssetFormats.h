#pragma once
// Readers for the pictures and sounds of the program, shared by the test of
// the asset files and the test of the linked resources.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct WaveInfo {
    bool valid = false;
    int formatTag = 0;
    int channels = 0;
    int sampleRate = 0;
    int avgBytesPerSecond = 0;
    int blockAlign = 0;
    int bitsPerSample = 0;
    uint32_t factSamples = 0; // 0 when there is no fact chunk
    uint32_t dataBytes = 0;
    int mpegFrames = 0;       // frames found in an MPEG Layer 3 data chunk
    int mpegBadFrames = 0;
    double seconds = 0;
};

inline uint32_t Read32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }
inline uint16_t Read16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

// MPEG-2 Layer 3 frames (16000 Hz): 576 samples each.
inline void CountMpegFrames(const uint8_t* data, size_t size, WaveInfo& info)
{
    static const int kbits[16] = {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0};
    size_t at = 0;
    while (at + 4 <= size) {
        const uint8_t* h = data + at;
        const bool sync = h[0] == 0xFF && (h[1] & 0xE0) == 0xE0;
        const bool mpeg2Layer3 = ((h[1] >> 3) & 3) == 2 && ((h[1] >> 1) & 3) == 1;
        const int bitrate = kbits[h[2] >> 4];
        const bool rate16k = ((h[2] >> 2) & 3) == 2;
        if (!sync || !mpeg2Layer3 || bitrate == 0 || !rate16k) {
            ++info.mpegBadFrames;
            return;
        }
        at += 72 * bitrate * 1000 / 16000 + ((h[2] >> 1) & 1);
        ++info.mpegFrames;
    }
}

inline WaveInfo ReadWave(const uint8_t* data, size_t size)
{
    WaveInfo info;
    if (size < 12 || std::string(reinterpret_cast<const char*>(data), 4) != "RIFF" ||
        std::string(reinterpret_cast<const char*>(data + 8), 4) != "WAVE" || Read32(data + 4) + 8 > size)
        return info;
    bool haveFormat = false, haveData = false;
    size_t at = 12;
    while (at + 8 <= size) {
        const std::string id(reinterpret_cast<const char*>(data + at), 4);
        const uint32_t length = Read32(data + at + 4);
        const uint8_t* body = data + at + 8;
        if (length > size - at - 8)
            return info;
        if (id == "fmt " && length >= 16) {
            info.formatTag = Read16(body);
            info.channels = Read16(body + 2);
            info.sampleRate = static_cast<int>(Read32(body + 4));
            info.avgBytesPerSecond = static_cast<int>(Read32(body + 8));
            info.blockAlign = Read16(body + 12);
            info.bitsPerSample = Read16(body + 14);
            haveFormat = true;
        } else if (id == "fact" && length >= 4) {
            info.factSamples = Read32(body);
        } else if (id == "data") {
            info.dataBytes = length;
            haveData = true;
            if (info.formatTag == 0x55)
                CountMpegFrames(body, length, info);
        }
        at += 8 + length + (length & 1);
    }
    info.valid = haveFormat && haveData;
    if (info.valid && info.formatTag == 1 && info.blockAlign > 0)
        info.seconds = double(info.dataBytes / info.blockAlign) / info.sampleRate;
    else if (info.valid && info.factSamples > 0)
        info.seconds = double(info.factSamples) / info.sampleRate;
    return info;
}

// One entry of an icon file's directory (or of a group icon resource).
struct IconEntry {
    int width = 0;
    int height = 0;
    int colourCount = 0;
    int bitCount = 0;
};

// file: true for an .ico file (16-byte entries), false for a group icon
// resource (14-byte entries).
inline std::vector<IconEntry> ReadIconDirectory(const uint8_t* data, size_t size, bool file)
{
    std::vector<IconEntry> entries;
    if (size < 6 || Read16(data) != 0 || Read16(data + 2) != 1)
        return entries;
    const int count = Read16(data + 4);
    const size_t entrySize = file ? 16 : 14;
    for (int i = 0; i < count && 6 + (i + 1) * entrySize <= size; ++i) {
        const uint8_t* e = data + 6 + i * entrySize;
        IconEntry entry;
        entry.width = e[0] ? e[0] : 256;
        entry.height = e[1] ? e[1] : 256;
        entry.colourCount = e[2];
        entry.bitCount = Read16(e + 6);
        entries.push_back(entry);
    }
    return entries;
}

// What the table of sounds asks for, one row per resource 110..119.
struct SoundRule {
    int id;
    const char* file;
    int formatTag; // 2 Microsoft ADPCM, 0x55 MPEG Layer 3, 1 PCM
    int channels;
    int sampleRate;
    int bitsPerSample; // PCM only
    double seconds;
};

inline const std::vector<SoundRule>& SoundRules()
{
    static const std::vector<SoundRule> rules = {
        {110, "type.wav", 2, 2, 22050, 0, 0.05},     {111, "timeup.wav", 0x55, 1, 16000, 0, 2.0},
        {112, "warning.wav", 1, 1, 22050, 8, 0.5},   {113, "shuffle.wav", 1, 1, 22255, 8, 0.2},
        {114, "accepted.wav", 0x55, 1, 16000, 0, 2.2}, {115, "back.wav", 2, 2, 22050, 0, 0.2},
        {116, "wrong.wav", 1, 1, 22050, 8, 0.4},     {117, "allfound.wav", 0x55, 1, 16000, 0, 4.1},
        {118, "gaveup.wav", 0x55, 1, 16000, 0, 1.4}, {119, "lost.wav", 0x55, 1, 16000, 0, 2.1},
    };
    return rules;
}

// The 59 letters as Windows-1252 bytes.
inline std::vector<int> LetterBytes()
{
    std::vector<int> bytes;
    for (int b = 'A'; b <= 'Z'; ++b)
        bytes.push_back(b);
    for (int b = 'a'; b <= 'z'; ++b)
        bytes.push_back(b);
    for (int b : {0xC4, 0xD6, 0xDC, 0xE4, 0xF6, 0xFC, 0xDF})
        bytes.push_back(b);
    return bytes;
}
