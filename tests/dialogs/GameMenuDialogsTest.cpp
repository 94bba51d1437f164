#include <gtest/gtest.h>

#include <memory>

#include "app/win/GameDlg.h"
#include "controls/win/GameBrushes.h"
#include "dialoglayer/win/WindowLibraries.h"
#include "engine/StartWordStock.h"
#include "res/resource.h"
#include "settings/GameSettings.h"
#include "settings/Registry.h"
#include "settings/SettingsSections.h"
#include "tests/dialogs/DialogDriver.h"
#include "tests/win/WindowDriver.h"
#include "wordlist/WordList.h"

// The main window's menu opens each dialog, and the window follows up on
// what the dialog changed.
namespace {

std::function<bool(HWND)> Titled(const char* title)
{
    return [title](HWND window) { return WindowText(window) == title; };
}
bool Grey(HWND window, int id) { return GetMenuState(GetMenu(window), id, MF_BYCOMMAND) & MF_GRAYED; }

class GameMenuDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        InitWindowLibraries();
        CreateGameBrushes();
        SetSettingsStore(&m_store);
        GameSettings.ResetToDefaults();
        ClearWordList();
        ClearStartWordStock();
    }

    void TearDown() override
    {
        m_window.reset();
        SetSettingsStore(nullptr);
        ClearWordList();
        GameSettings.ResetToDefaults();
    }

    void OpenWithOwnList(const std::string& path)
    {
        GameSettings.Wordlist = 1;
        GameSettings.Listpath = path;
        SaveListSettings(); // the word list dialog starts from what is stored
        m_window = std::make_unique<CGameDlg>();
        ASSERT_TRUE(m_window->Create(nullptr));
        ASSERT_TRUE(PumpUntil([&] { return IsWindowEnabled(Main()) != FALSE; }));
    }

    // Chooses the menu entry and lets the script act on the dialog it opens.
    void RunMenu(int id, std::function<bool(HWND)> pick, std::function<void(HWND)> act)
    {
        const ActOnWindow watcher(std::move(pick), std::move(act));
        PostMessageA(Main(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
        ASSERT_TRUE(PumpUntil([] { return ActOnWindow::Acted(); }));
        PumpFor(50);
    }

    HWND Main() const { return m_window->Handle(); }

    CMemoryRegistry m_store;
    std::unique_ptr<CGameDlg> m_window;
};

TEST_F(GameMenuDialogs, NewLimitsRebuildTheStockAndATypedStartWordStartsARound)
{
    TempFile list("ABENDROT\r\nTRAUBE\r\nBRAUT\r\nRABE\r\n");
    OpenWithOwnList(list.Path());
    ASSERT_EQ(StartWordStock.size(), 2u);

    RunMenu(ID_OPT_SETTINGS, Titled("Anagrilla Spieleinstellungen"),
            [](HWND dlg) {
                SetFocus(GetDlgItem(dlg, IDC_WORDLIMIT));
                for (int i = 0; i < 3; ++i)
                    PressKey(GetDlgItem(dlg, IDC_WORDLIMIT), VK_DOWN);
                Click(dlg, IDC_USEDURATION);
                PressKey(GetDlgItem(dlg, IDC_DURATION), VK_UP);
                Click(dlg, IDC_SETTINGS_OK);
            });
    // ABENDROT is too long now.
    EXPECT_EQ("7 7 TRAUBE 1 2 Minuten unbegrenzt",
              std::to_string(GameSettings.WordLimit.load()) + " " + std::to_string(StockMaxLength) + " " +
                  StartWordStock[0] + " " + std::to_string(StartWordStock.size()) + " " +
                  ControlText(Main(), IDC_TIME) + " " + ControlText(Main(), IDC_MISTRIALS));

    // A typed start word starts a round.
    RunMenu(ID_OPT_STARTWORD, Titled("Ausgangswort angeben"),
            [](HWND dlg) {
                TypeText(GetDlgItem(dlg, IDC_STARTWORD), "TRAUBE");
                Click(dlg, IDC_STARTGAME);
            });
    ASSERT_TRUE(PumpUntil([&] { return m_window->Round().m_bRunning == 1; }));
    EXPECT_EQ(m_window->Round().m_strStartWord + " " + std::to_string(m_window->Round().m_nTotal), "TRAUBE 2");
    SendMessageA(GetDlgItem(Main(), IDC_GIVEUP), BM_CLICK, 0, 0); // the clock stops
    EXPECT_FALSE(m_window->Round().IsWorkerRunning());
}

TEST_F(GameMenuDialogs, ChangedListIsLoadedThroughANewLoadingWindowAndAboutIsModal)
{
    TempFile first("TRAUBE\r\nBRAUT\r\n");
    TempFile second("ABENDROT\r\nABEND\r\nBROT\r\n");
    OpenWithOwnList(first.Path());
    ASSERT_EQ(WordCount(), 2);
    static std::string s_secondPath;
    s_secondPath = second.Path();
    RunMenu(ID_FILE_WORDLIST, Titled("Wortliste auswählen"),
            [](HWND dlg) {
                SetWindowTextA(GetDlgItem(dlg, IDC_LISTPATH), s_secondPath.c_str());
                Click(dlg, IDOK);
            });
    EXPECT_FALSE(IsWindowEnabled(Main())) << "disabled while the new list loads";
    ASSERT_TRUE(PumpUntil([&] { return IsWindowEnabled(Main()) != FALSE; }));
    EXPECT_EQ("ABENDROT 3 case entries on", StartWordStock[0] + " " + std::to_string(WordCount()) +
                                               (Grey(Main(), ID_OPT_UPPERCASE) ? "" : " case entries on"));

    // About is modal over the main window.
    static HWND s_owner = nullptr;
    static bool s_mainEnabled = true;
    RunMenu(ID_HELP_ABOUT, [](HWND w) { return GetDlgItem(w, IDC_MAILLINK) != nullptr; },
            [](HWND dlg) {
                s_owner = GetWindow(dlg, GW_OWNER);
                s_mainEnabled = IsWindowEnabled(s_owner) != FALSE;
                Click(dlg, IDOK);
            });
    EXPECT_TRUE(s_owner == Main() && !s_mainEnabled && IsWindowEnabled(Main()));

}

} // namespace
