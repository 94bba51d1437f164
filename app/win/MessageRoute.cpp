#include "app/win/MessageRoute.h"
#include <windows.h>
#include "app/win/Dialog.h"
#include "engine/Messages.h"

namespace {

int ShowWithMessageBox(const char* text, int type) {
    UINT style = MB_OK | MB_ICONWARNING;
    if (type == MessageQuestion)
        style = MB_YESNO | MB_ICONQUESTION;
    else if (type == MessageError)
        style = MB_OK | MB_ICONERROR;
    return MessageBoxA(CDialog::SafeOwner(nullptr), text ? text : "", "Anagrilla", style);
}

} // namespace

void RouteMessagesToDialog() { SetMessageHandler(&ShowWithMessageBox); }
