#include "tooltip/ToolTipCore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <utility>
#include <vector>

namespace {

TipWindowRef Win(int n) { return reinterpret_cast<TipWindowRef>(static_cast<uintptr_t>(n)); }

constexpr uint32_t Disabled = 0x08000000;
constexpr uint32_t GroupBox = 7;

// A dialog on a 1000 x 800 screen, a clock with Windows-like repeating
// timers, and a tip window that records what it is asked to do. A shown tip
// is painted at the next move or tick, as a message loop would.
class FakeTipHost : public IToolTipHost
{
public:
    struct Window { int id; MarkupRect rect; uint32_t style; int parent; };
    std::vector<Window> windows;
    ToolTipCore core{*this};
    MarkupPoint cursor;
    unsigned now = 0;
    std::map<int, std::pair<unsigned, unsigned>> timers; // id -> due, period
    bool visible = false, paintDue = false;
    std::vector<std::string> shown; // texts in the order shown
    TipLayout layout;
    std::vector<int> repaints;
    int clicks = 0;

    const Window& Find(TipWindowRef ref) const
    {
        return *std::find_if(windows.begin(), windows.end(), [ref](const Window& w) { return Win(w.id) == ref; });
    }
    std::vector<TipWindowRef> Descendants(TipWindowRef) override
    {
        std::vector<TipWindowRef> list;
        for (const Window& w : windows)
            if (w.id != 1)
                list.push_back(Win(w.id));
        return list;
    }
    TipWindowRef ParentOf(TipWindowRef window) override { return Win(Find(window).parent); }
    uint32_t StyleOf(TipWindowRef window) override { return Find(window).style; }
    MarkupRect ScreenRectOf(TipWindowRef window) override { return Find(window).rect; }
    MarkupPoint ScreenToClient(TipWindowRef window, MarkupPoint p) override
    {
        return {p.x - Find(window).rect.left, p.y - Find(window).rect.top};
    }
    MarkupPoint CursorPos() override { return cursor; }
    MarkupRect VirtualScreen() override { return {0, 0, 1000, 800}; }
    TipWindowRef TipWindow() override { return Win(99); }
    bool TipVisible() override { return visible; }
    bool TipUnder(MarkupPoint p) override
    {
        return visible && layout.body.Contains({p.x - layout.screenPosition.x, p.y - layout.screenPosition.y});
    }
    // Every character 10 wide, every line 20 high.
    MarkupSize MeasureText(const std::string& text) override { return {10 * static_cast<int>(text.size()), 20}; }
    void ShowTip(const ToolRecord& tool, const TipLayout& l) override
    {
        shown.push_back(tool.text);
        layout = l;
        visible = paintDue = true;
    }
    void HideTipWindow() override { visible = false; }
    void MoveTipWindow(MarkupPoint topLeft) override { layout.screenPosition = topLeft; }
    void RepaintTip(int transparency) override { repaints.push_back(transparency); }
    void ClickTip(MarkupPoint) override { ++clicks; }
    void SetTimer(int id, unsigned ms) override { timers[id] = {now + ms, ms}; }
    void KillTimer(int id) override { timers.erase(id); }

    void Pump()
    {
        if (std::exchange(paintDue, false))
            core.TakeOverForPaint();
    }
    void Advance(unsigned ms)
    {
        const unsigned end = now + ms;
        for (Pump();; Pump()) {
            auto next = std::min_element(timers.begin(), timers.end(),
                                         [](const auto& a, const auto& b) { return a.second.first < b.second.first; });
            if (next == timers.end() || next->second.first > end)
                break;
            now = next->second.first;
            next->second.first += next->second.second;
            core.OnTimer(next->first);
        }
        now = end;
    }
    void Relay(TipEvent event, int x, int y)
    {
        Pump();
        core.Relay(event, {x, y});
    }
    void Move(int x, int y)
    {
        cursor = {x, y};
        Relay(TipEvent::MouseMove, x, y);
    }
    // The texts shown so far and whether a tip is on screen now.
    std::string Seen() const
    {
        std::string line;
        for (const std::string& text : shown)
            line += text + " ";
        return line + (visible ? "visible" : "hidden");
    }
};

// Window 1 is the dialog; 2 "Neu" and 3 "Weiter" are buttons; a group box
// (4) lies over the edit 5; 6 is disabled over the dialog's own tool, which
// covers its client area; 7 has no tool and stands in 8, which has one; 9
// has no text.
class ToolTip : public ::testing::Test
{
protected:
    FakeTipHost host;
    ToolTipCore& core = host.core;

