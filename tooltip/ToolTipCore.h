#pragma once
#include "tooltip/MarkupCanvas.h"

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

// The decisions of the balloon tooltip: which tool lies under the mouse,
// when a tip appears, fades and goes, where it stands and what shape it has.
// Windows, timers and drawing come through IToolTipHost; tooltip/win/
// VelToolTip.h puts them on Win32.

using TipWindowRef = const void*;

// Option mask bits: which optional fields a tool sets itself.
constexpr uint32_t ToolSetsExtra = 0x01;
constexpr uint32_t ToolSetsEffect = 0x02;
constexpr uint32_t ToolSetsColours = 0x04;
constexpr uint32_t ToolSetsDirection = 0x08;
constexpr uint32_t ToolSetsBehaviour = 0x10;
constexpr uint32_t ToolSetsTransparency = 0x20;

// Behaviour flags.
constexpr uint32_t TipShowAgainInTool = 0x01;
constexpr uint32_t TipFollowCursor = 0x02;
constexpr uint32_t TipStayInTool = 0x04;
constexpr uint32_t TipStayOverTip = 0x08;
constexpr uint32_t TipNoHideDelay = 0x10;

// Pointer places: the edge in the high part, the place along it in the low.
constexpr uint32_t PointerTop = 0;
constexpr uint32_t PointerBottom = 16;
constexpr uint32_t PointerLeft = 32;
constexpr uint32_t PointerRight = 48;
constexpr uint32_t PointerStart = 0;
constexpr uint32_t PointerEnd = 1;
constexpr uint32_t PointerMiddle = 2;

enum TipTimer : int { TimerInitial = 256, TimerHide = 257, TimerFadeIn = 258, TimerFadeOut = 259 };
enum TipState : int { TipHidden = 0, TipFadingIn = 1, TipShown = 2, TipHiding = 3 };

// Delay selectors of SetDelay.
enum TipDelay : int { DelayHide = 2, DelayInitial = 3, DelayFadeIn = 4, DelayFadeOut = 5 };

// Indexes of the shape parameters.
enum TipShapeIndex : int {
    ShapeCornerWidth, ShapeCornerHeight, ShapeMarginX, ShapeMarginY,
    ShapePointerWidth, ShapePointerHeight, ShapePointerMargin, ShapeParameterCount = 9
};

struct ToolRecord
{
    uint32_t toolId = 0;
    MarkupRect area;
    std::string text;
    uint32_t mask = 0;
    uint32_t extra = 0;
    uint32_t direction = 0;
    uint32_t effect = 0;
    uint32_t behaviour = 0;
    uint8_t granularity = 0;
    uint8_t transparency = 0;
    uint32_t colour1 = 0;
    uint32_t colour2 = 0;
    uint32_t colour3 = 0;
};

struct ToolRef
{
    TipWindowRef window = nullptr;
    ToolRecord record;
};

struct TipShadow
{
    int offsetX = 6;
    int offsetY = 6;
    int darkness = 50;
    bool gradient = true;
    int blurX = 7;
    int blurY = 7;

    bool On() const { return offsetX != 0 || offsetY != 0; }
};

// Where a tip stands and what shape it has, all in window coordinates.
struct TipLayout
{
    uint32_t direction = PointerBottom;
    MarkupPoint pointerTip;
    // Without the shadow's room.
    int width = 0;
    int height = 0;
    MarkupRect body;
    MarkupRect content;
    // The rounded body as CreateRoundRectRgn takes it.
    MarkupRect roundRect;
    int cornerWidth = 0;
    int cornerHeight = 0;
    bool hasPointer = false;
    std::array<MarkupPoint, 3> pointer{};
    // The strip beside the body that the pointer stands in, and the line of
    // the body that is tiled over it; an empty strip when there is none.
    MarkupRect pointerStrip;
    MarkupRect stripSource;
    // The window with the shadow's room, and its top-left corner on screen.
    int windowWidth = 0;
    int windowHeight = 0;
    MarkupPoint screenPosition;
};

// Geometry of a tip: text size, shape parameters and screen in, layout out.
TipLayout PlaceTip(MarkupSize text, const std::array<int, ShapeParameterCount>& shape, uint32_t direction,
                   MarkupPoint cursor, const MarkupRect& screen, const TipShadow& shadow);

// Grey of the shadow mask for a tip of the given transparency.
int ShadowGrey(int darkness, int transparency);

bool SameArea(const MarkupRect& a, const MarkupRect& b);
bool IsEmptyArea(const MarkupRect& area);

// What the tooltip needs of the platform.
class IToolTipHost
{
public:
    virtual ~IToolTipHost() = default;

