#pragma once
#include <windows.h>

#include <string>

#include "dialoglayer/win/Control.h"
#include "dialoglayer/win/Gdi.h"

// A static text of a dialog template shown as a web link: underlined, in
// link colours, with a hand pointer; a click hands the address to the shell.
class CMyHyperLink : public CControl {
public:
    static constexpr COLORREF LinkColor = RGB(0, 0, 255);
    static constexpr COLORREF HoverColor = RGB(255, 0, 0);
    static constexpr COLORREF VisitedColor = RGB(5, 34, 143);

    CMyHyperLink() = default;
    ~CMyHyperLink() override;

    // Takes effect at the next click; nothing is redrawn.
    void SetUrl(const std::string& address) { url = address; }
    const std::string& Url() const { return url; }
    bool IsHovering() const { return hovering; }
    bool IsVisited() const { return visited; }
    // The colour the text is drawn in now.
    COLORREF TextColor() const;

    bool OnReflectedMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    void OnSubclassed() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void MakeLinkFont();
    void LoadHandCursor();
    void OnMouseMove(LPARAM lParam);
    void LeaveHover();
    void Redraw();

    std::string url;
    bool hovering = false;
    bool visited = false;
    OwnedFont linkFont;
    HCURSOR handCursor = nullptr;
    bool ownsCursor = false;
};

// Asks the shell to open the address ("open", shown minimised); true when
// the shell reports success.
bool OpenLink(const std::string& address);

// The shell call behind OpenLink, replaceable so that tests can record what
// would be opened. Returns the one installed before; nullptr restores the shell.
using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
ShellExecuteFunction SetShellExecute(ShellExecuteFunction function);
