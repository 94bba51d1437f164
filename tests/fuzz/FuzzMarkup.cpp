// Markup of any shape is measured and drawn on the canvas of fixed metrics;
// nothing may crash, overflow or take unbounded time or memory.
#include "tests/tooltip/FakeCanvas.h"
#include "tooltip/MarkupRenderer.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    CMarkupRenderer renderer;
    FakeCanvas canvas;
    FakeHost host;
    renderer.SetHost(&host);
    int window = 0;
    renderer.SetHoverCallback(&window, 0x465, 0);
    const MarkupSize measured = renderer.Measure(canvas, text);
    renderer.Draw(canvas, text, MarkupRect{3, 4, 3 + measured.cx, 4 + measured.cy});
    // Hovering the first link redraws it in its hover style.
    if (!renderer.Links().empty()) {
        const MarkupRect& first = renderer.Links().front().rect;
        renderer.OnSetCursor(MarkupPoint{first.left, first.top});
        renderer.Draw(canvas, text, MarkupRect{3, 4, 3 + measured.cx, 4 + measured.cy});
        renderer.OnClick(MarkupPoint{first.left, first.top});
    }
    return 0;
}
