// Plays the real anagrilla.exe (beside this program) as a restless player for
// the seconds given (default SOAK_SECONDS, else 1800), from SOAK_SEED (default:
// the clock; printed). Fails when the game crashes, its window thread does not
// answer within two seconds, its GDI objects, windows or memory grow after the
// first fifth of the run, a round on a one-minute clock does not run out, the
// resting mouse brings up no tip in more hovers than one and one in ten, or
// the registry holds an invalid setting afterwards.
#include "res/resource.h"
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>
#include <winternl.h>
#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

const char* const BaseKey = "Software\\Anagrilla";
HANDLE g_process = nullptr;
DWORD g_processId = 0;
HWND g_main = nullptr;
std::mt19937 g_random;
long g_events = 0;
int g_rounds = 0, g_ownRounds = 0, g_searchMoves = 0, g_hovers = 0, g_tipless = 0;
std::string g_lists[4]; // standard (no path), own, damaged, missing

int Pick(int n) { return static_cast<int>(g_random() % static_cast<unsigned>(n)); }
DWORD Since(DWORD start) { return GetTickCount() - start; }
HWND Control(int id) { return GetDlgItem(g_main, id); }

// Delivered as the player's action and handled before the next one; an
// action that opens a modal dialog returns when the wait is over.
void Deliver(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    ++g_events;
    SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, 300, nullptr);
}

std::string TextOf(HWND window, bool className = false) {
    char text[256] = {};
    if (className)
        GetClassNameA(window, text, sizeof text);
    else
        SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, nullptr);
    return text;
}

[[noreturn]] void Fail(const std::string& why) {
    std::printf("SOAK FAILED after %ld events, %d rounds: %s (status \"%s\")\n", g_events, g_rounds, why.c_str(),
                TextOf(Control(IDC_STATUS)).c_str());
    TerminateProcess(g_process, 1);
    std::exit(1);
}

// Between two looks the game must still run and its window thread answer;
// a game that ended is told apart from one that hangs.
void Wait(int milliseconds) {
    Sleep(static_cast<DWORD>(milliseconds));
    const bool answered = !g_main || SendMessageTimeoutA(g_main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, nullptr);
    DWORD code = 0;
    if (WaitForSingleObject(g_process, 0) == WAIT_OBJECT_0 && GetExitCodeProcess(g_process, &code))
        // Under Wine a process killed from outside (a signal) reads 0 as well.
        Fail("the game ended unasked, exit code " + std::to_string(code) + (code ? "" : " (its own end, or a kill)"));
    if (!answered)
        Fail("the window thread did not answer within 2 seconds");
}

// Looks until done() or the time is up; then fails with the text given, if any.
template <typename Done>
bool Within(DWORD milliseconds, Done done, const char* failure = nullptr, int step = 20) {
    for (const DWORD start = GetTickCount(); !done(); Wait(step))
        if (Since(start) > milliseconds)
            return failure ? (Fail(failure), false) : false;
    return true;
}

// ---------------------------------------------------------------- counting

// Wine answers GetGuiResources with 0, so GDI objects are counted in the
// process's GDI handle table, which its PEB shows as under Windows: 65536
// entries of 24 bytes, each with its type (0 when free) at byte 14.
int CountGdiObjects(HANDLE process) {
    PROCESS_BASIC_INFORMATION basic{};
    UINT64 table = 0;
    std::vector<BYTE> entries(0x10000 * 24);
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0 ||
        !ReadProcessMemory(process, reinterpret_cast<char*>(basic.PebBaseAddress) + 0xF8, &table, sizeof table, nullptr) ||
        !ReadProcessMemory(process, reinterpret_cast<void*>(table), entries.data(), entries.size(), nullptr))
        return -1;
    int used = 0;
    for (size_t type = 14; type < entries.size(); type += 24)
        used += entries[type] != 0;
    return used;
}

// The game's top-level windows.
std::vector<HWND> GameWindows() {
    std::vector<HWND> found;
    EnumWindows([](HWND window, LPARAM list) -> BOOL {
        DWORD owner = 0;
        if (GetWindowThreadProcessId(window, &owner) && owner == g_processId)
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
        return TRUE;
    }, reinterpret_cast<LPARAM>(&found));
    return found;
}

// GDI objects, windows (standing for the USER objects, of which Wine counts
// none for GetGuiResources), working set and pagefile in KB.
const char* const SampleNames[] = {"GDI objects", "windows", "working set KB", "pagefile KB"};
using Sample = std::array<long, 4>;

