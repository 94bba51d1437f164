// The tooltip's decisions through a fake host: which tool, when a tip comes, fades and goes, where it stands.
#include "tooltip/ToolTipCore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

TipWindowRef Win(int n) { return reinterpret_cast<TipWindowRef>(static_cast<uintptr_t>(n)); }

constexpr uint32_t Disabled = 0x08000000;
constexpr uint32_t GroupBox = 7;

// A dialog on a 1000 x 800 screen, a clock with Windows-like repeating
// timers, and a tip window that records what it is asked to do.
class FakeTipHost : public IToolTipHost
{
public:
    struct Window { MarkupRect rect; uint32_t style; int parent; };
    std::map<int, Window> windows; // by id
    ToolTipCore core{*this};
    MarkupPoint cursor;
    unsigned now = 0;
    std::map<int, std::pair<unsigned, unsigned>> timers; // id -> due, period
    bool visible = false, paintDue = false;
    std::string shown; // texts in the order shown
    TipLayout layout;
    std::vector<int> repaints;
    int clicks = 0, hides = 0;

    const Window& Find(TipWindowRef ref) const { return windows.at(static_cast<int>(reinterpret_cast<uintptr_t>(ref))); }
    std::vector<TipWindowRef> Descendants(TipWindowRef) override
    {
        std::vector<TipWindowRef> list;
        for (const auto& w : windows)
            if (w.first != 1)
                list.push_back(Win(w.first));
        return list;
    }
    TipWindowRef ParentOf(TipWindowRef window) override { return Win(Find(window).parent); }
    uint32_t StyleOf(TipWindowRef window) override { return Find(window).style; }
    MarkupRect ScreenRectOf(TipWindowRef window) override { return Find(window).rect; }
    MarkupPoint ScreenToClient(TipWindowRef w, MarkupPoint p) override { return {p.x - Find(w).rect.left, p.y - Find(w).rect.top}; }
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
        shown += tool.text + " ";
        layout = l;
        visible = paintDue = true;
    }
    void HideTipWindow() override { visible = false, ++hides; }
    void MoveTipWindow(MarkupPoint topLeft) override { layout.screenPosition = topLeft; }
    void RepaintTip(int transparency) override { repaints.push_back(transparency); }
    void ClickTip(MarkupPoint) override { ++clicks; }
    void SetTimer(int id, unsigned ms) override { timers[id] = {now + ms, ms}; }
    void KillTimer(int id) override { timers.erase(id); }

    // A shown tip is painted at the next move or tick, as a message loop would.
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
    void Move(int x, int y) { cursor = {x, y}, Relay(TipEvent::MouseMove, x, y); }
    // The texts shown so far and whether a tip is on screen now.
    std::string Seen() const { return shown + (visible ? "visible" : "hidden"); }
    // Steps separated by blanks: mX,Y a move, wN a wait of N ms, rX,Y a rest
    // (a move and 600 ms), cX,Y the cursor moved without a message, d a key,
    // bX,Y a left click, o a button release, h HideTip. Each "?" notes the
    // tip window (V shown, h hidden), the state, the transparency and how
    // many timers run, as V2/0/1.
    std::string Run(const std::string& script)
    {
        std::istringstream steps(script);
        std::string notes;
        for (std::string step; steps >> step;) {
            int a = 0, b = 0;
            std::sscanf(step.c_str() + 1, "%d,%d", &a, &b);
            switch (step[0]) {
            case 'm': Move(a, b); break;
            case 'w': Advance(a); break;
            case 'r': Move(a, b), Advance(600); break;
            case 'c': cursor = {a, b}; break;
            case 'd': Relay(TipEvent::Dismiss, cursor.x, cursor.y); break;
            case 'b': Relay(TipEvent::LeftButtonDown, a, b); break;
            case 'o': Relay(TipEvent::Other, cursor.x, cursor.y); break;
            case 'h': core.HideTip(); break;
            default:
                notes += (visible ? "V" : "h") + std::to_string(core.State()) + "/" +
                         std::to_string(core.Transparency()) + "/" + std::to_string(timers.size()) + " ";
            }
        }
        return notes;
    }
};

ToolRecord Tool(const char* text, MarkupRect area = {}, uint32_t mask = 0, uint8_t transparency = 0)
{
    ToolRecord record;
    record.text = text;
    record.area = area;
    record.mask = mask;
    record.transparency = transparency;
    return record;
}

