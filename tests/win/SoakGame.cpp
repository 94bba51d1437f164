// Plays the real anagrilla.exe (beside this program) as a restless player for
// SOAK_SECONDS (default 1800), from SOAK_SEED (default: the clock; printed).
// Fails when the game crashes, its window thread does not answer within two
// seconds, its GDI objects, windows or memory grow after the first rounds, or
// the registry holds an invalid setting afterwards.
#include "res/resource.h"
#include "wordlist/WordList.h"
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>
#include <winternl.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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

std::string TextOf(HWND window) {
    char text[256] = {};
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, nullptr);
    return text;
}

[[noreturn]] void Fail(const std::string& why) {
    std::printf("SOAK FAILED after %ld events, %d rounds: %s\n", g_events, g_rounds, why.c_str());
    if (g_main)
        std::printf("  window %s, status \"%s\", input \"%s\", Neu %d, Aufgeben %d\n",
                    IsWindowEnabled(g_main) ? "enabled" : "disabled", TextOf(GetDlgItem(g_main, IDC_STATUS)).c_str(),
                    TextOf(GetDlgItem(g_main, IDC_INPUT)).c_str(), IsWindowEnabled(GetDlgItem(g_main, IDC_NEW)),
                    IsWindowEnabled(GetDlgItem(g_main, IDC_GIVEUP)));
    std::fflush(stdout);
    if (g_process)
        TerminateProcess(g_process, 1);
    std::exit(1);
}

int Pick(int n) { return static_cast<int>(g_random() % static_cast<unsigned>(n)); }

// ---------------------------------------------------------------- counting

// Wine answers GetGuiResources with 0, so GDI objects are counted in the
// process's GDI handle table, which the PEB shows as under Windows.
struct GdiEntry {
    UINT64 object;
    ULONG owner;
    USHORT unique;
    UCHAR type;
    UCHAR flags;
    UINT64 user;
};
static_assert(sizeof(GdiEntry) == 24, "GDI handle table entry");
constexpr size_t GdiTableEntries = 0x10000;

int CountGdiObjects(HANDLE process) {
    PROCESS_BASIC_INFORMATION basic{};
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0)
        return -1;
    UINT64 table = 0;
    const auto* tableField = reinterpret_cast<const char*>(basic.PebBaseAddress) + 0xF8;
    if (!ReadProcessMemory(process, tableField, &table, sizeof table, nullptr) || !table)
        return -1;
    std::vector<GdiEntry> chunk(4096 / sizeof(GdiEntry) * 8);
    int used = 0;
    for (size_t first = 0; first < GdiTableEntries; first += chunk.size()) {
        SIZE_T got = 0;
        ReadProcessMemory(process, reinterpret_cast<const void*>(table + first * sizeof(GdiEntry)), chunk.data(),
                          chunk.size() * sizeof(GdiEntry), &got);
        for (size_t i = 0; i < got / sizeof(GdiEntry); ++i)
            used += chunk[i].type != 0;
    }
    return used;
}

BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    EnumChildWindows(window, &CountWindow, count);
    return TRUE;
}

BOOL CALLBACK CountProcessWindows(HWND window, LPARAM count) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == g_processId) {
        ++*reinterpret_cast<int*>(count);
        EnumChildWindows(window, &CountWindow, count);
    }
    return TRUE;
}

struct Sample {
    int gdi = 0;
    int windows = 0;
    int userObjects = 0;
    size_t workingSetKb = 0;
    size_t pagefileKb = 0;
};

Sample Measure() {
    Sample s;
    s.gdi = CountGdiObjects(g_process);
    EnumWindows(&CountProcessWindows, reinterpret_cast<LPARAM>(&s.windows));
    s.userObjects = static_cast<int>(GetGuiResources(g_process, GR_USEROBJECTS));
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(g_process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory)) {
        s.workingSetKb = memory.WorkingSetSize / 1024;
        s.pagefileKb = memory.PagefileUsage / 1024;
    }
    return s;
}

