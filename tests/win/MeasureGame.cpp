// Measures two figures of the real game under Wine (not a test):
//   measure_game start   time from starting anagrilla.exe (beside this
//                        program) until its main window is enabled
//   measure_game load    the word list load and the stock, each timed
//   measure_game round   the longest single stretch the user-interface
//                        thread is busy while a round with the standard
//                        list is played, the load excluded
//   measure_game buttons what one letter button costs Wine, step by step:
//                        creating it, giving it its icon, showing and
//                        painting it, destroying it
// Run it from the folder that holds anagrilla.exe and anagrilla.dat.
#include "WindowDriver.h"
#include "app/win/GameDlg.h"
#include "controls/win/GameBrushes.h"
#include "controls/win/MessageRoute.h"
#include "dialoglayer/win/WindowLibraries.h"
#include "engine/StartWordStock.h"
#include "res/resource.h"
#include "settings/GameSettings.h"
#include "settings/Registry.h"
#include "wordlist/WordList.h"
#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <algorithm>
#include <map>
#include <vector>

namespace {

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

LARGE_INTEGER Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now;
}

struct GameWindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindGameWindow(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<GameWindowSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char title[32] = {};
    GetWindowTextA(window, title, sizeof title);
    if (owner == search->processId && std::strcmp(title, "Anagrilla") == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

int MeasureStart() {
    char command[] = "anagrilla.exe";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const LARGE_INTEGER start = Now();
    if (!CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        std::printf("anagrilla.exe could not be started\n");
        return 1;
    }
    GameWindowSearch search{process.dwProcessId, nullptr};
    double shown = -1, enabled = -1;
    while (Milliseconds(start, Now()) < 20000) {
        if (!search.found)
            EnumWindows(&FindGameWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found && shown < 0 && IsWindowVisible(search.found))
            shown = Milliseconds(start, Now());
        if (search.found && IsWindowEnabled(search.found)) {
            enabled = Milliseconds(start, Now());
            break;
        }
        Sleep(1);
    }
    std::printf("window shown after %.0f ms, enabled after %.0f ms\n", shown, enabled);
    if (search.found)
        PostMessageA(search.found, WM_CLOSE, 0, 0);
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return enabled < 0 ? 1 : 0;
}

// The longest dispatch of one message, and of one command sent by the player.
double s_longest = 0;
std::string s_longestWhat;
std::map<std::string, std::vector<double>> s_byKind;
constexpr double FrameMilliseconds = 16;

void Note(double milliseconds, const std::string& what) {
    const bool message = what.compare(0, 8, "message ") == 0;
    s_byKind[message ? "message" : what].push_back(milliseconds);
    if (milliseconds > FrameMilliseconds)
        std::printf("  over a frame: %.1f ms (%s)\n", milliseconds, what.c_str());
    if (milliseconds > s_longest) {
        s_longest = milliseconds;
        s_longestWhat = what;
    }
}

void TimedPump(int milliseconds) {
    const LARGE_INTEGER start = Now();
    while (Milliseconds(start, Now()) < milliseconds) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            const LARGE_INTEGER before = Now();
            CDialog::RouteMessage(msg);
            Note(Milliseconds(before, Now()), "message " + std::to_string(msg.message));
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

void TimedCommand(HWND window, int id, const std::string& what) {
    const LARGE_INTEGER before = Now();
    SendMessageA(GetDlgItem(window, id), BM_CLICK, 0, 0);
    Note(Milliseconds(before, Now()), what);
}

int MeasureRound() {
    InitWindowLibraries();
    CreateGameBrushes();
    RouteMessagesToDialog();
    CMemoryRegistry store;
    SetSettingsStore(&store);
    MessageAnswerer answers;
    if (const char* sound = std::getenv("MEASURE_SOUND"))
        GameSettings.UseSound = std::atoi(sound);
    CGameDlg dialog;
    dialog.Create(nullptr);
    PumpUntil([&] { return IsWindowEnabled(dialog.Handle()) != FALSE; }, 20000);
    s_longest = 0;
    HWND window = dialog.Handle();
    for (int round = 0; round < 5; ++round) {
        TimedCommand(window, IDC_NEW, "Neu");
        TimedPump(1500);
        GameRound& rules = dialog.Round();
        // Click every letter, put them back, shuffle, type a word, enter it.
        for (size_t i = rules.m_strLetters.size(); i > 0; --i)
            TimedCommand(window, LetterButtonBaseId, "letter click");
        TimedCommand(window, IDC_BACK, "Zurück");
        TimedCommand(window, IDC_SHUFFLE, "Schütteln");
        const std::string word = rules.m_candidates.empty() ? "XYZ" : rules.m_candidates.front();
        for (char letter : word) {
            const LARGE_INTEGER before = Now();
            SendMessageA(GetDlgItem(window, IDC_INPUT), WM_CHAR, static_cast<unsigned char>(letter), 1);
            Note(Milliseconds(before, Now()), "typing");
        }
        TimedCommand(window, IDC_ENTER, "Eintragen");
        TimedPump(200);
        TimedCommand(window, IDC_GIVEUP, "Aufgeben");
        TimedPump(200);
        {
            HWND list = GetDlgItem(window, IDC_RESULTLIST);
            const LARGE_INTEGER a = Now();
            dialog.ResetList();
            for (const std::string& w : rules.m_candidates)
                dialog.AddListEntry(w);
            const LARGE_INTEGER b = Now();
            dialog.FitListItemHeight();
            const LARGE_INTEGER c = Now();
            dialog.SetListTopIndex(0);
            const LARGE_INTEGER d = Now();
            const std::string row = rules.m_strLetters;
            const LARGE_INTEGER e = Now();
            dialog.DestroyLetterButtons(row);
            const LARGE_INTEGER f = Now();
            dialog.CreateLetterButtons(row);
            const LARGE_INTEGER g = Now();
            dialog.WriteFields("ABC", rules.m_strFound, rules.m_strMistrials);
            dialog.WriteFields("", rules.m_strFound, rules.m_strMistrials);
            const LARGE_INTEGER h = Now();
            std::printf("  destroy row %.1f ms, create row %.1f ms, two input writes %.1f ms\n", Milliseconds(e, f),
                        Milliseconds(f, g), Milliseconds(g, h));
            std::printf("  adds %.1f ms, fit %.1f ms, top %.1f ms (%d entries, list %p)\n", Milliseconds(a, b),
                        Milliseconds(b, c), Milliseconds(c, d), dialog.ListCount(), static_cast<void*>(list));
        }
        std::printf("round %d: start word %s, %d candidates; longest so far %.1f ms (%s)\n", round + 1,
                    rules.m_strStartWord.c_str(), rules.m_nTotal, s_longest, s_longestWhat.c_str());
    }
    for (auto& [kind, times] : s_byKind) {
        std::sort(times.begin(), times.end());
        std::printf("%-13s %4zu times: median %.1f ms, longest %.1f ms\n", kind.c_str(), times.size(),
                    times[times.size() / 2], times.back());
    }
    return 0;
}

// A row of ten letter buttons on the game window, built, shown and painted,
// and destroyed 50 times as the window does it; each step's mean per button.
int MeasureButtons() {
    InitWindowLibraries();
    CreateGameBrushes();
    RouteMessagesToDialog();
    CMemoryRegistry store;
    SetSettingsStore(&store);
    CGameDlg dialog;
    dialog.Create(nullptr);
    HWND window = dialog.Handle();
    HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_LETTER_BASE + 'A'));
    double create = 0, image = 0, destroy = 0, paint = 0;
    const int rows = 50, perRow = 10;
    for (int row = 0; row < rows; ++row) {
        HWND buttons[perRow] = {};
        for (int i = 0; i < perRow; ++i) {
            const LARGE_INTEGER a = Now();
            buttons[i] = CreateWindowExA(0, "BUTTON", "A", WS_CHILD | BS_PUSHBUTTON | BS_ICON, 10 + 40 * i, 255, 30, 30,
                                         window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(6000 + i)),
                                         GetModuleHandleA(nullptr), nullptr);
            const LARGE_INTEGER b = Now();
            SendMessageA(buttons[i], BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
            const LARGE_INTEGER c = Now();
            create += Milliseconds(a, b);
            image += Milliseconds(b, c);
        }
        const LARGE_INTEGER p = Now();
        for (HWND button : buttons)
            SetWindowPos(button, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        UpdateWindow(window);
        paint += Milliseconds(p, Now());
        const LARGE_INTEGER a = Now();
        for (HWND button : buttons)
            DestroyWindow(button);
        destroy += Milliseconds(a, Now());
    }
    const double n = rows * perRow;
    std::printf("per letter button: create %.3f ms, icon %.3f ms, show and paint %.3f ms, destroy %.3f ms\n",
                create / n, image / n, paint / n, destroy / n);
    return 0;
}

// The two steps of the loading window's timer, each timed.
int MeasureLoad() {
    const LARGE_INTEGER start = Now();
    const bool loaded = LoadWordList();
    const LARGE_INTEGER read = Now();
    StockMaxLength = GameSettings.WordLimit;
    const int stock = BuildStartWordStock();
    const LARGE_INTEGER built = Now();
    std::printf("LoadWordList %s: %d words in %.1f ms; BuildStartWordStock: %d words in %.1f ms\n",
                loaded ? "ok" : "failed", WordCount(), Milliseconds(start, read), stock, Milliseconds(read, built));
    return loaded ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "start") == 0)
        return MeasureStart();
    if (argc > 1 && std::strcmp(argv[1], "load") == 0)
        return MeasureLoad();
    if (argc > 1 && std::strcmp(argv[1], "round") == 0)
        return MeasureRound();
    if (argc > 1 && std::strcmp(argv[1], "buttons") == 0)
        return MeasureButtons();
    std::printf("usage: measure_game start|load|round|buttons\n");
    return 2;
}
