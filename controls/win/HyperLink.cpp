#include "controls/win/HyperLink.h"
#include "dialoglayer/win/WindowLibraries.h"

#include <shellapi.h>
#include <windowsx.h>

namespace {

ShellExecuteFunction s_shellExecute = nullptr;

// The help program's hand, where the system has it.
constexpr int HelpHandCursorId = 106;

} // namespace

ShellExecuteFunction SetShellExecute(ShellExecuteFunction function)
{
    ShellExecuteFunction previous = s_shellExecute;
    s_shellExecute = function;
    return previous;
}

bool OpenLink(const std::string& address)
{
    if (!s_shellExecute)
        s_shellExecute = LateBoundFunction<ShellExecuteFunction>("shell32.dll", "ShellExecuteA");
    if (!s_shellExecute)
        return false;
    HINSTANCE result = s_shellExecute(nullptr, "open", address.c_str(), nullptr, nullptr, SW_SHOWMINIMIZED);
    // Values up to 32 are the shell's error codes (32 itself is one of them).
    return reinterpret_cast<INT_PTR>(result) > 32;
}

CMyHyperLink::~CMyHyperLink()
{
    UnsubclassWindow();
    if (ownsCursor && handCursor)
        DestroyCursor(handCursor);
}

COLORREF CMyHyperLink::TextColor() const
{
    if (visited)
        return VisitedColor;
    return hovering ? HoverColor : LinkColor;
}

void CMyHyperLink::OnSubclassed()
{
    // Without SS_NOTIFY a static control neither gets the mouse nor reports clicks.
    SetWindowLongPtrA(Handle(), GWL_STYLE, GetWindowLongPtrA(Handle(), GWL_STYLE) | SS_NOTIFY);
    MakeLinkFont();
    LoadHandCursor();
}

void CMyHyperLink::MakeLinkFont()
{
    HFONT current = reinterpret_cast<HFONT>(SendMessageA(Handle(), WM_GETFONT, 0, 0));
    if (!current)
        current = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    LOGFONTA description{};
    if (!GetObjectA(current, sizeof(description), &description))
        return;
    description.lfUnderline = TRUE;
    linkFont.Reset(CreateFontIndirectA(&description));
    if (linkFont)
        SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(linkFont.Get()), TRUE);
}

void CMyHyperLink::LoadHandCursor()
{
    char directory[520] = {};
    const UINT length = GetWindowsDirectoryA(directory, sizeof(directory));
    if (length > 0 && length < sizeof(directory) - 16) {
        std::string path(directory, length);
        path += "\\Winhlp32.exe";
        // Loaded as data only: none of the help program's code runs here.
        HMODULE help = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        if (help) {
            HCURSOR cursor = LoadCursorA(help, MAKEINTRESOURCEA(HelpHandCursorId));
            // A copy of our own outlives the library.
            if (cursor)
                handCursor = CopyCursor(cursor);
            ownsCursor = handCursor != nullptr;
            FreeLibrary(help);
        }
    }
    if (!handCursor)
        handCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32649)); // IDC_HAND
}

LRESULT CMyHyperLink::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_MOUSEMOVE: {
        const LRESULT result = Default(message, wParam, lParam);
        OnMouseMove(lParam);
        return result;
    }
    case WM_SETCURSOR:
        if (handCursor) {
            SetCursor(handCursor);
            return TRUE;
        }
        break;
    case WM_CAPTURECHANGED:
        // Capture taken away (another window, a click that opened something):
        // the mouse is no longer known to be over the link.
        if (hovering && reinterpret_cast<HWND>(lParam) != Handle()) {
            hovering = false;
            Redraw();
        }
        break;
    default:
        break;
    }
    return Default(message, wParam, lParam);
}

void CMyHyperLink::OnMouseMove(LPARAM lParam)
{
    if (!hovering) {
        hovering = true;
        Redraw();
        SetCapture(Handle());
        return;
    }
    RECT client{};
    GetClientRect(Handle(), &client);
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (!PtInRect(&client, point))
        LeaveHover();
}

void CMyHyperLink::LeaveHover()
{
    hovering = false;
    ReleaseCapture();
    Redraw();
}

void CMyHyperLink::Redraw()
{
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

bool CMyHyperLink::OnReflectedMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result)
{
    if (message == WM_COMMAND && HIWORD(wParam) == STN_CLICKED) {
        OpenLink(url);
        visited = true;
        InvalidateRect(Handle(), nullptr, TRUE);
        result = 0;
        return true;
    }
    if (message == WM_CTLCOLORSTATIC) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, TextColor());
        SetBkMode(dc, TRANSPARENT);
        result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
        return true;
    }
    return false;
}
