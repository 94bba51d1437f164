#include "WindowDriver.h"
#include <algorithm>
#include <fstream>
#include <utility>

bool PumpUntil(const std::function<bool()>& done, int timeoutMilliseconds) {
    const DWORD start = GetTickCount();
    for (;;) {
        CDialog::PumpWaitingMessages();
        if (done())
            return true;
        if (static_cast<int>(GetTickCount() - start) > timeoutMilliseconds)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void PumpFor(int milliseconds) {
    const DWORD start = GetTickCount();
    PumpUntil([&] { return static_cast<int>(GetTickCount() - start) >= milliseconds; }, milliseconds + 1000);
}

ActOnWindow::ActOnWindow(std::function<bool(HWND)> pick, std::function<void(HWND)> act, UINT interval, bool once)
    : m_pick(std::move(pick)), m_act(std::move(act)), m_once(once) {
    m_timer = SetTimer(nullptr, 0, interval, &Tick);
    Active()[m_timer] = this;
}

ActOnWindow::~ActOnWindow() {
    KillTimer(nullptr, m_timer);
    Active().erase(m_timer);
}

std::map<UINT_PTR, ActOnWindow*>& ActOnWindow::Active() {
    static std::map<UINT_PTR, ActOnWindow*> active;
    return active;
}

void CALLBACK ActOnWindow::Tick(HWND, UINT, UINT_PTR timer, DWORD) {
    const auto found = Active().find(timer);
    if (found != Active().end())
        EnumThreadWindows(GetCurrentThreadId(), [](HWND window, LPARAM self) -> BOOL {
            return reinterpret_cast<ActOnWindow*>(self)->Look(window);
        }, reinterpret_cast<LPARAM>(found->second));
}

// Marked before acting: an act that pumps messages must not come back to it.
BOOL ActOnWindow::Look(HWND window) {
    if ((m_once && Acted()) || !IsWindowVisible(window) ||
        std::find(m_done.begin(), m_done.end(), window) != m_done.end() || !m_pick(window))
        return TRUE;
    m_done.push_back(window);
    m_act(window);
    return !m_once;
}

TempFile::TempFile(const std::string& contents) {
    char directory[MAX_PATH] = {}, name[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, directory);
    GetTempFileNameA(directory, "ana", 0, name);
    m_path = name;
    std::ofstream(name, std::ios::binary) << contents;
}

TempFile::~TempFile() { DeleteFileA(m_path.c_str()); }