// Window 1 is the dialog; 2 "Neu" and 3 "Weiter" are buttons; a group box
// (4) lies over the edit 5; 6 is disabled over the dialog's own tool, which
// covers its client area; 7 has no tool and stands in 8, which has one; 9
// has no text.
class ToolTip : public ::testing::Test
{
public:
    FakeTipHost host;
    ToolTipCore& core = host.core;

    void SetUp() override { Prepare(host, TipNoHideDelay); }
    static void Prepare(FakeTipHost& h, uint32_t behaviour)
    {
        h.windows = {{1, {{100, 100, 600, 500}, 0, 0}},  {4, {{100, 300, 300, 480}, GroupBox, 1}},
                     {5, {{120, 320, 200, 340}, 0, 1}},   {2, {{110, 110, 190, 140}, 0, 1}},
                     {3, {{200, 110, 280, 140}, 0, 1}},   {6, {{300, 110, 380, 140}, Disabled, 1}},
                     {7, {{420, 320, 460, 340}, 0, 8}},   {8, {{400, 300, 580, 480}, 0, 1}},
                     {9, {{110, 150, 190, 180}, 0, 1}}};
        h.core.SetParent(Win(1));
        h.core.SetDefaultBehaviour(behaviour);
        h.core.AddTool(Win(1), Tool("Dialog", {0, 0, 500, 400}));
        h.core.AddTool(Win(2), Tool("Neu", {0, 0, 0, 30})); // no width: the whole window
        for (auto [id, text] : std::vector<std::pair<int, const char*>>{
                 {3, "Weiter"}, {4, "Rahmen"}, {5, "Edit"}, {6, "Aus"}, {8, "Feld"}, {9, ""}})
            h.core.AddTool(Win(id), Tool(text));
    }
};

TEST_F(ToolTip, FindsTheToolUnderThePoint)
{
    // Equal areas replace, others append; with more than one record each
    // counts only inside its area (client coordinates).
    core.AddTool(Win(3), Tool("A", {0, 0, 10, 10}));
    core.AddTool(Win(3), Tool("B", {0, 0, 10, 10}));
    core.AddTool(Win(3), Tool("C", {10, 0, 20, 10}));
    std::string texts;
    for (const ToolRecord& record : *core.ToolsOf(Win(3)))
        texts += record.text + " ";
    EXPECT_EQ("Weiter B C ", texts);
    // Disabled windows and group boxes are skipped; a window without a tool
    // steps to its parent; outside the dialog's area there is none.
    std::string found;
    for (MarkupPoint p : std::vector<MarkupPoint>{{150, 120}, {205, 115}, {215, 115}, {250, 130}, {390, 120},
                                                  {350, 120}, {150, 330}, {150, 400}, {430, 330}, {20, 20}}) {
        ToolRef tool;
        found += (core.FindTool(p, tool) ? tool.record.text : "-") + " ";
    }
    EXPECT_EQ("Neu B C Dialog Dialog Dialog Edit Dialog Feld - ", found);
    core.ClearTools();
    ToolRef none;
    EXPECT_FALSE(core.FindTool({150, 120}, none));
}

TEST_F(ToolTip, TipAppearsAfterTheInitialDelayAndStaysUntilTheMouseMoves)
{
    EXPECT_FALSE(core.HasLayout());
    // After the delay, opaque at once (no fade), for good (no hide delay).
    EXPECT_EQ("h0/0/1 V2/0/0 V2/0/0 ", host.Run("m150,120 w499 ? w1 ? w60000 ?"));
    EXPECT_TRUE(core.HasLayout());
    // A move to the same position changes nothing, even on another tool.
    host.windows[2].rect = {0, 0, 0, 0};
    EXPECT_EQ("V2/0/0 ", host.Run("m150,120 ?"));
    host.windows[2].rect = {110, 110, 190, 140};
    // A move inside the tool hides it until the cursor was elsewhere;
    // straight to another control: hidden at once, the next after the delay.
    EXPECT_EQ("h0/100/0 h0/100/1 V2/0/0 ", host.Run("m151,120 ? r152,121 r390,120 r150,120 m250,120 ? w500 ?"));
    EXPECT_EQ("Neu Dialog Neu Weiter visible", host.Seen());
    // Leaving every tool forgets the shown one and stops a waiting tip.
    host.Run("m20,20");
    EXPECT_EQ(nullptr, core.Displayed().window);
    EXPECT_EQ("h0/100/0 ", host.Run("m150,120 m20,21 w1000 ?"));
    // No tip when the cursor moved without a message reaching the tooltip,
    // nor for a control without text; back on the control shown before, its
    // tip comes again.
    EXPECT_EQ("h2/100/0 ", host.Run("m150,120 c160,125 w600 m160,125 m150,160 w600 ?"));
    host.Run("r250,120 r150,160 r250,120");
    EXPECT_EQ("Neu Dialog Neu Weiter Weiter Weiter visible", host.Seen());
}

