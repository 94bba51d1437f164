#include "app/win/GameDlg.h"
#include "app/GameWindowModel.h"
#include "app/win/LoadingDlg.h"
#include "app/win/SoundThread.h"
#include "controls/win/GameBrushes.h"
#include "engine/Letters.h"
#include "engine/Messages.h"
#include "engine/StartWordStock.h"
#include "res/resource.h"
#include "settings/GameSettings.h"
#include "settings/SettingsSections.h"
#include "settings/StartDirectory.h"
#include "wordlist/WordList.h"
#include <commctrl.h>
#include <direct.h>
#include <mmsystem.h>
#include <richedit.h>
#include <vector>

namespace {

// A worker's synchronous text for a control: wParam the control, lParam the text.
constexpr UINT WM_SET_CONTROL_TEXT = WM_APP + 1;
// Posted when the result list was filled: it draws itself again.
constexpr UINT WM_LIST_FILLED = WM_APP + 2;
// Loads the next few letter icons while the loading window waits.
constexpr UINT WM_LOAD_ICONS = WM_APP + 3;
// Posted at the first showing: handled once the window is on the screen.
constexpr UINT WM_OPENED = WM_APP + 4;
constexpr int IconsPerMessage = 8;
constexpr int WorkerStopMilliseconds = 1000;
constexpr int ListItemHeight = 15;

const char* const TextReallyQuit = "Laufendes Spiel wirklich beenden?";

bool IsLetterButtonId(int id, const std::string& letters) {
    return id >= LetterButtonBaseId && id < LetterButtonBaseId + static_cast<int>(letters.size());
}

OwnedFont MakeArialFont(int height, int width, int weight) {
    return OwnedFont(CreateFontA(height, width, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                 OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                 FF_MODERN | DEFAULT_PITCH, "Arial"));
}

} // namespace

CGameDlg::CGameDlg() : CDialog(IDD_GAME), m_round(*this) {}

CGameDlg::~CGameDlg() {
    // A worker may be waiting on this window to show a text: serve it while
    // it stops, then let the window go before the round does.
    if (m_hWnd)
        m_round.StopWorker(-1);
    DestroyWindowQuietly();
}

// ---------------------------------------------------------------- opening

BOOL CGameDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetMainWindow(m_hWnd);
    m_viewWindow = m_hWnd;

    char directory[MAX_PATH] = {};
    StartDirectory = _getcwd(directory, MAX_PATH) ? directory : "";

    StockMaxLength = GameSettings.WordLimit;
    BuildStartWordStock();

    SetUpBackgrounds();
    SetUpCommandButtons();
    InvalidateRect(m_hWnd, nullptr, TRUE);
    ApplyMenuAtRest();
    SetUpInputLine();
    SetUpResultList();
    return TRUE;
}

void CGameDlg::OnFirstShow() {
    // The loading window's second starts first: what follows fills part of
    // it rather than coming before it. Nothing is painted in between.
    StartLoading();
    m_round.ShowWelcome();
    m_toolTip.CreateTipWindow(m_hWnd, true);
    m_toolTip.SetDefaultBehaviour(0x10);
    m_toolTip.AddChildTools(m_hWnd);
    PostMessageA(m_hWnd, WM_LOAD_ICONS, 0, 0);
    if (GameSettings.UseSound)
        PrepareSoundThread();
}

