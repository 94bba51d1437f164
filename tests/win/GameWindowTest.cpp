// The main window's wiring under Wine: opening and loading, one round end to
// end through buttons and keys, colours, the clock, the menu.
#include "app/GameWindowModel.h"
#include "app/win/GameDlg.h"
#include "controls/win/GameBrushes.h"
#include "controls/win/GradientButton.h"
#include "controls/win/MessageRoute.h"
#include "dialoglayer/win/Gdi.h"
#include "dialoglayer/win/WindowLibraries.h"
#include "engine/StartWordStock.h"
#include "res/resource.h"
#include "settings/GameSettings.h"
#include "settings/SettingsSections.h"
#include "tests/win/WindowDriver.h"
#include "wordlist/WordList.h"
#include <gtest/gtest.h>
#include <cstdio>
#include <memory>
#include <mmsystem.h>
#include <tlhelp32.h>
#include <set>
#include <utility>
#include <vector>

namespace {

// TRAUBE is the own list's only word of six letters or more, so it is the
// start word; BRAUT, TAUBE, RABE, RAUB and BAU its sub-anagrams.
const char* const OwnList = "TRAUBE\r\nBRAUT\r\nTAUBE\r\nRABE\r\nRAUB\r\nBAU\r\nHAUS\r\nXY\r\n";

// What the window asked of the sound system: the resource number (0 for
// none), the module and the flags.
std::vector<std::string> g_sounds; // "resource number, own module or none, flags in hex"
BOOL WINAPI RecordSound(LPCSTR sound, HMODULE module, DWORD flags) {
    char call[64];
    std::snprintf(call, sizeof call, "%u %s %lx", static_cast<unsigned>(reinterpret_cast<uintptr_t>(sound)),
                  module == GetModuleHandleA(nullptr) ? "own" : module ? "other" : "none",
                  static_cast<unsigned long>(flags));
    g_sounds.push_back(call);
    return TRUE;
}

class GameWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        InitWindowLibraries();
        CreateGameBrushes();
        RouteMessagesToDialog();
    }
    void SetUp() override {
        GameSettings.ResetToDefaults();
        ClearWordList();
        ClearStartWordStock();
        g_sounds.clear();
        m_playSound = std::exchange(CGameDlg::s_playSound, RecordSound);
    }
    void TearDown() override {
        m_dialog.reset();
        CGameDlg::s_playSound = m_playSound;
        ClearWordList();
    }

    // Opens the main window over the own list; waits until loading enabled it.
    void OpenWithOwnList(const std::string& path, bool wait = true) {
        GameSettings.Wordlist = 1;
        GameSettings.Listpath = path;
        SaveListSettings(); // the word list dialog starts from what is stored
        m_dialog = std::make_unique<CGameDlg>();
        ASSERT_TRUE(m_dialog->Create(nullptr));
        ASSERT_TRUE(!wait || PumpUntil([&] { return IsWindowEnabled(Window()) != FALSE; }));
    }

    HWND Window() const { return m_dialog->Handle(); }
    HWND Item(int id) const { return GetDlgItem(Window(), id); }
    std::string Text(int id) const { return ::Text(Window(), id); }
    GameRound& Round() { return m_dialog->Round(); }

    std::string LetterRow() const {
        std::string row;
        for (int id = LetterButtonBaseId; Item(id); ++id)
            row += Text(id);
        return row;
    }

    // The window as the player sees it: buttons Neu, Zurück, Schütteln,
    // Aufgeben, Eintragen enabled as 1; the dialog entries and the case
    // entries of the menu as g when grey; the control with the focus.
    std::string State() {
        const std::string buttons = EnabledStates(Window(), {IDC_NEW, IDC_BACK, IDC_SHUFFLE, IDC_GIVEUP, IDC_ENTER});
        std::string menu;
        for (int id : {ID_OPT_SETTINGS, ID_OPT_STARTWORD, ID_FILE_WORDLIST, ID_OPT_UPPERCASE, ID_OPT_SUBSTITUTE,
                       ID_OPT_LAX})
            menu += GetMenuState(GetMenu(Window()), id, MF_BYCOMMAND) & MF_GRAYED ? 'g' : '-';
        std::string words;
        for (int i = 0; i < m_dialog->ListCount(); ++i)
            words += (i ? "," : "") + m_dialog->ListText(i);
        const bool readOnly = (GetWindowLongA(Item(IDC_INPUT), GWL_STYLE) & ES_READONLY) != 0;
        return "row=" + LetterRow() + "; input=" + Text(IDC_INPUT) + (readOnly ? " ro" : " rw") +
               "; buttons=" + buttons + "; menu=" + menu + "; found=" + Text(IDC_FOUND) +
               "; tries=" + Text(IDC_MISTRIALS) + "; status=" + Text(IDC_STATUS) + "; list=" + words +
               "; focus=" + std::to_string(GetDlgCtrlID(GetFocus()));
    }

    void ClickButton(int id) { SendMessageA(Item(id), BM_CLICK, 0, 0); }
    void PressInInput(WPARAM key) {
        PostMessageA(Item(IDC_INPUT), WM_KEYDOWN, key, key == VK_RETURN ? 0x001C0001 : 0x00010001);
        PumpFor(50);
    }
    void StartRunningRound() {
        ClickButton(IDC_NEW);
        ASSERT_TRUE(PumpUntil([&] { return Round().m_bRunning == 1; }));
    }
    // Clicks the letter buttons that spell the word, then "&Eintragen".
    void EnterWord(const std::string& word) {
        for (char letter : word) {
            const size_t position = LetterRow().find(letter);
            ASSERT_NE(position, std::string::npos) << letter << " not in " << LetterRow();
            ClickButton(LetterButtonBaseId + static_cast<int>(position));
        }
        ClickButton(IDC_ENTER);

        PumpFor(20);
    }

    // The colour the window chooses for the result list's text right now.
    COLORREF ListTextColour() {
        MemoryDC dc(nullptr);
        SendMessageA(Window(), WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc.Get()),
                     reinterpret_cast<LPARAM>(Item(IDC_RESULTLIST)));
        return GetTextColor(dc);
    }
    ScopedStore m_store;
    std::unique_ptr<CGameDlg> m_dialog;
    CGameDlg::SoundFunction m_playSound = nullptr;
    MessageAnswerer m_answers;
};

