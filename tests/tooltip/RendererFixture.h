#pragma once
#include "tests/tooltip/FakeCanvas.h"
#include "tooltip/MarkupRenderer.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

// A renderer with the fake host that measures before it draws, as the
// tooltip does.
class RendererTest : public ::testing::Test
{
protected:
    CMarkupRenderer renderer;
    FakeCanvas canvas;
    FakeHost host;

    void SetUp() override { renderer.SetHost(&host); }

    MarkupSize Render(const std::string& text, int extraWidth = 0)
    {
        const MarkupSize size = renderer.Measure(canvas, text);
        canvas = FakeCanvas();
        renderer.Draw(canvas, text, MarkupRect{0, 0, size.cx + extraWidth, size.cy});
        return size;
    }
    const FakeCanvas::TextCall& Text(const std::string& run)
    {
        const FakeCanvas::TextCall* call = canvas.Find(run);
        static FakeCanvas::TextCall none{};
        EXPECT_NE(nullptr, call) << run;
        return call ? *call : none;
    }
    void ExpectAt(const std::string& run, int x, int y)
    {
        EXPECT_EQ(x, Text(run).x) << run;
        EXPECT_EQ(y, Text(run).y) << run;
    }
    void ExpectWeights(std::initializer_list<std::pair<const char*, int>> runs)
    {
        for (const auto& r : runs)
            EXPECT_EQ(r.second, Text(r.first).font.weight) << r.first;
    }
};
