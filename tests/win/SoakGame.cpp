// Plays the real anagrilla.exe (beside this program) as a restless player for
// the seconds given (default SOAK_SECONDS, else 1800), from SOAK_SEED (default:
// the clock; printed). Fails when the game crashes, its window thread does not
// answer within two seconds, its GDI objects, windows or memory grow after the
// first fifth of the run, or the registry holds an invalid setting afterwards.
#include "res/resource.h"
#include "wordlist/WordList.h"
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>
#include <winternl.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <ctime>
#include <random>
#include <string>
#include <vector>

namespace {

const char* const BaseKey = "Software\\Anagrilla";
HANDLE g_process = nullptr;
DWORD g_processId = 0;
HWND g_main = nullptr;
std::mt19937 g_random;
long g_events = 0;
int g_rounds = 0;
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

std::string TextOf(HWND window) {
    char text[256] = {};
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, nullptr);
    return text;
}

[[noreturn]] void Fail(const std::string& why) {
    std::printf("SOAK FAILED after %ld events, %d rounds: %s\n", g_events, g_rounds, why.c_str());
    if (g_main)
        std::printf("  window %s, status \"%s\", input \"%s\"\n", IsWindowEnabled(g_main) ? "enabled" : "disabled",
                    TextOf(Control(IDC_STATUS)).c_str(), TextOf(Control(IDC_INPUT)).c_str());
    std::fflush(stdout);
    if (g_process)
        TerminateProcess(g_process, 1);
    std::exit(1);
}

// ---------------------------------------------------------------- counting

// Wine answers GetGuiResources with 0, so GDI objects are counted in the
// process's GDI handle table, which its PEB shows as under Windows.
struct GdiEntry {
    UINT64 object;
    ULONG owner;
    USHORT unique;
    UCHAR type; // 0 for a free entry
    UCHAR flags;
    UINT64 user;
};
static_assert(sizeof(GdiEntry) == 24, "GDI handle table entry");

int CountGdiObjects(HANDLE process) {
    PROCESS_BASIC_INFORMATION basic{};
    UINT64 table = 0;
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0 ||
        !ReadProcessMemory(process, reinterpret_cast<char*>(basic.PebBaseAddress) + 0xF8, &table, sizeof table, nullptr))
        return -1;
    std::vector<GdiEntry> chunk(1024);
    int used = 0;
    for (UINT64 first = 0; table && first < 0x10000; first += chunk.size()) {
        SIZE_T got = 0;
        ReadProcessMemory(process, reinterpret_cast<void*>(table + first * sizeof(GdiEntry)), chunk.data(),
                          chunk.size() * sizeof(GdiEntry), &got);
        for (size_t i = 0; i < got / sizeof(GdiEntry); ++i)
            used += chunk[i].type != 0;
    }
    return used;
}

// The count must see what a process does: 32 brushes of our own show as 32.
void CheckGdiCounting() {
    const int before = CountGdiObjects(GetCurrentProcess());
    std::vector<HBRUSH> brushes;
    for (int i = 0; i < 32; ++i)
        brushes.push_back(CreateSolidBrush(RGB(i, 0, 0)));
    const int during = CountGdiObjects(GetCurrentProcess());
    for (HBRUSH brush : brushes)
        DeleteObject(brush);
    if (before < 0 || during - before != 32 || CountGdiObjects(GetCurrentProcess()) != before)
        Fail("GDI objects cannot be counted here");
    std::printf("GetGuiResources of this process: GDI %lu, USER %lu; the handle table: GDI %d\n",
                GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS),
                before);
}

bool OfTheGame(HWND window) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    return owner == g_processId;
}

BOOL CALLBACK CountWindows(HWND window, LPARAM count) {
    if (OfTheGame(window)) {
        ++*reinterpret_cast<int*>(count);
        EnumChildWindows(window, &CountWindows, count);
    }
    return TRUE;
}

// Windows stand for the USER objects: Wine counts none for GetGuiResources.
struct Sample {
    int gdi = 0, windows = 0;
    size_t workingSetKb = 0, pagefileKb = 0;
};

