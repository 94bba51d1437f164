// tiprender IN.txt OUT.bmp: draws a tooltip text (Windows-1252 markup) with
// the default style sheet onto the tooltip's plain background and writes
// the picture as a BMP file, to look at layouts without the game. It also
// prints how far the process's peak working set rose while measuring and
// drawing, the memory one paint of the text takes.
#define PSAPI_VERSION 2
#include <windows.h>
#include <psapi.h>

#include "tooltip/MarkupRenderer.h"
#include "tooltip/win/GdiCanvas.h"
#include "tooltip/win/GdiEffects.h"
#include "tooltip/win/MarkupHost.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// The tooltip's margins around the text.
constexpr int Margin = 12;

bool ReadFile(const char* path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

bool WriteBitmapFile(const char* path, const void* bits, int width, int height)
{
    const DWORD imageSize = static_cast<DWORD>(width) * static_cast<DWORD>(height) * 4;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + imageSize;
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = -height; // rows from the top, as in memory
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    info.biSizeImage = imageSize;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(static_cast<const char*>(bits), imageSize);
    return static_cast<bool>(out);
}

// Working set now and at its peak, in bytes; 0 and 0 where unknown.
PROCESS_MEMORY_COUNTERS MemoryCounters()
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
        counters = PROCESS_MEMORY_COUNTERS{};
    return counters;
}

int Render(const std::string& text, const char* outPath)
{
    const PROCESS_MEMORY_COUNTERS before = MemoryCounters();
    CGdiSysColors systemColours;
    CWinMarkupHost host;
    CMarkupRenderer renderer(systemColours);
    renderer.SetHost(&host);

    MarkupSize size;
    {
        HDC dc = CreateCompatibleDC(nullptr);
        if (!dc) {
            std::fprintf(stderr, "tiprender: no device context\n");
            return 1;
        }
        {
            CGdiCanvas canvas(dc);
            size = renderer.Measure(canvas, text);
        }
        DeleteDC(dc);
    }
    const int width = size.cx + 2 * Margin;
    const int height = size.cy + 2 * Margin;
    if (!IsAllowedImageSize(width, height)) {
        std::fprintf(stderr, "tiprender: the text is too large to draw (%d x %d)\n", width, height);
        return 1;
    }

    CDibSection picture(width, height);
    if (!picture.IsValid()) {
        std::fprintf(stderr, "tiprender: no bitmap of %d x %d\n", width, height);
        return 1;
    }
    const COLORREF background = GetSysColor(COLOR_INFOBK);
    const RECT whole{0, 0, width, height};
    CGdiDrawEffects effects;
    effects.DrawBackground(picture.Dc(), EffectSolid, whole, background, background, background, 0, TextureTint);
    {
        CGdiCanvas canvas(picture.Dc());
        renderer.Draw(canvas, text, MarkupRect{Margin, Margin, Margin + size.cx, Margin + size.cy});
    }
    GdiFlush();
    const PROCESS_MEMORY_COUNTERS after = MemoryCounters();
    if (after.PeakWorkingSetSize > before.PeakWorkingSetSize)
        std::printf("peak working set: %.1f MB above the start (%.1f MB of it the picture)\n",
                    double(after.PeakWorkingSetSize - before.WorkingSetSize) / 1e6, double(width) * height * 4 / 1e6);
    else
        std::printf("peak working set: not above the start's peak\n");
    if (!WriteBitmapFile(outPath, picture.Bits(), width, height)) {
        std::fprintf(stderr, "tiprender: cannot write %s\n", outPath);
        return 1;
    }
    std::printf("%s: %d x %d\n", outPath, width, height);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: tiprender IN.txt OUT.bmp\n");
        return 2;
    }
    std::string text;
    if (!ReadFile(argv[1], text)) {
        std::fprintf(stderr, "tiprender: cannot read %s\n", argv[1]);
        return 1;
    }
    return Render(text, argv[2]);
}
