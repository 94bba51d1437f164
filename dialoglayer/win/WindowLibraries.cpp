#include "dialoglayer/win/WindowLibraries.h"
#include <windows.h>
#include <commctrl.h>

bool InitWindowLibraries() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES;
    const bool common = InitCommonControlsEx(&controls) != FALSE;
    // The input line is a rich edit control; the library stays loaded.
    static HMODULE richEdit = LoadLibraryA("riched20.dll");
    return common && richEdit != nullptr;
}