void CGameDlg::SetUpBackgrounds() {
    // Panels, strip and group boxes lie under the controls they frame, so
    // that none of them paints over a counter or a button.
    std::vector<HWND> backgrounds;
    for (HWND child = GetWindow(m_hWnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[16] = {};
        GetClassNameA(child, className, sizeof className);
        if (lstrcmpiA(className, "Button") == 0 && (GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX)
            backgrounds.push_back(child);
    }
    for (int id : {IDC_COUNTERSTRIP, IDC_LETTERBAND, IDC_BUTTONPANEL, IDC_LISTPANEL})
        backgrounds.push_back(Item(id));
    for (HWND background : backgrounds)
        SetWindowPos(background, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CGameDlg::SetUpCommandButtons() {
    struct Binding {
        CGradientButton& button;
        int id;
    };
    const Binding bindings[] = {{m_btnNew, IDC_NEW},       {m_btnBack, IDC_BACK},   {m_btnShuffle, IDC_SHUFFLE},
                                {m_btnGiveUp, IDC_GIVEUP}, {m_btnEnter, IDC_ENTER}, {m_btnQuit, IDC_QUIT}};
    for (const Binding& binding : bindings) {
        binding.button.SubclassDlgItem(binding.id, m_hWnd);
        binding.button.SetFace(1, 8, 20, 70, RGB(230, 210, 170));
    }
}

void CGameDlg::SetUpInputLine() {
    m_pInputCtrl = Item(IDC_INPUT);
    const LRESULT mask = SendMessageA(m_pInputCtrl, EM_GETEVENTMASK, 0, 0);
    SendMessageA(m_pInputCtrl, EM_SETEVENTMASK, 0, mask | ENM_CHANGE);
    SendMessageA(m_pInputCtrl, EM_SETBKGNDCOLOR, 0, GameBrushColor(GameBrush::Beige));
    m_inputFont = MakeArialFont(30, 16, FW_BOLD);
    SendMessageA(m_pInputCtrl, WM_SETFONT, reinterpret_cast<WPARAM>(m_inputFont.Get()), TRUE);
}

void CGameDlg::SetUpResultList() {
    m_listFont = MakeArialFont(15, 8, FW_MEDIUM);
    HWND list = Item(IDC_RESULTLIST);
    SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(m_listFont.Get()), TRUE);
    SendMessageA(list, LB_SETITEMHEIGHT, 0, ListItemHeight);
}

void CGameDlg::OnDestroy() {
    // Fonts outlive the controls that use them.
    HWND list = Item(IDC_RESULTLIST);
    if (list)
        SendMessageA(list, WM_SETFONT, 0, FALSE);
    if (m_pInputCtrl)
        SendMessageA(m_pInputCtrl, WM_SETFONT, 0, FALSE);
}

void CGameDlg::StartLoading() {
    EnableWindow(m_hWnd, FALSE);
    m_loadingWindow = CLoadingDlg::Start(m_hWnd);
}

// ---------------------------------------------------------------- messages

INT_PTR CGameDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SHOWWINDOW:
        if (wParam && !m_loadingStarted) {
            m_loadingStarted = true;
            OnFirstShow();
            PostMessageA(m_hWnd, WM_OPENED, 0, 0);
        }
        return FALSE;
    case WM_SEARCH_DONE:
        m_round.OnSearchDone();
        return TRUE;
    case WM_TIME_UP:
        m_round.OnTimeUp();
        return TRUE;
    case WM_LIST_FILLED:
        EndListBatch();
        return TRUE;
    case WM_OPENED:
        // Systems that stack windows in the order they reach the screen
        // would put the main window over the loading window shown before it.
        if (IsWindow(m_loadingWindow))
            SetWindowPos(m_loadingWindow, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        return TRUE;
    case WM_LOAD_ICONS:
        LoadLetterIcons(static_cast<int>(wParam));
        return TRUE;
    case WM_SET_CONTROL_TEXT:
        SetControlText(static_cast<int>(wParam), reinterpret_cast<const char*>(lParam));
        return TRUE;
    case WM_CLOSE:
        OnClose();
        return TRUE;
    default:
        return CDialog::HandleMessage(message, wParam, lParam);
    }
}

bool CGameDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (IsLetterButtonId(id, m_round.m_strLetters) && lParam) {
        if (code == BN_CLICKED && m_round.m_bRunning)
            m_round.OnLetterClick(id);
        return true;
    }
    if (id == IDC_INPUT) {
        if (code == EN_CHANGE && !m_writingInput)
            m_round.OnInputChange();
        return true;
    }
    if (id == IDC_RESULTLIST) {
        if (code == LBN_SETFOCUS)
            FocusInput();
        return true;
    }
    if (lParam)
        return code == BN_CLICKED && OnButton(id);
    return OnMenu(id);
}

bool CGameDlg::OnButton(int id) {
    switch (id) {
    case IDC_NEW: m_round.OnNew(); return true;
    case IDC_ENTER: m_round.OnEnter(); return true;
    case IDC_SHUFFLE: m_round.OnShuffle(); return true;
    case IDC_BACK: m_round.OnBack(); return true;
    case IDC_GIVEUP: m_round.OnGiveUp(); return true;
    case IDC_QUIT: OnClose(); return true;
    default: return CDialog::OnCommand(MAKEWPARAM(id, BN_CLICKED), 0);
    }
}

bool CGameDlg::OnMenu(int id) {
    switch (id) {
    case ID_OPT_SOUND:
    case ID_OPT_UPPERCASE:
    case ID_OPT_SUBSTITUTE:
    case ID_OPT_LAX:
    case ID_HELP_TIPS:
        ToggleOption(id);
        return true;
    case ID_FILE_QUIT:
        OnClose();
        return true;
    case ID_HELP_README:
        OnReadMe();
        return true;
    case ID_FILE_WORDLIST:
    case ID_OPT_STARTWORD:
    case ID_OPT_SETTINGS:
    case ID_HELP_ABOUT:
        return OnDialogMenu(id);
    default:
        return CDialog::OnCommand(MAKEWPARAM(id, 0), 0);
    }
}

bool CGameDlg::PreTranslateMessage(MSG& msg) {
    // Escape never closes the main window.
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
        msg.wParam = 0;
        return true;
    }
    if (m_hWnd && GameSettings.UseHelp == 1)
        m_toolTip.RelayMessage(msg);
    return CDialog::PreTranslateMessage(msg);
}