std::string Text(const Sample& s) {
    std::string text;
    for (int i = 0; i < 4; ++i)
        text += (i ? ", " : "") + std::string(SampleNames[i]) + " " + std::to_string(s[i]);
    return text;
}

Sample Measure() {
    Sample s{};
    s[0] = CountGdiObjects(g_process);
    for (HWND window : GameWindows()) // the window itself, then its children
        EnumChildWindows(window, [](HWND, LPARAM n) -> BOOL { return ++*reinterpret_cast<long*>(n) > 0; },
                         reinterpret_cast<LPARAM>(&++s[1]));
    PROCESS_MEMORY_COUNTERS memory{};
    GetProcessMemoryInfo(g_process, &memory, sizeof memory);
    s[2] = static_cast<long>(memory.WorkingSetSize / 1024);
    s[3] = static_cast<long>(memory.PagefileUsage / 1024);
    return s;
}

// ---------------------------------------------------------------- the game's windows

bool Enabled(HWND window) { return window && IsWindowEnabled(window) && IsWindowVisible(window); }
bool AtRest() { return IsWindowEnabled(g_main) && Enabled(Control(IDC_NEW)); }
bool Running() { return IsWindowEnabled(g_main) && Enabled(Control(IDC_GIVEUP)); }
bool Searching() { return !AtRest() && !Running() && TextOf(Control(IDC_STATUS)) == "Kandidaten werden gesucht..."; }

// Only what a player could click: an enabled, visible button in an enabled window.
bool Click(HWND button) {
    if (!Enabled(button) || !IsWindowEnabled(GetAncestor(button, GA_ROOT)))
        return false;
    Deliver(button, BM_CLICK);
    return true;
}

void Menu(int id) { Deliver(g_main, WM_COMMAND, MAKEWPARAM(id, 0)); }

// The game's modal dialog on top, if one opens within the time.
HWND WaitForDialog(DWORD milliseconds) {
    HWND found = nullptr;
    Within(milliseconds, [&] {
        for (HWND window : GameWindows())
            if (window != g_main && Enabled(window) && TextOf(window, true) == "#32770" &&
                !GetDlgItem(window, IDC_LOADING_TEXT))
                found = window;
        return found != nullptr;
    });
    return found;
}

// Clicks the first button that shows until the dialog has gone.
void CloseWith(HWND dialog, const std::vector<int>& buttonIds) {
    const bool closed = Within(10000, [&] {
        std::find_if(buttonIds.begin(), buttonIds.end(), [&](int id) { return Click(GetDlgItem(dialog, id)); });
        Wait(50);
        return !IsWindow(dialog) || !IsWindowVisible(dialog);
    });
    if (!closed)
        Fail("the dialog \"" + TextOf(dialog) + TextOf(GetDlgItem(dialog, IDC_MSG_TEXT)) + "\" did not close");
}

// Questions are answered "&Nein", notices "&OK"; other dialogs are cancelled.
void Dismiss(HWND dialog) {
    CloseWith(dialog, GetDlgItem(dialog, IDC_MSG_TEXT) ? std::vector<int>{IDNO, IDOK}
                                                       : std::vector<int>{IDCANCEL, IDC_SETTINGS_CANCEL, IDC_STARTWORD_CANCEL, IDOK});
}

// Until the main window is enabled again, with the dialogs on the way dismissed.
void Settle(DWORD milliseconds = 10000) {
    Within(milliseconds, [] {
        if (HWND dialog = IsWindowEnabled(g_main) ? nullptr : WaitForDialog(50))
            Dismiss(dialog);
        return IsWindowEnabled(g_main) != FALSE;
    }, "the main window stayed disabled", 0);
}

// A setting as stored below root: its type (0: none), its bytes and their number.
DWORD Stored(HKEY root, const char* section, const char* name, BYTE (&data)[1024], DWORD& size) {
    DWORD type = 0;
    size = sizeof data;
    const std::string path = std::string(BaseKey) + "\\" + section;
    return RegGetValueA(root, path.c_str(), name, RRF_RT_ANY | RRF_NOEXPAND, &type, data, &size) ? 0 : type;
}

