#include "WindowDriver.h"
#include "app/GameWindowModel.h"
#include "app/win/GameDlg.h"
#include "controls/win/GameBrushes.h"
#include "controls/win/GradientButton.h"
#include "controls/win/MessageRoute.h"
#include "dialoglayer/win/WindowLibraries.h"
#include "engine/StartWordStock.h"
#include "res/resource.h"
#include "settings/GameSettings.h"
#include "settings/Registry.h"
#include "wordlist/WordList.h"
#include <gtest/gtest.h>
#include <cstdlib>
#include <memory>
#include <mmsystem.h>
#include <richedit.h>
#include <tlhelp32.h>
#include <set>
#include <vector>

namespace {

// The own list of the tests: TRAUBE is its only word of six letters or more,
// so it is the start word, and its sub-anagrams are known.
const char* const OwnList = "TRAUBE\r\nBRAUT\r\nTAUBE\r\nRABE\r\nRAUB\r\nBAU\r\nHAUS\r\nXY\r\n";
const char* const CandidateWords[] = {"BRAUT", "TAUBE", "RABE", "RAUB", "BAU"};

// What the window asked of the sound system: the resource number (0 for
// none), the module and the flags.
struct SoundCall {
    uintptr_t sound;
    HMODULE module;
    DWORD flags;
    bool operator==(const SoundCall& other) const {
        return sound == other.sound && module == other.module && flags == other.flags;
    }
};
std::vector<SoundCall> g_sounds;
BOOL WINAPI RecordSound(LPCSTR sound, HMODULE module, DWORD flags) {
    g_sounds.push_back(SoundCall{reinterpret_cast<uintptr_t>(sound), module, flags});
    return TRUE;
}

bool IsGrey(HWND window, int id) {
    return (GetMenuState(GetMenu(window), id, MF_BYCOMMAND) & MF_GRAYED) != 0;
}
bool IsTicked(HWND window, int id) {
    return (GetMenuState(GetMenu(window), id, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

class GameWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        InitWindowLibraries();
        CreateGameBrushes();
        RouteMessagesToDialog();
    }

    void SetUp() override {
        m_store = std::make_unique<CMemoryRegistry>();
        SetSettingsStore(m_store.get());
        GameSettings.ResetToDefaults();
        ClearWordList();
        ClearStartWordStock();
        g_sounds.clear();
        CGameDlg::s_playSound = RecordSound;
    }

    void TearDown() override {
        m_dialog.reset();
        CGameDlg::s_playSound = PlaySoundA;
        SetSettingsStore(nullptr);
        ClearWordList();
    }

    void UseOwnList(const std::string& path) {
        GameSettings.Wordlist = 1;
        GameSettings.Listpath = path;
    }

    // Opens the main window and waits until the loading window has enabled it.
    void OpenWindow() {
        m_dialog = std::make_unique<CGameDlg>();
        ASSERT_TRUE(m_dialog->Create(nullptr));
        ASSERT_TRUE(PumpUntil([&] { return IsWindowEnabled(Window()) != FALSE; }));
    }

    HWND Window() const { return m_dialog->Handle(); }

    HWND FindLoadingWindow() const {
        for (HWND window = GetWindow(GetDesktopWindow(), GW_CHILD); window; window = GetWindow(window, GW_HWNDNEXT))
            if (GetWindow(window, GW_OWNER) == Window() && GetDlgItem(window, IDC_LOADING_TEXT))
                return window;
        return nullptr;
    }
    HWND Item(int id) const { return GetDlgItem(Window(), id); }
    std::string Text(int id) const { return ControlText(Window(), id); }
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    GameRound& Round() { return m_dialog->Round(); }

    std::string LetterRow() const {
        std::string row;
        for (int id = LetterButtonBaseId; Item(id); ++id)
            row += ControlText(Window(), id);
        return row;
    }

    void ClickButton(int id) { SendMessageA(Item(id), BM_CLICK, 0, 0); }

    // Clicks the letter buttons that spell the word, one after the other.
    void ClickLetters(const std::string& word) {
        for (char letter : word) {
            const std::string row = LetterRow();
            const size_t position = row.find(letter);
            ASSERT_NE(position, std::string::npos) << letter << " not in " << row;
            ClickButton(LetterButtonBaseId + static_cast<int>(position));
        }
    }

    void TypeIntoInput(const std::string& text) {
        for (char c : text)
            SendMessageA(Item(IDC_INPUT), WM_CHAR, static_cast<unsigned char>(c), 1);
    }

    void StartRunningRound() {
        ClickButton(IDC_NEW);
        ASSERT_TRUE(PumpUntil([&] { return Round().m_bRunning == 1; }));
    }

    void EnterWord(const std::string& word) {
        ClickLetters(word);
        ClickButton(IDC_ENTER);
        PumpFor(20);
    }

    // The colour the window chooses for the result list's text right now.
    COLORREF ListTextColour() {
        HDC dc = CreateCompatibleDC(nullptr);
        SendMessageA(Window(), WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(Item(IDC_RESULTLIST)));
        const COLORREF colour = GetTextColor(dc);
        DeleteDC(dc);
        return colour;
    }

    // Paints the result list into a picture and counts the pixels near a colour.
    int ListPixelsNear(COLORREF colour) {
        HWND list = Item(IDC_RESULTLIST);
        RECT client{};
        GetClientRect(list, &client);
        HDC screen = GetDC(list);
        HDC memory = CreateCompatibleDC(screen);
        HBITMAP picture = CreateCompatibleBitmap(screen, client.right, client.bottom);
        HGDIOBJ old = SelectObject(memory, picture);
        SendMessageA(list, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT | PRF_ERASEBKGND);
        int count = 0;
        for (int y = 0; y < client.bottom; ++y)
            for (int x = 0; x < client.right; ++x) {
                const COLORREF pixel = GetPixel(memory, x, y);
                if (std::abs(GetRValue(pixel) - GetRValue(colour)) < 40 &&
                    std::abs(GetGValue(pixel) - GetGValue(colour)) < 40 &&
                    std::abs(GetBValue(pixel) - GetBValue(colour)) < 40)
                    ++count;
            }
        SelectObject(memory, old);
        DeleteObject(picture);
        DeleteDC(memory);
        ReleaseDC(list, screen);
        return count;
    }

    std::unique_ptr<CMemoryRegistry> m_store;
    std::unique_ptr<CGameDlg> m_dialog;
    MessageAnswerer m_answers;
};

TEST_F(GameWindowTest, OpensWithTheWelcomeRowDisabledUntilTheListIsLoaded) {
    TempFile list(OwnList);
    UseOwnList(list.Path());
    m_dialog = std::make_unique<CGameDlg>();
    ASSERT_TRUE(m_dialog->Create(nullptr));

    EXPECT_FALSE(IsWindowEnabled(Window()));
    EXPECT_EQ(LetterRow(), "Anagrilla");
    RECT client{};
    GetClientRect(Window(), &client);
    RECT band{};
    GetWindowRect(Item(IDC_LETTERBAND), &band);
    MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&band), 2);
    for (int i = 0; i < 9; ++i) {
        HWND button = Item(LetterButtonBaseId + i);
        RECT rect{};
        GetWindowRect(button, &rect);
        MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&rect), 2);
        const PixelRect expected = LetterButtonRect(client.right, 9, i);
        EXPECT_EQ(rect.left, expected.left) << i;
        EXPECT_EQ(rect.top, LetterButtonTopOnBand(band.top, band.bottom)) << i;
        EXPECT_GE(rect.top, band.top) << i;
        EXPECT_LE(rect.bottom, band.bottom) << i;
        EXPECT_EQ(rect.bottom - rect.top, 30) << i;
        EXPECT_NE(SendMessageA(button, BM_GETIMAGE, IMAGE_ICON, 0), 0) << "letter icon " << i;
    }
    EXPECT_EQ(Text(IDC_INPUT), "Willkommen bei");
    EXPECT_EQ(Text(IDC_STATUS), "Drücken Sie NEU um ein neues Spiel zu starten.");
    EXPECT_EQ(Text(IDC_FOUND), "0 von 0   (  0 % )");
    EXPECT_EQ(Text(IDC_TIME), "unbegrenzt");
    EXPECT_EQ(Text(IDC_MISTRIALS), "unbegrenzt");
    EXPECT_TRUE(IsTicked(Window(), ID_OPT_SOUND));
    EXPECT_TRUE(IsTicked(Window(), ID_HELP_TIPS));
    EXPECT_FALSE(IsTicked(Window(), ID_OPT_UPPERCASE));
    // An own list leaves the case entries available at rest.
    EXPECT_FALSE(IsGrey(Window(), ID_OPT_UPPERCASE));
    EXPECT_FALSE(IsGrey(Window(), ID_OPT_LAX));

    // The command buttons are gradient buttons with their faces.
    for (int id : {IDC_NEW, IDC_BACK, IDC_SHUFFLE, IDC_GIVEUP, IDC_ENTER, IDC_QUIT}) {
        auto* button = dynamic_cast<CGradientButton*>(CControl::FromHandle(Item(id)));
        ASSERT_NE(button, nullptr) << id;
    }

    // The loading window: over the main window, white, its label in grey.
    HWND loading = FindLoadingWindow();
    ASSERT_NE(loading, nullptr);
    EXPECT_EQ(ControlText(loading, IDC_LOADING_TEXT), "Wortliste wird geladen...");
    RECT main{}, over{};
    GetWindowRect(Window(), &main);
    GetWindowRect(loading, &over);
    EXPECT_NEAR((over.left + over.right) / 2, (main.left + main.right) / 2, 1);
    EXPECT_NEAR((over.top + over.bottom) / 2, (main.top + main.bottom) / 2, 1);
    HDC dc = CreateCompatibleDC(nullptr);
    const LRESULT brush = SendMessageA(loading, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(GetDlgItem(loading, IDC_LOADING_TEXT)));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), GameBrushes.white);
    EXPECT_EQ(GetTextColor(dc), RGB(100, 100, 100));
    DeleteDC(dc);

    ASSERT_TRUE(PumpUntil([&] { return IsWindowEnabled(Window()) != FALSE; }));
    EXPECT_FALSE(IsWindow(loading));
    EXPECT_EQ(WordCount(), 8);
    EXPECT_EQ(GetFocus(), Item(IDC_NEW));
    EXPECT_TRUE(m_answers.Texts().empty());
    // The welcome letters are no game: clicking them changes nothing.
    ClickButton(LetterButtonBaseId);
    EXPECT_EQ(Text(IDC_INPUT), "Willkommen bei");
    EXPECT_EQ(LetterRow(), "Anagrilla");
}

