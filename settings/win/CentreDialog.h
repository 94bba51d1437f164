#pragma once
#include <windows.h>

// Places a dialog centred over its owner (the screen's work area when it has
// none), kept inside the work area of the owner's monitor.
void CentreOverOwner(HWND dialog);