HBRUSH CGameDlg::OnCtlColor(HDC dc, HWND control, UINT, HBRUSH) {
    const int id = control == m_hWnd ? -2 : GetDlgCtrlID(control);
    const ControlColors colors = ColorsForControl(id, m_round.m_bRunning != 0);
    SetBkColor(dc, GameBrushColor(colors.brush));
    if (colors.transparent)
        SetBkMode(dc, TRANSPARENT);
    if (colors.setText)
        SetTextColor(dc, colors.text);
    return GameBrushes.Get(colors.brush);
}

// ---------------------------------------------------------------- menu

void CGameDlg::SetMenuTick(int id, bool ticked) {
    CheckMenuItem(GetMenu(m_hWnd), id, MF_BYCOMMAND | (ticked ? MF_CHECKED : MF_UNCHECKED));
}

void CGameDlg::SetMenuGrey(int id, bool grey) {
    EnableMenuItem(GetMenu(m_hWnd), id, MF_BYCOMMAND | (grey ? MF_GRAYED : MF_ENABLED));
}

void CGameDlg::ApplyMenuAtRest() {
    const OptionMenuState state =
        MenuStateAtRest(GameSettings.Wordlist, GameSettings.Uppercase, GameSettings.UseSound,
                        GameSettings.Substitute, GameSettings.Lax, GameSettings.UseHelp);
    SetMenuTick(ID_OPT_SOUND, state.soundTicked);
    SetMenuTick(ID_OPT_UPPERCASE, state.uppercaseTicked);
    SetMenuTick(ID_OPT_SUBSTITUTE, state.substituteTicked);
    SetMenuTick(ID_OPT_LAX, state.laxTicked);
    SetMenuTick(ID_HELP_TIPS, state.helpTicked);
    SetMenuGrey(ID_OPT_SUBSTITUTE, state.caseEntriesGrey);
    SetMenuGrey(ID_OPT_UPPERCASE, state.caseEntriesGrey);
    SetMenuGrey(ID_OPT_LAX, state.laxGrey);
}