TEST_F(GameWindowTest, StandardListGreysTheCaseEntriesAndAMissingFileIsReported) {
    // The tests run where no anagrilla.dat lies.
    m_dialog = std::make_unique<CGameDlg>();
    ASSERT_TRUE(m_dialog->Create(nullptr));
    EXPECT_TRUE(IsGrey(Window(), ID_OPT_UPPERCASE));
    EXPECT_TRUE(IsGrey(Window(), ID_OPT_SUBSTITUTE));
    EXPECT_TRUE(IsGrey(Window(), ID_OPT_LAX));
    ASSERT_TRUE(PumpUntil([&] { return IsWindowEnabled(Window()) != FALSE; }));
    ASSERT_EQ(m_answers.Texts().size(), 1u);
    EXPECT_EQ(m_answers.Texts()[0], "Wortlistendatei konnte nicht geöffnet werden.");
    EXPECT_EQ(WordCount(), 0);
    EXPECT_EQ(GetFocus(), Item(IDC_NEW));

    ClickButton(IDC_NEW);
    PumpFor(20);
    ASSERT_EQ(m_answers.Texts().size(), 2u);
    EXPECT_EQ(m_answers.Texts()[1], "Es stehen keine Ratebegriffe zur Verfügung.");
    EXPECT_FALSE(Round().m_bRunning);
    EXPECT_TRUE(IsGrey(Window(), ID_OPT_LAX));
}