    void SetUp() override
    {
        host.windows = {{1, {100, 100, 600, 500}, 0, 0},     {4, {100, 300, 300, 480}, GroupBox, 1},
                        {5, {120, 320, 200, 340}, 0, 1},      {2, {110, 110, 190, 140}, 0, 1},
                        {3, {200, 110, 280, 140}, 0, 1},      {6, {300, 110, 380, 140}, Disabled, 1},
                        {7, {420, 320, 460, 340}, 0, 8},      {8, {400, 300, 580, 480}, 0, 1},
                        {9, {110, 150, 190, 180}, 0, 1}};
        core.SetParent(Win(1));
        core.SetDefaultBehaviour(TipNoHideDelay);
        for (auto [id, text] : std::vector<std::pair<int, const char*>>{
                 {1, "Dialog"}, {2, "Neu"}, {3, "Weiter"}, {4, "Rahmen"}, {5, "Edit"}, {6, "Aus"}, {8, "Feld"}, {9, ""}}) {
            ToolRecord record;
            record.text = text;
            if (id == 1)
                record.area = {0, 0, 500, 400};
            core.AddTool(Win(id), record);
        }
    }
    // Rests the cursor at (x, y) long enough for a tip.
    void Rest(int x, int y)
    {
        host.Move(x, y);
        host.Advance(600);
    }
    std::string Found(int x, int y)
    {
        ToolRef tool;
        return core.FindTool({x, y}, tool) ? tool.record.text : "-";
    }
};

TEST_F(ToolTip, ToolsAreReplacedByEqualAreaElseAppended)
{
    for (auto [text, area] : {std::pair{"A", MarkupRect{0, 0, 10, 10}}, {"B", {0, 0, 10, 10}}, {"C", {10, 0, 20, 10}}}) {
        ToolRecord record;
        record.text = text;
        record.area = area;
        core.AddTool(Win(3), record);
    }
    std::string texts;
    for (const ToolRecord& record : *core.ToolsOf(Win(3)))
        texts += record.text + " ";
    EXPECT_EQ("Weiter B C ", texts);
    // With more than one record each counts only inside its area (client
    // coordinates); the one with the empty area no more.
    EXPECT_EQ("B", Found(205, 115));
    EXPECT_EQ("C", Found(215, 115));
    EXPECT_EQ("Dialog", Found(250, 130));
}

TEST_F(ToolTip, SearchSkipsDisabledWindowsAndGroupBoxesAndStepsToTheParent)
{
    EXPECT_EQ("Neu", Found(150, 120));
    EXPECT_EQ("Dialog", Found(390, 120)); // between buttons
    EXPECT_EQ("Dialog", Found(350, 120)); // disabled button
    EXPECT_EQ("Edit", Found(150, 330));   // under the group box
    EXPECT_EQ("Dialog", Found(150, 400)); // in the group box
    EXPECT_EQ("Feld", Found(430, 330));   // a window without tool
    EXPECT_EQ("-", Found(20, 20));        // outside the dialog's area
    core.ClearTools();
    EXPECT_EQ("-", Found(150, 120));
}

TEST_F(ToolTip, TipAppearsAfterTheInitialDelayAndStaysUntilTheMouseMoves)
{
    host.Move(150, 120);
    host.Advance(499);
    EXPECT_EQ("hidden", host.Seen());
    host.Advance(1);
    EXPECT_EQ(PointerBottom, host.layout.direction);
    EXPECT_EQ(0, core.Transparency()) << "no fade: opaque at once";
    host.Advance(60000);
    EXPECT_EQ("Neu visible", host.Seen());
    // A move to the same position changes nothing, even on another tool.
    host.windows[3].rect = {0, 0, 0, 0};
    host.Relay(TipEvent::MouseMove, 150, 120);
    EXPECT_EQ("Neu visible", host.Seen());
    host.windows[3].rect = {110, 110, 190, 140};

    // A move inside the tool hides it until the cursor was elsewhere.
    host.Move(151, 120);
    EXPECT_EQ(TipHidden, core.State());
    Rest(152, 121);
    Rest(390, 120);
    Rest(150, 120);
    // Straight to another control: hidden at once, the next after the delay.
    host.Move(250, 120);
    EXPECT_EQ("Neu Dialog Neu hidden", host.Seen());
    host.Advance(500);
    EXPECT_EQ("Neu Dialog Neu Weiter visible", host.Seen());
    // Leaving every tool forgets the shown one and stops a waiting tip.
    host.Move(20, 20);
    EXPECT_EQ(nullptr, core.Displayed().window);
    host.Move(150, 120);
    host.Move(20, 21);
    host.Advance(1000);
    EXPECT_EQ("Neu Dialog Neu Weiter hidden", host.Seen());
}

TEST_F(ToolTip, NoTipWhenTheCursorMovedOrTheTextIsEmpty)
{
    host.Move(150, 120);
    host.cursor = {160, 125}; // moved without a message reaching the tooltip
    host.Advance(600);
    host.Move(160, 125);
    host.Move(150, 160); // a control without text
    host.Advance(600);
    EXPECT_EQ("hidden", host.Seen());
    EXPECT_EQ(TipShown, core.State());
    // Back on the control shown before: its tip comes again.
    Rest(250, 120);
    Rest(150, 160);
    Rest(250, 120);
    EXPECT_EQ("Weiter Weiter visible", host.Seen());
}

TEST_F(ToolTip, KeysButtonsAndDeactivationHideButReleasesDoNot)
{
    for (TipEvent event : {TipEvent::Dismiss, TipEvent::LeftButtonDown}) {
        host.Move(20, 20);
        Rest(150 + static_cast<int>(event), 120);
        host.Relay(TipEvent::Other, 150, 120); // a button release
        EXPECT_TRUE(host.visible);
        host.Relay(event, 150, 120);
        EXPECT_FALSE(host.visible);
        EXPECT_TRUE(host.timers.empty());
    }
    EXPECT_EQ(0, host.clicks);
    Rest(250, 120);
    host.Relay(TipEvent::LeftButtonDown, host.layout.screenPosition.x + 20, host.layout.screenPosition.y + 20);
    EXPECT_EQ(1, host.clicks) << "a click on the tip goes to it";
    EXPECT_FALSE(host.visible);
}

TEST_F(ToolTip, BehaviourFlags)
{
    const std::pair<uint32_t, std::string> cases[] = {
        {0, "0 0 1 0"},
        {TipNoHideDelay, "1 0 1 0"},
        {TipShowAgainInTool | TipNoHideDelay, "1 0 2 0"},
        {TipStayInTool, "0 1 1 0"},
        {TipStayInTool | TipNoHideDelay, "1 1 1 0"},
        {TipFollowCursor | TipNoHideDelay, "1 1 1 1"},
        {TipStayOverTip | TipNoHideDelay, "1 0 1 1"},
    };
    for (const auto& [behaviour, expected] : cases) {
        FakeTipHost h;
        h.windows = host.windows;
        h.core.SetParent(Win(1));
        h.core.SetDefaultBehaviour(behaviour);
        h.core.AddTool(Win(2), core.ToolsOf(Win(2))->front());
        auto restAfresh = [&h](int x, int y) {
            h.core.HideTip();
            h.Move(20, 20);
            h.Move(x, y);
            h.Advance(500);
        };
        std::ostringstream seen;
        restAfresh(150, 120);
        h.Advance(5000);
        seen << h.visible;

        restAfresh(150, 120);
        h.shown.clear();
        h.Move(152, 121);
        seen << " " << h.visible;
        h.Advance(500);
        seen << " " << h.shown.size() + 1;
        if (behaviour & TipFollowCursor) {
            EXPECT_EQ(152, h.layout.screenPosition.x);
        }

        // The tip of a cursor low on the button covers part of it.
        restAfresh(170, 139);
        h.Move(h.layout.screenPosition.x + 30, h.layout.screenPosition.y + 40);
        seen << " " << h.visible;
        EXPECT_EQ(expected, seen.str()) << behaviour;
    }
}

TEST_F(ToolTip, FadesStepByTwentyAndAWaitingTipFollowsTheFadeOut)
{
    core.SetDelay(DelayFadeIn, 30);
    core.SetDelay(DelayFadeOut, 40);
    core.SetDelay(7, 1); // unknown: ignored
    host.Move(150, 120);
    host.Advance(500);
    EXPECT_EQ(TipFadingIn, core.State());
    EXPECT_EQ(100, core.Transparency());
    host.Advance(150);
    EXPECT_EQ(TipShown, core.State());
    EXPECT_TRUE(host.timers.empty());
    host.Move(250, 120);
    EXPECT_EQ(TipHiding, core.State());
    host.Advance(160);
    EXPECT_EQ("Neu visible", host.Seen());
    host.Advance(539);
    EXPECT_EQ("Neu hidden", host.Seen());
    host.Advance(1);
    EXPECT_EQ("Neu Weiter visible", host.Seen());
    EXPECT_EQ((std::vector<int>{80, 60, 40, 20, 0, 20, 40, 60, 80}),
              std::vector<int>(host.repaints.begin(), host.repaints.begin() + 9));
    // The waiting tip came once; a move in its tool fades it out for good.
    host.Move(251, 120);
    host.Advance(1000);
    EXPECT_EQ("Neu Weiter hidden", host.Seen());

    // A tool's own transparency ends the fade-in early.
    ToolRecord glass;
    glass.text = "Glas";
    glass.mask = ToolSetsTransparency;
    glass.transparency = 50;
    core.AddTool(Win(5), glass);
    host.repaints.clear();
    core.HideTip();
    Rest(150, 330);
    EXPECT_EQ((std::vector<int>{80, 60, 50}), host.repaints);
    // Another tool while a tip fades in: its fade-out starts at once.
    host.Move(20, 20);
    host.Move(250, 120);
    host.Advance(700);
    EXPECT_EQ(TipFadingIn, core.State());
    host.Move(150, 330);
    EXPECT_EQ(TipHiding, core.State());
    // Off every tool before that fade-out ends: nothing comes after it.
    host.Move(20, 20);
    host.Advance(2000);
    EXPECT_EQ("Neu Weiter Glas Weiter hidden", host.Seen());
}

std::string Describe(const MarkupRect& r)
{
    std::ostringstream out;
    out << r.left << "," << r.top << "," << r.right << "," << r.bottom;
    return out.str();
}

const std::array<int, ShapeParameterCount> Balloon{16, 16, 12, 12, 12, 16, 16, 0, 0};

// Text 100 x 20: with the balloon's margins a body of 124 x 44; the pointer
// stands out 16. Cursor and code in; final code, pointer tip and size out.
TEST(TipPlacement, DirectionCodesOnScreenAndNearItsEdges)
{
    const std::pair<std::array<int, 3>, std::string> cases[] = {
        {{0, 500, 400}, "0 16,0 124x60"},     {{1, 500, 400}, "1 108,0 124x60"},
        {{2, 500, 400}, "2 62,0 124x60"},     {{16, 500, 400}, "16 16,60 124x60"},
        {{17, 500, 400}, "17 108,60 124x60"}, {{18, 500, 400}, "18 62,60 124x60"},
        {{32, 500, 400}, "32 0,16 140x44"},   {{33, 500, 400}, "33 0,28 140x44"},
        {{34, 500, 400}, "34 0,22 140x44"},   {{48, 500, 400}, "48 140,16 140x44"},
        {{49, 500, 400}, "49 140,28 140x44"}, {{50, 500, 400}, "50 140,22 140x44"},
        // Near the screen's edges the pointer changes edge or end; along its
        // edge the tip stays inside the screen.
        {{16, 950, 400}, "17 108,60 124x60"}, {{17, 50, 400}, "16 16,60 124x60"},
        {{16, 500, 30}, "0 16,0 124x60"},     {{1, 500, 790}, "17 108,60 124x60"},
        {{32, 900, 400}, "48 140,16 140x44"}, {{48, 100, 400}, "32 0,16 140x44"},
        {{32, 500, 780}, "33 0,28 140x44"},   {{33, 500, 10}, "32 0,10 140x44"},
        {{18, 20, 400}, "18 20,60 124x60"},   {{17, 990, 400}, "17 114,60 124x60"},
        {{34, 500, 5}, "34 0,5 140x44"},      {{50, 500, 795}, "50 140,22 140x44"},
        {{99, 500, 400}, "16 16,60 124x60"},  {{3, 500, 400}, "16 16,60 124x60"},
        // Just inside the screen nothing changes.
        {{32, 860, 400}, "32 0,16 140x44"},   {{16, 892, 400}, "16 16,60 124x60"},
        {{17, 108, 400}, "17 108,60 124x60"}, {{32, 500, 772}, "32 0,16 140x44"},
        {{0, 500, 740}, "0 16,0 124x60"},     {{16, 500, 60}, "16 16,60 124x60"},
    };
    for (const auto& [in, expected] : cases) {
        const auto [code, x, y] = in;
        const TipLayout l = PlaceTip({100, 20}, Balloon, code, {x, y}, {0, 0, 1000, 800}, TipShadow{});
        std::ostringstream out;
        out << l.direction << " " << l.pointerTip.x << "," << l.pointerTip.y << " " << l.width << "x" << l.height;
        EXPECT_EQ(expected, out.str()) << code << " at " << x << "," << y;
        // The pointer's tip on the cursor; room for the shadow.
        EXPECT_EQ(x, l.screenPosition.x + l.pointerTip.x);
        EXPECT_EQ(y, l.screenPosition.y + l.pointerTip.y);
        EXPECT_EQ(l.width + 6, l.windowWidth);
        EXPECT_EQ(l.height + 6, l.windowHeight);
    }
    // No shadow, no room for it; a screen that starts left of 0 clamps there.
    TipLayout l = PlaceTip({100, 20}, Balloon, 16, {-990, 400}, {-1000, 0, 1000, 800}, TipShadow{0, 0});
    EXPECT_EQ(124, l.windowWidth);
    EXPECT_EQ(-1000, l.screenPosition.x);
}

// Rounded body (as the region takes it), body, content, pointer strip and
// the line tiled over it, pointer triangle.
TEST(TipShape, BodyPointerAndStripForEachEdge)
{
    const std::pair<uint32_t, std::string> cases[] = {
        {0, "0,16,125,61 0,16,124,60 12,28,112,48 0,0,124,16 0,17,124,18 16,16 28,16 16,0"},
        {1, "0,16,125,61 0,16,124,60 12,28,112,48 0,0,124,16 0,17,124,18 108,16 96,16 108,0"},
        {18, "0,0,125,45 0,0,124,44 12,12,112,32 0,44,124,60 0,43,124,44 56,44 68,44 62,60"},
        {32, "16,0,141,45 16,0,140,44 28,12,128,32 0,0,16,44 17,0,18,44 16,16 16,28 0,16"},
        {49, "0,0,125,45 0,0,124,44 12,12,112,32 124,0,140,44 123,0,124,44 124,28 124,16 140,28"},
        {50, "0,0,125,45 0,0,124,44 12,12,112,32 124,0,140,44 123,0,124,44 124,16 124,28 140,22"},
    };
    for (const auto& [code, expected] : cases) {
        const TipLayout l = PlaceTip({100, 20}, Balloon, code, {500, 400}, {0, 0, 1000, 800}, TipShadow{});
        std::ostringstream out;
        out << Describe(l.roundRect) << " " << Describe(l.body) << " " << Describe(l.content) << " "
            << Describe(l.pointerStrip) << " " << Describe(l.stripSource);
        for (const MarkupPoint& p : l.pointer)
            out << " " << p.x << "," << p.y;
        EXPECT_EQ(expected, out.str()) << code;
        EXPECT_TRUE(l.hasPointer);
        EXPECT_EQ(16, l.cornerWidth);
    }
    // The plain rectangle: small margins, no pointer, no corners.
    const std::array<int, ShapeParameterCount> rectangle{0, 0, 3, 1, 0, 0, 0, 0, 0};
    const TipLayout r = PlaceTip({100, 20}, rectangle, 16, {500, 400}, {0, 0, 1000, 800}, TipShadow{});
    EXPECT_FALSE(r.hasPointer);
    EXPECT_EQ("0,0,107,23", Describe(r.roundRect));
    EXPECT_EQ(0, r.cornerWidth);
    EXPECT_EQ("0,22", std::to_string(r.pointerTip.x) + "," + std::to_string(r.pointerTip.y));
}

TEST_F(ToolTip, SettersShapesAndShadowGrey)
{
    auto shape = [this] {
        std::string text;
        for (int i = 0; i < ShapeParameterCount; ++i)
            text += std::to_string(core.ShapeParameter(i)) + " ";
        return text;
    };
    EXPECT_EQ("16 16 12 12 12 16 16 0 0 ", shape());
    core.SetShape(false);
    EXPECT_EQ("0 0 3 1 0 0 0 0 0 ", shape());
    core.SetShapeParameter(ShapeMarginX, 5);
    core.SetShapeParameter(9, 77);
    EXPECT_EQ(5, core.ShapeParameter(ShapeMarginX));
    EXPECT_EQ(0, core.ShapeParameter(9));
    core.SetShadow(2, 3, 250, false, 1, 1);
    EXPECT_EQ(100, core.Shadow().darkness);
    EXPECT_EQ(500u, core.Delay(DelayInitial));
    EXPECT_EQ(5000u, core.Delay(DelayHide));

    // Darkness and transparency in, grey level of the mask out.
    const int greys[][3] = {{50, 0, 128}, {50, 100, 255}, {50, 50, 191}, {0, 0, 255}, {100, 0, 0}, {100, 30, 76},
                            {30, 0, 179}, {50, 150, 255}};
    for (const auto& g : greys)
        EXPECT_EQ(g[2], ShadowGrey(g[0], g[1])) << g[0] << " " << g[1];

    // The balloon's layout follows the margins set; the tool's colours
    // come from the defaults unless its mask says otherwise.
    core.SetDefaultColours(1, 2, 3);
    core.SetDefaultDirection(PointerTop);
    Rest(150, 120);
    EXPECT_EQ(PointerTop, host.layout.direction);
    EXPECT_EQ(5, host.layout.content.left);
    const ToolRecord& shown = core.Displayed().record;
    EXPECT_EQ("1 2 3 16", std::to_string(shown.colour1) + " " + std::to_string(shown.colour2) + " " +
                              std::to_string(shown.colour3) + " " + std::to_string(shown.behaviour));

    // Fields a tool sets without its mask bit are replaced; a transparency
    // above 100 counts as 100. Without delays a tip comes at once and stays.
    ToolRecord odd;
    odd.text = "X";
    odd.effect = 7;
    odd.granularity = 3;
    odd.transparency = 150;
    odd.mask = ToolSetsTransparency;
    core.AddTool(Win(5), odd);
    core.SetDefaultBehaviour(0);
    core.SetDelay(DelayInitial, 0);
    core.SetDelay(DelayHide, 0);
    host.Move(150, 330);
    EXPECT_TRUE(host.visible);
    host.Advance(10000);
    EXPECT_TRUE(host.visible);
    EXPECT_EQ(100, core.Transparency());
    EXPECT_EQ(0u, shown.effect + shown.granularity);
}

} // namespace
