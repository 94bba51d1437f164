#include "tooltip/ToolTipCore.h"

#include <algorithm>

namespace {

// Shape parameters: balloon and plain rectangle.
constexpr std::array<int, ShapeParameterCount> BalloonShape{16, 16, 12, 12, 12, 16, 16, 0, 0};
constexpr std::array<int, ShapeParameterCount> RectangleShape{0, 0, 3, 1, 0, 0, 0, 0, 0};

// A button's style with these low bits is a group box.
constexpr uint32_t GroupBoxStyle = 7;
constexpr uint32_t DisabledStyle = 0x08000000;

uint32_t EdgeOf(uint32_t direction) { return direction & 0x30; }
uint32_t PlaceOf(uint32_t direction) { return direction & 0x0F; }
bool AlongWidth(uint32_t direction) { return EdgeOf(direction) == PointerTop || EdgeOf(direction) == PointerBottom; }

bool IsValidDirection(uint32_t direction) { return direction <= PointerRight + PointerMiddle && PlaceOf(direction) <= 2; }

bool SamePoint(MarkupPoint a, MarkupPoint b) { return a.x == b.x && a.y == b.y; }

MarkupRect Moved(MarkupRect rect, int dx, int dy) { return {rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy}; }

// Steps 2 and 3 of the placement: the pointer goes to the other edge, or to
// the other end of its edge, when the tip would leave the screen.
uint32_t SwapHorizontally(uint32_t direction, MarkupPoint cursor, int width, int pointerHeight, const MarkupRect& screen)
{
    const uint32_t edge = EdgeOf(direction);
    const uint32_t place = PlaceOf(direction);
    if (edge == PointerLeft && cursor.x + width > screen.right)
        return PointerRight | place;
    if (edge == PointerRight && cursor.x - width < screen.left)
        return PointerLeft | place;
    if (AlongWidth(direction) && place == PointerStart && cursor.x + width - pointerHeight > screen.right)
        return edge | PointerEnd;
    if (AlongWidth(direction) && place == PointerEnd && cursor.x + pointerHeight - width < screen.left)
        return edge | PointerStart;
    return direction;
}

uint32_t SwapVertically(uint32_t direction, MarkupPoint cursor, int height, int pointerHeight, const MarkupRect& screen)
{
    const uint32_t edge = EdgeOf(direction);
    const uint32_t place = PlaceOf(direction);
    if (edge == PointerTop && cursor.y + height > screen.bottom)
        return PointerBottom | place;
    if (edge == PointerBottom && cursor.y - height < screen.top)
        return PointerTop | place;
    if (!AlongWidth(direction) && place == PointerStart && cursor.y + height - pointerHeight > screen.bottom)
        return edge | PointerEnd;
    if (!AlongWidth(direction) && place == PointerEnd && cursor.y + pointerHeight - height < screen.top)
        return edge | PointerStart;
    return direction;
}

// Where along an edge of the given length the pointer's tip lies.
int AlongEdge(uint32_t place, int length, int margin)
{
    if (place == PointerStart)
        return margin;
    if (place == PointerEnd)
        return length - margin;
    return length / 2;
}

// Step 5: the window stays inside the screen along the pointer's edge.
int KeepInside(uint32_t place, int tip, int cursor, int length, int low, int high)
{
    if (place != PointerEnd && cursor - tip < low)
        return cursor - low;
    if (place == PointerEnd && cursor - tip + length > high)
        return cursor - (high - length);
    return tip;
}

// The pointer's base on the body's edge, from `from` to `to` along it.
void PointerBase(uint32_t place, int from, int to, int margin, int width, int& begin, int& end)
{
    if (place == PointerStart) {
        begin = from + margin;
        end = begin + width;
    } else if (place == PointerEnd) {
        begin = to - margin;
        end = begin - width;
    } else {
        begin = from + (to - width - from) / 2;
        end = begin + width;
    }
}

void BuildShape(TipLayout& layout, const std::array<int, ShapeParameterCount>& shape)
{
    const int pointerHeight = shape[ShapePointerHeight];
    const uint32_t edge = EdgeOf(layout.direction);
    const uint32_t place = PlaceOf(layout.direction);
    int l = 0, t = 0, r = layout.width, b = layout.height;
    if (edge == PointerTop)
        t = pointerHeight;
    else if (edge == PointerBottom)
        b = layout.height - pointerHeight;
    else if (edge == PointerLeft)
        l = pointerHeight;
    else
        r = layout.width - pointerHeight;
    layout.roundRect = {l, t, r + 1, b + 1};
    layout.cornerWidth = shape[ShapeCornerWidth];
    layout.cornerHeight = shape[ShapeCornerHeight];

    layout.hasPointer = shape[ShapePointerWidth] != 0 && pointerHeight != 0;
    if (layout.hasPointer) {
        int begin = 0, end = 0;
        if (AlongWidth(layout.direction)) {
            PointerBase(place, l, r, shape[ShapePointerMargin], shape[ShapePointerWidth], begin, end);
            const int y = edge == PointerTop ? t : b;
            layout.pointer = {MarkupPoint{begin, y}, MarkupPoint{end, y}, layout.pointerTip};
        } else {
            PointerBase(place, t, b, shape[ShapePointerMargin], shape[ShapePointerWidth], begin, end);
            const int x = edge == PointerLeft ? l : r;
            layout.pointer = {MarkupPoint{x, begin}, MarkupPoint{x, end}, layout.pointerTip};
        }
    }
}

// Step 7 of Show: the strip outside the body, and the body's outermost line
// next to it that is tiled over the strip.
void BuildPointerStrip(TipLayout& layout)
{
    const MarkupRect& body = layout.body;
    switch (EdgeOf(layout.direction)) {
    case PointerTop:
        layout.pointerStrip = {0, 0, layout.width, body.top};
        layout.stripSource = {0, body.top + 1, layout.width, body.top + 2};
        break;
    case PointerBottom:
        layout.pointerStrip = {0, body.bottom, layout.width, layout.height};
        layout.stripSource = {0, body.bottom - 1, layout.width, body.bottom};
        break;
    case PointerLeft:
        layout.pointerStrip = {0, 0, body.left, layout.height};
        layout.stripSource = {body.left + 1, 0, body.left + 2, layout.height};
        break;
    default:
        layout.pointerStrip = {body.right, 0, layout.width, layout.height};
        layout.stripSource = {body.right - 1, 0, body.right, layout.height};
        break;
    }
}

} // namespace

