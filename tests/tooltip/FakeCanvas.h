#pragma once
#include "tooltip/MarkupCanvas.h"

#include <cstdio>
#include <memory>
#include <string>

inline std::string N(int64_t value) { return std::to_string(value); }

// A canvas with fixed metrics that writes what is drawn into one line of
// text. A font of height h has the ascent h - h/4, the descent h/4, and
// every character is h/2 wide, so layouts can be worked out by hand.
// Texts read 'run'@x,y followed by what differs from the 13-pixel black
// Verdana of the default body.
class FakeCanvas : public IMarkupCanvas
{
public:
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
        return "[" + N(r.left) + "," + N(r.top) + "," + N(r.right) + "," + N(r.bottom) + "]";
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
        Add("'" + text + "'@" + N(x) + "," + N(y) + (font.height != 13 ? "/h" + N(font.height) : "") +
            (font.weight != 400 ? "/w" + N(font.weight) : "") + (font.italic ? "/i" : "") +
            (font.underline ? "/u" : "") + (font.strikeOut ? "/s" : "") +
            (font.family != "verdana" ? "/" + font.family : "") + (colour ? "/" + Hex(colour) : "") +
            (opaque ? "/on" + Hex(background) : ""));
    }
    void DrawPolyline(const MarkupPoint* points, int count, uint32_t colour, int width, PenStyle style) override
    {
        std::string line = "line(";
        for (int i = 0; i < count; ++i)
            line += (i ? " " : "") + N(points[i].x) + "," + N(points[i].y);
        Add(line + ")w" + N(width) + (style == PenDash ? "/dash" : style == PenDot ? "/dot" : "") + Hex(colour));
    }
    void FillRect(const MarkupRect& rect, uint32_t colour) override { Add("fill" + Box(rect) + Hex(colour)); }
    void DrawBackground(const MarkupRect& rect, int effect, uint32_t c1, uint32_t c2, uint32_t c3, int, int) override
    {
        Add("bg" + Box(rect) + "e" + N(effect) + Hex(c1) + Hex(c2) + Hex(c3));
    }
    void TileImage(const MarkupRect& rect, const IMarkupImage&) override { Add("tile" + Box(rect)); }
    void DrawImage(const IMarkupImage&, const MarkupRect& rect, const ImageDrawing& d) override
    {
        const std::string shadow = "/shadow" + N(d.shadowX) + "," + N(d.shadowY) + "," + N(d.blurX) + "," +
                                   N(d.blurY) + "," + N(d.darkness);
        Add("image" + Box(rect) + (d.style ? "/style" + N(d.style) : "") +
            (d.hasMask ? "/mask" + Hex(d.maskColour) : "") + (d.shadowOn ? shadow : ""));
    }
    void PushClip(const MarkupRect& rect) override { Add("clip" + Box(rect) + "{"); }
    void PopClip() override { Add("}"); }
    int DotsPerInch() override { return 96; }

private:
    void Add(const std::string& call) { trace += (trace.empty() ? "" : " ") + call; }
};

// Images 20 x 10 for any request with a file name or resource; writes the
// images asked for, the addresses opened, the messages sent and the hand
// cursors set into one line.
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
        Add("open" + N(r.kind) + (r.hasIdRes ? "/res" + N(r.idRes) : "") + (r.hasIdDll ? "/dll" + N(r.idDll) : "") +
            (r.srcDll.empty() ? "" : "/" + r.srcDll) + (r.file.empty() ? "" : "/" + r.file) +
            (r.handle ? "/handle" + N(int64_t(r.handle)) : "") + (r.index ? "/index" + N(r.index) : "") +
            (r.cx ? "/cx" + N(r.cx) : "") + (r.cy ? "/cy" + N(r.cy) : ""));
        return r.file.empty() && !r.hasIdRes ? nullptr : std::make_shared<Picture>();
    }
    bool FetchString(unsigned id, bool fromModule, const std::string&, std::string& text) override
    {
        text = "Sieben";
        return !fromModule && id == 7;
    }
    void OpenAddress(const std::string& address) override { Add("url:" + address); }
    void SendWindowMessage(void*, unsigned message, intptr_t wParam, intptr_t lParam) override
    {
        // Click messages carry the target text; hover messages a parameter.
        Add("msg" + N(message) + "/" + N(wParam) + "/" +
            (message == 0x500 ? std::string(reinterpret_cast<const char*>(lParam)) : N(lParam)));
    }
    bool SetHandCursor() override
    {
        Add("hand");
        return true;
    }

private:
    void Add(const std::string& entry) { log += (log.empty() ? "" : " ") + entry; }
};