// The user's copy wins over the machine's.
int StoredDword(const char* section, const char* name) {
    BYTE data[1024] = {};
    DWORD size = 0, type = Stored(HKEY_CURRENT_USER, section, name, data, size);
    type = type ? type : Stored(HKEY_LOCAL_MACHINE, section, name, data, size);
    return type == REG_DWORD ? static_cast<int>(*reinterpret_cast<DWORD*>(data)) : 0;
}

// ---------------------------------------------------------------- dialogs

// The dialog entries are open at rest; the start-word entry during a search too.
HWND OpenDialog(int menuId) {
    if (!AtRest() && !(menuId == ID_OPT_STARTWORD && Searching()))
        return nullptr;
    Menu(menuId);
    // A search may end meanwhile and say so first: that message is answered.
    HWND dialog = nullptr;
    Within(5000, [&] {
        if ((dialog = WaitForDialog(50)) && GetDlgItem(dialog, IDC_MSG_TEXT))
            Dismiss(std::exchange(dialog, nullptr));
        return dialog != nullptr;
    }, ("menu entry " + std::to_string(menuId) + " opened no dialog").c_str());
    return dialog;
}

void SetSpin(HWND dialog, int id, int value) { Deliver(GetDlgItem(dialog, id), UDM_SETPOS32, 0, value); }

// Random changes, mostly cancelled; or, confirmed, a clock of so many minutes (0: none).
void SettingsDialog(int clockMinutes = -1) {
    HWND dialog = OpenDialog(ID_OPT_SETTINGS);
    if (dialog && clockMinutes >= 0) {
        SetSpin(dialog, IDC_DURATION_SPIN, std::max(clockMinutes, 1));
        if ((SendMessageA(GetDlgItem(dialog, IDC_USEDURATION), BM_GETCHECK, 0, 0) == BST_CHECKED) != (clockMinutes > 0))
            Click(GetDlgItem(dialog, IDC_USEDURATION));
        CloseWith(dialog, {IDC_SETTINGS_OK});
    } else if (dialog) {
        const int spins[][3] = {{IDC_WORDLIMIT_SPIN, 6, 10}, {IDC_ANGLIMIT_SPIN, 3, 6}, {IDC_MISTRIALS_SPIN, 1, 20},
                                {IDC_DURATION_SPIN, 1, 60}};
        for (const auto& spin : spins)
            if (Pick(2))
                SetSpin(dialog, spin[0], spin[1] + Pick(spin[2] - spin[1] + 1));
        for (int box : {IDC_USEDURATION, IDC_USEMISTRIALS})
            if (Pick(3) == 0)
                Click(GetDlgItem(dialog, box));
        CloseWith(dialog, {Pick(3) == 0 ? IDC_SETTINGS_OK : IDC_SETTINGS_CANCEL});
    }
}

void StartWordDialog() {
    if (HWND dialog = OpenDialog(ID_OPT_STARTWORD)) {
        for (int n = 3 + Pick(12); n > 0; --n)
            Deliver(GetDlgItem(dialog, IDC_STARTWORD), WM_CHAR, Pick(2) ? 'A' + Pick(26) : 1 + Pick(255));
        const bool start = Pick(2) && Enabled(GetDlgItem(dialog, IDC_STARTGAME));
        CloseWith(dialog, {start ? IDC_STARTGAME : IDC_STARTWORD_CANCEL});
    }
}

// Chooses a list (an index of g_lists) and confirms, or cancels the choice.
void WordListDialog(int list, bool confirm) {
    if (HWND dialog = OpenDialog(ID_FILE_WORDLIST)) {
        Click(GetDlgItem(dialog, list == 0 ? IDC_STANDARDLIST : IDC_OWNLIST));
        if (list > 0)
            Deliver(GetDlgItem(dialog, IDC_LISTPATH), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(g_lists[list].c_str()));
        CloseWith(dialog, {confirm ? IDOK : IDCANCEL});
        Settle(30000); // a new list loads behind a one-second window
    }
}