void CGameDlg::ToggleOption(int menuId) {
    const UINT state = GetMenuState(GetMenu(m_hWnd), menuId, MF_BYCOMMAND);
    if (state == static_cast<UINT>(-1))
        return;
    const bool ticked = (state & MF_CHECKED) == 0;
    SetMenuTick(menuId, ticked);
    const int value = ticked ? 1 : 0;
    switch (menuId) {
    case ID_OPT_SOUND:
        GameSettings.UseSound = value;
        if (!ticked)
            m_round.PlayGameSound(SoundStop);
        break;
    case ID_OPT_UPPERCASE:
        GameSettings.Uppercase = value;
        SetMenuGrey(ID_OPT_LAX, ticked);
        break;
    case ID_OPT_SUBSTITUTE: GameSettings.Substitute = value; break;
    case ID_OPT_LAX: GameSettings.Lax = value; break;
    case ID_HELP_TIPS: GameSettings.UseHelp = value; break;
    default: return;
    }
    SaveMenuSettings();
}

// ---------------------------------------------------------------- commands

void CGameDlg::OnClose() {
    if (m_round.m_bRunning) {
        m_round.PlayGameSound(SoundWarning);
        if (ShowMessageDlg(TextReallyQuit, MessageQuestion) == IDNO) {
            FocusInput();
            return;
        }
    }
    m_round.PlayGameSound(SoundStop);
    if (m_round.IsWorkerRunning() && !m_round.StopWorker(WorkerStopMilliseconds))
        m_workerLeftRunning = true;
    EndDialog(0);
}

void CGameDlg::OnReadMe() {
    // The path is quoted: a start directory may contain blanks.
    std::string commandLine = "notepad.exe \"" + StartDirectory + "\\README.txt\"";
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    ShowWindow(m_hWnd, SW_MINIMIZE);
}

// ---------------------------------------------------------------- the view

void CGameDlg::SetControlText(int id, const char* text) {
    if (m_hWnd)
        SetDlgItemTextA(m_hWnd, id, text ? text : "");
}

void CGameDlg::SetStatusText(const char* text) {
    // From a worker this waits until the window has shown the text.
    SendMessageA(m_viewWindow, WM_SET_CONTROL_TEXT, IDC_STATUS, reinterpret_cast<LPARAM>(text));
}

void CGameDlg::SetTimeText(const char* text) {
    SendMessageA(m_viewWindow, WM_SET_CONTROL_TEXT, IDC_TIME, reinterpret_cast<LPARAM>(text));
}

void CGameDlg::SetControlsState(bool running) {
    for (const ButtonState& button : ButtonStatesForRound(running))
        EnableButton(button.id, button.enabled);

    const RunningMenuState menu = MenuStateForRound(running, GameSettings.Wordlist, GameSettings.Uppercase);
    SetMenuGrey(ID_OPT_STARTWORD, menu.dialogEntriesGrey);
    SetMenuGrey(ID_OPT_SETTINGS, menu.dialogEntriesGrey);
    SetMenuGrey(ID_FILE_WORDLIST, menu.dialogEntriesGrey);
    if (menu.touchCaseEntries) {
        SetMenuGrey(ID_OPT_SUBSTITUTE, menu.caseEntriesGrey);
        SetMenuGrey(ID_OPT_UPPERCASE, menu.caseEntriesGrey);
        SetMenuGrey(ID_OPT_LAX, menu.laxGrey);
    }

    if (running)
        FocusInput();
    else
        SetFocus(Item(IDC_NEW));
}

HICON CGameDlg::LetterIcon(unsigned char letter) {
    // Loaded at the first use and kept: the row is rebuilt at every key.
    if (!m_letterIconLoaded[letter]) {
        m_letterIcons[letter] = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_LETTER_BASE + letter));
        m_letterIconLoaded[letter] = true;
    }
    return m_letterIcons[letter];
}

void CGameDlg::LoadLetterIcons(int from) {
    // The idle second before the list loads pays for what the first rows of
    // a round would otherwise load; a few at a time keep the window answering.
    int byte = from, loaded = 0;
    for (; byte < 256 && loaded < IconsPerMessage; ++byte) {
        if (IsGameLetter(static_cast<char>(byte))) {
            LetterIcon(static_cast<unsigned char>(byte));
            ++loaded;
        }
    }
    if (byte < 256)
        PostMessageA(m_hWnd, WM_LOAD_ICONS, static_cast<WPARAM>(byte), 0);
}