TEST_F(GameWindowTest, MissingOwnListIsReportedAndTheWindowStillOpens) {
    UseOwnList("C:\\keine\\solche\\liste.txt");
    OpenWindow();
    ASSERT_EQ(m_answers.Texts().size(), 1u);
    EXPECT_EQ(m_answers.Texts()[0], "Wortlistendatei konnte nicht geöffnet werden.");
    EXPECT_EQ(WordCount(), 0);
    EXPECT_TRUE(Enabled(IDC_NEW));
}

TEST_F(GameWindowTest, ControlsFollowTheStatesOfARound) {
    TempFile list(OwnList);
    UseOwnList(list.Path());
    OpenWindow();
    // Idle
    EXPECT_TRUE(Enabled(IDC_NEW));
    for (int id : {IDC_SHUFFLE, IDC_BACK, IDC_ENTER, IDC_GIVEUP})
        EXPECT_FALSE(Enabled(id)) << id;
    EXPECT_TRUE(GetWindowLongA(Item(IDC_INPUT), GWL_STYLE) & ES_READONLY);

    // Searching: the search's notice is not handled before the next pump.
    ClickButton(IDC_NEW);
    EXPECT_TRUE(Round().IsSearching());
    EXPECT_FALSE(Enabled(IDC_NEW));
    EXPECT_FALSE(IsGrey(Window(), ID_OPT_SETTINGS));
    EXPECT_FALSE(IsGrey(Window(), ID_FILE_WORDLIST));

    // Running
    ASSERT_TRUE(PumpUntil([&] { return Round().m_bRunning == 1; }));
    EXPECT_EQ(Text(IDC_STATUS), "Spiel läuft...");
    EXPECT_EQ(Round().m_nTotal, 5);
    EXPECT_FALSE(Enabled(IDC_NEW));
    for (int id : {IDC_SHUFFLE, IDC_BACK, IDC_GIVEUP})
        EXPECT_TRUE(Enabled(id)) << id;
    EXPECT_FALSE(Enabled(IDC_ENTER));
    for (int id : {ID_OPT_SETTINGS, ID_OPT_STARTWORD, ID_FILE_WORDLIST, ID_OPT_UPPERCASE, ID_OPT_SUBSTITUTE,
                   ID_OPT_LAX})
        EXPECT_TRUE(IsGrey(Window(), id)) << id;
    EXPECT_FALSE(GetWindowLongA(Item(IDC_INPUT), GWL_STYLE) & ES_READONLY);
    EXPECT_EQ(GetFocus(), Item(IDC_INPUT));
    EXPECT_EQ(LetterRow(), "TRAUBE");
    EXPECT_EQ(ListTextColour(), RGB(0, 128, 0));

    // Ended
    ClickButton(IDC_GIVEUP);
    EXPECT_EQ(Text(IDC_STATUS), "Spiel beendet.");
    EXPECT_TRUE(Enabled(IDC_NEW));
    for (int id : {IDC_SHUFFLE, IDC_BACK, IDC_ENTER, IDC_GIVEUP})
        EXPECT_FALSE(Enabled(id)) << id;
    for (int id : {ID_OPT_SETTINGS, ID_OPT_STARTWORD, ID_FILE_WORDLIST, ID_OPT_UPPERCASE, ID_OPT_SUBSTITUTE,
                   ID_OPT_LAX})
        EXPECT_FALSE(IsGrey(Window(), id)) << id;
    EXPECT_EQ(ListTextColour(), RGB(255, 0, 0));
    EXPECT_EQ(GetFocus(), Item(IDC_NEW));
    EXPECT_TRUE(m_answers.Texts().empty());
}

