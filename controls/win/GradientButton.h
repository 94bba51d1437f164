#pragma once
#include <windows.h>

#include "controls/ButtonFace.h"
#include "dialoglayer/win/Control.h"

// Sent (posted) to the other radio-kind buttons of a group when one is checked.
constexpr UINT WM_GROUP_UNCHECK = WM_USER + 0x100;

// An owner-drawn push button with a pre-computed grained gradient face. It is
// attached to a template button (SubclassDlgItem); caption, size, enabled
// state and style come from the template. The click notification is the
// platform button's own, left in place. Check-box and radio kinds follow from
// the template's style (BS_AUTOCHECKBOX, BS_AUTORADIOBUTTON).
class CGradientButton : public CControl {
public:
    enum Kind { PushButton = 0, CheckBox = 2, RadioButton = 4 };

    CGradientButton();

    // Builds the six pictures from the window's present size; call after
    // attaching. Style 1 is the diagonal grained gradient.
    void SetFace(int style, BYTE grain, BYTE highlight, BYTE tint, COLORREF tintColor);
    // Returns the previous colour; does not repaint.
    COLORREF SetLabelColor(COLORREF color);

    int Kind() const { return m_buttonKind; }
    bool IsChecked() const { return m_checkState; }
    bool IsHovering() const { return m_hovering; }
    const ButtonFaces& Faces() const { return m_faces; }

    // The owner-draw hook: paints the whole item.
    void DrawItem(const DRAWITEMSTRUCT& item);

    bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    void OnSubclassed() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool IsToggle() const { return m_buttonKind != PushButton; }
    bool IsUnderCursor(POINT screenPoint) const;
    bool IsPushed() const;
    void Invalidate(bool erase = true);

    void OnMouseMove(LPARAM lParam);
    void TrackPress(LPARAM lParam);
    void TrackHover();
    void OnLButtonDown();
    void OnLButtonUp(LPARAM lParam);
    void ToggleByRelease();
    void OnSetCheck(WPARAM wParam);
    void UncheckGroup();
    LRESULT OnSetStyle(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetDlgCode(WPARAM wParam, LPARAM lParam);

    bool CorrectPressState();
    void PaintItem(HDC dc, RECT rect, UINT state);
    void PaintDisabled(HDC dc, const RECT& rect, const RECT& label, const char* text);
    void PaintNormal(HDC dc, RECT& rect, UINT state);
    void PaintPressed(HDC dc, const RECT& rect, RECT& label);
    void PaintFocus(HDC dc, RECT rect);
    void PaintFace(HDC dc, const CPaletteBitmap& face, int x, int y, const RECT& rect);

    int m_buttonKind = PushButton;
    bool m_checkState = false;
    bool m_pushLike = false;
    bool m_flatLook = false;
    // The dialog's default button; the platform tells owner-drawn buttons
    // through BM_SETSTYLE, not through the draw record.
    bool m_defaultStyle = false;
    int m_border = 1;
    short m_focusMargin = 4;
    COLORREF m_labelColor;
    UINT m_textFormat = DT_CENTER;
    bool m_hovering = false;
    bool m_mouseDown = false;
    ButtonFaces m_faces;
};