TEST_F(GameWindowTest, OpensLoadsAndPlaysAWholeRound) {
    TempFile list(OwnList);
    GameSettings.UseDuration = 1;
    GameSettings.Duration = 1;
    OpenWithOwnList(list.Path(), false);
    EXPECT_FALSE(IsWindowEnabled(Window()));
    // Gradient buttons; background panels clip their siblings, or the counter
    // strip paints over the counters.
    std::string look;
    for (int id : {IDC_NEW, IDC_BACK, IDC_SHUFFLE, IDC_GIVEUP, IDC_ENTER, IDC_QUIT})
        look += dynamic_cast<CGradientButton*>(CControl::FromHandle(Item(id))) ? "g" : "-";
    look += ' ';
    for (int id : {IDC_LETTERBAND, IDC_BUTTONPANEL, IDC_LISTPANEL, IDC_COUNTERSTRIP})
        look += GetWindowLongA(Item(id), GWL_STYLE) & WS_CLIPSIBLINGS ? 'c' : '-';
    // The loading window belongs to the main window.
    HWND loading = nullptr;
    for (HWND w = GetWindow(GetDesktopWindow(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
        loading = GetWindow(w, GW_OWNER) == Window() && GetDlgItem(w, IDC_LOADING_TEXT) ? w : loading;
    EXPECT_EQ("gggggg cccc Wortliste wird geladen...", look + " " + ::Text(loading, IDC_LOADING_TEXT));
    // Enter on the loading window neither ends it early nor keeps the list from loading.
    PostMessageA(GetDlgItem(loading, IDC_LOADING_TEXT), WM_KEYDOWN, VK_RETURN, 0x001C0001);
    ASSERT_TRUE(PumpUntil([&] { return IsWindowEnabled(Window()) != FALSE; }));
    EXPECT_FALSE(IsWindow(loading));
    EXPECT_EQ(State(), "row=Anagrilla; input=Willkommen bei ro; buttons=10000; menu=------; found=0 von 0   (  0 % ); "
                       "tries=unbegrenzt; status=Drücken Sie NEU um ein neues Spiel zu starten.; list=; focus=129");

    StartRunningRound();
    EXPECT_EQ(State(), "row=TRAUBE; input= rw; buttons=01110; menu=gggggg; found=0 von 5   (  0 % ); "
                       "tries=unbegrenzt; status=Spiel läuft...; list=; focus=139");
    EXPECT_EQ(ListTextColour(), RGB(0, 128, 0));
    // Neu stops any sound; a found word plays its own, both exactly so.
    EXPECT_EQ(std::vector<std::string>{"0 none 40"}, g_sounds) << "SND_PURGE alone";

    // A right word, built with the letter buttons.
    EnterWord("BAU");
    EXPECT_EQ(State(), "row=TRAUBE; input= rw; buttons=01110; menu=gggggg; found=1 von 5   ( 20 % ); "
                       "tries=unbegrenzt; status=Wort wurde in Liste übernommen.; list=BAU; focus=139");
    EXPECT_EQ("114 own 40005", g_sounds.back()) << "SND_RESOURCE | SND_ASYNC";
    // Rows as high as the entry's text on the list's screen DC as it comes.
    SIZE entry{};
    GetTextExtentPoint32A(WindowDC(Item(IDC_RESULTLIST)), "BAU", 3, &entry);
    EXPECT_EQ(entry.cy, SendDlgItemMessageA(Window(), IDC_RESULTLIST, LB_GETITEMHEIGHT, 0, 0));

    // Escape keeps the window; Enter with "&Eintragen" disabled neither enters nor closes.
    PressInInput(VK_ESCAPE);
    PostMessageA(Window(), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    PressInInput(VK_RETURN);
    ASSERT_TRUE(IsWindow(Window()));
    EXPECT_TRUE(m_answers.Texts().empty());

    // The same word typed and entered with the Enter key: already listed.
    TypeText(Item(IDC_INPUT), "BAU");
    EXPECT_EQ(LetterRow(), "TRE");
    PressInInput(VK_RETURN);
    ASSERT_TRUE(PumpUntil([&] { return !m_answers.Texts().empty(); }));
    PumpFor(20);

    for (const char* word : {"BRAUT", "TAUBE", "RABE", "RAUB"})
        EnterWord(word);
    EXPECT_EQ(State(), "row=TRAUBE; input= ro; buttons=10000; menu=------; found=5 von 5   ( 100 % ); "
                       "tries=unbegrenzt; status=Spiel beendet.; list=BAU,BRAUT,RABE,RAUB,TAUBE; focus=129");
    EXPECT_EQ(ListTextColour(), RGB(255, 0, 0));

    // The clock's text arrives through a synchronous call into this thread;
    // closing with "&Ja" stops it, and the wait for it is bounded.
    StartRunningRound();
    ASSERT_TRUE(PumpUntil([&] { return Text(IDC_TIME) == "00:58"; }, 4000)) << Text(IDC_TIME);
    EXPECT_TRUE(Round().IsWorkerRunning());
    HWND window = Window();
    ClickButton(IDC_QUIT);
    EXPECT_EQ(m_answers.Texts(), (std::vector<std::string>{"Dieses Wort wurde bereits eingetragen.",
                                                           "Herzlichen Glückwunsch, Sie haben alles gefunden!!!",
                                                           "Laufendes Spiel wirklich beenden?"}));
    EXPECT_FALSE(IsWindow(window));

    EXPECT_FALSE(Round().IsWorkerRunning());
    EXPECT_FALSE(m_dialog->WorkerLeftRunning());
}

// Identifiers of the running editors.
std::set<DWORD> Editors() {
    std::set<DWORD> found;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        if (lstrcmpiA(entry.szExeFile, "notepad.exe") == 0)
            found.insert(entry.th32ProcessID);
    CloseHandle(snapshot);
    return found;
}

// After "&Neu" found no start word the focus is back on it, not on
// "&Beenden", where the next Enter would end the game.
TEST_F(GameWindowTest, NewWithoutAStartWordKeepsTheFocus) {
    TempFile list("RABE\r\n");
    OpenWithOwnList(list.Path());
    ClickButton(IDC_NEW);
    ASSERT_TRUE(PumpUntil([&] { return !m_answers.Texts().empty() && IsWindowEnabled(Item(IDC_NEW)); }));
    PumpFor(50);
    EXPECT_EQ(IDC_NEW, GetDlgCtrlID(GetFocus()));
}

// A list chosen from the menu is loaded; the read-me opens.
TEST_F(GameWindowTest, ListChosenFromTheMenuLoadsAndTheReadMeOpens) {
    TempFile first(OwnList), second("TRAUBEN\r\nRABE\r\nBRAUT\r\n");
    OpenWithOwnList(first.Path());
    const ActOnWindow chooser([](HWND window) { return WindowText(window) == "Wortliste auswählen"; },
                              [&second](HWND dlg) {
                                  SetWindowTextA(GetDlgItem(dlg, IDC_LISTPATH), second.Path().c_str());
                                  Click(dlg, IDOK);
                              });
    PostMessageA(Window(), WM_COMMAND, ID_FILE_WORDLIST, 0);
    ASSERT_TRUE(PumpUntil([&] { return chooser.Acted(); }));
    EXPECT_FALSE(IsWindowEnabled(Window())) << "disabled while the new list loads";
    ASSERT_TRUE(PumpUntil([&] { return IsWindowEnabled(Window()) != FALSE; }));
    EXPECT_EQ("TRAUBEN 3", StartWordStock[0] + " " + std::to_string(WordCount()));

    // The read-me starts the editor and minimises the window.
    const std::set<DWORD> before = Editors();
    SendMessageA(Window(), WM_COMMAND, ID_HELP_README, 0);
    EXPECT_TRUE(IsIconic(Window()));
    std::set<DWORD> started;
    PumpUntil([&] {
        started = Editors();
        for (DWORD id : before)
            started.erase(id);
        return !started.empty();
    });
    ASSERT_EQ(started.size(), 1u);
    HANDLE editor = OpenProcess(PROCESS_TERMINATE, FALSE, *started.begin()); // the one this test started goes
    TerminateProcess(editor, 0);
    CloseHandle(editor);
}

} // namespace
