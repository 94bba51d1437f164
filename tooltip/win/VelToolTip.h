#pragma once
#include <windows.h>

#include <memory>

#include "tooltip/ToolTipCore.h"

// The renderer reports a change of the hovered link with this message.
constexpr UINT WM_TIP_HOVERCHANGED = WM_USER + 0x65;

// The balloon tooltip of a dialog: a borderless popup that shows a markup
// text next to the cursor when it rests on a control. The dialog relays its
// messages; the decisions are ToolTipCore's, the window and pixels are here.
class CVelToolTip : private IToolTipHost
{
public:
    CVelToolTip();
    // A class name of our own choice; one that cannot be registered leaves
    // a tooltip that never shows.
    explicit CVelToolTip(const char* className);
    virtual ~CVelToolTip();
    CVelToolTip(const CVelToolTip&) = delete;
    CVelToolTip& operator=(const CVelToolTip&) = delete;

    // False when the class or the window could not be made.
    bool CreateTipWindow(HWND parent, bool balloonShape);
    void SetDefaultBehaviour(DWORD flags) { m_core.SetDefaultBehaviour(flags); }
    // textId: a string-table entry (an empty text when there is none).
    void AddTool(HWND window, int textId, const RECT* area = nullptr, UINT toolId = 0);
    void AddTool(HWND window, const char* text, const RECT* area = nullptr, UINT toolId = 0);
    // Every direct child with an identifier gets the text of that identifier.
    void AddChildTools(HWND parent);
    // Never handles the message: the dialog goes on with it.
    BOOL RelayMessage(const MSG& msg);
    void HideTip();

    void SetDelay(int which, UINT milliseconds) { m_core.SetDelay(which, milliseconds); }
    void SetBackgroundColors(COLORREF colour1, COLORREF colour2, COLORREF colour3);
    void SetBackgroundColor(COLORREF colour) { SetBackgroundColors(colour, colour, colour); }
    void SetBorder(COLORREF colour, int width, int height);
    void RemoveBorder();
    void SetShadow(int offsetX, int offsetY, int darkness, bool gradient, int blurX, int blurY);
    void SetShapeParameter(int index, int value) { m_core.SetShapeParameter(index, value); }
    void SetDefaultDirection(UINT code) { m_core.SetDefaultDirection(code); }
    void SetRepaintOnHover(bool on) { m_repaintOnHover = on; }

    HWND Handle() const { return m_hWnd; }
    const ToolTipCore& Core() const { return m_core; }

protected:
    // Frames the shape in the border brush; called while painting.
    virtual void OnDrawBorder(HDC dc, HRGN region);

private:
    static LRESULT CALLBACK TipProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnPaint();
    void OnSetCursor();
    void Paint(HDC target, int transparency);
    bool PreparePaint();
    void FreeTipPictures();
    bool MakeShapeRegion(const TipLayout& layout);
    bool MakeBackground(const ToolRecord& tool, const TipLayout& layout);
    void CaptureScreen(const TipLayout& layout);
    void GiveWindowRegion();

    // IToolTipHost
    std::vector<TipWindowRef> Descendants(TipWindowRef parent) override;
    TipWindowRef ParentOf(TipWindowRef window) override;
    uint32_t StyleOf(TipWindowRef window) override;
    MarkupRect ScreenRectOf(TipWindowRef window) override;
    MarkupPoint ScreenToClient(TipWindowRef window, MarkupPoint point) override;
    MarkupPoint CursorPos() override;
    MarkupRect VirtualScreen() override;
    TipWindowRef TipWindow() override { return m_hWnd; }
    bool TipVisible() override;
    bool TipUnder(MarkupPoint screen) override;
    MarkupSize MeasureText(const std::string& text) override;
    void ShowTip(const ToolRecord& tool, const TipLayout& layout) override;
    void HideTipWindow() override;
    void MoveTipWindow(MarkupPoint topLeft) override;
    void RepaintTip(int transparency) override;
    void ClickTip(MarkupPoint screen) override;
    void SetTimer(int id, unsigned milliseconds) override;
    void KillTimer(int id) override;

    std::string m_className;
    bool m_classReady = false;
    HWND m_hWnd = nullptr;
    HWND m_parent = nullptr;
    ToolTipCore m_core;
    // The renderer, the drawing objects and the pictures of the current tip.
    struct Drawing;
    std::unique_ptr<Drawing> m_drawing;
    int m_borderWidth = 1;
    int m_borderHeight = 1;
    bool m_repaintOnHover = true;
};
