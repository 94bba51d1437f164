#pragma once
#include "tooltip/MarkupCanvas.h"

#include <cstdio>
#include <memory>
#include <string>

// A canvas with fixed metrics that writes what is drawn into one line of
// text. A font of height h has the ascent h - h/4, the descent h/4, and
// every character is h/2 wide, so layouts can be worked out by hand.
// Texts read 'run'@x,y followed by what differs from the 13-pixel black
// Verdana of the default body.
class FakeCanvas : public IMarkupCanvas
{
public:
    int dpi = 96;
    FontRequest font;
    std::string trace;

    static std::string Hex(uint32_t colour)
    {
        char text[16];
        std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(colour));
        return text;
    }
    static std::string Box(const MarkupRect& r)
    {
        return "[" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
               std::to_string(r.bottom) + "]";
    }

    FontMetrics SelectFont(const FontRequest& wish) override
    {
        font = wish;
        return FontMetrics{wish.height, wish.height - wish.height / 4, wish.height / 4};
    }
    MarkupSize TextExtent(const std::string& text) override
    {
        return MarkupSize{static_cast<int>(text.size()) * (font.height / 2), font.height};
    }
    int XHeight() override { return font.height / 2; }
    void PaintText(int x, int y, const std::string& text, uint32_t colour, bool opaque, uint32_t background) override
    {
        Add("'" + text + "'@" + std::to_string(x) + "," + std::to_string(y));
        if (font.height != 13)
            trace += "/h" + std::to_string(font.height);
        if (font.weight != 400)
            trace += "/w" + std::to_string(font.weight);
        trace += std::string(font.italic ? "/i" : "") + (font.underline ? "/u" : "") + (font.strikeOut ? "/s" : "");
        if (font.family != "verdana")
            trace += "/" + font.family;
        if (colour != 0)
            trace += "/" + Hex(colour);
        if (opaque)
            trace += "/on" + Hex(background);
    }
    void DrawPolyline(const MarkupPoint* points, int count, uint32_t colour, int width, PenStyle style) override
    {
        std::string line = "line(";
        for (int i = 0; i < count; ++i)
            line += (i ? " " : "") + std::to_string(points[i].x) + "," + std::to_string(points[i].y);
        Add(line + ")w" + std::to_string(width) + (style == PenDash ? "/dash" : style == PenDot ? "/dot" : "") +
            Hex(colour));
    }
    void FillRect(const MarkupRect& rect, uint32_t colour) override { Add("fill" + Box(rect) + Hex(colour)); }
    void DrawBackground(const MarkupRect& rect, int effect, uint32_t c1, uint32_t c2, uint32_t c3, int,
                        int) override
    {
        Add("bg" + Box(rect) + "e" + std::to_string(effect) + Hex(c1) + Hex(c2) + Hex(c3));
    }
    void TileImage(const MarkupRect& rect, const IMarkupImage&) override { Add("tile" + Box(rect)); }
    void DrawImage(const IMarkupImage&, const MarkupRect& rect, const ImageDrawing& d) override
    {
        Add("image" + Box(rect));
        if (d.style)
            trace += "/style" + std::to_string(d.style);
        if (d.hasMask)
            trace += "/mask" + Hex(d.maskColour);
        if (d.shadowOn)
            trace += "/shadow" + std::to_string(d.shadowX) + "," + std::to_string(d.shadowY) + "," +
                     std::to_string(d.blurX) + "," + std::to_string(d.blurY) + "," + std::to_string(d.darkness);
    }
    void PushClip(const MarkupRect& rect) override { Add("clip" + Box(rect) + "{"); }
    void PopClip() override { Add("}"); }
    int DotsPerInch() override { return dpi; }

private:
    void Add(const std::string& call) { trace += (trace.empty() ? "" : " ") + call; }
};

// Images of a fixed size for any request with a file name or resource;
// writes the images asked for, the addresses opened, the messages sent and
// the hand cursors set into one line.
class FakeHost : public IMarkupHost
{
public:
    struct Picture : IMarkupImage
    {
        int Width() const override { return 20; }
        int Height() const override { return 10; }
    };

    std::string log;

    std::shared_ptr<IMarkupImage> OpenImage(const ImageRequest& r) override
    {
        Add("open" + std::to_string(r.kind) + (r.hasIdRes ? "/res" + std::to_string(r.idRes) : "") +
            (r.hasIdDll ? "/dll" + std::to_string(r.idDll) : "") + (r.srcDll.empty() ? "" : "/" + r.srcDll) +
            (r.file.empty() ? "" : "/" + r.file) + (r.handle ? "/handle" + std::to_string(r.handle) : "") +
            (r.index ? "/index" + std::to_string(r.index) : "") + (r.cx ? "/cx" + std::to_string(r.cx) : "") +
            (r.cy ? "/cy" + std::to_string(r.cy) : ""));
        if (r.file.empty() && !r.hasIdRes)
            return nullptr;
        return std::make_shared<Picture>();
    }
    bool FetchString(unsigned id, bool fromModule, const std::string& module, std::string& text) override
    {
        if (fromModule)
            Add("dllstring" + std::to_string(id) + "/" + module);
        if (fromModule || id != 7)
            return false;
        text = "Sieben";
        return true;
    }
    void OpenAddress(const std::string& address) override { Add("url:" + address); }
    void SendWindowMessage(void*, unsigned message, intptr_t wParam, intptr_t lParam) override
    {
        // Click messages carry the target text; hover messages a parameter.
        Add("msg" + std::to_string(message) + "/" + std::to_string(wParam) + "/" +
            (message == 0x500 ? std::string(reinterpret_cast<const char*>(lParam)) : std::to_string(lParam)));
    }
    bool SetHandCursor() override
    {
        Add("hand");
        return true;
    }

private:
    void Add(const std::string& entry) { log += (log.empty() ? "" : " ") + entry; }
};