Sample Measure() {
    Sample s;
    s.gdi = CountGdiObjects(g_process);
    EnumWindows(&CountWindows, reinterpret_cast<LPARAM>(&s.windows));
    PROCESS_MEMORY_COUNTERS memory{};
    if (GetProcessMemoryInfo(g_process, &memory, sizeof memory)) {
        s.workingSetKb = memory.WorkingSetSize / 1024;
        s.pagefileKb = memory.PagefileUsage / 1024;
    }
    return s;
}

std::string Describe(const Sample& s) {
    char text[128];
    std::snprintf(text, sizeof text, "GDI objects %d, windows %d, working set %zu KB, pagefile %zu KB", s.gdi, s.windows,
                  s.workingSetKb, s.pagefileKb);
    return text;
}

// ---------------------------------------------------------------- the game's windows

void Wait(int milliseconds) {
    Sleep(static_cast<DWORD>(milliseconds));
    DWORD code = 0;
    if (WaitForSingleObject(g_process, 0) == WAIT_OBJECT_0 && GetExitCodeProcess(g_process, &code))
        Fail("the game ended unasked, exit code " + std::to_string(code));
    if (!SendMessageTimeoutA(g_main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, nullptr))
        Fail("the window thread did not answer within 2 seconds");
}

bool Enabled(HWND window) { return window && IsWindowEnabled(window) && IsWindowVisible(window); }
bool AtRest() { return IsWindowEnabled(g_main) && Enabled(Control(IDC_NEW)); }
bool Running() { return IsWindowEnabled(g_main) && Enabled(Control(IDC_GIVEUP)); }

// Only what a player could click: an enabled, visible button in an enabled window.
bool Click(HWND button) {
    if (!Enabled(button) || !IsWindowEnabled(GetAncestor(button, GA_ROOT)))
        return false;
    Deliver(button, BM_CLICK);
    return true;
}

void Menu(int id) { Deliver(g_main, WM_COMMAND, MAKEWPARAM(id, 0)); }

BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (!OfTheGame(window) || window == g_main || !Enabled(window) || lstrcmpA(className, "#32770") != 0 ||
        GetDlgItem(window, IDC_LOADING_TEXT))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// The game's modal dialog on top, if one opens within the time.
HWND WaitForDialog(int milliseconds) {
    const DWORD start = GetTickCount();
    do {
        HWND found = nullptr;
        EnumWindows(&FindDialog, reinterpret_cast<LPARAM>(&found));
        if (found)
            return found;
        Wait(20);
    } while (Since(start) < static_cast<DWORD>(milliseconds));
    return nullptr;
}

// Clicks the first button that shows until the dialog has gone.
void CloseWith(HWND dialog, std::initializer_list<int> buttonIds) {
    const DWORD start = GetTickCount();
    while (IsWindow(dialog) && IsWindowVisible(dialog)) {
        for (int id : buttonIds)
            if (Click(GetDlgItem(dialog, id)))
                break;
        if (Since(start) > 10000)
            Fail("the dialog \"" + TextOf(dialog) + TextOf(GetDlgItem(dialog, IDC_MSG_TEXT)) + "\" did not close");
        Wait(50);
    }
}

// Questions are answered "&Nein", notices "&OK"; other dialogs are cancelled.
void Dismiss(HWND dialog) {
    if (GetDlgItem(dialog, IDC_MSG_TEXT))
        CloseWith(dialog, {IDNO, IDOK});
    else
        CloseWith(dialog, {IDCANCEL, IDC_SETTINGS_CANCEL, IDC_STARTWORD_CANCEL, IDOK});
}

// Until the main window is enabled again, with the dialogs on the way dismissed.
void Settle(int milliseconds = 10000) {
    const DWORD start = GetTickCount();
    while (!IsWindowEnabled(g_main)) {
        if (HWND dialog = WaitForDialog(50))
            Dismiss(dialog);
        if (Since(start) > static_cast<DWORD>(milliseconds))
            Fail("the main window stayed disabled");
    }
}

int StoredDword(const char* section, const char* name) {
    const std::string path = std::string(BaseKey) + "\\" + section;
    DWORD value = 0, size = sizeof value;
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE})
        if (RegGetValueA(root, path.c_str(), name, RRF_RT_REG_DWORD, nullptr, &value, &size) == ERROR_SUCCESS)
            return static_cast<int>(value);
    return 0;
}

// ---------------------------------------------------------------- dialogs

