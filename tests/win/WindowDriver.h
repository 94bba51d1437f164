#pragma once
#include <windows.h>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "dialoglayer/win/DataExchange.h"
#include "dialoglayer/win/Dialog.h"
#include "settings/Registry.h"

// Drives the program's windows from a test as a player would, without a
// person: it pumps the thread's messages and answers message dialogs.

// Pumps messages through the dialogs' hooks until done() holds or the time
// runs out; returns done().
bool PumpUntil(const std::function<bool()>& done, int timeoutMilliseconds = 5000);
// Pumps whatever is waiting, and what arrives within the time.
void PumpFor(int milliseconds);

// Answers every message dialog that opens on this thread with "&OK", or else
// "&Ja", from a timer that runs inside the dialog's own loop, and records
// each text. One at a time.
class MessageAnswerer {
public:
    MessageAnswerer();
    ~MessageAnswerer();
    MessageAnswerer(const MessageAnswerer&) = delete;
    MessageAnswerer& operator=(const MessageAnswerer&) = delete;

    const std::vector<std::string>& Texts() const { return m_texts; }

private:
    void Answer(HWND dialog);

    UINT_PTR m_timer = 0;
    std::vector<std::string> m_texts;
    std::vector<HWND> m_answered;
};

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

// Runs a dialog modally while a script acts on it from inside its own loop,
// the way a player would: the script starts from a timer once the dialog is
// shown, sends keys and clicks, and ends by closing the dialog.
inline INT_PTR RunScripted(CDialog& dialog, std::function<void(HWND)> script, HWND owner = nullptr)
{
    static std::function<void(HWND)> s_script;
    static CDialog* s_dialog = nullptr;
    static UINT_PTR s_watchdog = 0;
    s_script = std::move(script);
    s_dialog = &dialog;
    SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR timer, DWORD) {
        KillTimer(nullptr, timer);
        if (!s_dialog || !s_dialog->Handle())
            return;
        auto script = std::move(s_script);
        s_script = nullptr;
        script(s_dialog->Handle());
        // A script that forgot to close must not hang the test run.
        s_watchdog = SetTimer(nullptr, 0, 200, [](HWND, UINT, UINT_PTR watchdog, DWORD) {
            KillTimer(nullptr, watchdog);
            s_watchdog = 0;
            if (s_dialog && s_dialog->Handle())
                s_dialog->EndDialog(-2);
        });
    });
    const INT_PTR result = dialog.DoModal(owner);
    if (s_watchdog)
        KillTimer(nullptr, s_watchdog);
    s_watchdog = 0;
    s_dialog = nullptr;
    return result;
}

// Acts once on the first visible window of this thread that `pick` chooses,
// from a timer, so that it reaches dialogs whose modal loop the test does not
// run. One at a time; the timer ends with the object.
class ActOnWindow {
public:
    ActOnWindow(std::function<bool(HWND)> pick, std::function<void(HWND)> act, UINT interval = 20)
    {
        s_pick = std::move(pick);
        s_act = std::move(act);
        s_acted = false;
        m_timer = SetTimer(nullptr, 0, interval, [](HWND, UINT, UINT_PTR, DWORD) {
            EnumThreadWindows(GetCurrentThreadId(), [](HWND window, LPARAM) -> BOOL {
                if (s_acted || !IsWindowVisible(window) || !s_pick(window))
                    return TRUE;
                s_acted = true;
                s_act(window);
                return FALSE;
            }, 0);
        });
    }
    ~ActOnWindow() { KillTimer(nullptr, m_timer); }
    static bool Acted() { return s_acted; }

private:
    static inline std::function<bool(HWND)> s_pick;
    static inline std::function<void(HWND)> s_act;
    static inline bool s_acted = false;
    UINT_PTR m_timer = 0;
};

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
