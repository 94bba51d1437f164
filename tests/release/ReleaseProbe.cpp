// Looks at the shipped game from outside, as a player would, and prints
// what it sees, one line per step (Windows-1252):
//   release_probe version FILE   the strings of FILE's version resource
//   release_probe game           waits for the game's window, plays "&Neu",
//                                gives up and closes the game
// Messages that the game shows on the way are printed and confirmed.
#include "res/resource.h"
#include <windows.h>
#include <cstdio>
#include <string>
#include <utility>

namespace {

int PrintVersion(const char* file)
{
    const DWORD size = GetFileVersionInfoSizeA(file, nullptr);
    std::string data(size, '\0');
    // The block that Explorer picks: the first translation.
    WORD* translation = nullptr;
    UINT length = 0;
    if (size == 0 || !GetFileVersionInfoA(file, 0, size, data.data()) ||
        !VerQueryValueA(data.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length) ||
        length < 4) {
        std::printf("no version resource\n");
        return 1;
    }
    std::printf("Translation=%04x%04x\n", translation[0], translation[1]);
    for (const char* name : {"CompanyName", "FileDescription", "FileVersion", "LegalCopyright", "ProductName",
                             "ProductVersion"}) {
        char path[96];
        std::snprintf(path, sizeof path, "\\StringFileInfo\\%04x%04x\\%s", translation[0], translation[1], name);
        char* value = nullptr;
        if (VerQueryValueA(data.data(), path, reinterpret_cast<void**>(&value), &length) && length > 0)
            std::printf("%s=%s\n", name, value);
    }
    return 0;
}

HWND g_game = nullptr;
int g_messages = 0;

// A visible top-level window of the game's thread that has control id.
HWND GameWindowWith(int id)
{
    static std::pair<int, HWND> search;
    search = {id, nullptr};
    EnumThreadWindows(GetWindowThreadProcessId(g_game, nullptr), [](HWND window, LPARAM) -> BOOL {
        search.second = IsWindowVisible(window) && GetDlgItem(window, search.first) ? window : nullptr;
        return !search.second;
    }, 0);
    return search.second;
}

std::string Text(HWND window)
{
    char buffer[512] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 2000,
                        &copied);
    return std::string(buffer, copied);
}

void Click(HWND dialog, int id)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// Prints and confirms a message dialog of the game, if one is open.
bool AnswerMessage()
{
    const HWND message = GameWindowWith(IDC_MSG_TEXT);
    if (!message)
        return false;
    std::printf("message: %s\n", Text(GetDlgItem(message, IDC_MSG_TEXT)).c_str());
    ++g_messages;
    // The question before closing has "&Ja"; every other message "&OK".
    Click(message, IsWindowVisible(GetDlgItem(message, IDOK)) ? IDOK : IDYES);
    for (int i = 0; i < 100 && IsWindow(message) && IsWindowVisible(message); ++i)
        Sleep(50);
    return true;
}

// Waits for done(), answering messages on the way; false after the time.
template <class Done>
bool WaitFor(const char* what, Done done, int seconds = 30)
{
    for (int i = 0; i < seconds * 20; ++i) {
        if (!AnswerMessage() && done())
            return true;
        Sleep(50);
    }
    std::printf("timed out waiting for %s\n", what);
    return false;
}

int WatchGame()
{
    if (!WaitFor("the game window", [] { return (g_game = FindWindowA("#32770", "Anagrilla")) != nullptr; }) ||
        !WaitFor("the list", [] { return IsWindowEnabled(g_game) && !GameWindowWith(IDC_LOADING_TEXT); }))
        return 1;
    std::printf("window enabled\n");

    Click(g_game, IDC_NEW);
    const HWND status = GetDlgItem(g_game, IDC_STATUS);
    // A round runs, or a message says why not.
    const int before = g_messages;
    if (!WaitFor("a round", [&] { return Text(status) == "Spiel läuft..." || g_messages > before; }))
        return 1;
    std::printf("status: %s\n", Text(status).c_str());

    if (IsWindowEnabled(GetDlgItem(g_game, IDC_GIVEUP)))
        Click(g_game, IDC_GIVEUP);
    Click(g_game, IDC_QUIT);
    if (!WaitFor("the game to close", [] { return !IsWindow(g_game); }))
        return 1;
    std::printf("closed\n");
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    setvbuf(stdout, nullptr, _IONBF, 0);
    if (argc == 3 && std::string(argv[1]) == "version")
        return PrintVersion(argv[2]);
    if (argc == 2 && std::string(argv[1]) == "game")
        return WatchGame();
    std::fprintf(stderr, "usage: release_probe version FILE | game\n");
    return 2;
}