HWND OpenDialog(int menuId) {
    if (!AtRest())
        return nullptr;
    Menu(menuId);
    HWND dialog = WaitForDialog(5000);
    if (!dialog)
        Fail("menu entry " + std::to_string(menuId) + " opened no dialog");
    return dialog;
}

void SetSpin(HWND dialog, int id, int value) { Deliver(GetDlgItem(dialog, id), UDM_SETPOS32, 0, value); }

void SettingsDialog(bool clockOfOneMinute = false) {
    HWND dialog = OpenDialog(ID_OPT_SETTINGS);
    if (!dialog)
        return;
    if (clockOfOneMinute) {
        SetSpin(dialog, IDC_DURATION_SPIN, 1);
        if (SendMessageA(GetDlgItem(dialog, IDC_USEDURATION), BM_GETCHECK, 0, 0) != BST_CHECKED)
            Click(GetDlgItem(dialog, IDC_USEDURATION));
        return CloseWith(dialog, {IDC_SETTINGS_OK});
    }
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

void StartWordDialog() {
    HWND dialog = OpenDialog(ID_OPT_STARTWORD);
    if (!dialog)
        return;
    for (int n = 3 + Pick(12); n > 0; --n)
        Deliver(GetDlgItem(dialog, IDC_STARTWORD), WM_CHAR, Pick(2) ? 'A' + Pick(26) : 1 + Pick(255));
    const bool start = Pick(2) && Enabled(GetDlgItem(dialog, IDC_STARTGAME));
    CloseWith(dialog, {start ? IDC_STARTGAME : IDC_STARTWORD_CANCEL});
}

// Chooses a list (an index of g_lists) and confirms, or cancels the choice.
void WordListDialog(int list, bool confirm) {
    HWND dialog = OpenDialog(ID_FILE_WORDLIST);
    if (!dialog)
        return;
    Click(GetDlgItem(dialog, list == 0 ? IDC_STANDARDLIST : IDC_OWNLIST));
    if (list > 0)
        Deliver(GetDlgItem(dialog, IDC_LISTPATH), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(g_lists[list].c_str()));
    CloseWith(dialog, {confirm ? IDOK : IDCANCEL});
    Settle(30000); // a new list loads behind a one-second window
}

void MakeOwnLists() {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    const char* names[] = {"soak own list.txt", "soak damaged list.txt", "soak no such list.txt"};
    for (int i = 0; i < 3; ++i)
        g_lists[i + 1] = std::string(folder) + names[i];
    // Every 40th word of the standard list, a third in small letters, with umlauts.
    if (!LoadStandardWordList(StandardListName))
        Fail("anagrilla.dat not found beside the soak driver");
    std::string own = "Bärenstärke\r\nÄrger\r\nstraße\r\nÖfen\r\n";
    for (int i = 0; i < WordCount(); i += 40) {
        std::string word = GetWord(i);
        if (i % 3 == 0)
            CharLowerBuffA(&word[0], static_cast<DWORD>(word.size()));
        own += word + (i % 2 ? "\r\n" : "\n");
    }
    ClearWordList();
    std::string damaged(20000, '\0');
    std::mt19937 bytes(7);
    for (char& c : damaged)
        c = static_cast<char>(bytes());
    for (int i = 1; i <= 2; ++i) {
        const std::string& text = i == 1 ? own : damaged;
        FILE* file = std::fopen(g_lists[i].c_str(), "wb");
        if (!file || std::fwrite(text.data(), 1, text.size(), file) != text.size() || std::fclose(file) != 0)
            Fail("cannot write " + g_lists[i]);
    }
    DeleteFileA(g_lists[3].c_str());
}

// ---------------------------------------------------------------- playing

void NewRound() {
    if (!Click(Control(IDC_NEW)))
        return;
    const DWORD start = GetTickCount();
    while (!Running() && !AtRest()) {
        if (Since(start) > 30000)
            Fail("a round neither started nor ended");
        Wait(20);
        Settle(30000);
    }
    g_rounds += Running();
}

void PlayStep() {
    HWND input = Control(IDC_INPUT);
    std::vector<HWND> letters;
    for (int id = IDC_LETTERBUTTON_BASE; HWND button = Control(id); ++id)
        letters.push_back(button);
    HWND letter = letters.empty() ? nullptr : letters[static_cast<size_t>(Pick(static_cast<int>(letters.size())))];
    const int action = Pick(100);
    if (action < 25)
        Click(letter);
    else if (action < 40 && letter) // typing a letter of the row
        Deliver(input, WM_CHAR, static_cast<unsigned char>(TextOf(letter).c_str()[0]));
    else if (action < 55) // any byte: digits, punctuation, umlauts, controls
        Deliver(input, WM_CHAR, 1 + Pick(255));
    else if (action < 62)
        Deliver(input, WM_CHAR, '\b');
    else if (action < 74)
        Click(Control(IDC_ENTER));
    else if (action < 82)
        Click(Control(IDC_BACK));
    else if (action < 90)
        Click(Control(IDC_SHUFFLE));
    else if (action < 94)
        Menu(Pick(2) ? ID_OPT_SOUND : ID_HELP_TIPS);
    else if (action < 96)
        Click(Control(IDC_GIVEUP));
    else
        Wait(Pick(200));
    Wait(Pick(20));
    Settle();
}

// The case entries of the menu are open only with an own list and at rest,
// "Lax" only while Uppercase is off.
void ToggleCaseEntry() {
    if (!AtRest() || StoredDword("List", "Wordlist") != 1)
        return;
    const int entry = Pick(3);
    if (entry < 2)
        Menu(entry == 0 ? ID_OPT_UPPERCASE : ID_OPT_SUBSTITUTE);
    else if (StoredDword("Menu", "Uppercase") == 0)
        Menu(ID_OPT_LAX);
}

void RoundOnTheClock() {
    SettingsDialog(true);
    NewRound();
    const DWORD start = GetTickCount();
    while (!AtRest()) {
        if (Since(start) > 90000)
            Fail("a round of one minute did not end");
        Wait(100);
        Settle();
    }
    std::printf("a round on a one-minute clock ended after %lu ms\n", Since(start));
    if (HWND dialog = OpenDialog(ID_OPT_SETTINGS)) {
        Click(GetDlgItem(dialog, IDC_USEDURATION));
        CloseWith(dialog, {IDC_SETTINGS_OK});
    }
}

void RestStep() {
    const int action = Pick(100);
    if (action < 60) {
        NewRound();
    } else if (action < 68) {
        SettingsDialog();
    } else if (action < 74) {
        StartWordDialog();
    } else if (action < 78) {
        if (HWND dialog = OpenDialog(ID_HELP_ABOUT))
            CloseWith(dialog, {IDOK});
    } else if (action < 86) {
        // An own list, good, damaged or missing; from the last two back again.
        const int before = StoredDword("List", "Wordlist");
        const int list = 1 + Pick(3);
        const bool confirm = Pick(4) != 0;
        WordListDialog(list, confirm);
        if (confirm && list > 1)
            WordListDialog(before, true);
    } else if (action < 90) {
        WordListDialog(0, Pick(2) != 0);
    } else if (action < 95) {
        ToggleCaseEntry();
    } else {
        Menu(Pick(2) ? ID_OPT_SOUND : ID_HELP_TIPS);
    }
    Settle(30000);
}

// ---------------------------------------------------------------- start and end

BOOL CALLBACK FindMain(HWND window, LPARAM) {
    char title[32] = {};
    GetWindowTextA(window, title, sizeof title);
    if (!OfTheGame(window) || lstrcmpA(title, "Anagrilla") != 0 || !GetDlgItem(window, IDC_NEW))
        return TRUE;
    g_main = window;
    return FALSE;
}

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
    const DWORD start = GetTickCount();
    while (!g_main || !IsWindowEnabled(g_main)) {
        if (Since(start) > 20000)
            Fail("no enabled game window after 20 seconds");
        EnumWindows(&FindMain, 0);
        Sleep(20);
    }
}

