#include <gtest/gtest.h>

#include <algorithm>
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

bool HasTitle(HWND window, const char* title)
{
    return WindowText(window) == title;
}

class GameMenuDialogs : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        InitWindowLibraries();
        CreateGameBrushes();
    }

    void SetUp() override
    {
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

    RunMenu(ID_OPT_SETTINGS, [](HWND w) { return HasTitle(w, "Anagrilla Spieleinstellungen"); },
            [](HWND dlg) {
                HWND wordLimit = GetDlgItem(dlg, IDC_WORDLIMIT);
                SetFocus(wordLimit);
                for (int i = 0; i < 3; ++i)
                    PressKey(wordLimit, VK_DOWN);
                Click(dlg, IDC_USEDURATION);
                PressKey(GetDlgItem(dlg, IDC_DURATION), VK_UP);
                Click(dlg, IDC_SETTINGS_OK);
            });
    EXPECT_EQ(GameSettings.WordLimit.load(), 7);
    EXPECT_EQ(StockMaxLength, 7);
    EXPECT_EQ(StartWordStock, std::vector<std::string>{"TRAUBE"}) << "ABENDROT is too long now";
    EXPECT_EQ(ControlText(Main(), IDC_TIME), "2 Minuten");
    EXPECT_EQ(ControlText(Main(), IDC_MISTRIALS), "unbegrenzt");

    // A typed start word starts a round.
    RunMenu(ID_OPT_STARTWORD, [](HWND w) { return HasTitle(w, "Ausgangswort angeben"); },
            [](HWND dlg) {
                TypeText(GetDlgItem(dlg, IDC_STARTWORD), "TRAUBE");
                Click(dlg, IDC_STARTGAME);
            });
    ASSERT_TRUE(PumpUntil([&] { return m_window->Round().m_bRunning == 1; }));
    EXPECT_EQ(m_window->Round().m_strStartWord, "TRAUBE");
    EXPECT_EQ(m_window->Round().m_nTotal, 2) << "BRAUT and RABE";
    SendMessageA(GetDlgItem(Main(), IDC_GIVEUP), BM_CLICK, 0, 0); // the clock stops
    EXPECT_FALSE(m_window->Round().IsWorkerRunning());
}

TEST_F(GameMenuDialogs, ChangedListIsLoadedThroughANewLoadingWindow)
{
    TempFile first("TRAUBE\r\nBRAUT\r\n");
    TempFile second("ABENDROT\r\nABEND\r\nBROT\r\n");
    OpenWithOwnList(first.Path());
    ASSERT_EQ(WordCount(), 2);
    static std::string s_secondPath;
    s_secondPath = second.Path();
    RunMenu(ID_FILE_WORDLIST, [](HWND w) { return HasTitle(w, "Wortliste auswählen"); },
            [](HWND dlg) {
                SetWindowTextA(GetDlgItem(dlg, IDC_LISTPATH), s_secondPath.c_str());
                Click(dlg, IDOK);
            });
    EXPECT_FALSE(IsWindowEnabled(Main())) << "disabled while the new list loads";
    ASSERT_TRUE(PumpUntil([&] { return IsWindowEnabled(Main()) != FALSE; }));
    EXPECT_EQ(WordCount(), 3);
    EXPECT_EQ(StartWordStock, std::vector<std::string>{"ABENDROT"});
    EXPECT_FALSE(GetMenuState(GetMenu(Main()), ID_OPT_UPPERCASE, MF_BYCOMMAND) & MF_GRAYED);

    // Back to the standard list: the case entries go grey again.
    RunMenu(ID_FILE_WORDLIST, [](HWND w) { return HasTitle(w, "Wortliste auswählen"); },
            [](HWND dlg) {
                Click(dlg, IDC_STANDARDLIST);
                Click(dlg, IDOK);
            });
    EXPECT_TRUE(GetMenuState(GetMenu(Main()), ID_OPT_UPPERCASE, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(GetMenuState(GetMenu(Main()), ID_OPT_SUBSTITUTE, MF_BYCOMMAND) & MF_GRAYED);
}

TEST_F(GameMenuDialogs, AboutIsModalOverTheMainWindow)
{
    TempFile list("TRAUBE\r\n");
    OpenWithOwnList(list.Path());
    static HWND s_owner = nullptr;
    static bool s_mainEnabled = true;
    RunMenu(ID_HELP_ABOUT, [](HWND w) { return GetDlgItem(w, IDC_MAILLINK) != nullptr; },
            [](HWND dlg) {
                s_owner = GetWindow(dlg, GW_OWNER);
                s_mainEnabled = IsWindowEnabled(s_owner) != FALSE;
                Click(dlg, IDOK);
            });
    EXPECT_EQ(s_owner, Main());
    EXPECT_FALSE(s_mainEnabled);
    EXPECT_TRUE(IsWindowEnabled(Main()));
}

} // namespace