void CGameDlg::CreateLetterButtons(const std::string& letters) {
    RECT client{};
    GetClientRect(m_hWnd, &client);
    const int width = client.right - client.left;
    // The row follows its band, whatever the dialog font makes of its units.
    RECT band{};
    GetWindowRect(Item(IDC_LETTERBAND), &band);
    MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&band), 2);
    const int top = LetterButtonTopOnBand(band.top, band.bottom);
    const int count = static_cast<int>(letters.size());
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HFONT dialogFont = reinterpret_cast<HFONT>(SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
    // Built hidden and shown together, so the row is painted once.
    std::vector<HWND> row;
    for (int i = 0; i < count; ++i) {
        const unsigned char letter = static_cast<unsigned char>(letters[static_cast<size_t>(i)]);
        const char caption[2] = {static_cast<char>(letter), '\0'};
        HICON icon = LetterIcon(letter);
        const PixelRect rect = LetterButtonRect(width, count, i, top);
        // Without its icon a button still shows its letter as text.
        const DWORD style = WS_CHILD | BS_PUSHBUTTON | (icon ? BS_ICON : 0);
        HWND button = CreateWindowExA(0, "BUTTON", caption, style, rect.left, rect.top, rect.right - rect.left,
                                      rect.bottom - rect.top, m_hWnd,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(LetterButtonBaseId + i)),
                                      instance, nullptr);
        if (!button)
            continue;
        SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(dialogFont), FALSE);
        if (icon)
            SendMessageA(button, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
        row.push_back(button);
    }
    for (HWND button : row)
        SetWindowPos(button, HWND_TOP, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_DEFERERASE);
}

void CGameDlg::DestroyLetterButtons(const std::string& letters) {
    // Hidden first with the erase held back: the band behind the row is
    // erased once, at the next paint, not once per button.
    std::vector<HWND> row;
    for (int i = 0; i < static_cast<int>(letters.size()); ++i)
        if (HWND button = Item(LetterButtonBaseId + i))
            row.push_back(button);
    for (HWND button : row)
        SetWindowPos(button, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW | SWP_DEFERERASE);
    for (HWND button : row)
        DestroyWindow(button);
}

void CGameDlg::EnableButton(int id, bool enable) { EnableWindow(Item(id), enable ? TRUE : FALSE); }

void CGameDlg::ResetList() { SendDlgItemMessageA(m_hWnd, IDC_RESULTLIST, LB_RESETCONTENT, 0, 0); }

