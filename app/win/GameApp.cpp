#include "app/win/GameApp.h"
#include <windows.h>
#include <commctrl.h>
#include "app/win/GameBrushes.h"
#include "app/win/GameDlg.h"
#include "app/win/MessageRoute.h"
#include "settings/SettingsSections.h"
#include "settings/win/WinRegistry.h"

bool InitWindowLibraries() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES;
    const bool common = InitCommonControlsEx(&controls) != FALSE;
    // The input line is a rich edit control; the library stays loaded.
    static HMODULE richEdit = LoadLibraryA("riched20.dll");
    return common && richEdit != nullptr;
}

int CGameApp::InitInstance() {
    InitWindowLibraries();
    CreateGameBrushes();
    static CWinRegistry registry;
    SetSettingsStore(&registry);
    LoadGameSettings();
    LoadMenuSettings();
    LoadListSettings();
    RouteMessagesToDialog();

    CGameDlg dialog;
    dialog.DoModal();
    if (dialog.WorkerLeftRunning()) {
        // The worker did not stop in time; ending the process ends it, and
        // nothing is left to save.
        ExitProcess(0);
    }
    return 0;
}
