#include "controls/win/MessageDlg.h"

#include "controls/MessageLayout.h"
#include "controls/win/GameBrushes.h"
#include "res/resource.h"

namespace {

constexpr COLORREF PanelColor = RGB(255, 255, 255);
constexpr COLORREF TextColor = RGB(100, 100, 100);
constexpr COLORREF LabelColor = RGB(0, 0, 128);

SIZE ClientSize(HWND window)
{
    RECT rect{};
    GetClientRect(window, &rect);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

int WorkAreaHeight(HWND window)
{
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    HMONITOR monitor = MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
    if (!monitor || !GetMonitorInfoA(monitor, &info))
        return 0;
    return info.rcWork.bottom - info.rcWork.top;
}

} // namespace

CMessageDlg::CMessageDlg(std::string text, int type) : CDialog(IDD_MESSAGE), m_text(std::move(text)), m_type(type)
{
}

void CMessageDlg::DoDataExchange(CDataExchange& dx)
{
    ExchangeText(dx, IDC_MSG_TEXT, m_text);
}

BOOL CMessageDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_yes.SubclassDlgItem(IDYES, m_hWnd);
    m_ok.SubclassDlgItem(IDOK, m_hWnd);
    m_no.SubclassDlgItem(IDNO, m_hWnd);
    m_icon = GetDlgItem(m_hWnd, IDC_MSG_ICON);

    BuildButtons();
    SetTextFont();
    ArrangeForText();
    CentreOverOwner();
    ShowTypeIcon();
    ShowTypeButtons();
    return TRUE;
}

void CMessageDlg::BuildButtons()
{
    for (CGradientButton* button : {&m_yes, &m_ok, &m_no}) {
        button->SetFace(1, 8, 20, 70, RGB(230, 230, 230));
        button->SetLabelColor(LabelColor);
    }
}

void CMessageDlg::SetTextFont()
{
    m_textFont.Reset(CreateFontA(10, 0, 0, 0, FW_THIN, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                 CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS | DEFAULT_PITCH, "MS Sans Serif"));
    SendDlgItemMessageA(m_hWnd, IDC_MSG_TEXT, WM_SETFONT, reinterpret_cast<WPARAM>(m_textFont.Get()), TRUE);
}

// The panel grows about 3 pixels for every 10 characters; the width stays.
void CMessageDlg::ArrangeForText()
{
    HWND text = GetDlgItem(m_hWnd, IDC_MSG_TEXT);
    const SIZE templateText = ClientSize(text);
    const MessageDlgLayout layout =
        ComputeMessageDlgLayout(templateText.cx, templateText.cy, m_text.size(), WorkAreaHeight(m_hWnd));

    MoveWindow(text, layout.textX, layout.textY, layout.textWidth, layout.textHeight, TRUE);
    SetWindowPos(m_hWnd, nullptr, 0, 0, layout.dialogWidth, layout.dialogHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const int xs[] = {layout.yesX, layout.okX, layout.noX};
    const int ids[] = {IDYES, IDOK, IDNO};
    for (int i = 0; i < 3; ++i)
        MoveWindow(GetDlgItem(m_hWnd, ids[i]), xs[i], layout.buttonY, layout.buttonWidth, layout.buttonHeight,
                   TRUE);
}

void CMessageDlg::CentreOverOwner()
{
    HWND owner = GetWindow(m_hWnd, GW_OWNER);
    RECT area{};
    if (!owner || !IsWindowVisible(owner) || IsIconic(owner) || !GetWindowRect(owner, &area))
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    RECT self{};
    GetWindowRect(m_hWnd, &self);
    const int width = self.right - self.left;
    const int height = self.bottom - self.top;
    int x = area.left + (area.right - area.left - width) / 2;
    int y = area.top + (area.bottom - area.top - height) / 2;
    // Keep the panel, and so its buttons, on the screen.
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    x = std::max<int>(work.left, std::min<int>(x, work.right - width));
    y = std::max<int>(work.top, std::min<int>(y, work.bottom - height));
    SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CMessageDlg::ShowTypeIcon()
{
    const int icon = MessageIconId(m_type);
    if (icon == IDI_MSG_NOTICE || !m_icon)
        return; // the template shows it already
    HICON handle = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(icon));
    SendMessageA(m_icon, STM_SETICON, reinterpret_cast<WPARAM>(handle), 0);
}

void CMessageDlg::ShowTypeButtons()
{
    if (MessageAsksQuestion(m_type)) {
        ShowWindow(m_ok, SW_HIDE);
    } else {
        ShowWindow(m_yes, SW_HIDE);
        ShowWindow(m_no, SW_HIDE);
    }
}

bool CMessageDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
        case IDYES:
            EndDialog(IDYES);
            return true;
        case IDNO:
            EndDialog(IDNO);
            return true;
        default:
            break;
        }
    }
    return CDialog::OnCommand(wParam, lParam);
}

HBRUSH CMessageDlg::OnCtlColor(HDC dc, HWND control, UINT kind, HBRUSH reflected)
{
    CDialog::OnCtlColor(dc, control, kind, reflected);
    SetBkColor(dc, PanelColor);
    SetTextColor(dc, TextColor);
    return GameBrushes.white ? GameBrushes.white : static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
}

int ShowMessageDlg(std::string text, int type)
{
    CMessageDlg dialog(std::move(text), type);
    return static_cast<int>(dialog.DoModal());
}

int ShowMessageDlgHandler(const char* text, int type)
{
    return ShowMessageDlg(text ? std::string(text) : std::string(), type);
}