TEST_F(GameWindowTest, AWholeRoundFromTheFirstWordToTheLast) {
    TempFile list(OwnList);
    UseOwnList(list.Path());
    OpenWindow();
    StartRunningRound();
    // Neu stops any sound; a found word plays its own, both exactly so.
    const SoundCall stop{0, nullptr, SND_PURGE};
    ASSERT_FALSE(g_sounds.empty());
    EXPECT_TRUE(stop == g_sounds[0]);

    // A right word, built with the letter buttons.
    ClickLetters("BAU");
    EXPECT_EQ(Text(IDC_INPUT), "BAU");
    EXPECT_EQ(LetterRow(), "TRE");
    EXPECT_TRUE(Enabled(IDC_ENTER));
    ClickButton(IDC_ENTER);
    EXPECT_EQ(m_dialog->ListCount(), 1);
    EXPECT_EQ(m_dialog->ListText(0), "BAU");
    EXPECT_EQ(Text(IDC_FOUND), "1 von 5   ( 20 % )");
    EXPECT_EQ(Text(IDC_STATUS), "Wort wurde in Liste übernommen.");
    EXPECT_EQ(LetterRow(), "TRAUBE");
    EXPECT_EQ(Text(IDC_INPUT), "");
    const SoundCall found{114, GetModuleHandleA(nullptr), SND_RESOURCE | SND_ASYNC};
    EXPECT_TRUE(found == g_sounds.back());
    // Rows as high as the entry's text on the list's screen DC as it comes.
    HDC listDc = GetDC(Item(IDC_RESULTLIST));
    SIZE entry{};
    GetTextExtentPoint32A(listDc, "BAU", 3, &entry);
    ReleaseDC(Item(IDC_RESULTLIST), listDc);
    EXPECT_EQ(entry.cy, SendDlgItemMessageA(Window(), IDC_RESULTLIST, LB_GETITEMHEIGHT, 0, 0));

    // The same word typed, and entered with the Enter key: already listed.
    TypeIntoInput("BAU");
    EXPECT_EQ(Text(IDC_INPUT), "BAU");
    EXPECT_EQ(LetterRow(), "TRE");
    PostMessageA(Item(IDC_INPUT), WM_KEYDOWN, VK_RETURN, 0x001C0001);
    ASSERT_TRUE(PumpUntil([&] { return !m_answers.Texts().empty(); }));
    PumpFor(20);
    EXPECT_EQ(m_answers.Texts()[0], "Dieses Wort wurde bereits eingetragen.");
    EXPECT_EQ(m_dialog->ListCount(), 1);

    // A typed letter that the row does not hold is dropped.
    TypeIntoInput("BX");
    EXPECT_EQ(Text(IDC_INPUT), "B");
    ClickButton(IDC_BACK);
    EXPECT_EQ(Text(IDC_STATUS), "Buchstaben zurückgelegt.");

    // A wrong word: no limit, so the round goes on.
    EnterWord("TAB");
    ASSERT_EQ(m_answers.Texts().size(), 2u);
    EXPECT_EQ(m_answers.Texts()[1], "Dieses Wort ist leider nicht bekannt.");
    EXPECT_EQ(Text(IDC_MISTRIALS), "unbegrenzt");
    EXPECT_EQ(Round().m_bRunning, 1);

    for (const char* word : {"BRAUT", "TAUBE", "RABE", "RAUB"})
        EnterWord(word);
    ASSERT_EQ(m_answers.Texts().size(), 3u);
    EXPECT_EQ(m_answers.Texts()[2], "Herzlichen Glückwunsch, Sie haben alles gefunden!!!");
    EXPECT_EQ(Round().m_bRunning, 0);
    EXPECT_EQ(Text(IDC_STATUS), "Spiel beendet.");
    EXPECT_EQ(Text(IDC_FOUND), "5 von 5   ( 100 % )");
    // The list keeps the found words, sorted, now in red.
    ASSERT_EQ(m_dialog->ListCount(), 5);
    EXPECT_EQ(m_dialog->ListText(0), "BAU");
    EXPECT_EQ(m_dialog->ListText(4), "TAUBE");
    EXPECT_EQ(ListTextColour(), RGB(255, 0, 0));
    EXPECT_TRUE(Enabled(IDC_NEW));
}

