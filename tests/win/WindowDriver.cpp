#include "WindowDriver.h"
#include "res/resource.h"
#include <algorithm>
#include <cstdio>

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

static MessageAnswerer* s_answerer = nullptr;

MessageAnswerer::MessageAnswerer() {
    s_answerer = this;
    m_timer = SetTimer(nullptr, 0, 15, [](HWND, UINT, UINT_PTR, DWORD) {
        EnumThreadWindows(GetCurrentThreadId(), [](HWND window, LPARAM) -> BOOL {
            if (s_answerer && IsWindowVisible(window) && GetDlgItem(window, IDC_MSG_TEXT))
                s_answerer->Answer(window);
            return TRUE;
        }, 0);
    });
}

MessageAnswerer::~MessageAnswerer() {
    KillTimer(nullptr, m_timer);
    s_answerer = nullptr;
}

void MessageAnswerer::Answer(HWND dialog) {
    if (std::find(m_answered.begin(), m_answered.end(), dialog) != m_answered.end())
        return;
    m_answered.push_back(dialog);
    m_texts.push_back(WindowText(GetDlgItem(dialog, IDC_MSG_TEXT)));
    const int answer = IsWindowVisible(GetDlgItem(dialog, IDOK)) ? IDOK : IDYES;
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, answer)));
}

TempFile::TempFile(const std::string& contents) {
    char directory[MAX_PATH] = {};
    char name[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, directory);
    GetTempFileNameA(directory, "ana", 0, name);
    m_path = name;
    if (FILE* file = std::fopen(name, "wb")) {
        std::fwrite(contents.data(), 1, contents.size(), file);
        std::fclose(file);
    }
}

TempFile::~TempFile() { DeleteFileA(m_path.c_str()); }
