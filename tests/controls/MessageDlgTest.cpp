#include "controls/win/MessageDlg.h"

#include "controls/MessageLayout.h"
#include "controls/win/GameBrushes.h"
#include "dialoglayer/win/Dialog.h"
#include "engine/Messages.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// What the open dialog looked like, read while it was up.
struct Seen {
    bool found = false;
    RECT window{};
    RECT text{};   // in the dialog's client coordinates
    RECT buttons[3]{}; // "&Ja", "&OK", "&Nein"
    bool visible[3]{};
    bool gradient[3]{};
    HICON icon = nullptr;
    LONG style = 0;
    LONG exStyle = 0;
    HWND owner = nullptr;
    std::string shownText;
    LOGFONTA font{};
    COLORREF textColour = 0;
    COLORREF backColour = 0;
    HBRUSH brush = nullptr;
};

Seen g_seen;
std::function<void(HWND)> g_answer;

RECT ChildRect(HWND dialog, int id)
{
    RECT rect{};
    HWND child = GetDlgItem(dialog, id);
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

BOOL CALLBACK FindMessageDialog(HWND window, LPARAM result)
{
    if (IsWindowVisible(window) && GetDlgItem(window, IDC_MSG_TEXT)) {
        *reinterpret_cast<HWND*>(result) = window;
        return FALSE;
    }
    return TRUE;
}

void Inspect(HWND dialog)
{
    g_seen.found = true;
    GetWindowRect(dialog, &g_seen.window);
    g_seen.text = ChildRect(dialog, IDC_MSG_TEXT);
    const int ids[3] = {IDYES, IDOK, IDNO};
    for (int i = 0; i < 3; ++i) {
        g_seen.buttons[i] = ChildRect(dialog, ids[i]);
        g_seen.visible[i] = IsWindowVisible(GetDlgItem(dialog, ids[i])) != FALSE;
        g_seen.gradient[i] = CControl::FromHandle(GetDlgItem(dialog, ids[i])) != nullptr;
    }
    g_seen.icon = reinterpret_cast<HICON>(SendDlgItemMessageA(dialog, IDC_MSG_ICON, STM_GETICON, 0, 0));
    g_seen.style = GetWindowLongA(dialog, GWL_STYLE);
    g_seen.exStyle = GetWindowLongA(dialog, GWL_EXSTYLE);
    g_seen.owner = GetWindow(dialog, GW_OWNER);
    g_seen.shownText = WindowText(GetDlgItem(dialog, IDC_MSG_TEXT));
    HFONT font = reinterpret_cast<HFONT>(SendDlgItemMessageA(dialog, IDC_MSG_TEXT, WM_GETFONT, 0, 0));
    GetObjectA(font, sizeof(g_seen.font), &g_seen.font);
    HDC dc = CreateCompatibleDC(nullptr);
    g_seen.brush = reinterpret_cast<HBRUSH>(
        SendMessageA(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_MSG_TEXT))));
    g_seen.textColour = GetTextColor(dc);
    g_seen.backColour = GetBkColor(dc);
    DeleteDC(dc);
}

void CALLBACK AnswerWhenShown(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindMessageDialog, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog)
        return; // not up yet; the timer comes again
    KillTimer(nullptr, timer);
    Inspect(dialog);
    g_answer(dialog);
}

// Shows the dialog and answers it from a timer inside its modal loop.
// Another way to show it can be given instead of text and type.
int ShowAndAnswer(const std::string& text, int type, std::function<void(HWND)> answer,
                  const std::function<int()>& show = {})
{
    g_seen = Seen{};
    g_answer = std::move(answer);
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, AnswerWhenShown);
    const int result = show ? show() : ShowMessageDlg(text, type);
    KillTimer(nullptr, timer);
    return result;
}

void PressKey(HWND, UINT key)
{
    HWND focus = GetFocus();
    PostMessageA(focus, WM_KEYDOWN, key, 1);
    PostMessageA(focus, WM_KEYUP, key, 1 | (1u << 30) | (1u << 31));
}

void ClickButton(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

// Which of "&Ja", "&OK", "&Nein" were visible, as "101".
std::string ShownButtons()
{
    std::string shown;
    for (bool visible : g_seen.visible)
        shown += visible ? '1' : '0';
    return shown;
}

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

class MessageDlgTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { CreateGameBrushes(); }
};

TEST_F(MessageDlgTest, ButtonsAnswerWithTheirIdentifiers)
{
    EXPECT_EQ(IDYES, ShowAndAnswer("Laufendes Spiel wirklich beenden?", 1, [](HWND d) { ClickButton(d, IDYES); }));
    EXPECT_EQ(IDNO, ShowAndAnswer("Laufendes Spiel wirklich beenden?", 1, [](HWND d) { ClickButton(d, IDNO); }));
    EXPECT_EQ(IDOK, ShowAndAnswer("Dieses Wort wurde bereits eingetragen.", 0, [](HWND d) { ClickButton(d, IDOK); }));
    EXPECT_EQ(IDCANCEL, ShowAndAnswer("Laufendes Spiel wirklich beenden?", 1, [](HWND d) { PressKey(d, VK_ESCAPE); }));
    EXPECT_EQ(IDOK, ShowAndAnswer("Fehler", 2, [](HWND d) { PressKey(d, VK_RETURN); }));
}