TEST_F(GameWindowTest, WrongTriesBeyondTheLimitEndTheRound) {
    TempFile list(OwnList);
    UseOwnList(list.Path());
    GameSettings.UseMistrials = 1;
    GameSettings.Mistrials = 1;
    OpenWindow();
    StartRunningRound();
    EXPECT_EQ(Text(IDC_MISTRIALS), "0 von 1");
    EnterWord("RAUB");

    EnterWord("TAB");
    EXPECT_EQ(Text(IDC_MISTRIALS), "1 von 1");
    EXPECT_EQ(Round().m_bRunning, 1);
    EnterWord("BAT");
    ASSERT_EQ(m_answers.Texts().size(), 2u);
    EXPECT_EQ(m_answers.Texts()[0], "Dieses Wort ist leider nicht bekannt.");
    EXPECT_EQ(m_answers.Texts()[1],
              "Dieses Wort ist leider nicht bekannt.\nKeine weiteren Fehlversuche.\nSpiel beendet.");
    EXPECT_EQ(Round().m_bRunning, 0);
    // The list now shows the four words that were not found.
    ASSERT_EQ(m_dialog->ListCount(), 4);
    EXPECT_EQ(m_dialog->ListText(0), "BAU");
    EXPECT_EQ(m_dialog->ListText(3), "TAUBE");
}