std::string Describe(const Sample& s) {
    char text[160];
    std::snprintf(text, sizeof text, "GDI objects %d, windows %d, USER objects (GetGuiResources) %d, working set %zu KB, pagefile %zu KB",
                  s.gdi, s.windows, s.userObjects, s.workingSetKb, s.pagefileKb);
    return text;
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
        Fail("GDI objects cannot be counted here (" + std::to_string(before) + ", " + std::to_string(during) + ")");
}

// ---------------------------------------------------------------- the game's windows

void CheckAlive() {
    DWORD code = 0;
    if (WaitForSingleObject(g_process, 0) == WAIT_OBJECT_0) {
        GetExitCodeProcess(g_process, &code);
        char text[64];
        std::snprintf(text, sizeof text, "the game ended unasked, exit code 0x%lX", code);
        Fail(text);
    }
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(g_main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &result))
        Fail("the window thread did not answer within 2 seconds");
}

void Wait(int milliseconds) {
    Sleep(static_cast<DWORD>(milliseconds));
    CheckAlive();
}

HWND Control(int id) { return GetDlgItem(g_main, id); }
bool Enabled(HWND window) { return window && IsWindowEnabled(window) && IsWindowVisible(window); }
bool AtRest() { return IsWindowEnabled(g_main) && Enabled(Control(IDC_NEW)); }
bool Running() { return IsWindowEnabled(g_main) && Enabled(Control(IDC_GIVEUP)); }

// Only what a player could click: an enabled, visible button in an enabled window.
bool Click(HWND button) {
    if (!Enabled(button) || !IsWindowEnabled(GetAncestor(button, GA_ROOT)))
        return false;
    ++g_events;
    PostMessageA(button, BM_CLICK, 0, 0);
    return true;
}