// An own list of words in either case, with umlauts, ß and both line ends,
// whose long words hold shorter ones; a damaged one (the game's own program
// file); a missing one.
void MakeOwnLists() {
    char folder[MAX_PATH] = {}, program[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    GetFullPathNameA("anagrilla.exe", MAX_PATH, program, nullptr);
    g_lists[1] = std::string(folder) + "soak own list.txt";
    g_lists[2] = program;
    g_lists[3] = std::string(folder) + "soak no such list.txt";
    const char* const own = "Bärenstärke\r\nBären\nStärke\r\nÄrger\nArbeit\r\nBrei\nEber\r\nRabe\ntreiben\r\n"
                            "Straße\nrasen\r\nSahne\nAhnen\r\nÖfen\nOfen\r\nTRAUBE\r\nBRAUT\ntaube\r\nRaub\nBau\r\n"
                            "Erdbeere\nBeere\r\nerbe\nDerb\r\nLeiter\nLiter\r\nTeil\nLeim\r\nSeite\nEiter\r\n";
    if (!(std::ofstream(g_lists[1], std::ios::binary) << own).flush())
        Fail("cannot write " + g_lists[1]);
    DeleteFileA(g_lists[3].c_str());
}

// ---------------------------------------------------------------- playing

// "&Neu" is greyed from its click until the round ends, so during a search a
// player can only press its Alt+N in vain, or start a round of their own from
// the start-word dialog, whose menu entry the search leaves open.
void NewRound() {
    if (!Click(Control(IDC_NEW)))
        return;
    if (Pick(3) == 0 && Searching()) {
        ++g_searchMoves;
        if (Pick(2)) { // Alt+N on the keyboard
            ++g_events;
            keybd_event(VK_MENU, 0, 0, 0);
            keybd_event('N', 0, 0, 0);
            keybd_event('N', 0, KEYEVENTF_KEYUP, 0);
            keybd_event(VK_MENU, 0, KEYEVENTF_KEYUP, 0);
        } else {
            StartWordDialog();
        }
    }
    Within(30000, [] {
        Settle(30000);
        return Running() || AtRest();
    }, "a round neither started nor ended");
    g_rounds += Running();
    g_ownRounds += Running() && StoredDword("List", "Wordlist") == 1;
}

bool TipShown() {
    const std::vector<HWND> windows = GameWindows();
    return std::any_of(windows.begin(), windows.end(),
                       [](HWND w) { return IsWindowVisible(w) && TextOf(w, true) == "CVelToolTip"; });
}

// The mouse leaves for the window's margin, where any tip goes, then rests
// somewhere over an enabled control with a tip, help switched on, until its
// tip shows.
void Hover() {
    const int tipped[] = {IDC_BACK, IDC_SHUFFLE, IDC_NEW, IDC_GIVEUP, IDC_ENTER, IDC_INPUT, IDC_QUIT, IDC_RESULTLIST};
    HWND control = Control(tipped[Pick(8)]);
    POINT margin{2, 200}; // left of every control
    ClientToScreen(g_main, &margin);
    SetCursorPos(margin.x, margin.y);
    if (!IsWindowEnabled(control) || !Within(1000, [] { return !TipShown(); }, nullptr, 50))
        return;
    if (StoredDword("Menu", "UseHelp") == 0)
        Menu(ID_HELP_TIPS);
    RECT rect{};
    GetWindowRect(control, &rect);
    SetCursorPos(rect.left + 2 + Pick(std::max<int>(rect.right - rect.left - 4, 1)),
                 rect.top + 2 + Pick(std::max<int>(rect.bottom - rect.top - 4, 1)));
    ++g_hovers;
    g_tipless += !Within(2000, &TipShown, nullptr, 50);
}

// Until a round runs with the standard list, whose start words always have candidates.
void RunningRoundOfTheStandardList() {
    WordListDialog(0, true);
    Within(60000, [] {
        NewRound();
        return Running();
    }, "no round starts with the standard list", 100);
}

// Left alone, a round on a one-minute clock must run out, and say so.
void RoundOnTheClock() {
    SettingsDialog(1);
    RunningRoundOfTheStandardList();
    const DWORD start = GetTickCount();
    DWORD ended = 0;
    std::string message;
    Within(90000, [&] {
        if (HWND dialog = WaitForDialog(100)) {
            ended = ended ? ended : Since(start);
            message = TextOf(GetDlgItem(dialog, IDC_MSG_TEXT));
            Dismiss(dialog);
        }
        return AtRest();
    }, "a round of one minute did not end", 0);
    std::printf("a round on a one-minute clock ended after %lu ms: \"%s\"\n", ended, message.c_str());
    if (message != "Die eingestellte Spieldauer ist abgelaufen." || ended < 55000)
        Fail("the round on a one-minute clock did not run out");
    SettingsDialog(0);
}

HWND AnyLetter() {
    int count = 0;
    while (Control(IDC_LETTERBUTTON_BASE + count))
        ++count;
    return Control(IDC_LETTERBUTTON_BASE + Pick(std::max(count, 1)));
}

void Type(int character) { Deliver(Control(IDC_INPUT), WM_CHAR, static_cast<WPARAM>(character)); }

// What the player does next, by weight: in a round (1), at rest (2), or both (3).
struct Move {
    int weight, when;
    void (*act)();
};
const Move Moves[] = {
    {25, 1, [] { Click(AnyLetter()); }},           {12, 1, [] { Click(Control(IDC_ENTER)); }},
    {8, 1, [] { Click(Control(IDC_BACK)); }},      {8, 1, [] { Click(Control(IDC_SHUFFLE)); }},
    {2, 1, [] { Click(Control(IDC_GIVEUP)); }},    {3, 1, [] { Wait(Pick(200)); }},
    {7, 1, [] { Type('\b'); }},                    {4, 3, [] { Menu(Pick(2) ? ID_OPT_SOUND : ID_HELP_TIPS); }},
    {4, 3, [] { Hover(); }},                       {120, 2, [] { NewRound(); }},
    {16, 2, [] { SettingsDialog(); }},             {12, 2, [] { StartWordDialog(); }},
    {8, 2, [] { CloseWith(OpenDialog(ID_HELP_ABOUT), {IDOK}); }},
    {15, 1, [] { Type(static_cast<BYTE>(TextOf(AnyLetter())[0])); }}, // a letter of the row
    {15, 1, [] { Type(1 + Pick(255)); }}, // any byte: digits, punctuation, umlauts, controls
    {24, 2, [] { // the standard list or an own one, good, damaged or missing; from the last two back again
         const int before = StoredDword("List", "Wordlist"), list = Pick(4);
         const bool confirm = Pick(4) != 0;
         WordListDialog(list, confirm);
         if (confirm && list > 1)
             WordListDialog(before, true);
     }},
    {10, 2, [] { // the case entries are open only with an own list, "Lax" only while Uppercase is off
         const bool lax = Pick(3) == 0 && StoredDword("Menu", "Uppercase") == 0;
         if (StoredDword("List", "Wordlist") == 1)
             Menu(lax ? ID_OPT_LAX : Pick(2) ? ID_OPT_UPPERCASE : ID_OPT_SUBSTITUTE);
     }},
};

void Step(int when) {
    int total = 0;
    for (const Move& move : Moves)
        total += move.when & when ? move.weight : 0;
    int pick = Pick(total);
    const Move* move = Moves;
    while (!(move->when & when) || (pick -= move->weight) >= 0)
        ++move;
    move->act();
    Wait(when == 1 ? Pick(20) : 0);
    Settle(30000);
}

// ---------------------------------------------------------------- start and end

void StartGame() {
    char command[] = "anagrilla.exe";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        Fail("anagrilla.exe could not be started");
    CloseHandle(process.hThread);
    g_process = process.hProcess;
    g_processId = process.dwProcessId;
    Within(20000, [] {
        for (HWND window : GameWindows())
            if (TextOf(window) == "Anagrilla" && GetDlgItem(window, IDC_NEW) && IsWindowEnabled(window))
                g_main = window;
        return g_main != nullptr;
    }, "no enabled game window after 20 seconds");
}

// The close question in a round is answered "&Nein": the game goes on; at
// rest the game closes without asking.
void CloseGame() {
    RunningRoundOfTheStandardList();
    Deliver(g_main, WM_CLOSE);
    HWND question = WaitForDialog(5000);
    if (!question || !GetDlgItem(question, IDC_MSG_TEXT))
        Fail("closing during a round asked no question");
    Dismiss(question);
    Wait(100);
    if (!Running())
        Fail("the round did not go on after \"Nein\"");
    Click(Control(IDC_GIVEUP));
    Settle();
    PostMessageA(g_main, WM_CLOSE, 0, 0);
    DWORD code = 1;
    if (WaitForSingleObject(g_process, 10000) != WAIT_OBJECT_0 || !GetExitCodeProcess(g_process, &code) || code != 0)
        Fail("the game did not end cleanly when closed");
}

// Every stored setting has its type and a value in its range (low -1: a text).
void CheckRegistry() {
    const struct { const char *section, *name; int low, high; } settings[] = {
        {"Game", "AngLimit", 3, 6},   {"Game", "Duration", 1, 60},  {"Game", "Mistrials", 1, 20},
        {"Game", "WordLimit", 6, 10}, {"Game", "UseDuration", 0, 1}, {"Game", "UseMistrials", 0, 1},
        {"Menu", "UseSound", 0, 1},   {"Menu", "UseHelp", 0, 1},    {"Menu", "Uppercase", 0, 1},
        {"Menu", "Substitute", 0, 1}, {"Menu", "Lax", 0, 1},        {"List", "Wordlist", 0, 1},
        {"List", "Listpath", -1, 0}};
    int found = 0;
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER})
        for (const auto& s : settings) {
            BYTE data[1024] = {};
            DWORD size = 0;
            const DWORD type = Stored(root, s.section, s.name, data, size);
            const int value = *reinterpret_cast<int*>(data);
            found += type != 0;
            if (type && !(s.low < 0 ? type == REG_SZ && size > 0 && data[size - 1] == 0
                                    : type == REG_DWORD && size == 4 && value >= s.low && value <= s.high))
                Fail(std::string("stored ") + s.section + "\\" + s.name + " is invalid");
        }
    std::printf("registry: %d stored settings, all valid\n", found);
}

} // namespace

