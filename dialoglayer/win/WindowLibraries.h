#pragma once
#include <windows.h>

// Framework set-up: common controls and the rich edit library. The program
// and the Windows tests, which create the same windows, call it once.
bool InitWindowLibraries();

// A system function found when first asked for. Its library then loads when
// the player first needs it (a sound, a link, the Open dialog) rather than
// with every start. Null when the library or the function is missing.
template <typename Function>
Function LateBoundFunction(const char* library, const char* name) {
    const HMODULE module = LoadLibraryA(library);
    const FARPROC address = module ? GetProcAddress(module, name) : nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(address));
}