void Menu(int id) {
    ++g_events;
    PostMessageA(g_main, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

struct DialogSearch {
    HWND found = nullptr;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM data) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (owner == g_processId && window != g_main && IsWindowVisible(window) && IsWindowEnabled(window) &&
        lstrcmpA(className, "#32770") == 0 && !GetDlgItem(window, IDC_LOADING_TEXT)) {
        reinterpret_cast<DialogSearch*>(data)->found = window;
        return FALSE;
    }
    return TRUE;
}

// The game's modal dialog on top, if one opens within the time.
HWND WaitForDialog(int milliseconds) {
    const DWORD start = GetTickCount();
    do {
        DialogSearch search;
        EnumWindows(&FindDialog, reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        Wait(20);
    } while (GetTickCount() - start < static_cast<DWORD>(milliseconds));
    return nullptr;
}

// A click may come before the button shows: it is repeated while the dialog stays.
void WaitUntilClosed(HWND dialog, int buttonId = 0) {
    const DWORD start = GetTickCount();
    DWORD clicked = 0;
    while (IsWindow(dialog) && IsWindowVisible(dialog)) {
        if (buttonId && GetTickCount() - clicked > 500 && Click(GetDlgItem(dialog, buttonId)))
            clicked = GetTickCount();
        if (GetTickCount() - start > 10000)
            Fail("the dialog \"" + TextOf(dialog) + "\" (" + TextOf(GetDlgItem(dialog, IDC_MSG_TEXT)) +
                 ") did not close");
        Wait(20);
    }
}

// Message dialogs: questions are answered "&Nein", notices "&OK".
bool AnswerMessage(HWND dialog) {
    if (!GetDlgItem(dialog, IDC_MSG_TEXT))
        return false;
    for (int waited = 0; !Enabled(GetDlgItem(dialog, IDNO)) && !Enabled(GetDlgItem(dialog, IDOK)); waited += 20)
        if (waited > 5000)
            Fail("a message shows no button");
        else
            Wait(20);
    WaitUntilClosed(dialog, Enabled(GetDlgItem(dialog, IDNO)) ? IDNO : IDOK);
    return true;
}

// Waits until the main window is enabled again, answering messages on the way.
void Settle(int milliseconds = 5000) {
    const DWORD start = GetTickCount();
    while (!IsWindowEnabled(g_main)) {
        if (HWND dialog = WaitForDialog(50))
            if (!AnswerMessage(dialog)) {
                for (int id : {IDCANCEL, IDC_SETTINGS_CANCEL, IDC_STARTWORD_CANCEL, IDOK})
                    if (GetDlgItem(dialog, id)) {
                        WaitUntilClosed(dialog, id);
                        break;
                    }
            }
        if (GetTickCount() - start > static_cast<DWORD>(milliseconds))
            Fail("the main window stayed disabled");
    }
}

void Type(HWND edit, unsigned char c) {
    ++g_events;
    PostMessageA(edit, WM_CHAR, c, 1);
}

// ---------------------------------------------------------------- own lists

std::string g_goodList, g_damagedList, g_missingList;

void WriteFile(const std::string& path, const std::string& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        Fail("cannot write " + path);
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

void MakeOwnLists() {
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    g_goodList = std::string(folder) + "soak own list.txt";
    g_damagedList = std::string(folder) + "soak damaged list.txt";
    g_missingList = std::string(folder) + "soak no such list.txt";
    DeleteFileA(g_missingList.c_str());
    // Every 40th word of the standard list, some in small letters, with umlauts.
    if (!LoadStandardWordList(StandardListName))
        Fail("anagrilla.dat not found beside the soak driver");
    std::string own = "Bärenstärke\r\nÄrger\r\nstraße\r\nÖfen\r\n";
    for (int i = 0; i < WordCount(); i += 40) {
        std::string word = GetWord(i);
        if (i % 3 == 0)
            for (char& c : word)
                if (c >= 'A' && c <= 'Z')
                    c = static_cast<char>(c - 'A' + 'a');
        own += word + (i % 2 ? "\r\n" : "\n");
    }
    ClearWordList();
    WriteFile(g_goodList, own);
    std::string damaged;
    std::mt19937 bytes(7);
    for (int i = 0; i < 20000; ++i)
        damaged += static_cast<char>(bytes() % 256);
    WriteFile(g_damagedList, damaged);
}

// ---------------------------------------------------------------- dialogs

bool OpenDialog(int menuId, HWND& dialog) {
    if (!AtRest())
        return false;
    Menu(menuId);
    dialog = WaitForDialog(5000);
    if (!dialog)
        Fail("menu entry " + std::to_string(menuId) + " opened no dialog");
    return true;
}

void SettingsDialog(bool clockOfOneMinute = false) {
    HWND dialog;
    if (!OpenDialog(ID_OPT_SETTINGS, dialog))
        return;
    const int spins[] = {IDC_WORDLIMIT_SPIN, IDC_ANGLIMIT_SPIN, IDC_MISTRIALS_SPIN, IDC_DURATION_SPIN};
    const int ranges[][2] = {{6, 10}, {3, 6}, {1, 20}, {1, 60}};
    for (int i = 0; i < 4 && !clockOfOneMinute; ++i)
        if (Pick(2)) {
            ++g_events;
            SendMessageTimeoutA(GetDlgItem(dialog, spins[i]), UDM_SETPOS32, 0,
                                ranges[i][0] + Pick(ranges[i][1] - ranges[i][0] + 1), SMTO_ABORTIFHUNG, 2000, nullptr);
        }
    if (clockOfOneMinute) {
        SendMessageTimeoutA(GetDlgItem(dialog, IDC_DURATION_SPIN), UDM_SETPOS32, 0, 1, SMTO_ABORTIFHUNG, 2000, nullptr);
        if (SendMessageA(GetDlgItem(dialog, IDC_USEDURATION), BM_GETCHECK, 0, 0) != BST_CHECKED)
            Click(GetDlgItem(dialog, IDC_USEDURATION));
    } else {
        for (int box : {IDC_USEDURATION, IDC_USEMISTRIALS})
            if (Pick(3) == 0)
                Click(GetDlgItem(dialog, box));
    }
    Wait(50);
    WaitUntilClosed(dialog, clockOfOneMinute || Pick(3) == 0 ? IDC_SETTINGS_OK : IDC_SETTINGS_CANCEL);
    Settle();
}

void StartWordDialog() {
    HWND dialog;
    if (!OpenDialog(ID_OPT_STARTWORD, dialog))
        return;
    HWND edit = GetDlgItem(dialog, IDC_STARTWORD);
    for (int n = 3 + Pick(12); n > 0; --n)
        Type(edit, static_cast<unsigned char>(Pick(2) ? 'A' + Pick(26) : 1 + Pick(255)));
    Wait(100);
    const bool start = Pick(2) && Enabled(GetDlgItem(dialog, IDC_STARTGAME));
    WaitUntilClosed(dialog, start ? IDC_STARTGAME : IDC_STARTWORD_CANCEL);
    Settle(30000);
}

// Chooses a list and confirms, or changes the choice and cancels.
void WordListDialog(int choice, bool confirm) {
    HWND dialog;
    if (!OpenDialog(ID_FILE_WORDLIST, dialog))
        return;
    const char* paths[] = {"", g_goodList.c_str(), g_damagedList.c_str(), g_missingList.c_str()};
    Click(GetDlgItem(dialog, choice == 0 ? IDC_STANDARDLIST : IDC_OWNLIST));
    Wait(50);
    if (choice > 0) {
        ++g_events;
        SendMessageTimeoutA(GetDlgItem(dialog, IDC_LISTPATH), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(paths[choice]),
                            SMTO_ABORTIFHUNG, 2000, nullptr);
    }
    WaitUntilClosed(dialog, confirm ? IDOK : IDCANCEL);
    Settle(30000); // a new list loads behind a one-second window
}

void AboutDialog() {
    HWND dialog;
    if (!OpenDialog(ID_HELP_ABOUT, dialog))
        return;
    Wait(100);
    WaitUntilClosed(dialog, IDOK);
}

// ---------------------------------------------------------------- playing

void WaitForRound() {
    const DWORD start = GetTickCount();
    while (!Running() && !AtRest()) {
        if (GetTickCount() - start > 30000)
            Fail("a round neither started nor ended");
        Wait(20);
        if (!IsWindowEnabled(g_main))
            Settle(30000);
    }
    if (Running())
        ++g_rounds;
}

void NewRound() {
    if (!Click(Control(IDC_NEW)))
        return;
    // Sometimes "Neu" again while the search still runs.
    if (Pick(4) == 0)
        Click(Control(IDC_NEW));
    Settle(30000);
    WaitForRound();
}

void PlayStep() {
    HWND input = Control(IDC_INPUT);
    const int action = Pick(100);
    if (action < 30) {
        std::vector<HWND> letters;
        for (int id = IDC_LETTERBUTTON_BASE; HWND button = Control(id); ++id)
            letters.push_back(button);
        if (!letters.empty())
            Click(letters[static_cast<size_t>(Pick(static_cast<int>(letters.size())))]);
    } else if (action < 55) {
        Type(input, static_cast<unsigned char>(1 + Pick(255)));
    } else if (action < 65) {
        Type(input, '\b');
    } else if (action < 75) {
        Click(Control(IDC_ENTER));
    } else if (action < 83) {
        Click(Control(IDC_BACK));
    } else if (action < 90) {
        Click(Control(IDC_SHUFFLE));
    } else if (action < 93) {
        Menu(Pick(2) ? ID_OPT_SOUND : ID_HELP_TIPS);
    } else if (action < 95) {
        Click(Control(IDC_GIVEUP));
    } else {
        Wait(Pick(200));
    }
    Wait(Pick(30));
    if (!IsWindowEnabled(g_main))
        Settle();
}

int StoredDword(const char* section, const char* name) {
    const std::string path = std::string(BaseKey) + "\\" + section;
    DWORD value = 0, size = sizeof value;
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE})
        if (RegGetValueA(root, path.c_str(), name, RRF_RT_REG_DWORD, nullptr, &value, &size) == ERROR_SUCCESS)
            return static_cast<int>(value);
    return 0;
}

// The case entries of the menu are open only with an own list and at rest,
// "Lax" only while Uppercase is off.
void ToggleCaseEntry() {
    if (!AtRest() || StoredDword("List", "Wordlist") != 1)
        return;
    const int entry = Pick(3);
    if (entry == 0)
        Menu(ID_OPT_UPPERCASE);
    else if (entry == 1)
        Menu(ID_OPT_SUBSTITUTE);
    else if (StoredDword("Menu", "Uppercase") == 0)
        Menu(ID_OPT_LAX);
}

// Plays a round with the clock at one minute to its end.
void RoundOnTheClock() {
    SettingsDialog(true);
    NewRound();
    const DWORD start = GetTickCount();
    while (!AtRest()) {
        if (GetTickCount() - start > 90000)
            Fail("a round of one minute did not end");
        if (!IsWindowEnabled(g_main))
            Settle(5000);
        Wait(100);
    }
    std::printf("a round on a one-minute clock ended after %lu ms\n", GetTickCount() - start);
    HWND dialog;
    if (OpenDialog(ID_OPT_SETTINGS, dialog)) {
        Click(GetDlgItem(dialog, IDC_USEDURATION));
        Wait(50);
        WaitUntilClosed(dialog, IDC_SETTINGS_OK);
    }
    Settle();
}

// ---------------------------------------------------------------- start and end

BOOL CALLBACK FindMain(HWND window, LPARAM) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char title[32] = {};
    GetWindowTextA(window, title, sizeof title);
    if (owner == g_processId && lstrcmpA(title, "Anagrilla") == 0 && GetDlgItem(window, IDC_NEW)) {
        g_main = window;
        return FALSE;
    }
    return TRUE;
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
        if (GetTickCount() - start > 20000)
            Fail("no enabled game window after 20 seconds");
        if (!g_main)
            EnumWindows(&FindMain, 0);
        Sleep(20);
    }
}