int main(int argc, char** argv) {
    setvbuf(stdout, nullptr, _IONBF, 0);
    const char* secondsText = std::getenv("SOAK_SECONDS");
    const char* seedText = std::getenv("SOAK_SEED");
    const long seconds = argc > 1 ? std::atol(argv[1]) : secondsText ? std::atol(secondsText) : 1800;
    const unsigned seed = seedText ? static_cast<unsigned>(std::strtoul(seedText, nullptr, 10)) : GetTickCount();
    std::printf("soak: seed %u (SOAK_SEED=%u repeats the player's choices), %ld seconds\n", seed, seed, seconds);
    g_random.seed(seed);
    // The count must see what a process does: a brush of our own shows.
    const int before = CountGdiObjects(GetCurrentProcess());
    const HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    if (before < 0 || CountGdiObjects(GetCurrentProcess()) != before + 1)
        Fail("GDI objects cannot be counted here");
    DeleteObject(brush);
    MakeOwnLists();
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, BaseKey);
    RegDeleteTreeA(HKEY_CURRENT_USER, BaseKey);
    StartGame();

    const DWORD start = GetTickCount(), duration = static_cast<DWORD>(seconds) * 1000;
    bool clockRoundDue = seconds >= 300; // a shorter run has no minute to spare
    const Sample first = Measure();
    Sample peak{}, last{};
    while (Since(start) < duration) {
        if (!AtRest()) { // a round, a search or a load
            Running() ? Step(1) : Wait(20);
            Settle(30000);
            continue;
        }
        // At rest: take stock; the peak of the first fifth is the level to hold.
        last = Measure();
        for (int i = 0; i < 4 && (Since(start) < duration / 5 || peak[0] == 0); ++i)
            peak[i] = std::max(peak[i], last[i]);
        if (clockRoundDue && Since(start) > duration / 2) {
            clockRoundDue = false;
            RoundOnTheClock();
        } else {
            Step(2);
        }
    }
    const Sample end = Measure();
    std::printf("start:            %s\nfirst fifth peak: %s\nend:              %s\n", Text(first).c_str(),
                Text(peak).c_str(), Text(end).c_str());
    std::printf("%d rounds (%d with an own list), %ld events in %lu s; %d moves during a search; a tip in %d of %d hovers\n",
                g_rounds, g_ownRounds, g_events, Since(start) / 1000, g_searchMoves, g_hovers - g_tipless, g_hovers);
    // The letter icons are all loaded in the first second; a few objects
    // (tips, dialogs) are still made when first needed.
    for (int i = 0; i < 4; ++i)
        if (end[i] > (i == 0 ? peak[0] + 100 : i == 1 ? peak[1] + 16 : peak[i] * 11 / 10 + 16384))
            Fail(std::string(SampleNames[i]) + " grew");
    // A minute may pass without an own list chosen; five may not.
    if (g_rounds >= 20 && (g_searchMoves == 0 || g_hovers == 0 || (seconds >= 300 && g_ownRounds == 0)))
        Fail("no search was ever caught running, no round had an own list, or the mouse never rested over a control");
    if (g_tipless > 1 + g_hovers / 10)
        Fail("more hovers than one and one in ten brought up no tip");
    CloseGame();
    CheckRegistry();
    std::printf("soak passed\n");
    return 0;
}
