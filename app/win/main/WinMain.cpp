#include <windows.h>
#include "app/win/GameApp.h"

namespace {
CGameApp theApp;
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return theApp.InitInstance(); }
