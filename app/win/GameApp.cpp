#include "app/win/GameApp.h"
#include <windows.h>
#include "app/win/GameDlg.h"
#include "controls/win/GameBrushes.h"
#include "controls/win/MessageRoute.h"
#include "dialoglayer/win/WindowLibraries.h"
#include "settings/SettingsSections.h"
#include "settings/win/WinRegistry.h"

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
