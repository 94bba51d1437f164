#pragma once
#include "tests/tooltip/FakeCanvas.h"
#include "tooltip/MarkupRenderer.h"

#include <gtest/gtest.h>

#include <string>

// One markup text and what measuring and drawing it gives.
struct RenderCase
{
    const char* markup;
    const char* expected;
};

// A renderer with the fake host that measures before it draws, as the
// tooltip does.
class RendererTest : public ::testing::Test
{
protected:
    CMarkupRenderer renderer;
    FakeCanvas canvas;
    FakeHost host;

    void SetUp() override { renderer.SetHost(&host); }

    // "width x height: trace" of the text drawn into its measured size
    // widened by extraWidth.
    std::string Run(const std::string& text, int extraWidth = 0)
    {
        const MarkupSize size = renderer.Measure(canvas, text);
        canvas = FakeCanvas();
        renderer.Draw(canvas, text, MarkupRect{0, 0, size.cx + extraWidth, size.cy});
        return std::to_string(size.cx) + "x" + std::to_string(size.cy) + ": " + canvas.trace;
    }
    template <std::size_t N> void ExpectRuns(const RenderCase (&cases)[N])
    {
        for (const RenderCase& c : cases)
            EXPECT_EQ(c.expected, Run(c.markup)) << c.markup;
    }
};