    // The window tree: every descendant in the system's enumeration order.
    virtual std::vector<TipWindowRef> Descendants(TipWindowRef parent) = 0;
    virtual TipWindowRef ParentOf(TipWindowRef window) = 0;
    virtual uint32_t StyleOf(TipWindowRef window) = 0;
    virtual MarkupRect ScreenRectOf(TipWindowRef window) = 0;
    virtual MarkupPoint ScreenToClient(TipWindowRef window, MarkupPoint point) = 0;
    virtual MarkupPoint CursorPos() = 0;
    virtual MarkupRect VirtualScreen() = 0;

    // The tip window.
    virtual TipWindowRef TipWindow() = 0;
    virtual bool TipVisible() = 0;
    // True when the point lies on the tip window (the window there is the tip).
    virtual bool TipUnder(MarkupPoint screen) = 0;
    virtual MarkupSize MeasureText(const std::string& text) = 0;
    virtual void ShowTip(const ToolRecord& tool, const TipLayout& layout) = 0;
    virtual void HideTipWindow() = 0;
    virtual void MoveTipWindow(MarkupPoint topLeft) = 0;
    virtual void RepaintTip(int transparency) = 0;
    virtual void ClickTip(MarkupPoint screen) = 0;
    virtual void SetTimer(int id, unsigned milliseconds) = 0;
    virtual void KillTimer(int id) = 0;
};

// What a relayed message means to the tooltip.
enum class TipEvent { MouseMove, LeftButtonDown, Dismiss, Other };

class ToolTipCore
{
public:
    explicit ToolTipCore(IToolTipHost& host);

    void SetParent(TipWindowRef parent) { m_parent = parent; }
    void SetShape(bool balloon);
    void SetShapeParameter(int index, int value);
    int ShapeParameter(int index) const;
    void SetDefaultBehaviour(uint32_t flags) { m_defaults.behaviour = flags; }
    void SetDefaultDirection(uint32_t code) { m_defaults.direction = code; }
    void SetDefaultColours(uint32_t colour1, uint32_t colour2, uint32_t colour3);
    void SetDelay(int which, unsigned milliseconds);
    unsigned Delay(int which) const;
    void SetShadow(int offsetX, int offsetY, int darkness, bool gradient, int blurX, int blurY);
    const TipShadow& Shadow() const { return m_shadow; }
    const ToolRecord& Defaults() const { return m_defaults; }

    // Replaces the window's record of the same area, else appends.
    void AddTool(TipWindowRef window, const ToolRecord& record);
    const std::vector<ToolRecord>* ToolsOf(TipWindowRef window) const;
    void ClearTools() { m_tools.clear(); }
    // The tool under a screen point; false when there is none.
    bool FindTool(MarkupPoint screen, ToolRef& found);

    void Relay(TipEvent event, MarkupPoint screen);
    void OnTimer(int id);
    void HideTip();
    // A paint takes the pending tool as the displayed one; answers the
    // transparency to paint with.
    int TakeOverForPaint();

    TipState State() const { return m_state; }
    int Transparency() const { return m_transparency; }
    const ToolRef& Pending() const { return m_pending; }
    const ToolRef& Displayed() const { return m_displayed; }
    const TipLayout& Layout() const { return m_layout; }
    bool HasLayout() const { return m_hasLayout; }

private:
    void TrackMouse(MarkupPoint screen);
    bool FindToolIn(TipWindowRef window, MarkupPoint screen, ToolRef& found);
    void RequestShow(const ToolRef& tool, bool delayed);
    void StartPending(bool delayed);
    void Pop();
    void RestartHideTimer(const ToolRecord& tool);
    void CompleteRecord(ToolRecord& record) const;
    void Show();
    void InitialDelayExpired();
    void HideDelayExpired();
    void FadeInStep();
    void FadeOutStep();
    void ForgetDisplayed();

    IToolTipHost& m_host;
    TipWindowRef m_parent = nullptr;
    std::map<TipWindowRef, std::vector<ToolRecord>> m_tools;
    ToolRecord m_defaults;
    std::array<int, ShapeParameterCount> m_shape{};
    TipShadow m_shadow;
    unsigned m_initialDelay = 500;
    unsigned m_hideDelay = 5000;
    unsigned m_fadeInStep = 0;
    unsigned m_fadeOutStep = 0;

    TipState m_state = TipHidden;
    int m_transparency = 0;
    bool m_hasMouse = false;
    MarkupPoint m_lastMouse;
    ToolRef m_pending;
    ToolRef m_displayed;
    bool m_pendingShow = false;
    bool m_delayWanted = false;
    TipLayout m_layout;
    bool m_hasLayout = false;
};