void CloseGame() {
    // The close question in a round is answered "&Nein": the game goes on.
    WordListDialog(0, true);
    const DWORD start = GetTickCount();
    while (!Running()) {
        if (GetTickCount() - start > 60000)
            Fail("no round starts with the standard list");
        Settle();
        if (AtRest())
            NewRound();
        else
            Wait(100);
    }
    ++g_events;
    PostMessageA(g_main, WM_CLOSE, 0, 0);
    HWND question = WaitForDialog(5000);
    if (!question || !AnswerMessage(question))
        Fail("closing during a round asked no question");
    Wait(200);
    if (!Running())
        Fail("the round did not go on after \"Nein\"");
    Click(Control(IDC_GIVEUP));
    Wait(200);
    Settle();
    PostMessageA(g_main, WM_CLOSE, 0, 0);
    DWORD code = 1;
    if (WaitForSingleObject(g_process, 10000) != WAIT_OBJECT_0 || !GetExitCodeProcess(g_process, &code) || code != 0)
        Fail("the game did not end cleanly when closed");
}

void ResetRegistry() {
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, BaseKey);
    RegDeleteTreeA(HKEY_CURRENT_USER, BaseKey);
}

// Every stored setting has its type and a value in its range.
void CheckRegistry() {
    struct Setting {
        const char* section;
        const char* name;
        int low, high;
    };
    const Setting settings[] = {{"Game", "AngLimit", 3, 6},     {"Game", "Duration", 1, 60},    {"Game", "Mistrials", 1, 20},
                                {"Game", "WordLimit", 6, 10},   {"Game", "UseDuration", 0, 1}, {"Game", "UseMistrials", 0, 1},
                                {"Menu", "UseSound", 0, 1},     {"Menu", "UseHelp", 0, 1},     {"Menu", "Uppercase", 0, 1},
                                {"Menu", "Substitute", 0, 1},   {"Menu", "Lax", 0, 1},         {"List", "Wordlist", 0, 1},
                                {"List", "Listpath", -1, -1}};
    int found = 0;
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER})
        for (const Setting& s : settings) {
            const std::string path = std::string(BaseKey) + "\\" + s.section;
            DWORD type = 0, size = 0;
            BYTE data[MAX_PATH * 2] = {};
            size = sizeof data;
            if (RegGetValueA(root, path.c_str(), s.name, RRF_RT_ANY | RRF_NOEXPAND, &type, data, &size) != ERROR_SUCCESS)
                continue;
            ++found;
            const std::string what = std::string(s.section) + "\\" + s.name;
            if (s.low < 0 && (type != REG_SZ || size == 0 || data[size - 1] != 0))
                Fail("stored " + what + " is not a text");
            int value = 0;
            std::memcpy(&value, data, sizeof value);
            if (s.low >= 0 && (type != REG_DWORD || size != 4 || value < s.low || value > s.high))
                Fail("stored " + what + " is invalid: type " + std::to_string(type) + ", value " + std::to_string(value));
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
    std::printf("soak: seed %u (SOAK_SEED=%u repeats this run), %ld seconds\n", seed, seed, seconds);
    std::fflush(stdout);
    g_random.seed(seed);
    CheckGdiCounting();
    MakeOwnLists();
    ResetRegistry();
    StartGame();

    const DWORD start = GetTickCount();
    const DWORD end = start + static_cast<DWORD>(seconds) * 1000;
    const DWORD warmUp = start + static_cast<DWORD>(seconds) * 1000 / 5;
    const bool clockRound = seconds >= 300;
    bool clockRoundDone = false;
    Sample first, baseline, last;
    bool haveBaseline = false;
    DWORD nextReport = start;
    while (GetTickCount() < end) {
        Settle();
        if (Running()) {
            PlayStep();
            continue;
        }
        // At rest: take stock, then a new round or one of the dialogs.
        last = Measure();
        if (g_rounds == 0)
            first = last;
        // The peak of the first fifth of the run is the level to hold.
        if (GetTickCount() < warmUp || !haveBaseline) {
            baseline.gdi = std::max(baseline.gdi, last.gdi);
            baseline.windows = std::max(baseline.windows, last.windows);
            baseline.userObjects = std::max(baseline.userObjects, last.userObjects);
            baseline.workingSetKb = std::max(baseline.workingSetKb, last.workingSetKb);
            baseline.pagefileKb = std::max(baseline.pagefileKb, last.pagefileKb);
            haveBaseline = true;
        }
        if (GetTickCount() >= nextReport) {
            std::printf("%5lu s: %d rounds, %ld events; %s\n", (GetTickCount() - start) / 1000, g_rounds, g_events,
                        Describe(last).c_str());
            std::fflush(stdout);
            nextReport += 60000;
        }
        if (clockRound && !clockRoundDone && GetTickCount() > start + (end - start) / 2) {
            clockRoundDone = true;
            RoundOnTheClock();
            continue;
        }
        const int action = Pick(100);
        if (action < 60)
            NewRound();
        else if (action < 68)
            SettingsDialog();
        else if (action < 74)
            StartWordDialog();
        else if (action < 78)
            AboutDialog();
        else if (action < 86) {
            // A damaged or missing own list and back, or a good own list.
            const int before = StoredDword("List", "Wordlist");
            const int choice = 1 + Pick(3);
            const bool confirm = Pick(4) != 0;
            WordListDialog(choice, confirm);
            if (confirm && choice > 1)
                WordListDialog(before, true);
        } else if (action < 90) {
            WordListDialog(0, Pick(2) != 0);
        } else if (action < 95) {
            ToggleCaseEntry();
        } else {
            Menu(Pick(2) ? ID_OPT_SOUND : ID_HELP_TIPS);
        }
    }
    Settle();
    const Sample final = Measure();
    std::printf("first rounds: %s\n", Describe(first).c_str());
    std::printf("warm-up peak: %s\n", Describe(baseline).c_str());
    std::printf("end:          %s\n", Describe(final).c_str());
    std::printf("%d rounds, %ld events in %lu s\n", g_rounds, g_events, (GetTickCount() - start) / 1000);
    // Icons of letters not yet seen are loaded once, when first shown.
    if (final.gdi > baseline.gdi + 100)
        Fail("GDI objects grew");
    if (final.windows > baseline.windows + 16)
        Fail("windows grew");
    if (final.workingSetKb > baseline.workingSetKb + 16384 + baseline.workingSetKb / 10 ||
        final.pagefileKb > baseline.pagefileKb + 16384 + baseline.pagefileKb / 10)
        Fail("memory grew");
    CloseGame();
    CheckRegistry();
    std::printf("soak passed\n");
    return 0;
}
