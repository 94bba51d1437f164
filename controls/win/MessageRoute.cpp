#include "controls/win/MessageRoute.h"
#include "controls/win/MessageDlg.h"
#include "engine/Messages.h"

void RouteMessagesToDialog() { SetMessageHandler(&ShowMessageDlgHandler); }