// The close question in a round is answered "&Nein": the game goes on; at
// rest the game closes without asking.
void CloseGame() {
    WordListDialog(0, true);
    for (const DWORD start = GetTickCount(); !Running(); Wait(100)) {
        if (Since(start) > 60000)
            Fail("no round starts with the standard list");
        NewRound();
    }
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

// Every stored setting has its type and a value in its range.
void CheckRegistry() {
    struct Setting {
        const char *section, *name;
        int low, high; // low -1: a text
    };
    const Setting settings[] = {{"Game", "AngLimit", 3, 6},   {"Game", "Duration", 1, 60},    {"Game", "Mistrials", 1, 20},
                                {"Game", "WordLimit", 6, 10}, {"Game", "UseDuration", 0, 1}, {"Game", "UseMistrials", 0, 1},
                                {"Menu", "UseSound", 0, 1},   {"Menu", "UseHelp", 0, 1},     {"Menu", "Uppercase", 0, 1},
                                {"Menu", "Substitute", 0, 1}, {"Menu", "Lax", 0, 1},         {"List", "Wordlist", 0, 1},
                                {"List", "Listpath", -1, 0}};
    int found = 0;
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER})
        for (const Setting& s : settings) {
            const std::string path = std::string(BaseKey) + "\\" + s.section;
            BYTE data[1024] = {};
            DWORD type = 0, size = sizeof data;
            if (RegGetValueA(root, path.c_str(), s.name, RRF_RT_ANY | RRF_NOEXPAND, &type, data, &size) != ERROR_SUCCESS)
                continue;
            ++found;
            const int value = static_cast<int>(data[0] | data[1] << 8 | data[2] << 16 | data[3] << 24);
            const bool valid = s.low < 0 ? type == REG_SZ && size > 0 && data[size - 1] == 0
                                         : type == REG_DWORD && size == 4 && value >= s.low && value <= s.high;
            if (!valid)
                Fail(std::string("stored ") + s.section + "\\" + s.name + " is invalid");
        }
    std::printf("registry: %d stored settings, all valid\n", found);
}

} // namespace

