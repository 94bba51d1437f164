#pragma once
#include <windows.h>

// PlaySound's asynchronous mode, called from a thread of its own: the system
// may first wait for the sound before to stop and start a thread of its own
// for each sound, and the user-interface thread should not wait for either.
// Same arguments and meaning as PlaySoundA; a newer call replaces one that
// has not been played yet (a sound cuts off the one before anyway). Returns
// TRUE once the call is handed over, FALSE when no thread could be started.
BOOL WINAPI PlaySoundOnSoundThread(LPCSTR sound, HMODULE module, DWORD flags);

// Starts the thread and lets it load the sound drivers, without a sound, so
// that the first sound of a round does not pay for them.
void PrepareSoundThread();