void CGameDlg::AddListEntry(const std::string& text) {
    // A list with columns lays itself out anew at every entry; entries added
    // in one go are drawn once, when the window is back at its message loop.
    if (!m_listBatch) {
        m_listBatch = true;
        SendDlgItemMessageA(m_hWnd, IDC_RESULTLIST, WM_SETREDRAW, FALSE, 0);
        PostMessageA(m_hWnd, WM_LIST_FILLED, 0, 0);
    }
    SendDlgItemMessageA(m_hWnd, IDC_RESULTLIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void CGameDlg::EndListBatch() {
    if (!m_listBatch)
        return;
    m_listBatch = false;
    HWND list = Item(IDC_RESULTLIST);
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

int CGameDlg::ListCount() {
    return static_cast<int>(SendDlgItemMessageA(m_hWnd, IDC_RESULTLIST, LB_GETCOUNT, 0, 0));
}

std::string CGameDlg::ListText(int index) {
    const LRESULT length = SendDlgItemMessageA(m_hWnd, IDC_RESULTLIST, LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR || length < 0)
        return {};
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    const LRESULT copied = SendDlgItemMessageA(m_hWnd, IDC_RESULTLIST, LB_GETTEXT, index,
                                               reinterpret_cast<LPARAM>(buffer.data()));
    return copied == LB_ERR ? std::string() : std::string(buffer.data(), static_cast<size_t>(copied));
}

void CGameDlg::SetListTopIndex(int index) {
    SendDlgItemMessageA(m_hWnd, IDC_RESULTLIST, LB_SETTOPINDEX, index, 0);
}

void CGameDlg::FitListItemHeight() {
    HWND list = Item(IDC_RESULTLIST);
    // The list's screen DC as the system hands it out, in its own default
    // font: the rows have always been as high as that font's text.
    WindowDC dc(list);
    // A line of text is as high as its font, whatever it says: the first
    // entry that measures tells the height of all.
    const int count = ListCount();
    for (int i = 0; i < count; ++i) {
        const std::string text = ListText(i);
        SIZE size{};
        if (!GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size) || size.cy <= 0)
            continue;
        // Setting the height lays out the whole list again: only on a change.
        if (SendMessageA(list, LB_GETITEMHEIGHT, 0, 0) != size.cy)
            SendMessageA(list, LB_SETITEMHEIGHT, 0, size.cy);
        return;
    }
}

void CGameDlg::WriteInputText(const std::string& text) {
    m_writingInput = true;
    SetWindowTextA(m_pInputCtrl, text.c_str());
    m_writingInput = false;
}

void CGameDlg::WriteFields(const std::string& input, const std::string& found, const std::string& mistrials) {
    // Each key writes all three; a field that keeps its text is not painted again.
    if (WindowText(m_pInputCtrl) != input)
        WriteInputText(input);
    if (WindowText(Item(IDC_FOUND)) != found)
        SetDlgItemTextA(m_hWnd, IDC_FOUND, found.c_str());
    if (WindowText(Item(IDC_MISTRIALS)) != mistrials)
        SetDlgItemTextA(m_hWnd, IDC_MISTRIALS, mistrials.c_str());
}

void CGameDlg::ReadFields(std::string& input, std::string& found, std::string& mistrials) {
    input = WindowText(m_pInputCtrl);
    found = WindowText(Item(IDC_FOUND));
    mistrials = WindowText(Item(IDC_MISTRIALS));
}

std::string CGameDlg::GetInputText() { return WindowText(m_pInputCtrl); }

void CGameDlg::GetInputSelection(int& start, int& end) {
    DWORD first = 0, last = 0;
    SendMessageA(m_pInputCtrl, EM_GETSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
    start = static_cast<int>(first);
    end = static_cast<int>(last);
}

void CGameDlg::SetInputSelection(int start, int end) { SendMessageA(m_pInputCtrl, EM_SETSEL, start, end); }

void CGameDlg::SetInputReadOnly(bool readOnly) {
    SendMessageA(m_pInputCtrl, EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}

void CGameDlg::EnableInput(bool enable) { EnableWindow(m_pInputCtrl, enable ? TRUE : FALSE); }

void CGameDlg::FocusInput() {
    // Every key asks for it; Wine moves the caret anew even when nothing changes.
    if (GetFocus() != m_pInputCtrl)
        SetFocus(m_pInputCtrl);
}

void CGameDlg::HideInputCaret() { HideCaret(m_pInputCtrl); }

int CGameDlg::ShowMessageDlg(const char* text, int type) { return ShowMessage(text, type); }

CGameDlg::SoundFunction CGameDlg::s_playSound = PlaySoundOnSoundThread;

void CGameDlg::PlaySoundResource(int id) {
    s_playSound(MAKEINTRESOURCEA(id), GetModuleHandleA(nullptr), SND_RESOURCE | SND_ASYNC);
}

void CGameDlg::StopSound() { s_playSound(nullptr, nullptr, SND_PURGE); }

void CGameDlg::PostSearchDone() { PostMessageA(m_viewWindow, WM_SEARCH_DONE, 0, 0); }

void CGameDlg::PostTimeUp() { PostMessageA(m_viewWindow, WM_TIME_UP, 0, 0); }

void CGameDlg::ServeWorkerCalls() {
    // Delivers only the messages other threads sent synchronously.
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
}
