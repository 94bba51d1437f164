#include "app/win/SoundThread.h"
#include "dialoglayer/win/WindowLibraries.h"
#include <mmsystem.h>

namespace {

struct SoundRequest {
    LPCSTR sound = nullptr;
    HMODULE module = nullptr;
    DWORD flags = 0;
    bool prepare = false;
};

CRITICAL_SECTION g_lock;
SoundRequest g_pending;
HANDLE g_requested = nullptr; // automatic reset: set while a request waits

DWORD WINAPI SoundThreadProc(void*) {
    const auto playSound = LateBoundFunction<decltype(&PlaySoundA)>("winmm.dll", "PlaySoundA");
    const auto countDevices = LateBoundFunction<decltype(&waveOutGetNumDevs)>("winmm.dll", "waveOutGetNumDevs");
    for (;;) {
        WaitForSingleObject(g_requested, INFINITE);
        EnterCriticalSection(&g_lock);
        const SoundRequest request = g_pending;
        LeaveCriticalSection(&g_lock);
        if (!request.prepare) {
            if (playSound)
                playSound(request.sound, request.module, request.flags);
        } else if (countDevices) {
            countDevices();
        }
    }
}

// Started at the first request and kept until the process ends.
bool StartSoundThread() {
    InitializeCriticalSection(&g_lock);
    g_requested = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    HANDLE thread = g_requested ? CreateThread(nullptr, 0, &SoundThreadProc, nullptr, 0, nullptr) : nullptr;
    if (!thread)
        return false;
    CloseHandle(thread);
    return true;
}

bool Request(const SoundRequest& request) {
    static const bool started = StartSoundThread();
    if (!started)
        return false;
    EnterCriticalSection(&g_lock);
    g_pending = request;
    LeaveCriticalSection(&g_lock);
    SetEvent(g_requested);
    return true;
}

} // namespace

BOOL WINAPI PlaySoundOnSoundThread(LPCSTR sound, HMODULE module, DWORD flags) {
    return Request(SoundRequest{sound, module, flags, false}) ? TRUE : FALSE;
}

void PrepareSoundThread() { Request(SoundRequest{nullptr, nullptr, 0, true}); }
