#pragma once
#include "tooltip/MarkupCanvas.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

// A canvas with fixed metrics that records what is drawn. A font of height
// h has the ascent h - h/4, the descent h/4, and every character is h/2
// wide, so layouts can be worked out by hand.
class FakeCanvas : public IMarkupCanvas
{
public:
    struct TextCall
    {
        int x, y;
        std::string text;
        FontRequest font;
        uint32_t colour;
        bool opaque;
        uint32_t background;
    };
    struct LineCall
    {
        std::vector<MarkupPoint> points;
        uint32_t colour;
        int width;
        PenStyle style;
    };
    struct BackgroundCall
    {
        MarkupRect rect;
        int effect;
        uint32_t colour1, colour2, colour3;
    };
    struct ImageCall
    {
        MarkupRect rect;
        ImageDrawing drawing;
    };

    int dpi = 96;
    FontRequest font;
    std::vector<TextCall> texts;
    std::vector<LineCall> lines;
    std::vector<BackgroundCall> backgrounds;
    std::vector<ImageCall> images;
    std::vector<MarkupRect> clips;
    int clipDepth = 0;
    int maxClipDepth = 0;

    static FontMetrics MetricsOf(int height) { return FontMetrics{height, height - height / 4, height / 4}; }

    FontMetrics SelectFont(const FontRequest& wish) override
    {
        font = wish;
        return MetricsOf(wish.height);
    }
    MarkupSize TextExtent(const std::string& text) override
    {
        return MarkupSize{static_cast<int>(text.size()) * (font.height / 2), font.height};
    }
    int XHeight() override { return font.height / 2; }
    void PaintText(int x, int y, const std::string& text, uint32_t colour, bool opaque, uint32_t background) override
    {
        texts.push_back(TextCall{x, y, text, font, colour, opaque, background});
    }
    void DrawPolyline(const MarkupPoint* points, int count, uint32_t colour, int width, PenStyle style) override
    {
        lines.push_back(LineCall{std::vector<MarkupPoint>(points, points + count), colour, width, style});
    }
    void FillRect(const MarkupRect& rect, uint32_t colour) override
    {
        backgrounds.push_back(BackgroundCall{rect, 0, colour, colour, colour});
    }
    void DrawBackground(const MarkupRect& rect, int effect, uint32_t c1, uint32_t c2, uint32_t c3, int,
                        int) override
    {
        backgrounds.push_back(BackgroundCall{rect, effect, c1, c2, c3});
    }
    void TileImage(const MarkupRect& rect, const IMarkupImage&) override
    {
        backgrounds.push_back(BackgroundCall{rect, -1, 0, 0, 0});
    }
    void DrawImage(const IMarkupImage&, const MarkupRect& rect, const ImageDrawing& drawing) override
    {
        images.push_back(ImageCall{rect, drawing});
    }
    void PushClip(const MarkupRect& rect) override
    {
        clips.push_back(rect);
        maxClipDepth = std::max(maxClipDepth, ++clipDepth);
    }
    void PopClip() override { --clipDepth; }
    int DotsPerInch() override { return dpi; }

    // The first text call with exactly this text, or null.
    const TextCall* Find(const std::string& text) const
    {
        for (const TextCall& call : texts)
            if (call.text == text)
                return &call;
        return nullptr;
    }
};

// Images of a fixed size for any request with a file name; records the
// links opened, the messages sent and the strings asked for.
class FakeHost : public IMarkupHost
{
public:
    struct Picture : IMarkupImage
    {
        int width, height;
        Picture(int w, int h) : width(w), height(h) {}
        int Width() const override { return width; }
        int Height() const override { return height; }
    };
    struct Message
    {
        void* window;
        unsigned message;
        intptr_t wParam;
        std::string text;
    };

    int imageWidth = 20;
    int imageHeight = 10;
    std::vector<ImageRequest> requests;
    std::vector<std::string> opened;
    std::vector<Message> messages;
    int handCursors = 0;

    std::shared_ptr<IMarkupImage> OpenImage(const ImageRequest& request) override
    {
        requests.push_back(request);
        if (request.file.empty() && !request.hasIdRes)
            return nullptr;
        return std::make_shared<Picture>(imageWidth, imageHeight);
    }
    bool FetchString(unsigned id, bool fromModule, const std::string&, std::string& text) override
    {
        if (fromModule || id != 7)
            return false;
        text = "Sieben";
        return true;
    }
    void OpenAddress(const std::string& address) override { opened.push_back(address); }
    void SendWindowMessage(void* window, unsigned message, intptr_t wParam, intptr_t lParam) override
    {
        // Click messages carry the target text; hover messages a parameter.
        std::string text = message == 0x500 ? std::string(reinterpret_cast<const char*>(lParam)) : std::string();
        messages.push_back(Message{window, message, wParam, text});
    }
    bool SetHandCursor() override
    {
        ++handCursors;
        return true;
    }
};
