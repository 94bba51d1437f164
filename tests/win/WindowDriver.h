#pragma once
#include <windows.h>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "dialoglayer/win/DataExchange.h"
#include "dialoglayer/win/Dialog.h"
#include "res/resource.h"
#include "settings/Registry.h"

// Drives the program's windows from a test as a player would, without a
// person: it pumps the thread's messages and answers message dialogs.

// Pumps messages through the dialogs' hooks until done() holds or the time
// runs out; returns done().
bool PumpUntil(const std::function<bool()>& done, int timeoutMilliseconds = 5000);
// Pumps whatever is waiting, and what arrives within the time.
void PumpFor(int milliseconds);

inline std::string Text(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }
// Writes a text file for a test and deletes it again.
class TempFile {
public:
    explicit TempFile(const std::string& contents);
    ~TempFile();
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

// Acts on each visible window of this thread that pick() chooses, from a
// timer, so that it reaches dialogs whose modal loop the test does not run:
// once in all, or once on every window chosen. The timer ends with the object.
class ActOnWindow {
public:
    ActOnWindow(std::function<bool(HWND)> pick, std::function<void(HWND)> act, UINT interval = 20, bool once = true);
    ~ActOnWindow();
    ActOnWindow(const ActOnWindow&) = delete;
    ActOnWindow& operator=(const ActOnWindow&) = delete;
    bool Acted() const { return !m_done.empty(); }

private:
    static std::map<UINT_PTR, ActOnWindow*>& Active();
    static void CALLBACK Tick(HWND, UINT, UINT_PTR timer, DWORD);
    BOOL Look(HWND window);

    std::function<bool(HWND)> m_pick;
    std::function<void(HWND)> m_act;
    bool m_once;
    std::vector<HWND> m_done;
    UINT_PTR m_timer = 0;
};

// Answers every message dialog that opens on this thread with "&OK", or else
// "&Ja", and records each text.
class MessageAnswerer {
public:
    const std::vector<std::string>& Texts() const { return m_texts; }

private:
    std::vector<std::string> m_texts;
    ActOnWindow m_answer{[](HWND w) { return GetDlgItem(w, IDC_MSG_TEXT) != nullptr; },
                         [this](HWND dialog) {
                             m_texts.push_back(WindowText(GetDlgItem(dialog, IDC_MSG_TEXT)));
                             const int answer = IsWindowVisible(GetDlgItem(dialog, IDOK)) ? IDOK : IDYES;
                             PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED),
                                          reinterpret_cast<LPARAM>(GetDlgItem(dialog, answer)));
                         },
                         15, false};
};

// Runs a dialog modally while a script acts on it from inside its own loop,
// the way a player would: the script starts once the dialog is shown, sends
// keys and clicks, and ends by closing the dialog.
inline INT_PTR RunScripted(CDialog& dialog, const std::function<void(HWND)>& script, HWND owner = nullptr)
{
    DWORD ended = 0;
    const ActOnWindow run([&](HWND w) { return w == dialog.Handle(); },
                          [&](HWND w) {
                              script(w);
                              ended = GetTickCount();
                          },
                          10);
    // A script that forgot to close must not hang the test run.
    const ActOnWindow watchdog([&](HWND w) { return w == dialog.Handle() && ended && GetTickCount() - ended > 200; },
                               [&](HWND) { dialog.EndDialog(-2); }, 50);
    return dialog.DoModal(owner);
}

// Lets the dialog handle what was posted to it.
inline void Pump()
{
    for (int round = 0; round < 3; ++round)
        CDialog::PumpWaitingMessages();
}

inline void PressKey(HWND target, UINT key)
{
    PostMessageA(target, WM_KEYDOWN, key, 1);
    PostMessageA(target, WM_KEYUP, key, 0xC0000001);
    Pump();
}

// Characters as typed; the edit receives them through the dialog's loop.
inline void TypeText(HWND edit, const std::string& text)
{
    for (char c : text) {
        PostMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
        Pump();
    }
}

inline void Click(HWND dialog, int id)
{
    SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
    Pump();
}

// The controls' states at a glance, as "101" for enabled, disabled, enabled.
inline std::string EnabledStates(HWND dialog, std::initializer_list<int> ids)
{
    std::string states;
    for (int id : ids)
        states += IsWindowEnabled(GetDlgItem(dialog, id)) ? '1' : '0';
    return states;
}

// An edit's selection as "start-end".
inline std::string Selection(HWND edit)
{
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return std::to_string(start) + "-" + std::to_string(end);
}

// A settings store for one test.
class ScopedStore : public CMemoryRegistry {
public:
    ScopedStore() : m_previous(SetSettingsStore(this)) {}
    ~ScopedStore() override { SetSettingsStore(m_previous); }

private:
    CRegistry* m_previous;
};