TEST_F(ToolTip, KeysButtonsAndDeactivationHideButReleasesDoNot)
{
    // A release leaves the tip; a key or a click hides it, and it stays
    // away while the cursor stays in its tool.
    EXPECT_EQ("V2/0/0 h0/0/0 h0/0/0 V2/0/0 h0/0/0 h0/0/0 ",
              host.Run("r150,120 o ? d ? r160,125 ? m20,20 r151,120 o ? b151,120 ? r160,125 ?"));
    EXPECT_EQ("Neu Neu hidden", host.Seen());
    host.Run("r250,120");
    host.Relay(TipEvent::LeftButtonDown, host.layout.screenPosition.x + 20, host.layout.screenPosition.y + 20);
    EXPECT_EQ(1, host.clicks); // a click on the tip goes to it
    EXPECT_FALSE(host.visible);
}

TEST(ToolTipBehaviour, FlagsDecideWhatMovesDo)
{
    // Noted: 5 s after a tip; after a move in the tool; 500 ms later; with
    // the cursor moved onto the tip of a cursor low on the button.
    const std::pair<uint32_t, std::string> cases[] = {
        {0, "h0/100/0 h0/100/0 h0/100/0 h0/100/0 "},
        {TipShowAgainInTool | TipNoHideDelay, "V2/0/0 h0/100/1 V2/0/0 h0/100/0 "},
        {TipStayInTool, "h0/100/0 V2/0/1 V2/0/1 h0/100/0 "},
        {TipStayInTool | TipNoHideDelay, "V2/0/0 V2/0/0 V2/0/0 h0/100/0 "},
        {TipFollowCursor | TipNoHideDelay, "V2/0/0 V2/0/0 V2/0/0 V2/0/0 "},
        {TipStayOverTip | TipNoHideDelay, "V2/0/0 h0/100/0 h0/100/0 V2/0/0 "},
    };
    for (const auto& [behaviour, expected] : cases) {
        FakeTipHost h;
        ToolTip::Prepare(h, behaviour);
        std::string seen = h.Run("m150,120 w5500 ? h m20,20 m150,120 w500 m152,121 ? w500 ?");
        if (behaviour & TipFollowCursor) {
            EXPECT_EQ(152, h.layout.screenPosition.x);
        }
        seen += h.Run("h m20,20 m170,139 w500 m184,119 ?"); // the tip's body starts at (154, 79)
        EXPECT_EQ(expected, seen) << behaviour;
    }
}

TEST_F(ToolTip, FadesStepByTwentyAndAWaitingTipFollowsTheFadeOut)
{
    core.SetDelay(DelayFadeIn, 30);
    core.SetDelay(DelayFadeOut, 40);
    core.SetDelay(7, 1); // unknown: ignored
    // Fading in, shown; fading out with the next tool waiting, which comes
    // once the fade-out ends.
    EXPECT_EQ("V1/100/1 V2/0/0 V3/0/1 V3/80/1 h0/100/1 V1/100/1 ",
              host.Run("m150,120 w500 ? w150 ? m250,120 ? w160 ? w539 ? w1 ?"));
    EXPECT_EQ("Neu Weiter visible", host.Seen());
    EXPECT_EQ((std::vector<int>{80, 60, 40, 20, 0, 20, 40, 60, 80}),
              std::vector<int>(host.repaints.begin(), host.repaints.begin() + 9));
    // The waiting tip came once; a move in its tool fades it out for good.
    EXPECT_EQ("h0/100/0 ", host.Run("m251,120 w1000 ?"));
    EXPECT_EQ(2, host.hides);

    // A tool's own transparency ends the fade-in early.
    core.AddTool(Win(5), Tool("Glas", {}, ToolSetsTransparency, 50));
    host.repaints.clear();
    host.Run("h r150,330");
    EXPECT_EQ((std::vector<int>{80, 60, 50}), host.repaints);
    // Another tool while a tip fades in: its fade-out starts at once; off
    // every tool before that fade-out ends: nothing comes after it.
    EXPECT_EQ("V1/60/1 V3/60/1 h0/100/0 ", host.Run("m20,20 m250,120 w700 ? m150,330 ? m20,20 w2000 ?"));
    EXPECT_EQ("Neu Weiter Glas Weiter hidden", host.Seen());
}