TEST_F(GameWindowTest, GivingUpShowsTheWordsNotFound) {
    TempFile list(OwnList);
    UseOwnList(list.Path());
    OpenWindow();
    StartRunningRound();
    EnterWord("BRAUT");
    PumpFor(20);
    EXPECT_GT(ListPixelsNear(RGB(0, 128, 0)), 20) << "the found word in green";
    ClickButton(IDC_GIVEUP);
    PumpFor(20);
    // The list draws again once it is filled: the words in red on beige.
    EXPECT_GT(ListPixelsNear(RGB(255, 0, 0)), 50);
    EXPECT_EQ(ListPixelsNear(RGB(0, 128, 0)), 0);
    EXPECT_GT(ListPixelsNear(RGB(230, 210, 170)), 1000);
    EXPECT_TRUE(m_answers.Texts().empty());
    ASSERT_EQ(m_dialog->ListCount(), 4);
    EXPECT_EQ(m_dialog->ListText(0), "BAU");
    EXPECT_EQ(m_dialog->ListText(1), "RABE");
    EXPECT_EQ(Text(IDC_FOUND), "1 von 5   ( 20 % )");
}

TEST_F(GameWindowTest, EscapeAndADisabledEnterKeepTheWindowAndTheListSendsTheFocusOn) {
    TempFile list(OwnList);
    UseOwnList(list.Path());
    OpenWindow();
    StartRunningRound();
    PostMessageA(Item(IDC_INPUT), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    PostMessageA(Window(), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    PumpFor(50);
    EXPECT_TRUE(IsWindow(Window()));
    EXPECT_EQ(Round().m_bRunning, 1);
    EXPECT_TRUE(m_answers.Texts().empty());

    // Enter while "&Eintragen" is disabled neither enters nor closes.
    ASSERT_FALSE(Enabled(IDC_ENTER));
    PostMessageA(Item(IDC_INPUT), WM_KEYDOWN, VK_RETURN, 0x001C0001);
    PumpFor(50);
    EXPECT_TRUE(IsWindow(Window()));
    EXPECT_EQ(m_dialog->ListCount(), 0);
    EXPECT_TRUE(m_answers.Texts().empty());

    SetFocus(Item(IDC_RESULTLIST));
    PumpFor(20);
    EXPECT_EQ(GetFocus(), Item(IDC_INPUT));
}

TEST_F(GameWindowTest, ClosingDuringARoundAsksAndNoKeepsTheRound) {
    TempFile list(OwnList);
    UseOwnList(list.Path());
    OpenWindow();
    StartRunningRound();
    SetFocus(Item(IDC_NEW));
    m_answers.QueueAnswer(IDNO);
    SendMessageA(Window(), WM_CLOSE, 0, 0);
    ASSERT_EQ(m_answers.Texts().size(), 1u);
    EXPECT_EQ(m_answers.Texts()[0], "Laufendes Spiel wirklich beenden?");
    ASSERT_TRUE(IsWindow(Window()));
    EXPECT_EQ(Round().m_bRunning, 1);
    EXPECT_EQ(GetFocus(), Item(IDC_INPUT));

    m_answers.QueueAnswer(IDYES);
    HWND window = Window();
    ClickButton(IDC_QUIT);
    EXPECT_EQ(m_answers.Texts().size(), 2u);
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(GameWindowTest, TheClockWritesTheTimeAndStopsWhenTheWindowCloses) {
    TempFile list(OwnList);
    UseOwnList(list.Path());
    GameSettings.UseDuration = 1;
    GameSettings.Duration = 1;
    OpenWindow();
    StartRunningRound();
    EXPECT_TRUE(Text(IDC_TIME) == "1 Minuten" || Text(IDC_TIME) == "00:59") << Text(IDC_TIME);
    // The clock's text arrives through a synchronous call into this thread.
    ASSERT_TRUE(PumpUntil([&] { return Text(IDC_TIME) == "00:58"; }, 4000)) << Text(IDC_TIME);
    EXPECT_TRUE(Round().IsWorkerRunning());

    m_answers.QueueAnswer(IDYES);
    HWND window = Window();
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(Round().IsWorkerRunning());
    EXPECT_FALSE(m_dialog->WorkerLeftRunning());
}

TEST_F(GameWindowTest, ClosingWhileIdleAsksNothing) {
    TempFile list(OwnList);
    UseOwnList(list.Path());
    OpenWindow();
    HWND window = Window();
    SendMessageA(window, WM_COMMAND, ID_FILE_QUIT, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(m_answers.Texts().empty());
}

// Identifiers of the running processes of one program.
std::set<DWORD> ProcessesNamed(const char* name) {
    std::set<DWORD> found;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        if (lstrcmpiA(entry.szExeFile, name) == 0)
            found.insert(entry.th32ProcessID);
    CloseHandle(snapshot);
    return found;
}

TEST_F(GameWindowTest, ReadMeStartsTheEditorAndMinimisesTheWindow) {
    TempFile list(OwnList);
    UseOwnList(list.Path());
    OpenWindow();
    const std::set<DWORD> before = ProcessesNamed("notepad.exe");
    SendMessageA(Window(), WM_COMMAND, ID_HELP_README, 0);
    EXPECT_TRUE(IsIconic(Window()));
    std::set<DWORD> started;
    PumpUntil([&] {
        started.clear();
        for (DWORD id : ProcessesNamed("notepad.exe"))
            if (!before.count(id))
                started.insert(id);
        return !started.empty();
    });
    EXPECT_EQ(started.size(), 1u);
    // The editor this test started goes again.
    for (DWORD id : started)
        if (HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, id)) {
            TerminateProcess(process, 0);
            CloseHandle(process);
        }
}

TEST_F(GameWindowTest, OptionTogglesFlipTheTickAndSaveTheMenuSection) {
    TempFile list(OwnList);
    UseOwnList(list.Path());
    OpenWindow();
    SendMessageA(Window(), WM_COMMAND, ID_OPT_SOUND, 0);
    EXPECT_FALSE(IsTicked(Window(), ID_OPT_SOUND));
    EXPECT_EQ(GameSettings.UseSound, 0);
    EXPECT_EQ(m_store->ReadDword("Menu", "UseSound", 7), 0u);
    // The whole section is written, the unchanged values too.
    EXPECT_EQ(m_store->ReadDword("Menu", "UseHelp", 7), 1u);
    EXPECT_EQ(m_store->ReadDword("Menu", "Lax", 7), 0u);

    SendMessageA(Window(), WM_COMMAND, ID_OPT_UPPERCASE, 0);
    EXPECT_TRUE(IsTicked(Window(), ID_OPT_UPPERCASE));
    EXPECT_EQ(GameSettings.Uppercase, 1);
    EXPECT_TRUE(IsGrey(Window(), ID_OPT_LAX));
    SendMessageA(Window(), WM_COMMAND, ID_OPT_UPPERCASE, 0);
    EXPECT_FALSE(IsGrey(Window(), ID_OPT_LAX));
    EXPECT_EQ(m_store->ReadDword("Menu", "Uppercase", 7), 0u);

    SendMessageA(Window(), WM_COMMAND, ID_HELP_TIPS, 0);
    EXPECT_EQ(GameSettings.UseHelp, 0);
    EXPECT_FALSE(IsTicked(Window(), ID_HELP_TIPS));
}

} // namespace