int main(int argc, char** argv) {
    const char* secondsText = std::getenv("SOAK_SECONDS");
    const char* seedText = std::getenv("SOAK_SEED");
    const long seconds = argc > 1 ? std::atol(argv[1]) : secondsText ? std::atol(secondsText) : 1800;
    const unsigned seed = seedText ? static_cast<unsigned>(std::strtoul(seedText, nullptr, 10))
                                   : static_cast<unsigned>(std::time(nullptr));
    std::printf("soak: seed %u (SOAK_SEED=%u repeats the player's choices), %ld seconds\n", seed, seed, seconds);
    g_random.seed(seed);
    CheckGdiCounting();
    MakeOwnLists();
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, BaseKey);
    RegDeleteTreeA(HKEY_CURRENT_USER, BaseKey);
    StartGame();

    const DWORD start = GetTickCount();
    const DWORD duration = static_cast<DWORD>(seconds) * 1000;
    bool clockRoundDue = seconds >= 300;
    Sample first = Measure(), peak, last;
    for (DWORD report = 0; Since(start) < duration;) {
        if (Running()) {
            PlayStep();
            continue;
        }
        if (!AtRest()) { // a search or a load
            Wait(20);
            Settle(30000);
            continue;
        }
        // At rest: take stock; the peak of the first fifth is the level to hold.
        last = Measure();
        if (Since(start) < duration / 5 || peak.gdi == 0)
            peak = {std::max(peak.gdi, last.gdi), std::max(peak.windows, last.windows),
                    std::max(peak.workingSetKb, last.workingSetKb), std::max(peak.pagefileKb, last.pagefileKb)};
        if (Since(start) >= report) {
            std::printf("%5lu s: %d rounds, %ld events; %s\n", Since(start) / 1000, g_rounds, g_events,
                        Describe(last).c_str());
            std::fflush(stdout);
            report += 60000;
        }
        if (clockRoundDue && Since(start) > duration / 2) {
            clockRoundDue = false;
            RoundOnTheClock();
        } else {
            RestStep();
        }
    }
    const Sample end = Measure();
    std::printf("start:            %s\nfirst fifth peak: %s\nend:              %s\n", Describe(first).c_str(),
                Describe(peak).c_str(), Describe(end).c_str());
    std::printf("%d rounds, %ld events in %lu s\n", g_rounds, g_events, Since(start) / 1000);
    // Icons of letters not seen yet are loaded once, when first shown.
    if (end.gdi > peak.gdi + 100 || end.windows > peak.windows + 16)
        Fail("GDI objects or windows grew");
    if (end.workingSetKb > peak.workingSetKb * 11 / 10 + 16384 || end.pagefileKb > peak.pagefileKb * 11 / 10 + 16384)
        Fail("memory grew");
    CloseGame();
    CheckRegistry();
    std::printf("soak passed\n");
    return 0;
}