TEST_F(MessageDlgTest, TypesShowTheirIconsAndButtons)
{
    HINSTANCE self = GetModuleHandleA(nullptr);
    ShowAndAnswer("Frage", 1, [](HWND d) { ClickButton(d, IDNO); });
    ASSERT_TRUE(g_seen.found);
    EXPECT_EQ("101", ShownButtons());
    EXPECT_EQ(LoadIconA(self, MAKEINTRESOURCEA(IDI_MSG_QUESTION)), g_seen.icon);

    ShowAndAnswer("Fehler", 2, [](HWND d) { ClickButton(d, IDOK); });
    EXPECT_EQ("010", ShownButtons());
    EXPECT_EQ(LoadIconA(self, MAKEINTRESOURCEA(IDI_MSG_ERROR)), g_seen.icon);

    for (int type : {0, 5}) {
        ShowAndAnswer("Hinweis", type, [](HWND d) { ClickButton(d, IDOK); });
        EXPECT_EQ("010", ShownButtons()) << type;
        EXPECT_NE(nullptr, g_seen.icon);
        EXPECT_NE(LoadIconA(self, MAKEINTRESOURCEA(IDI_MSG_ERROR)), g_seen.icon);
        EXPECT_NE(LoadIconA(self, MAKEINTRESOURCEA(IDI_MSG_QUESTION)), g_seen.icon);
    }
    for (bool gradient : g_seen.gradient)
        EXPECT_TRUE(gradient);
}

TEST_F(MessageDlgTest, WhitePanelWithGreyThinTextSizedByTheLayout)
{
    ShowAndAnswer("", 1, [](HWND d) { ClickButton(d, IDOK); });
    const Seen empty = g_seen;
    ASSERT_TRUE(empty.found);
    const MessageDlgLayout layout = ComputeMessageDlgLayout(Width(empty.text), Height(empty.text) + 20, 0, 0);
    const RECT& ok = empty.buttons[1];
    EXPECT_EQ((std::vector<LONG>{layout.textX, layout.textY, layout.dialogWidth, layout.dialogHeight, layout.okX,
                                 layout.buttonY, layout.buttonWidth, layout.buttonHeight, layout.yesX, layout.noX}),
              (std::vector<LONG>{empty.text.left, empty.text.top, Width(empty.window), Height(empty.window), ok.left,
                                 ok.top, Width(ok), Height(ok), empty.buttons[0].left, empty.buttons[2].left}));

    const std::string text = "Dieses Wort ist leider nicht bekannt.\nKeine weiteren Fehlversuche.\nSpiel beendet.";
    ShowAndAnswer(text, 0, [](HWND d) { ClickButton(d, IDOK); });
    EXPECT_EQ(Height(empty.window) + MessageExtraHeight(text.size()), Height(g_seen.window));
    EXPECT_EQ(text, g_seen.shownText);
    EXPECT_EQ(0, g_seen.style & WS_CAPTION) << "no title bar";
    EXPECT_NE(0, g_seen.style & WS_POPUP);
    EXPECT_NE(0, g_seen.exStyle & WS_EX_CLIENTEDGE);
    EXPECT_EQ(RGB(100, 100, 100), g_seen.textColour);
    EXPECT_EQ(RGB(255, 255, 255), g_seen.backColour);
    EXPECT_EQ(GameBrushes.white, g_seen.brush);
    EXPECT_EQ(10, g_seen.font.lfHeight);
    EXPECT_EQ(FW_THIN, g_seen.font.lfWeight);
    EXPECT_STREQ("MS Sans Serif", g_seen.font.lfFaceName);
}

// A message shown while another dialog is open belongs to that dialog, so
// closing the message does not wake the main window too early.
TEST_F(MessageDlgTest, OwnedByTheMainWindowsLastActivePopup)
{
    HWND main = CreateWindowExA(0, "STATIC", "main", WS_POPUP | WS_VISIBLE, 50, 50, 500, 400, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    HWND popup = CreateWindowExA(0, "STATIC", "popup", WS_POPUP | WS_VISIBLE, 100, 100, 600, 300, main, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    CDialog::SetMainWindow(main);
    SetActiveWindow(popup);
    ShowAndAnswer("Hinweis", 0, [](HWND d) { ClickButton(d, IDOK); });
    EXPECT_EQ(popup, g_seen.owner);
    // Centred over its owner.
    RECT owner{};
    GetWindowRect(popup, &owner);
    EXPECT_NEAR((owner.left + owner.right) / 2, (g_seen.window.left + g_seen.window.right) / 2, 1);
    EXPECT_TRUE(IsWindowEnabled(popup)) << "the owner is enabled again afterwards";
    CDialog::SetMainWindow(nullptr);
    DestroyWindow(popup);
    DestroyWindow(main);
}

TEST_F(MessageDlgTest, ServesAsTheMessageHandlerOfCodeWithoutAWindow)
{
    const MessageHandler old = SetMessageHandler(ShowMessageDlgHandler);
    EXPECT_EQ(IDNO, ShowAndAnswer("", 0, [](HWND d) { ClickButton(d, IDNO); }, [] {
                  return ShowMessage("Frage?", MessageQuestion);
              }));
    EXPECT_EQ("Frage?", g_seen.shownText);
    SetMessageHandler(old);
}

} // namespace