bool SameArea(const MarkupRect& a, const MarkupRect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

bool IsEmptyArea(const MarkupRect& area) { return area.right <= area.left || area.bottom <= area.top; }

TipLayout PlaceTip(MarkupSize text, const std::array<int, ShapeParameterCount>& shape, uint32_t direction,
                   MarkupPoint cursor, const MarkupRect& screen, const TipShadow& shadow)
{
    TipLayout layout;
    const int marginX = shape[ShapeMarginX];
    const int marginY = shape[ShapeMarginY];
    const int pointerHeight = shape[ShapePointerHeight];
    layout.content = {marginX, marginY, marginX + text.cx, marginY + text.cy};
    layout.body = {0, 0, text.cx + 2 * marginX, text.cy + 2 * marginY};
    if (!IsValidDirection(direction))
        direction = PointerBottom;

    // Step 1: room for the pointer.
    layout.width = layout.body.Width();
    layout.height = layout.body.Height();
    if (AlongWidth(direction))
        layout.height += pointerHeight;
    else
        layout.width += pointerHeight;

    direction = SwapHorizontally(direction, cursor, layout.width, pointerHeight, screen);
    direction = SwapVertically(direction, cursor, layout.height, pointerHeight, screen);
    layout.direction = direction;

    // Step 4: the pointer's tip.
    const uint32_t edge = EdgeOf(direction);
    const uint32_t place = PlaceOf(direction);
    const int margin = shape[ShapePointerMargin];
    MarkupPoint& tip = layout.pointerTip;
    if (AlongWidth(direction)) {
        tip.y = edge == PointerTop ? 0 : layout.height;
        tip.x = AlongEdge(place, layout.width, margin);
        tip.x = KeepInside(place, tip.x, cursor.x, layout.width, screen.left, screen.right);
    } else {
        tip.x = edge == PointerLeft ? 0 : layout.width;
        tip.y = AlongEdge(place, layout.height, margin);
        tip.y = KeepInside(place, tip.y, cursor.y, layout.height, screen.top, screen.bottom);
    }

    // Step 6: the body moves away from a pointer on the top or left edge.
    if (edge == PointerTop) {
        layout.body = Moved(layout.body, 0, pointerHeight);
        layout.content = Moved(layout.content, 0, pointerHeight);
    } else if (edge == PointerLeft) {
        layout.body = Moved(layout.body, pointerHeight, 0);
        layout.content = Moved(layout.content, pointerHeight, 0);
    }

    BuildShape(layout, shape);
    BuildPointerStrip(layout);
    layout.windowWidth = layout.width;
    layout.windowHeight = layout.height;
    if (shadow.On()) {
        layout.windowWidth += std::max(0, shadow.offsetX);
        layout.windowHeight += std::max(0, shadow.offsetY);
    }
    layout.screenPosition = {cursor.x - tip.x, cursor.y - tip.y};
    return layout;
}

int ShadowGrey(int darkness, int transparency)
{
    darkness = std::clamp(darkness, 0, 100);
    transparency = std::clamp(transparency, 0, 100);
    const int base = (255 * (100 - darkness) + 50) / 100;
    return base + (255 - base) * transparency / 100;
}

// ---------------------------------------------------------------- settings

ToolTipCore::ToolTipCore(IToolTipHost& host) : m_host(host)
{
    m_defaults.direction = PointerBottom;
    SetShape(true);
}

void ToolTipCore::SetShape(bool balloon) { m_shape = balloon ? BalloonShape : RectangleShape; }

void ToolTipCore::SetShapeParameter(int index, int value)
{
    if (index >= 0 && index < ShapeParameterCount)
        m_shape[index] = value;
}

int ToolTipCore::ShapeParameter(int index) const
{
    return index >= 0 && index < ShapeParameterCount ? m_shape[index] : 0;
}

void ToolTipCore::SetDefaultColours(uint32_t colour1, uint32_t colour2, uint32_t colour3)
{
    m_defaults.colour1 = colour1;
    m_defaults.colour2 = colour2;
    m_defaults.colour3 = colour3;
}

void ToolTipCore::SetDelay(int which, unsigned milliseconds)
{
    switch (which) {
    case DelayHide: m_hideDelay = milliseconds; break;
    case DelayInitial: m_initialDelay = milliseconds; break;
    case DelayFadeIn: m_fadeInStep = milliseconds; break;
    case DelayFadeOut: m_fadeOutStep = milliseconds; break;
    default: break;
    }
}

unsigned ToolTipCore::Delay(int which) const
{
    switch (which) {
    case DelayHide: return m_hideDelay;
    case DelayInitial: return m_initialDelay;
    case DelayFadeIn: return m_fadeInStep;
    case DelayFadeOut: return m_fadeOutStep;
    default: return 0;
    }
}

void ToolTipCore::SetShadow(int offsetX, int offsetY, int darkness, bool gradient, int blurX, int blurY)
{
    m_shadow = {offsetX, offsetY, std::min(darkness, 100), gradient, blurX, blurY};
}

// ---------------------------------------------------------------- tools

void ToolTipCore::AddTool(TipWindowRef window, const ToolRecord& record)
{
    std::vector<ToolRecord>& list = m_tools[window];
    for (ToolRecord& existing : list) {
        if (SameArea(existing.area, record.area)) {
            existing = record;
            return;
        }
    }
    list.push_back(record);
}

const std::vector<ToolRecord>* ToolTipCore::ToolsOf(TipWindowRef window) const
{
    const auto it = m_tools.find(window);
    return it == m_tools.end() ? nullptr : &it->second;
}

bool ToolTipCore::FindTool(MarkupPoint screen, ToolRef& found)
{
    TipWindowRef under = m_parent;
    const TipWindowRef tip = m_host.TipWindow();
    for (TipWindowRef window : m_host.Descendants(m_parent)) {
        const uint32_t style = m_host.StyleOf(window);
        if (window == tip || (style & DisabledStyle) || (style & 0x0F) == GroupBoxStyle)
            continue;
        if (m_host.ScreenRectOf(window).Contains(screen)) {
            under = window;
            break;
        }
    }
    if (FindToolIn(under, screen, found))
        return true;
    return under != m_parent && FindToolIn(m_host.ParentOf(under), screen, found);
}

bool ToolTipCore::FindToolIn(TipWindowRef window, MarkupPoint screen, ToolRef& found)
{
    const std::vector<ToolRecord>* list = ToolsOf(window);
    if (!list || list->empty())
        return false;
    if (list->size() == 1 && IsEmptyArea(list->front().area)) {
        found = {window, list->front()};
        return true;
    }
    const MarkupPoint client = m_host.ScreenToClient(window, screen);
    for (const ToolRecord& record : *list) {
        if (record.area.Contains(client)) {
            found = {window, record};
            return true;
        }
    }
    return false;
}

// ---------------------------------------------------------------- relay

void ToolTipCore::Relay(TipEvent event, MarkupPoint screen)
{
    switch (event) {
    case TipEvent::MouseMove:
        TrackMouse(screen);
        break;
    case TipEvent::LeftButtonDown:
        if (m_host.TipVisible() && m_host.TipUnder(screen))
            m_host.ClickTip(screen);
        HideTip();
        break;
    case TipEvent::Dismiss:
        HideTip();
        break;
    case TipEvent::Other:
        break;
    }
}

void ToolTipCore::TrackMouse(MarkupPoint screen)
{
    if (SamePoint(screen, m_lastMouse))
        return;
    m_lastMouse = screen;

    const uint32_t behaviour = m_displayed.record.behaviour;
    if (m_host.TipVisible() && m_host.TipUnder(screen) && !(behaviour & TipFollowCursor)) {
        if (behaviour & TipStayOverTip)
            RestartHideTimer(m_displayed.record);
        else
            Pop();
        return;
    }

    ToolRef found;
    if (!FindTool(screen, found)) {
        ForgetDisplayed();
        // A tip still waiting for a fade-out must not come up where no tool is.
        m_pendingShow = false;
        m_host.KillTimer(TimerInitial);
        Pop();
        return;
    }

    if (found.window == m_displayed.window && SameArea(found.record.area, m_displayed.record.area)) {
        if (behaviour & TipFollowCursor) {
            RestartHideTimer(m_displayed.record);
            m_host.MoveTipWindow(screen);
            return;
        }
        if (behaviour & TipStayInTool) {
            RestartHideTimer(m_displayed.record);
            return;
        }
        if (!(behaviour & TipShowAgainInTool)) {
            Pop();
            return;
        }
    }
    RequestShow(found, true);
}

void ToolTipCore::ForgetDisplayed()
{
    m_displayed.window = nullptr;
    m_displayed.record.area = MarkupRect{};
}

void ToolTipCore::RequestShow(const ToolRef& tool, bool delayed)
{
    m_pendingShow = false;
    if (m_state == TipFadingIn || m_state == TipShown)
        Pop();
    m_pending = tool;
    if (m_state == TipHidden) {
        StartPending(delayed);
        return;
    }
    m_pendingShow = true;
    m_delayWanted = delayed && m_initialDelay != 0;
}

void ToolTipCore::StartPending(bool delayed)
{
    if (delayed && m_initialDelay != 0)
        m_host.SetTimer(TimerInitial, m_initialDelay);
    else
        InitialDelayExpired();
}

void ToolTipCore::RestartHideTimer(const ToolRecord& tool)
{
    if (m_hideDelay != 0 && !(tool.behaviour & TipNoHideDelay))
        m_host.SetTimer(TimerHide, m_hideDelay);
}

void ToolTipCore::Pop()
{
    if (m_state == TipFadingIn) {
        m_host.KillTimer(TimerFadeIn);
        HideDelayExpired();
    } else if (m_state == TipShown) {
        HideDelayExpired();
    }
}

void ToolTipCore::HideTip()
{
    m_state = TipHidden;
    for (int timer : {TimerInitial, TimerHide, TimerFadeIn, TimerFadeOut})
        m_host.KillTimer(timer);
    if (m_host.TipVisible()) {
        if (m_displayed.record.behaviour & TipShowAgainInTool)
            ForgetDisplayed();
        m_host.HideTipWindow();
    }
}

// ---------------------------------------------------------------- timers

void ToolTipCore::OnTimer(int id)
{
    switch (id) {
    case TimerInitial: InitialDelayExpired(); break;
    case TimerHide: HideDelayExpired(); break;
    case TimerFadeIn: FadeInStep(); break;
    case TimerFadeOut: FadeOutStep(); break;
    default: break;
    }
}

void ToolTipCore::InitialDelayExpired()
{
    m_host.KillTimer(TimerInitial);
    if (!SamePoint(m_host.CursorPos(), m_lastMouse)) {
        Pop();
        return;
    }
    if (m_state != TipHidden)
        return;
    m_state = TipFadingIn;
    Show();
    if (m_fadeInStep != 0) {
        m_host.SetTimer(TimerFadeIn, m_fadeInStep);
        return;
    }
    m_state = TipShown;
    RestartHideTimer(m_pending.record);
}

void ToolTipCore::HideDelayExpired()
{
    for (int timer : {TimerInitial, TimerFadeIn, TimerHide})
        m_host.KillTimer(timer);
    if (m_state == TipHiding)
        return;
    m_state = TipHiding;
    if (m_fadeOutStep != 0) {
        m_host.SetTimer(TimerFadeOut, m_fadeOutStep);
        return;
    }
    m_transparency = 100;
    FadeOutStep();
}

void ToolTipCore::FadeInStep()
{
    m_transparency = std::max(0, m_transparency - 20);
    const int target = std::min<int>(m_pending.record.transparency, 100);
    if (m_transparency <= target) {
        m_transparency = target;
        m_host.KillTimer(TimerFadeIn);
        m_state = TipShown;
        RestartHideTimer(m_pending.record);
    }
    m_host.RepaintTip(m_transparency);
}

void ToolTipCore::FadeOutStep()
{
    m_transparency = m_transparency < 80 ? m_transparency + 20 : 100;
    if (m_transparency != 100) {
        m_host.RepaintTip(m_transparency);
        return;
    }
    m_host.KillTimer(TimerFadeOut);
    m_host.HideTipWindow();
    m_state = TipHidden;
    if (m_pendingShow) {
        m_pendingShow = false;
        StartPending(m_delayWanted);
    }
}

// ---------------------------------------------------------------- showing

void ToolTipCore::CompleteRecord(ToolRecord& record) const
{
    if (!(record.mask & ToolSetsExtra))
        record.extra = m_defaults.extra;
    if (!(record.mask & ToolSetsEffect)) {
        record.effect = m_defaults.effect;
        record.granularity = m_defaults.granularity;
    }
    if (!(record.mask & ToolSetsColours)) {
        record.colour1 = m_defaults.colour1;
        record.colour2 = m_defaults.colour2;
        record.colour3 = m_defaults.colour3;
    }
    if (!(record.mask & ToolSetsDirection))
        record.direction = m_defaults.direction;
    if (!(record.mask & ToolSetsBehaviour))
        record.behaviour = m_defaults.behaviour;
    if (!(record.mask & ToolSetsTransparency))
        record.transparency = m_defaults.transparency;
}

void ToolTipCore::Show()
{
    CompleteRecord(m_pending.record);
    if (m_pending.record.text.empty()) {
        // Nothing is painted, so no paint takes this tool over; without it a
        // return to the tool shown before would count as a move inside it.
        m_displayed = m_pending;
        return;
    }
    const MarkupSize text = m_host.MeasureText(m_pending.record.text);
    m_layout = PlaceTip(text, m_shape, m_pending.record.direction, m_lastMouse, m_host.VirtualScreen(), m_shadow);
    m_hasLayout = true;
    m_transparency = m_fadeInStep != 0 ? 100 : std::min<int>(m_pending.record.transparency, 100);
    m_host.ShowTip(m_pending.record, m_layout);
}

int ToolTipCore::TakeOverForPaint()
{
    m_displayed = m_pending;
    return m_transparency;
}