std::ostream& operator<<(std::ostream& out, const MarkupRect& r)
{
    return out << r.left << "," << r.top << "," << r.right << "," << r.bottom;
}

const std::array<int, ShapeParameterCount> Balloon{16, 16, 12, 12, 12, 16, 16, 0, 0};

// Text 100 x 20: with the balloon's margins a body of 124 x 44; the pointer
// stands out 16. Cursor and code in; final code, pointer tip and size out.
TEST(TipPlacement, DirectionCodesOnScreenAndNearItsEdges)
{
    // Each case: code, cursor x and y; then final code, pointer tip and size
    // (codes 0, 18, 32 and 50 in the open show in the shape test's pointers).
    // Near the screen's edges the pointer changes edge or end; along its edge
    // the tip stays inside the screen; just inside the screen nothing changes.
    const char* const cases[] = {
        "1 500 400 1 108,0 124x60", "2 500 400 2 62,0 124x60", "16 500 400 16 16,60 124x60",
        "17 500 400 17 108,60 124x60", "33 500 400 33 0,28 140x44", "34 500 400 34 0,22 140x44",
        "48 500 400 48 140,16 140x44", "49 500 400 49 140,28 140x44",
        "16 950 400 17 108,60 124x60", "17 50 400 16 16,60 124x60", "16 500 30 0 16,0 124x60",
        "1 500 790 17 108,60 124x60", "32 900 400 48 140,16 140x44", "48 100 400 32 0,16 140x44",
        "32 500 780 33 0,28 140x44", "33 500 10 32 0,10 140x44", "18 20 400 18 20,60 124x60",
        "17 990 400 17 114,60 124x60", "34 500 5 34 0,5 140x44", "50 500 795 50 140,22 140x44",
        "99 500 400 16 16,60 124x60", "3 500 400 16 16,60 124x60", "32 860 400 32 0,16 140x44",
        "16 892 400 16 16,60 124x60", "17 108 400 17 108,60 124x60", "32 500 772 32 0,16 140x44",
        "0 500 740 0 16,0 124x60", "16 500 60 16 16,60 124x60",
    };
    for (const char* c : cases) {
        int code = 0, x = 0, y = 0, n = 0;
        std::sscanf(c, "%d %d %d %n", &code, &x, &y, &n);
        const std::string expected = c + n;
        const TipLayout l = PlaceTip({100, 20}, Balloon, code, {x, y}, {0, 0, 1000, 800}, TipShadow{});
        std::ostringstream out;
        // The pointer's tip on the cursor; room for the shadow.
        out << l.direction << " " << l.pointerTip.x << "," << l.pointerTip.y << " " << l.width << "x" << l.height
            << " " << l.screenPosition.x + l.pointerTip.x << "," << l.screenPosition.y + l.pointerTip.y << " "
            << l.windowWidth - l.width << "," << l.windowHeight - l.height;
        EXPECT_EQ(expected + " " + std::to_string(x) + "," + std::to_string(y) + " 6,6", out.str()) << c;
    }
    // No shadow, no room for it; a screen that starts left of 0 clamps there.
    TipLayout l = PlaceTip({100, 20}, Balloon, 16, {-990, 400}, {-1000, 0, 1000, 800}, TipShadow{0, 0});
    EXPECT_EQ("124 -1000", std::to_string(l.windowWidth) + " " + std::to_string(l.screenPosition.x));
}

// Rounded body (as the region takes it), body, content, pointer strip and
// the line tiled over it, pointer triangle, corner.
TEST(TipShape, BodyPointerAndStripForEachEdge)
{
    const std::pair<uint32_t, std::string> cases[] = {
        {0, "0,16,125,61 0,16,124,60 12,28,112,48 0,0,124,16 0,17,124,18 16,16 28,16 16,0 16"},
        {18, "0,0,125,45 0,0,124,44 12,12,112,32 0,44,124,60 0,43,124,44 56,44 68,44 62,60 16"},
        {32, "16,0,141,45 16,0,140,44 28,12,128,32 0,0,16,44 17,0,18,44 16,16 16,28 0,16 16"},
        {50, "0,0,125,45 0,0,124,44 12,12,112,32 124,0,140,44 123,0,124,44 124,16 124,28 140,22 16"},
    };
    const auto describe = [](const TipLayout& l) {
        std::ostringstream out;
        out << l.roundRect << " " << l.body << " " << l.content << " " << l.pointerStrip << " " << l.stripSource;
        if (l.hasPointer)
            for (const MarkupPoint& p : l.pointer)
                out << " " << p.x << "," << p.y;
        out << " " << l.cornerWidth;
        return out.str();
    };
    for (const auto& [code, expected] : cases)
        EXPECT_EQ(expected, describe(PlaceTip({100, 20}, Balloon, code, {500, 400}, {0, 0, 1000, 800}, TipShadow{})))
            << code;
    // The plain rectangle: small margins, no pointer, no corners.
    const std::array<int, ShapeParameterCount> rectangle{0, 0, 3, 1, 0, 0, 0, 0, 0};
    const TipLayout r = PlaceTip({100, 20}, rectangle, 16, {500, 400}, {0, 0, 1000, 800}, TipShadow{});
    EXPECT_EQ("0,0,107,23 0,0,106,22 3,1,103,21 0,22,106,22 0,21,106,22 0 0,22", describe(r) + " " +
              std::to_string(r.pointerTip.x) + "," + std::to_string(r.pointerTip.y));
}

// Numbers joined by blanks, for comparing several results at once.
template <class... Numbers>
std::string Line(Numbers... numbers)
{
    std::string text;
    ((text += std::to_string(numbers) + " "), ...);
    return text;
}

TEST_F(ToolTip, ShapeShadowGreyAndTheToolsFieldsFromTheDefaults)
{
    // The rectangle with margin 5; indexes out of range read 0 and set nothing; darkness at most 100.
    core.SetShape(false);
    core.SetShapeParameter(ShapeMarginX, 5);
    core.SetShapeParameter(ShapeParameterCount, 77);
    core.SetShadow(2, 3, 250, false, 1, 1);
    std::string shape;
    for (int i = -1; i <= ShapeParameterCount; ++i)
        shape += std::to_string(core.ShapeParameter(i)) + " ";
    EXPECT_EQ(Line(0, 0, 0, 5, 1, 0, 0, 0, 0, 0, 0, 100), shape + Line(core.Shadow().darkness));
    core.SetShape(true);
    // Darkness and transparency in, grey level of the mask out.
    EXPECT_EQ(Line(128, 255, 191, 255, 0, 76, 179, 255, 255, 128),
              Line(ShadowGrey(50, 0), ShadowGrey(50, 100), ShadowGrey(50, 50), ShadowGrey(0, 0), ShadowGrey(150, 0),
                   ShadowGrey(100, 30), ShadowGrey(30, 0), ShadowGrey(50, 150), ShadowGrey(-5, 0), ShadowGrey(50, -9)));

    // The tool's fields come from the defaults unless its mask says otherwise.
    core.SetDefaultColours(1, 2, 3);
    core.SetDefaultDirection(PointerTop);
    host.Run("r150,120");
    const ToolRecord& shown = core.Displayed().record;
    EXPECT_EQ(Line(0, 1, 2, 3, 16), Line(host.layout.direction, shown.colour1, shown.colour2, shown.colour3, shown.behaviour));
    // A transparency above 100 counts as 100; fields set without their mask
    // bit are replaced. Without delays a tip comes at once and stays.
    ToolRecord odd = Tool("X", {}, ToolSetsTransparency, 150);
    odd.effect = 7;
    odd.granularity = 3;
    core.AddTool(Win(5), odd);
    core.SetDefaultBehaviour(0);
    core.SetDelay(DelayInitial, 0);
    core.SetDelay(DelayHide, 0);
    host.Move(150, 330);
    const bool visibleAtOnce = host.visible;
    host.Advance(10000);
    EXPECT_EQ(Line(1, 1, 100, 0), Line(visibleAtOnce, host.visible, core.Transparency(), shown.effect + shown.granularity));
}

} // namespace
